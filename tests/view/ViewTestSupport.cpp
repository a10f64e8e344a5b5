#include "view/ViewTestSupport.h"

#include <algorithm>

#include <tuple>

#include "app/AppViewDocument.h"
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
    for (const std::string& text : records)
        std::ignore = list_->NewRecord(nullptr, reinterpret_cast<const std::uint8_t*>(text.data()),
                                       static_cast<int>(text.size()));
    theRecordList = list_.get();
}

TestDocument::~TestDocument() { theRecordList = saved_; }

std::vector<std::string> NumberedRecords(int n)
{
    std::vector<std::string> records;
    for (int i = 0; i < n; ++i) records.push_back("record " + std::to_string(i));
    return records;
}

TestView::TestView(int cols, int rows)
{
    view.SetHost(&host);
    view.AttachDocument(&AppWideViewDocument());
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
