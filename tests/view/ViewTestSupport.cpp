#include "view/ViewTestSupport.h"

#include <algorithm>
#include <cstring>

#include "app/Globals.h"
#include "records/RecordList.h"
#include "records/RecordNode.h"

bool RecordingViewHost::Invalidated(ViewPane pane) const
{
    return std::find(invalidated.begin(), invalidated.end(), pane) != invalidated.end() ||
           std::find(invalidated.begin(), invalidated.end(), ViewPane::All) != invalidated.end();
}

TestDocument::TestDocument(const std::vector<std::string>& records)
    : list_(std::make_unique<CRecordList>()), saved_(theRecordList)
{
    RecordNode* prev = nullptr;
    for (const std::string& text : records) {
        auto* node = new RecordNode;
        node->length = static_cast<std::uint16_t>(text.size());
        node->capacity = node->length;
        node->data = new std::uint8_t[text.size() + 1];
        std::memcpy(node->data, text.data(), text.size());
        node->prev = prev;
        if (prev)
            prev->next = node;
        else
            list_->head = node;
        prev = node;
        ++list_->recordCount;
        list_->totalBytes += static_cast<std::int64_t>(text.size());
    }
    list_->tail = prev;
    theRecordList = list_.get();
}

TestDocument::~TestDocument()
{
    for (RecordNode* node = list_->head; node;) {
        RecordNode* next = node->next;
        delete[] node->data;
        delete node;
        node = next;
    }
    theRecordList = saved_;
}

std::vector<std::string> NumberedRecords(int n)
{
    std::vector<std::string> records;
    for (int i = 0; i < n; ++i) records.push_back("record " + std::to_string(i));
    return records;
}

TestView::TestView(int cols, int rows)
{
    view.SetHost(&host);
    view.charWidth = 8;
    view.charHeight = 17;
    view.smallCharWidth = 7;
    view.smallCharHeight = 13;
    view.lineWidth = 7 * view.smallCharWidth;
    view.OnInitialUpdate();
    // A client area that holds exactly cols + 1 columns and rows rows.
    view.OnDataPaneSized((cols + 1) * view.charWidth, rows * view.charHeight);
    host.Clear();
}
