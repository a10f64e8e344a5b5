#include "support/XdgSandbox.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr char kGlobs[] =
    "# Glob list for tests\n"
    "50:text/x-csrc:*.c\n"
    "50:text/x-csrc:*.h\n"
    "50:text/plain:*.txt\n"
    "40:text/plain:*.[ch]\n"
    "50:application/x-data:*.dat\n"
    "50:application/x-core:core\n"
    "50:../../etc:*.evil\n"
    "junk without colons\n"
    "x:text/plain:*.bad\n";

constexpr char kPlainXml[] =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<mime-type xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\" type=\"text/plain\">\n"
    "  <comment xml:lang=\"de\">Einfacher Text</comment>\n"
    "  <comment>Plain &amp; simple text</comment>\n"
    "</mime-type>\n";

constexpr char kDataXml[] =
    "<?xml version=\"1.0\"?>\n<mime-type type=\"application/x-data\"><comment>Data file</comment></mime-type>\n";

void Write(const std::string& path, const std::string& text)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    WriteFileBytes(path, text);
}

}  // namespace

XdgSandbox::XdgSandbox(bool keepSystemData)
{
    const char* systemData = std::getenv("XDG_DATA_DIRS");
    const std::string system = systemData && *systemData ? systemData : "/usr/local/share:/usr/share";
    std::filesystem::create_directories(ConfigHome());
    std::filesystem::create_directories(Home() + "/Desktop");
    Set("HOME", Home());
    Set("XDG_DATA_HOME", DataHome());
    Set("XDG_CONFIG_HOME", ConfigHome());
    Set("XDG_DATA_DIRS", keepSystemData ? SystemData() + ":" + system : SystemData());
    saved_.emplace("XDG_DESKTOP_DIR", std::getenv("XDG_DESKTOP_DIR")
                                          ? std::optional<std::string>(std::getenv("XDG_DESKTOP_DIR"))
                                          : std::nullopt);
    ::unsetenv("XDG_DESKTOP_DIR");
    Write(SystemData() + "/mime/globs2", kGlobs);
    Write(SystemData() + "/mime/text/plain.xml", kPlainXml);
    Write(SystemData() + "/mime/application/x-data.xml", kDataXml);
}

XdgSandbox::~XdgSandbox()
{
    for (const auto& [name, value] : saved_) {
        if (value) ::setenv(name.c_str(), value->c_str(), 1);
        else ::unsetenv(name.c_str());
    }
}

void XdgSandbox::Set(const std::string& name, const std::string& value)
{
    if (!saved_.count(name)) {
        const char* old = std::getenv(name.c_str());
        saved_.emplace(name, old ? std::optional<std::string>(old) : std::nullopt);
    }
    ::setenv(name.c_str(), value.c_str(), 1);
}

void WriteRecordingProgram(const std::string& path)
{
    Write(path, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + path + ".part' && mv '" + path + ".part' '" + path + ".args'\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

std::string GioLaunch(const std::string& entry, const std::string& file, const std::string& program)
{
    const std::string record = program + ".args";
    std::filesystem::remove(record);
    std::string said;
    RunCommand("gio launch '" + entry + "' '" + file + "'", &said);
    for (int i = 0; i < 200 && !FileExists(record); ++i) ::usleep(50000);
    return FileExists(record) ? ReadFileBytes(record) : "gio: " + said;
}

int RunCommand(const std::string& command, std::string* output)
{
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return -1;
    std::string text;
    char buffer[4096];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
    const int status = ::pclose(pipe);
    if (output) *output = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
