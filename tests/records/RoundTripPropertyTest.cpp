#include <gtest/gtest.h>

#include <random>

#include "records/OpenMode.h"
#include "records/RecordTestHelpers.h"
#include "support/TempDir.h"
#include "support/TestPlatform.h"

namespace {

// Random bytes rich in CR, LF, tabs and zeros, in lines short enough for a
// record.
std::string RandomFile(std::mt19937& random)
{
    static const char kSpecial[] = {'\r', '\n', '\t', '\0', '\x1a', ' '};
    const std::size_t size = random() % 3 == 0 ? random() % 16 : random() % 300000;
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        const unsigned pick = random() % 16;
        c = pick < 3 ? kSpecial[random() % sizeof kSpecial] : static_cast<char>(random() % 256);
    }
    return bytes;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(RoundTrip, LoadingAndSavingInTheSameModeGivesTheSameBytes)
{
    TestPlatform platform;
    TempDir dir;
    const std::string in = dir.File("in");
    const std::string out = dir.File("out");
    std::mt19937 random(4242);
    for (int round = 0; round < 60; ++round) {
        const std::string bytes = RandomFile(random);
        WriteFileBytes(in, bytes);
        struct Form {
            std::uint16_t mode;
            std::int32_t width;
            std::string terminator;
        };
        const int width = 1 + static_cast<int>(random() % 200);
        for (const Form& form : {Form{kModeDos, 0, "\r\n"}, Form{kModeUnix, 0, "\n"}, Form{kModeBinary, width, ""}}) {
            CRecordList list;
            EXPECT_EQ(0, list.Load(in, form.mode, form.width));
            ASSERT_EQ(LoadOutcome::Loaded, list.loadOutcome);
            ASSERT_TRUE(ListIsConsistent(list));
            ASSERT_EQ(0, list.Save(false, out, form.mode));
            std::string expected = bytes;
            // DOS reads a bare LF at the very end as the final line break.
            if (form.mode == kModeDos && EndsWith(expected, "\n") && !EndsWith(expected, "\r\n")) expected.pop_back();
            if (!expected.empty() && !EndsWith(expected, form.terminator)) expected += form.terminator;
            if (expected.empty() && form.mode != kModeBinary) expected = form.terminator;  // one empty record
            ASSERT_EQ(expected, ReadFileBytes(out)) << "round " << round << " mode " << form.mode;
        }
    }
    EXPECT_TRUE(platform.messageBox.boxes.empty());
}

TEST(RoundTrip, AutoDetectionReadsWhatItSavesBackUnchanged)
{
    TestPlatform platform;
    TempDir dir;
    std::mt19937 random(99);
    for (int round = 0; round < 40; ++round) {
        std::string bytes;
        const int lines = static_cast<int>(random() % 500);
        const std::string terminator = round % 2 ? "\r\n" : "\n";
        for (int i = 0; i < lines; ++i) {
            bytes += std::string(random() % 120, static_cast<char>('a' + i % 26)) + terminator;
        }
        WriteFileBytes(dir.File("in"), bytes);
        CRecordList list;
        EXPECT_EQ(0, list.Load(dir.File("in"), kRequestAuto, 0));
        ASSERT_EQ(0, list.Save(false, dir.File("out"), SaveModeFor(list.file.mode)));
        ASSERT_EQ(bytes.empty() ? "\r\n" : bytes, ReadFileBytes(dir.File("out"))) << round;
    }
}

}  // namespace
