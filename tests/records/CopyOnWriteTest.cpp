#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "UndoTestSupport.h"
#include "records/FileImage.h"
#include "records/OpenMode.h"
#include "records/RecordStorage.h"
#include "support/TempDir.h"

namespace {

std::string ImageBytes(const RecordNode* borrowing)
{
    const CFileImage* image = CFileImage::Containing(borrowing->data);
    return image ? std::string(reinterpret_cast<const char*>(image->Bytes()), image->size) : std::string();
}

// A file loaded as UNIX records, which borrow their bytes from its image.
struct Loaded {
    explicit Loaded(const std::string& bytes)
    {
        WriteFileBytes(path, bytes);
        EXPECT_EQ(0, list.Load(path, kModeUnix, 0));
        for (const RecordNode* n = list.head; n; n = n->next) EXPECT_TRUE(IsBorrowed(n));
    }
    TempDir dir;
    std::string path = dir.File("loaded.txt");
    CRecordList list;
};

TEST(CopyOnWrite, AnEditCopiesOnlyItsRecordAndLeavesTheImageAsReadThroughUndoAndSave)
{
    JournalScope scope;
    const std::string file = "alpha\nbeta\ngamma\n";
    Loaded loaded(file);
    CRecordList& list = loaded.list;
    RecordNode* before = list.head;
    RecordNode* after = list.tail;
    const std::uint8_t* afterBytes = after->data;
    ASSERT_EQ(file, ImageBytes(before));

    OverwriteAt(list, 1, 0, 'B');
    TypeAt(list, 1, 4, "!");
    DeleteAt(list, 1, 1);
    EXPECT_EQ((std::vector<std::string>{"alpha", "Bta!", "gamma"}), Records(list));
    EXPECT_FALSE(IsBorrowed(list.head->next));
    EXPECT_TRUE(IsBorrowed(before) && IsBorrowed(after));
    EXPECT_EQ(afterBytes, after->data);
    EXPECT_EQ(file, ImageBytes(before));
    EXPECT_TRUE(ListIsConsistent(list));

    while (scope.Undo(list)) {
    }
    EXPECT_EQ((std::vector<std::string>{"alpha", "beta", "gamma"}), Records(list));
    EXPECT_EQ(file, ImageBytes(before));
    // Split and join of borrowed records: the upper one keeps borrowing
    // until the join writes to it.
    int column = 2;
    ASSERT_NE(nullptr, EditsOf(list).Split(list.head, 0, column, false));
    EXPECT_TRUE(IsBorrowed(list.head));
    ASSERT_TRUE(EditsOf(list).JoinNext(list.head, 0));
    EXPECT_FALSE(IsBorrowed(list.head));
    EXPECT_EQ(0, list.Save(false, loaded.path, kModeDos));
    EXPECT_EQ("alpha\r\nbeta\r\ngamma\r\n", ReadFileBytes(loaded.path));
    EXPECT_EQ(0, list.Save(false, loaded.path, kModeUnix));
    EXPECT_EQ(file, ReadFileBytes(loaded.path));
}

TEST(CopyOnWrite, TheImageLivesWhileAnyRecordBorrowsFromIt)
{
    JournalScope scope;
    const std::size_t imagesBefore = CFileImage::LiveCount();
    {
        Loaded loaded("one\ntwo\nthree\n");
        CRecordList& list = loaded.list;
        EXPECT_EQ(imagesBefore + 1, CFileImage::LiveCount());
        for (int record = 0; record < 3; ++record) OverwriteAt(list, record, 0, 'X');
        // Every record has its own bytes now; the journal keeps only bytes.
        EXPECT_EQ(imagesBefore, CFileImage::LiveCount());
        EXPECT_EQ((std::vector<std::string>{"Xne", "Xwo", "Xhree"}), Records(list));
    }
    {
        // Removed records go to the journal still borrowing: the image
        // outlives the document until the journal lets go of them.
        auto loaded = std::make_unique<Loaded>("one\ntwo\nthree\n");
        std::ignore = EditsOf(loaded->list).RemoveRange(loaded->list.head, 0, 0, 2, 0);
        loaded.reset();
        EXPECT_EQ(imagesBefore + 1, CFileImage::LiveCount());
        CRecordList fresh;  // undo puts them into another list: still readable
        ASSERT_NE(nullptr, fresh.NewRecord(nullptr, nullptr, 0));
        scope.CaretAt(fresh, 0);
        EXPECT_TRUE(scope.Undo(fresh));
        EXPECT_EQ((std::vector<std::string>{"one", "two", ""}), Records(fresh));
        fresh.FreeAll();
        EXPECT_EQ(imagesBefore, CFileImage::LiveCount());
    }
}

TEST(CopyOnWrite, TheLongestAndTheEmptyRecordCopyWhenEdited)
{
    JournalScope scope;
    const std::size_t imagesBefore = CFileImage::LiveCount();
    const std::string longest(kMaxRecordLength, 'x');
    // Divided: the longest record, then the empty rest of its line.
    scope.platform.messageBox.Answer(MbResult::No);
    Loaded loaded(longest + "\nz\n");
    CRecordList& list = loaded.list;
    ASSERT_EQ(3, list.recordCount);
    ASSERT_EQ(kMaxRecordLength, list.head->length);

    DeleteAt(list, 0, 100);
    EXPECT_FALSE(IsBorrowed(list.head));
    EXPECT_EQ(kMaxRecordLength, list.head->capacity);
    EXPECT_TRUE(scope.Undo(list));
    EXPECT_EQ(longest, Records(list)[0]);

    TypeAt(list, 1, 0, "q");
    EXPECT_EQ("q", Records(list)[1]);
    EXPECT_TRUE(scope.Undo(list));
    EXPECT_EQ("", Records(list)[1]);
    // An empty borrowed record joined with its borrowed follower.
    ASSERT_TRUE(EditsOf(list).JoinNext(list.head->next, 1));
    EXPECT_EQ((std::vector<std::string>{longest, "z"}), Records(list));
    // No record borrows any more: the image is gone.
    EXPECT_EQ(imagesBefore, CFileImage::LiveCount());
    EXPECT_TRUE(ListIsConsistent(list));
}

}  // namespace
