#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>
#include <wx/timer.h>

#include "app/Globals.h"
#include "app/wx/AppDoc.h"
#include "app/wx/MainFrame.h"
#include "gui/GuiApp.h"
#include "gui/ShellFixture.h"
#include "records/RecordEdits.h"
#include "records/LoadMemory.h"
#include "records/RecordList.h"
#include "records/RecordMessages.h"
#include "records/UndoBuffer.h"
#include "view/wx/AppView.h"
#include "view/wx/EditDataWnd.h"
#include <cstdlib>
#include <wx/menu.h>
#include "resources/ResourceIds.h"

namespace {

using Document = ShellTest;

TEST_F(Document, FirstChangeMarksTheTitleOnce)
{
    EXPECT_EQ("Untitled - Tabulon", Title());
    const std::uint8_t text[] = {'h', 'i'};
    ASSERT_TRUE(theRecordList->Splice(theRecordList->head, 0, 0, text, 2));
    Doc().MarkModified();
    EXPECT_EQ("Untitled - Tabulon*", Title());
    Doc().MarkModified();
    Doc().MarkModified();
    EXPECT_EQ("Untitled - Tabulon*", Title());
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(Document, SaveAsUnixFromDosWritesLineFeeds)
{
    const std::string source = dir.File("dos.txt");
    const std::string target = dir.File("unix.txt");
    WriteFileBytes(source, "one\r\ntwo\r\n");
    ASSERT_TRUE(Doc().OpenFile(source, 0, 0));
    Frame().ResetView();
    EXPECT_EQ("DOS", Frame().PaneText(CMainFrame::kFormatPane));
    Doc().MarkModified();

    ASSERT_TRUE(Doc().SaveDocument(target, 2));
    Frame().UpdateModePanes();
    EXPECT_EQ("one\ntwo\n", ReadFileBytes(target));
    EXPECT_EQ("one\r\ntwo\r\n", ReadFileBytes(source));
    EXPECT_EQ("UNX", Frame().PaneText(CMainFrame::kFormatPane));
    EXPECT_EQ("unix.txt - Tabulon", Title());
    EXPECT_EQ(target, Doc().PathName());
    EXPECT_EQ(target, theRecordList->fileName);
    EXPECT_FALSE(Doc().IsModified());

    // File > Save keeps the format now in force.
    Doc().MarkModified();
    Command(ID_FILE_SAVE_DOC);
    EXPECT_EQ("one\ntwo\n", ReadFileBytes(target));
    EXPECT_EQ("one\ntwo\n", ReadFileBytes(target + ".bak"));
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(Document, FailedSaveAsKeepsTheOldNameAndMark)
{
    const std::string source = dir.File("keep.txt");
    WriteFileBytes(source, "data\n");
    ASSERT_TRUE(Doc().OpenFile(source, 0, 0));
    Doc().MarkModified();
    const std::string title = Title();
    ASSERT_EQ("keep.txt - Tabulon*", title);

    EXPECT_FALSE(Doc().SaveDocument(dir.File("no/such/folder/x.txt"), 1));
    EXPECT_EQ("File Error: Cannot save file.\n", Boxes());
    EXPECT_EQ(title, Title());
    EXPECT_EQ(source, Doc().PathName());
    EXPECT_EQ(source, theRecordList->fileName);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ("data\n", ReadFileBytes(source));
}

TEST_F(Document, OpenRefusedWhileModified)
{
    const std::string path = dir.File("a.txt");
    WriteFileBytes(path, "a\r\n");
    Doc().MarkModified();
    const CRecordList* before = theRecordList;
    EXPECT_FALSE(Doc().OpenFile(path, 0, 0));
    EXPECT_EQ(before, theRecordList);
    EXPECT_TRUE(Doc().IsModified());
}

// A file whose records would not fit in memory is refused before anything
// changes: the records, name, caret and view modes stay.
TEST_F(Document, OpenRefusedForMemoryKeepsTheDocument)
{
    const std::string kept = dir.File("kept.txt");
    const std::string large = dir.File("large.txt");
    WriteFileBytes(kept, "one\ntwo\n");
    WriteFileBytes(large, std::string(300000, '\n'));  // far more nodes than the storage holds spare
    ASSERT_TRUE(Doc().OpenFile(kept, 0, 0));
    Frame().ResetView();
    theView->caretRecord = 1;
    theView->caretNode = theRecordList->tail;
    const CRecordList* before = theRecordList;
    SetAvailableMemoryForTesting(300001);  // the bytes fit, their records not
    const bool opened = Doc().OpenFile(large, 8, 0);  // in hex view
    SetAvailableMemoryForTesting(0);
    EXPECT_FALSE(opened);
    EXPECT_EQ("Oops: " + FillIn(kFmtNeedsMoreMemory, large) + "\n", Boxes());
    EXPECT_EQ(before, theRecordList);
    EXPECT_EQ("kept.txt - Tabulon", Title());
    EXPECT_EQ(1, theView->caretRecord);
    EXPECT_EQ(1, theView->rowsPerRecord);
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(Document, NewAsksAboutChanges)
{
    Doc().MarkModified();
    const CRecordList* before = theRecordList;

    platform.messageBox.Answer(MbResult::Cancel);
    Command(ID_FILE_NEW);
    ASSERT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_EQ("Save changes to Untitled?", platform.messageBox.boxes[0].text);
    EXPECT_EQ("Tabulon", platform.messageBox.boxes[0].caption);
    EXPECT_EQ(MbIcon::Warning, platform.messageBox.boxes[0].icon);
    EXPECT_EQ(MbButtons::YesNoCancel, platform.messageBox.boxes[0].buttons);
    EXPECT_EQ(before, theRecordList);
    EXPECT_TRUE(Doc().IsModified());

    platform.messageBox.Answer(MbResult::No);
    Command(ID_FILE_NEW);
    EXPECT_NE(before, theRecordList);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ("Untitled - Tabulon", Title());
}

TEST_F(Document, NewOnAFileNamesItInTheQuestionAndSavesOnYes)
{
    const std::string path = dir.File("named.txt");
    WriteFileBytes(path, "x\n");
    ASSERT_TRUE(Doc().OpenFile(path, 0, 0));
    const std::uint8_t more[] = {'y'};
    ASSERT_TRUE(theRecordList->Splice(theRecordList->head, 1, 0, more, 1));
    Doc().MarkModified();

    platform.messageBox.Answer(MbResult::Yes);
    Command(ID_FILE_NEW);
    EXPECT_EQ("Tabulon: Save changes to " + path + "?\n", Boxes());
    EXPECT_EQ("xy\n", ReadFileBytes(path));
    EXPECT_EQ("Untitled - Tabulon", Title());
}

TEST_F(Document, ExitCanBeCancelled)
{
    Doc().MarkModified();
    platform.messageBox.Answer(MbResult::Cancel);
    Command(ID_APP_EXIT);
    GuiApp::ProcessEvents(0);  // a closed frame would go now
    EXPECT_EQ("Tabulon: Save changes to Untitled?\n", Boxes());
    ASSERT_NE(nullptr, theMainFrame);
    EXPECT_TRUE(theMainFrame->IsShown());
    EXPECT_TRUE(Doc().IsModified());
}

// Sends the autosave timer's tick to the frame.
void AutoSaveTick()
{
    wxTimer timer(theMainFrame, AUTOSAVE_TIMER);
    wxTimerEvent tick(timer);
    theMainFrame->ProcessWindowEvent(tick);
}

TEST_F(Document, AutoSaveTickWritesACopyOfAModifiedDocument)
{
    const std::string path = dir.File("auto.txt");
    WriteFileBytes(path, "a\nb\n");
    ASSERT_TRUE(Doc().OpenFile(path, 0, 0));
    Frame().ResetView();
    const wxString before = Frame().PaneText(CMainFrame::kMessagePane);

    AutoSaveTick();  // unmodified: nothing happens
    EXPECT_FALSE(FileExists(path + ".tbsav"));
    EXPECT_EQ(before, Frame().PaneText(CMainFrame::kMessagePane));

    Doc().MarkModified();
    AutoSaveTick();
    EXPECT_EQ("a\nb\n", ReadFileBytes(path + ".tbsav"));
    EXPECT_EQ("Autosave complete", Frame().PaneText(CMainFrame::kMessagePane));
    EXPECT_EQ("auto.txt - Tabulon*", Title());
    EXPECT_TRUE(Doc().IsModified());

    // Closing the document without saving removes the copy.
    Doc().SetModifiedFlag(false);
    Command(ID_FILE_NEW);
    EXPECT_FALSE(FileExists(path + ".tbsav"));
}

TEST_F(Document, AutoSaveFailureIsReportedInTheStatusBar)
{
    const std::string sub = dir.File("gone");
    ASSERT_EQ(0, ::mkdir(sub.c_str(), 0755));
    WriteFileBytes(sub + "/f.txt", "z\n");
    ASSERT_TRUE(Doc().OpenFile(sub + "/f.txt", 0, 0));
    // The folder goes away under the document, so no copy can be written.
    ASSERT_EQ(0, ::rename(sub.c_str(), dir.File("moved").c_str()));
    Doc().MarkModified();
    AutoSaveTick();
    EXPECT_EQ("Autosave failed", Frame().PaneText(CMainFrame::kMessagePane));
    EXPECT_EQ("", Boxes());
    EXPECT_TRUE(Doc().IsModified());
}

}  // namespace

namespace {

// Types `text` at the start of the first record, as the keyboard does.
void TypeAtStart(const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(text[i]);
        EXPECT_TRUE(CRecordEdits(*theRecordList, theUndoBuffer, theDoc).Type(theRecordList->head, 0,
                                                                             static_cast<int>(i), &byte, 1));
    }
}

TEST_F(Document, UndoRestoresTheRecordsAndTheTitle)
{
    wxMenuBar* bar = Frame().GetMenuBar();
    Frame().DoMenuUpdates();
    EXPECT_FALSE(bar->FindItem(ToolkitId(ID_EDIT_UNDO_LAST))->IsEnabled());

    TypeAtStart("abc");
    EXPECT_EQ("Untitled - Tabulon*", Title());
    Frame().DoMenuUpdates();
    EXPECT_TRUE(bar->FindItem(ToolkitId(ID_EDIT_UNDO_LAST))->IsEnabled());

    Command(ID_EDIT_UNDO_LAST);
    EXPECT_EQ(0, theRecordList->head->length);
    EXPECT_EQ("Untitled - Tabulon", Title());
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ("0 bytes [eol]", Frame().PaneText(CMainFrame::kMessagePane));
    Frame().DoMenuUpdates();
    EXPECT_FALSE(bar->FindItem(ToolkitId(ID_EDIT_UNDO_LAST))->IsEnabled());
}

TEST_F(Document, SavingEmptiesTheJournal)
{
    TypeAtStart("q");
    ASSERT_TRUE(theUndoBuffer.CanUndo());
    ASSERT_TRUE(Doc().SaveDocument(dir.File("q.txt"), 1));
    EXPECT_FALSE(theUndoBuffer.CanUndo());
    TypeAtStart("r");
    ASSERT_TRUE(Doc().OpenFile(dir.File("q.txt"), 0, 0) == false);  // modified: refused
    Doc().SetModifiedFlag(false);
    ASSERT_TRUE(Doc().OpenFile(dir.File("q.txt"), 0, 0));
    EXPECT_FALSE(theUndoBuffer.CanUndo());
    EXPECT_EQ("q\r\n", ReadFileBytes(dir.File("q.txt")));
}

}  // namespace

namespace {

// Real key presses through the X server into the data pane.
TEST_F(Document, TypingMarksTheTitleOnceAndUpdatesTheStatus)
{
    const std::string path = dir.File("typed.txt");
    WriteFileBytes(path, "hello\r\n");
    ASSERT_TRUE(Doc().OpenFile(path, 0, 0));
    Frame().ResetView();
    auto* view = dynamic_cast<CAppView*>(Doc().GetFirstView());
    ASSERT_NE(nullptr, view);
    ASSERT_TRUE(GuiApp::Activate(&Frame()));
    view->dataPane->SetFocus();
    ASSERT_SOON(GuiApp::HasKeyboardFocus(view->dataPane));
    ASSERT_TRUE(GuiApp::SendInput("key --delay 20 53 29"));  // x y

    EXPECT_EQ("xyhello", std::string(reinterpret_cast<const char*>(theRecordList->head->data),
                                     theRecordList->head->length));
    EXPECT_EQ("typed.txt - Tabulon*", Title());
    EXPECT_EQ("7 bytes ['h',0x68]", Frame().PaneText(CMainFrame::kMessagePane));
    EXPECT_EQ("[1,3]", Frame().PaneText(CMainFrame::kPositionPane));
}

}  // namespace
