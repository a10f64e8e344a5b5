#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/CanonicalPath.h"
#include "records/FileImage.h"
#include "records/FilePrefetch.h"
#include "records/OpenMode.h"
#include "records/RecordTestHelpers.h"
#include "support/TempDir.h"
#include "support/TestPlatform.h"

namespace {

std::string Canonical(const std::string& path)
{
    std::string canonical = path;
    EXPECT_TRUE(CanonicalPath(path, &canonical));
    return canonical;
}

// The bytes read ahead serve only a load of the same, unchanged file; a load
// of anything else reads the file itself and the bytes read ahead are gone.
TEST(FilePrefetch, ServesOnlyTheSameUnchangedFileAndIsGivenUpByAnyLoad)
{
    TestPlatform platform;
    TempDir dir;
    WriteFileBytes(dir.File("first.txt"), "one\ntwo\n");
    WriteFileBytes(dir.File("other.txt"), "else\n");
    const std::string path = Canonical(dir.File("first.txt"));
    const std::string other = Canonical(dir.File("other.txt"));
    const std::size_t imagesBefore = CFileImage::LiveCount();

    StartFilePrefetch(path);
    FileStatus status;
    ASSERT_TRUE(ReadFileStatus(path, &status));
    CFileImage* image = TakePrefetchedImage(path, status);
    ASSERT_NE(nullptr, image);
    EXPECT_EQ("one\ntwo\n", std::string(reinterpret_cast<const char*>(image->Bytes()), image->size));
    image->Release();

    StartFilePrefetch(path);
    {
        CRecordList list;
        ASSERT_EQ(0, list.Load(path, kRequestAuto, 0));
        EXPECT_EQ((std::vector<std::string>{"one", "two"}), Records(list));
        EXPECT_EQ(kModeUnix, list.file.mode);
        EXPECT_EQ(imagesBefore + 1, CFileImage::LiveCount());
    }
    // The read ahead looks for binary bytes for the load.
    WriteFileBytes(other, "a\x01" + std::string(100, 'b') + "\r\n");
    StartFilePrefetch(other);
    {
        CRecordList list;
        ASSERT_EQ(0, list.Load(other, kRequestAuto, 0));
        EXPECT_EQ(kModeBinary, list.file.mode);
        EXPECT_EQ(2, list.recordCount);
    }
    WriteFileBytes(other, "else\n");
    EXPECT_EQ(imagesBefore, CFileImage::LiveCount());

    StartFilePrefetch(path);
    {
        CRecordList list;
        ASSERT_EQ(0, list.Load(other, kRequestAuto, 0));
        EXPECT_EQ((std::vector<std::string>{"else"}), Records(list));
    }
    // Given up by the other load: this one reads the file as it is now.
    WriteFileBytes(path, "three\n");
    StartFilePrefetch(path);
    WriteFileBytes(path, "changed after the read ahead\n");
    {
        CRecordList list;
        ASSERT_EQ(0, list.Load(path, kRequestAuto, 0));
        EXPECT_EQ((std::vector<std::string>{"changed after the read ahead"}), Records(list));
        EXPECT_TRUE(ListIsConsistent(list));
    }
    EXPECT_EQ(nullptr, TakePrefetchedImage(path, FileStatus{}));
    EXPECT_EQ(imagesBefore, CFileImage::LiveCount());
}

// The bytes read ahead stand only for the very file that was read: another
// one renamed into its place, though of the same size and time, is read
// itself, so that the document records the file its bytes came from.
TEST(FilePrefetch, ServesOnlyTheFileItReadNotAnotherInItsPlace)
{
    TestPlatform platform;
    TempDir dir;
    WriteFileBytes(dir.File("doc.txt"), "old\n");
    const std::string path = Canonical(dir.File("doc.txt"));
    FileStatus status;
    ASSERT_TRUE(ReadFileStatus(path, &status));
    for (const bool otherDevice : {false, true}) {
        StartFilePrefetch(path);
        FileStatus replaced = status;
        (otherDevice ? replaced.device : replaced.fileIndex) ^= 1;
        EXPECT_EQ(nullptr, TakePrefetchedImage(path, replaced)) << otherDevice;
    }
}

// Large enough for the reader to share the fresh memory with a helper.
TEST(FilePrefetch, ALargeFileReadsWhole)
{
    TestPlatform platform;
    TempDir dir;
    std::string bytes;
    for (int i = 0; bytes.size() < (34u << 20); ++i) bytes += std::to_string(i) + (i % 7 ? "\n" : " seven\n");
    WriteFileBytes(dir.File("large.txt"), bytes);
    const std::string path = Canonical(dir.File("large.txt"));
    StartFilePrefetch(path);
    FileStatus status;
    ASSERT_TRUE(ReadFileStatus(path, &status));
    CFileImage* image = TakePrefetchedImage(path, status);
    ASSERT_NE(nullptr, image);
    EXPECT_TRUE(bytes == std::string(reinterpret_cast<const char*>(image->Bytes()), image->size));
    image->Release();
}

}  // namespace
