#include <gtest/gtest.h>

#include <ctime>
#include <limits>
#include <regex>

#include "options/PropertiesReport.h"
#include "records/OpenMode.h"
#include "records/RecordTestHelpers.h"
#include "support/TempDir.h"
#include "support/TestPlatform.h"

namespace {

constexpr char kNoFileTimes[] =
    "\r\n\r\nFile Information\r\n    Created: (N/A)\r\n    Modified: (N/A)\r\n    Accessed: (N/A)\r\n";

TEST(PropertiesReport, UntitledAndEmptyDocuments)
{
    auto list = ListOf({"hello", "world!"});
    EXPECT_EQ(std::string("Name: (Untitled)\r\n\r\nType: DOS (CR-LF)\r\nTotal number of lines: 2\r\n"
                          "Total record bytes: 11") + kNoFileTimes,
              PropertiesReport(FactsOf(list.get())));

    CRecordList empty;
    empty.file.mode = kModeUnix;
    EXPECT_EQ(std::string("Name: (Untitled)\r\n\r\nType: UNIX (LF)\r\nTotal number of lines: 0\r\n"
                          "Total record bytes: 0") + kNoFileTimes,
              PropertiesReport(FactsOf(&empty)));
    empty.file.mode = kModeDos;
    EXPECT_EQ(PropertiesReport(FactsOf(&empty)), PropertiesReport(FactsOf(nullptr)));
}

TEST(PropertiesReport, FilesShowTheirTypeTimesAndCountsInMemory)
{
    TestPlatform platform;
    TempDir dir;
    const std::string path = dir.File("unix.txt");
    WriteFileBytes(path, "one\ntwo\n");
    CRecordList list;
    ASSERT_EQ(0, list.Load(path, kRequestAuto, 0));

    const std::string report = PropertiesReport(FactsOf(&list));
    const std::string time = "[A-Z][a-z]{2} [A-Z][a-z]{2} [ 0-9][0-9] [0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{4}\n";
    // The path as it is, whatever characters it holds.
    const std::string quoted = std::regex_replace(path, std::regex(R"([\\^$.|?*+()\[\]{}])"), R"(\$&)");
    EXPECT_TRUE(std::regex_match(report, std::regex("Name: " + quoted +
                                                    "\r\n\r\nType: UNIX \\(LF\\)\r\nTotal number of lines: 2\r\n"
                                                    "Total record bytes: 6\r\n\r\nFile Information\r\n"
                                                    "    Created: " + time + "    Modified: " + time +
                                                    "    Accessed: " + time)))
        << report;
    const std::time_t modified = static_cast<std::time_t>(list.file.status.modifyTime);
    EXPECT_NE(std::string::npos, report.find(std::string("    Modified: ") + std::ctime(&modified)));

    // Edits count, not the file on disk.
    ASSERT_TRUE(list.Splice(list.head, 3, 0, U("!!"), 2));
    ASSERT_NE(nullptr, list.NewRecord(nullptr, U("three"), 5));
    EXPECT_NE(std::string::npos, PropertiesReport(FactsOf(&list)).find("lines: 3\r\nTotal record bytes: 13\r\n"));

    CRecordList binary;
    ASSERT_EQ(0, binary.Load(path, kRequestAuto, 4));
    EXPECT_NE(std::string::npos, PropertiesReport(FactsOf(&binary)).find("\r\nType: Binary\r\n"));

    // A time the library cannot convert is left out.
    DocumentFacts facts = FactsOf(&list);
    facts.modifyTime = std::numeric_limits<std::int64_t>::max();
    EXPECT_NE(std::string::npos, PropertiesReport(facts).find("    Modified:     Accessed: "));
}


}  // namespace
