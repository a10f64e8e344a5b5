#include "platform/posix/FreedesktopFileTypes.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <map>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/DesktopEntry.h"
#include "platform/MimeAppsList.h"
#include "platform/MimeDatabase.h"
#include "platform/SystemNames.h"
#include "platform/posix/FreedesktopPaths.h"
#include "platform/posix/PosixFiles.h"

namespace {

constexpr char kVerbPrefix[] = "tabulon-";
constexpr char kDesktopSuffix[] = ".desktop";
// Marks the desktop entries that are verbs of the program.
constexpr char kVerbMarkerKey[] = "X-Tabulon-Verb";

std::string ApplicationsFolder() { return DataHome() + "/applications"; }

bool IsOurVerbEntry(const std::string& text, std::string* mimeType)
{
    std::string marker;
    if (!ReadDesktopEntryKey(text, kVerbMarkerKey, &marker) || marker != "true") return false;
    std::string types;
    if (!ReadDesktopEntryKey(text, "MimeType", &types)) return false;
    *mimeType = types.substr(0, types.find(';'));
    return true;
}

// The verb's command line when the entry at `path` is our verb of
// `typeName`.
bool ReadVerbAt(const std::string& path, const std::string& typeName, std::string* command)
{
    std::string text;
    if (ReadWholeFile(path, &text) != ReadResult::Ok) return false;
    std::string mimeType;
    // An entry of another type under the same file name is not this verb.
    if (!IsOurVerbEntry(text, &mimeType) || mimeType != typeName) return false;
    if (!ReadDesktopEntryKey(text, "Exec", command)) command->clear();
    return true;
}

// The id a verb had before ids were one-to-one: every byte but letters,
// digits and "-.+" became "_", so "a-b/c" and "a/b-c" shared one file.
std::string LegacyVerbDesktopId(const std::string& typeName)
{
    std::string id = kVerbPrefix;
    for (const char c : typeName) {
        const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                          c == '-' || c == '.' || c == '+';
        id += c == '/' ? '-' : keep ? c : '_';
    }
    return id + kDesktopSuffix;
}

// The verb of `typeName` under its id, else under its id of old.
bool ReadVerb(const std::string& typeName, std::string* command)
{
    return ReadVerbAt(CFreedesktopFileTypes::VerbEntryPath(typeName), typeName, command) ||
           ReadVerbAt(ApplicationsFolder() + "/" + LegacyVerbDesktopId(typeName), typeName, command);
}

// Whether the program of an Exec line lies on a path the system's rule
// accepts; a verb refused there is never written.
bool StartsFromItsPath(const std::string& commandLine)
{
    std::vector<std::string> arguments;
    return SplitExecLine(commandLine, &arguments) && !arguments.empty() && !ProgramPathRefusal(arguments[0]);
}

// Replaces mimeapps.list by `edit` of its text. A file that cannot be read
// is never replaced, so that nothing in it is lost.
template <typename Edit>
bool EditMimeApps(Edit edit)
{
    const std::string path = CFreedesktopFileTypes::MimeAppsPath();
    std::string text;
    const ReadResult read = ReadWholeFile(path, &text);
    if (read == ReadResult::Failed) return false;
    const std::string edited = edit(text);
    if (edited == text && read == ReadResult::Ok) return true;
    if (edited.empty() && read == ReadResult::Missing) return true;
    return MakeParentDirectories(path) && WriteFileAtomically(path, edited);
}

bool RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0 || errno == ENOENT; }

// Deletes the entry at `path` when it is our verb of `typeName`; a missing
// file or one of another type or program stays, and is no error.
bool RemoveVerbEntry(const std::string& path, const std::string& typeName)
{
    std::string command;
    return !ReadVerbAt(path, typeName, &command) || RemoveFile(path);
}

}  // namespace

std::string CFreedesktopFileTypes::VerbDesktopId(const std::string& typeName)
{
    // One-to-one: "-" stands only for "/", and "_" only starts an escape.
    static const char kHex[] = "0123456789abcdef";
    std::string id = kVerbPrefix;
    for (const char c : typeName) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/') {
            id += '-';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                   c == '+') {
            id += c;
        } else {
            id += '_';
            id += kHex[byte >> 4];
            id += kHex[byte & 0xF];
        }
    }
    return id + kDesktopSuffix;
}

std::string CFreedesktopFileTypes::VerbEntryPath(const std::string& typeName)
{
    return ApplicationsFolder() + "/" + VerbDesktopId(typeName);
}

std::string CFreedesktopFileTypes::MimeAppsPath() { return ConfigHome() + "/mimeapps.list"; }

std::vector<SystemFileType> CFreedesktopFileTypes::ListFileTypes()
{
    const std::vector<std::string> folders = DataFolders();
    // Extension -> type: the folder of highest precedence decides, and in it
    // the glob of highest weight. A type cleared in a folder takes no globs
    // from the folders below it.
    std::map<std::string, std::string> typeOf;
    std::set<std::string> clearedTypes;
    for (const auto& folder : folders) {
        std::string text;
        if (ReadWholeFile(folder + "/mime/globs2", &text) != ReadResult::Ok) continue;
        std::vector<std::string> cleared;
        const std::vector<MimeGlob> globs = ParseMimeGlobs(text, &cleared);
        for (const auto& glob : globs) {
            if (clearedTypes.count(glob.mimeType)) continue;
            typeOf.emplace(glob.extension, glob.mimeType);
        }
        clearedTypes.insert(cleared.begin(), cleared.end());
    }

    std::map<std::string, std::string> descriptions;
    auto describe = [&](const std::string& typeName) -> const std::string& {
        auto found = descriptions.find(typeName);
        if (found != descriptions.end()) return found->second;
        std::string comment;
        for (const auto& folder : folders) {
            std::string xml;
            if (ReadWholeFile(folder + "/mime/" + typeName + ".xml", &xml) != ReadResult::Ok) continue;
            comment = MimeTypeComment(xml);
            break;
        }
        return descriptions.emplace(typeName, comment).first->second;
    };

    std::vector<SystemFileType> list;
    for (const auto& [extension, typeName] : typeOf) {
        SystemFileType type;
        type.extension = extension;
        type.typeName = typeName;
        type.description = describe(typeName);
        type.hasVerb = ReadVerb(typeName, &type.verbCommand);
        list.push_back(std::move(type));
    }
    // The order of a registry enumeration: by name, letter case aside.
    auto folded = [](std::string text) {
        for (auto& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        return text;
    };
    std::stable_sort(list.begin(), list.end(), [&](const SystemFileType& a, const SystemFileType& b) {
        return folded(a.extension) < folded(b.extension);
    });
    return list;
}

bool CFreedesktopFileTypes::WriteVerb(const std::string& typeName, const std::string& commandLine)
{
    if (!IsMimeTypeName(typeName) || !StartsFromItsPath(commandLine)) return false;
    const std::string path = VerbEntryPath(typeName);
    std::string old;
    const ReadResult before = ReadWholeFile(path, &old);
    std::string oldType;
    // A file of another program under our name is never overwritten.
    if (before == ReadResult::Failed || (before == ReadResult::Ok && !IsOurVerbEntry(old, &oldType)))
        return false;
    const std::string text = DesktopEntryText({{"Type", "Application"},
                                               {"Name", "Tabulon"},
                                               {"Comment", "Open with Tabulon"},
                                               {"Exec", commandLine},
                                               {"MimeType", typeName + ";"},
                                               {"NoDisplay", "true"},
                                               {"Terminal", "false"},
                                               {kVerbMarkerKey, "true"}});
    if (!MakeParentDirectories(path) || !WriteFileAtomically(path, text)) return false;
    const std::string id = VerbDesktopId(typeName);
    const std::string legacyId = LegacyVerbDesktopId(typeName);
    // The verb under its id of old goes, with its association.
    if (EditMimeApps([&](const std::string& list) {
            const std::string added = AddMimeAssociation(list, typeName, id);
            return legacyId == id ? added : RemoveMimeAssociation(added, typeName, legacyId);
        })) {
        // Left behind, that entry is hidden and unlisted, and this one is read first.
        if (legacyId != id) RemoveVerbEntry(ApplicationsFolder() + "/" + legacyId, typeName);
        return true;
    }
    // Without its association the verb is not whole: put back what was there.
    if (before == ReadResult::Ok) WriteFileAtomically(path, old);
    else RemoveFile(path);
    return false;
}

bool CFreedesktopFileTypes::RemoveVerb(const std::string& typeName)
{
    if (!IsMimeTypeName(typeName)) return false;
    const std::string id = VerbDesktopId(typeName);
    const std::string legacyId = LegacyVerbDesktopId(typeName);
    const bool unlisted = EditMimeApps([&](const std::string& list) {
        return RemoveMimeAssociation(RemoveMimeAssociation(list, typeName, id), typeName, legacyId);
    });
    const std::string folder = ApplicationsFolder();
    const bool removed = RemoveVerbEntry(folder + "/" + id, typeName);
    const bool legacyRemoved = RemoveVerbEntry(folder + "/" + legacyId, typeName);
    return unlisted && removed && legacyRemoved;
}

bool CFreedesktopFileTypes::RemoveAllVerbs()
{
    bool ok = true;
    const std::string folder = ApplicationsFolder();
    std::set<std::string> ours;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* item = ::readdir(dir)) {
            const std::string name = item->d_name;
            if (name.rfind(kVerbPrefix, 0) != 0 || name.size() <= sizeof kDesktopSuffix ||
                name.compare(name.size() - (sizeof kDesktopSuffix - 1), std::string::npos, kDesktopSuffix) != 0)
                continue;
            std::string text;
            std::string mimeType;
            if (ReadWholeFile(folder + "/" + name, &text) == ReadResult::Ok && IsOurVerbEntry(text, &mimeType))
                ours.insert(name);
        }
        ::closedir(dir);
    } else if (errno != ENOENT) {
        ok = false;
    }
    // Associations of ours whose entry is gone go as well.
    auto isOurs = [&](const std::string& id) {
        if (ours.count(id)) return true;
        if (id.rfind(kVerbPrefix, 0) != 0) return false;
        struct stat info {};
        return ::stat((folder + "/" + id).c_str(), &info) != 0 && errno == ENOENT;
    };
    if (!EditMimeApps([&](const std::string& list) { return RemoveMimeAssociations(list, isOurs); })) ok = false;
    for (const auto& name : ours)
        if (!RemoveFile(folder + "/" + name)) ok = false;
    return ok;
}
