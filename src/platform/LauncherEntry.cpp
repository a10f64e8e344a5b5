#include "platform/LauncherEntry.h"

#include "platform/DesktopEntry.h"

std::string LauncherEntryText(const std::string& program, const std::string& comment)
{
    return DesktopEntryText({{"Type", "Application"},
                             {"Name", "Tabulon"},
                             {"GenericName", "Data File Editor"},
                             {"Comment", comment},
                             {"Icon", kProgramIconName},
                             {"Exec", program + " %f"},
                             {"Terminal", "false"},
                             {"Categories", "Utility;TextEditor;"},
                             {"Keywords", "text;binary;hex;EBCDIC;records;editor;"},
                             {"MimeType", "text/plain;text/csv;application/octet-stream;"}});
}
