#include "options/PropertiesReport.h"

#include <string>

#include "platform/TimeText.h"
#include "records/OpenMode.h"
#include "records/RecordList.h"

namespace {

constexpr char kUntitledReportName[] = "(Untitled)";
constexpr char kNotAvailable[] = "(N/A)\r\n";

const char* TypeText(std::uint16_t mode)
{
    if (mode & kModeDos) return "DOS (CR-LF)";
    if (mode & kModeUnix) return "UNIX (LF)";
    return "Binary";
}

// The C library's text of a time ("Wed Jun 30 21:49:08 1993\n"), or nothing
// when it cannot convert it.
void AppendTime(std::string& report, std::int64_t seconds)
{
    std::string text;
    if (LocalTimeText(seconds, &text)) report += text;
}

}  // namespace

DocumentFacts FactsOf(const CRecordList* list)
{
    DocumentFacts facts;
    if (!list) return facts;
    facts.path = list->fileName;
    facts.mode = list->file.mode;
    facts.recordCount = list->recordCount;
    facts.totalBytes = list->totalBytes;
    facts.createTime = list->file.status.createTime;
    facts.modifyTime = list->file.status.modifyTime;
    facts.accessTime = list->file.status.accessTime;
    return facts;
}

std::string PropertiesReport(const DocumentFacts& facts)
{
    std::string report = "Name: ";
    report += facts.path.empty() ? kUntitledReportName : facts.path;
    report += "\r\n\r\nType: ";
    report += TypeText(facts.mode);
    report += "\r\nTotal number of lines: ";
    report += std::to_string(facts.recordCount);
    report += "\r\nTotal record bytes: ";
    report += std::to_string(facts.totalBytes);
    report += "\r\n\r\nFile Information\r\n    Created: ";
    const bool noFile = facts.createTime == 0;
    if (noFile) report += kNotAvailable;
    else AppendTime(report, facts.createTime);
    report += "    Modified: ";
    if (noFile) report += kNotAvailable;
    else AppendTime(report, facts.modifyTime);
    report += "    Accessed: ";
    if (noFile) report += kNotAvailable;
    else AppendTime(report, facts.accessTime);
    return report;
}
