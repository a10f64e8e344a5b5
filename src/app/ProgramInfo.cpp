#include "app/ProgramInfo.h"

#include "TabulonVersion.h"

InfoRequest FindInfoRequest(const std::vector<std::string>& args)
{
    for (const auto& arg : args) {
        if (arg == "--help") return InfoRequest::Help;
        if (arg == "--version") return InfoRequest::Version;
    }
    return InfoRequest::None;
}

const char* ProgramVersion() { return kTabulonVersion; }

std::string UsageText()
{
    return "Usage: tabulon [-s] [-h] [-d | -u] [-w WIDTH] [FILE]\n"
           "Edit FILE, or a new document, as a list of records.\n"
           "\n"
           "  -s         source mode: tab stops and smart indentation\n"
           "  -h         hex display (not help)\n"
           "  -d         open as DOS text (records end in CR LF)\n"
           "  -u         open as UNIX text (records end in LF)\n"
           "  -w WIDTH   open as binary records of WIDTH bytes\n"
           "  --help     show this help and exit\n"
           "  --version  show the version and exit\n"
           "\n"
           "Without -d, -u or -w the form of the file is detected. A switch may\n"
           "also be written with \"/\" (/h); switches are case-sensitive and\n"
           "unknown ones are ignored. When several files are named, the last one\n"
           "is opened.\n"
           "\n"
           "Settings: $XDG_CONFIG_HOME/tabulon/registry.reg, or the file named by\n"
           "TABULON_REGISTRY. See tabulon(1).\n";
}

std::string VersionText() { return std::string("tabulon ") + kTabulonVersion + "\n"; }

bool WriteInfo(InfoRequest request, std::FILE* out)
{
    if (request == InfoRequest::None) return true;
    const std::string text = request == InfoRequest::Help ? UsageText() : VersionText();
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    // A full disk or a closed pipe shows only when the buffer goes out.
    return std::fflush(out) == 0 && written && !std::ferror(out);
}
