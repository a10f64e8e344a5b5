#include "view/EditTestSupport.h"

#include "records/RecordEdits.h"
#include "records/RecordTestHelpers.h"
#include "records/UndoBuffer.h"
#include "view/ViewUndoAdapter.h"

EditScene::EditScene(const std::vector<std::string>& records, int cols, int rows)
    : savedSettings_(theSettings),
      savedHooks_(theDocumentHooks),
      savedView_(theView),
      document_(records),
      view_(cols, rows)
{
    theDocumentHooks = &document;
    theView = &view_.view;
    theUndoBuffer.Reset();
    view_.host.modePaneUpdates = view_.host.statusUpdates = 0;
}

EditScene::~EditScene()
{
    theUndoBuffer.Reset();
    theView = savedView_;
    theDocumentHooks = savedHooks_;
    theSettings = savedSettings_;
}

bool EditScene::Undo()
{
    CViewUndoAdapter undoView(View());
    return View().Edits().Undo(undoView);
}

std::string EditScene::Boxes()
{
    std::string all;
    for (const auto& box : platform.messageBox.boxes) all += box.caption + ": " + box.text + "\n";
    platform.messageBox.boxes.clear();
    return all;
}

std::string EditScene::Selection()
{
    const CAppViewBase& v = View();
    return std::to_string(v.selStartRecord) + ":" + std::to_string(v.selStartByte) + "-" +
           std::to_string(v.selEndRecord) + ":" + std::to_string(v.selEndByte);
}

std::vector<std::string> EditScene::Texts() const { return Records(*theRecordList); }

std::string EditScene::Text(int record) const { return ::Text(Counted(record)); }

RecordNode* EditScene::Counted(RecordIndex record) const
{
    RecordNode* node = theRecordList->head;
    while (node && record-- > 0) node = node->next;
    return node;
}

void EditScene::PutCaret(int record, int rowInRecord, int byte)
{
    CAppViewBase& v = View();
    v.caretRecord = record;
    v.caretNode = Counted(record);
    v.caretByte = byte;
    v.CaretToDisplay(record, rowInRecord, byte, v.caretRow, v.caretCol);
    v.CollapseSelection();
}

void EditScene::Select(int startRecord, int startByte, int endRecord, int endByte)
{
    CAppViewBase& v = View();
    v.selStartRecord = startRecord;
    v.selStartByte = startByte;
    v.selStartNode = Counted(startRecord);
    v.selEndRecord = endRecord;
    v.selEndByte = endByte;
    v.selEndNode = Counted(endRecord);
}

void EditScene::Type(const std::string& text, bool shift)
{
    for (const char c : text) View().OnChar(shift, static_cast<unsigned char>(c));
}

::testing::AssertionResult EditScene::Consistent() const
{
    const ::testing::AssertionResult list = ListIsConsistent(*theRecordList);
    if (!list) return list;
    const CAppViewBase& v = view_.view;
    struct Held {
        const char* name;
        RecordNode* node;
        RecordIndex record;
    };
    const Held held[] = {{"caret", v.caretNode, v.caretRecord},
                         {"top", v.topNode, v.topRecord},
                         {"selection start", v.selStartNode, v.selStartRecord},
                         {"selection end", v.selEndNode, v.selEndRecord}};
    for (const Held& h : held)
        if (Counted(h.record) != h.node || !h.node)
            return ::testing::AssertionFailure() << h.name << " node is not record " << h.record;
    if (v.caretRow / v.rowsPerRecord != v.caretRecord)
        return ::testing::AssertionFailure() << "caret row " << v.caretRow << " is not in record " << v.caretRecord;
    if (v.caretByte < 0 || v.caretByte > v.caretNode->length)
        return ::testing::AssertionFailure() << "caret byte " << v.caretByte << " outside the record";
    if (v.topRow / v.rowsPerRecord != v.topRecord && v.topRecord != theRecordList->recordCount - 1)
        return ::testing::AssertionFailure() << "top row " << v.topRow << " is not in record " << v.topRecord;
    if (v.selStartRecord > v.selEndRecord ||
        (v.selStartRecord == v.selEndRecord && v.selStartByte > v.selEndByte))
        return ::testing::AssertionFailure() << "selection start after its end";
    return ::testing::AssertionSuccess();
}
