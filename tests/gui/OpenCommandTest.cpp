#include <gtest/gtest.h>

#include "app/Globals.h"
#include "app/wx/AppDoc.h"
#include "app/wx/MainFrame.h"
#include "commands/FileDialogChoices.h"
#include "gui/DialogDriver.h"
#include "gui/GuiApp.h"
#include "gui/ShellFixture.h"
#include "records/RecordList.h"

namespace {

using OpenCommand = ShellTest;

// Makes the untitled document hold "edit" and be modified.
void EditUntitled()
{
    const std::uint8_t text[] = {'e', 'd', 'i', 't'};
    EXPECT_TRUE(theRecordList->Splice(theRecordList->head, 0, 0, text, 4));
    theDoc->MarkModified();
}

TEST_F(OpenCommand, NoThenCancelKeepsTheChanges)
{
    EditUntitled();
    const CRecordList* before = theRecordList;
    platform.messageBox.Answer(MbResult::No);
    {
        DialogDriver driver("Open", "xdotool key Escape");
        Frame().OpenWithPrompt();
        EXPECT_TRUE(driver.Finished());
    }
    EXPECT_EQ("Hold Up!: Save changes to Untitled?\n", Boxes());
    EXPECT_EQ(MbButtons::YesNoCancel, platform.messageBox.boxes.at(0).buttons);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(before, theRecordList);
    EXPECT_EQ(4, theRecordList->head->length);
    EXPECT_EQ("Untitled - Tabulon*", Title());
}

TEST_F(OpenCommand, NoThenChoosingAFileOpensIt)
{
    const std::string path = dir.File("chosen.txt");
    WriteFileBytes(path, "1\n2\n3\n");
    EditUntitled();
    platform.messageBox.Answer(MbResult::No);
    lastOpenMode = 0;
    lastOpenWidth = 0;
    {
        // Typing a path opens the chooser's location field.
        DialogDriver driver("Open", DialogDriver::ChooseFile(path));
        Frame().OpenWithPrompt();
        EXPECT_TRUE(driver.Finished());
    }
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(path, theRecordList->fileName);
    EXPECT_EQ(3, theRecordList->recordCount);
    EXPECT_EQ("UNX", Frame().PaneText(CMainFrame::kFormatPane));
    EXPECT_EQ("chosen.txt - Tabulon", Title());
}

TEST_F(OpenCommand, CancelAsksNothingFurther)
{
    EditUntitled();
    platform.messageBox.Answer(MbResult::Cancel);
    Frame().OpenWithPrompt();  // no dialog may appear: it would block here
    EXPECT_EQ(1u, platform.messageBox.boxes.size());
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(OpenCommand, YesWithCancelledSaveAsStops)
{
    EditUntitled();
    platform.messageBox.Answer(MbResult::Yes);
    {
        DialogDriver driver("Save As", "xdotool key Escape");
        Frame().OpenWithPrompt();  // returns without showing the Open dialog
        EXPECT_TRUE(driver.Finished());
    }
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(4, theRecordList->head->length);
}

TEST_F(OpenCommand, YesSavesToTheFileThenOpens)
{
    const std::string first = dir.File("first.txt");
    const std::string second = dir.File("second.txt");
    WriteFileBytes(first, "a\r\n");
    WriteFileBytes(second, "b\r\nc\r\n");
    ASSERT_TRUE(Doc().OpenFile(first, 0, 0));
    const std::uint8_t more[] = {'!'};
    ASSERT_TRUE(theRecordList->Splice(theRecordList->head, 1, 0, more, 1));
    Doc().MarkModified();
    platform.messageBox.Answer(MbResult::Yes);
    {
        DialogDriver driver("Open", DialogDriver::ChooseFile(second));
        Frame().OpenWithPrompt();
        EXPECT_TRUE(driver.Finished());
    }
    EXPECT_EQ("Hold Up!: Save changes to " + first + "?\n", Boxes());
    EXPECT_EQ("a!\r\n", ReadFileBytes(first));
    EXPECT_EQ(second, theRecordList->fileName);
    EXPECT_EQ(2, theRecordList->recordCount);
}

TEST_F(OpenCommand, SaveAsDialogWritesTheChosenFile)
{
    const std::string target = dir.File("saved.txt");
    EditUntitled();
    {
        DialogDriver driver("Save As", DialogDriver::ChooseFile(target));
        EXPECT_TRUE(Frame().SaveDocumentAs());
        EXPECT_TRUE(driver.Finished());
    }
    // An untitled document is DOS, and the dialog starts from that format.
    EXPECT_EQ("edit\r\n", ReadFileBytes(target));
    EXPECT_EQ("saved.txt - Tabulon", Title());
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ("DOS", Frame().PaneText(CMainFrame::kFormatPane));
}

}  // namespace

namespace {

// The Open dialog starts from the remembered choice and hands it to the
// document: here Binary with a width of 16.
TEST_F(OpenCommand, RememberedBinaryWidthReadsTheChosenFile)
{
    const std::string path = dir.File("records.dat");
    WriteFileBytes(path, std::string(40, 'r'));
    lastOpenMode = 0;
    lastOpenWidth = 16;
    {
        DialogDriver driver("Open", DialogDriver::ChooseFile(path));
        Frame().OpenWithPrompt();
        EXPECT_TRUE(driver.Finished());
    }
    EXPECT_EQ(0, lastOpenMode);
    EXPECT_EQ(16, lastOpenWidth);
    EXPECT_EQ(3, theRecordList->recordCount);  // 16, 16 and 8 bytes
    EXPECT_EQ(8, theRecordList->tail->length);
    EXPECT_EQ("BIN", Frame().PaneText(CMainFrame::kFormatPane));
    lastOpenWidth = 0;
}

// Cancelling keeps the current document whatever the dialog showed.
TEST_F(OpenCommand, CancelOpensNothing)
{
    const CRecordList* before = theRecordList;
    lastOpenMode = 1;
    lastOpenWidth = 0;
    {
        DialogDriver driver("Open", "xdotool key Escape");
        Frame().OpenWithPrompt();
        EXPECT_TRUE(driver.Finished());
    }
    EXPECT_EQ(before, theRecordList);
    EXPECT_EQ(1, lastOpenMode);  // DOS Text stays chosen for next time
    EXPECT_EQ("", Boxes());
    lastOpenMode = 0;
}

}  // namespace
