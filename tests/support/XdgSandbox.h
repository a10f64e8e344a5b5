#pragma once
#include <map>
#include <optional>
#include <string>

#include "support/TempDir.h"

// Points HOME and the freedesktop folders ($XDG_DATA_HOME, $XDG_CONFIG_HOME,
// $XDG_DATA_DIRS) at a fresh temporary folder for the lifetime of the
// object, and puts the old values back afterwards. The home folder has a
// Desktop folder, as most users' have. The system data folder
// holds a small shared MIME database:
//   .c and .h  -> text/x-csrc  (no description file)
//   .txt       -> text/plain   ("Plain & simple text", translated too)
//   .dat       -> application/x-data ("Data file")
// plus lines a reader must skip (odd globs, bad type names, junk).
class XdgSandbox {
public:
    // With `keepSystemData` the system's data folders stay after the
    // sandbox's own in $XDG_DATA_DIRS (the toolkit needs them for its icons
    // and image loaders).
    explicit XdgSandbox(bool keepSystemData = false);
    ~XdgSandbox();
    XdgSandbox(const XdgSandbox&) = delete;
    XdgSandbox& operator=(const XdgSandbox&) = delete;

    std::string Home() const { return dir.File("home"); }
    std::string DataHome() const { return dir.File("home/.local/share"); }
    std::string ConfigHome() const { return dir.File("home/.config"); }
    std::string SystemData() const { return dir.File("system"); }
    std::string MimeAppsList() const { return ConfigHome() + "/mimeapps.list"; }
    // Points a variable elsewhere (restored with the others).
    void Set(const std::string& name, const std::string& value);

    TempDir dir;

private:
    std::map<std::string, std::optional<std::string>> saved_;
};

// Runs a shell command and answers its exit status, with its output in
// `output` when asked.
int RunCommand(const std::string& command, std::string* output = nullptr);

// Writes an executable script at `path` that records its arguments, one a
// line, in `path` + ".args".
void WriteRecordingProgram(const std::string& path);
// Starts a desktop entry with `gio launch` and one file, and waits up to
// ten seconds for the recording program `program` to record its arguments.
// Answers them, or what gio said when nothing was recorded.
std::string GioLaunch(const std::string& entry, const std::string& file, const std::string& program);
