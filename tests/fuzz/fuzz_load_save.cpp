// Any file, read in any open mode and saved again in the mode it was read
// in, comes back byte for byte: a text save may add the final terminator,
// and line breaks where a line too long for one record was divided.
//
// Input: byte 0 picks the open request, byte 1 the answer to the long-line
// question and an optional long run, byte 2 the binary width; the rest is
// the file.
#include <string>
#include <unistd.h>
#include <vector>

#include "FuzzEntry.h"
#include "platform/Platform.h"
#include "platform/posix/PosixFiles.h"
#include "records/RecordList.h"
#include "records/RecordStorage.h"

namespace {

class ScriptedAnswer : public IMessageBox {
public:
    MbResult Show(const std::string&, const std::string&, MbIcon, MbButtons buttons, WindowHandle) override
    {
        ++shown;
        if (buttons == MbButtons::YesNo) return answerYes ? MbResult::Yes : MbResult::No;
        return MbResult::Ok;
    }
    bool answerYes = false;
    int shown = 0;
};

// On tmpfs where there is one: saves flush to disk, which would dominate.
std::string ScratchPath(const char* name)
{
    const char* dir = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(dir) + "/tabulon-fuzz-" + std::to_string(::getpid()) + "-" + name;
}

// True when `out` is `in` with at most `allowed` copies of `terminator`
// inserted anywhere. Searched over (bytes of `in` consumed, copies
// inserted), since a copy may look like the data around it.
bool IsInWithTerminators(const std::string& in, const std::string& out, const std::string& terminator,
                         std::size_t allowed)
{
    const std::size_t t = terminator.size();
    if (out.size() < in.size() || (out.size() - in.size()) % t != 0) return false;
    const std::size_t inserted = (out.size() - in.size()) / t;
    if (inserted > allowed) return false;
    // reach[k][i]: the first i bytes of `in` with k copies make out's prefix.
    std::vector<std::vector<char>> reach(inserted + 1, std::vector<char>(in.size() + 1, 0));
    reach[0][0] = 1;
    for (std::size_t k = 0; k <= inserted; ++k) {
        for (std::size_t i = 0; i <= in.size(); ++i) {
            if (!reach[k][i]) continue;
            const std::size_t j = i + k * t;
            if (i < in.size() && in[i] == out[j]) reach[k][i + 1] = 1;
            if (k < inserted && out.compare(j, t, terminator) == 0) reach[k + 1][i] = 1;
        }
    }
    return reach[inserted][in.size()];
}

}  // namespace

TABULON_FUZZ_ENTRY(load_save)
{
    if (size < 3) return 0;
    const std::uint8_t request = data[0] % 6;  // AUTO, DOS, UNIX, both bits, binary, binary > 65535
    const bool answerYes = data[1] & 1;
    const bool longRun = data[1] & 2;
    const std::int32_t width = request == 5 ? 70000 : 1 + data[2] % 200;
    std::string file(reinterpret_cast<const char*>(data + 3), size - 3);
    if (longRun && !file.empty()) {
        // A run long enough to exceed one record, from a byte of the input.
        std::size_t at = data[2] % file.size();
        file.insert(at, 65530 + data[2] * 8, file[at]);
    }

    ScriptedAnswer box;
    box.answerYes = answerYes;
    PlatformServices saved = Platform();
    Platform().messageBox = &box;

    const std::string inPath = ScratchPath("in"), outPath = ScratchPath("out");
    FUZZ_CHECK(WriteFileAtomically(inPath, file));
    {
        CRecordList list;
        const std::uint16_t modeRequest = request <= 3 ? request : 0;
        FUZZ_CHECK(list.Load(inPath, modeRequest, request >= 4 ? width : 0) == 0);
        FUZZ_CHECK(list.recordCount >= 1);

        std::int64_t bytes = 0, count = 0;
        for (RecordNode* r = list.head; r; r = r->next, ++count) {
            FUZZ_CHECK(RecordBytesInPlace(r));
            bytes += r->length;
        }
        FUZZ_CHECK(count == list.recordCount && bytes == list.totalBytes);

        FUZZ_CHECK(list.Save(true, outPath, list.file.mode) == 0);
        std::string out;
        FUZZ_CHECK(ReadWholeFile(outPath, &out) == ReadResult::Ok);
        const std::uint16_t mode = list.file.mode;
        if (mode == 0) {
            FUZZ_CHECK(out == file);  // binary: nothing added
        } else {
            const std::string terminator = (mode & 1) ? "\r\n" : "\n";
            // One break per divided piece plus the final terminator.
            const std::size_t allowed = file.size() / 65535 + 1 + (file.empty() ? 1 : 0);
            // DOS takes a bare LF that ends the file as its final line break
            // (the terminator written takes its place), unless it ends a
            // piece cut at the record limit.
            std::string base = file;
            const bool finalLfDropped = (mode & 1) && !file.empty() && file.back() == '\n' &&
                                        list.tail->length < 65535 && !IsInWithTerminators(file, out, terminator, allowed);
            if (finalLfDropped) base.pop_back();
            FUZZ_CHECK(IsInWithTerminators(base, out, terminator, allowed + (base.empty() ? 1 : 0)));
            if (box.shown == 0 && !base.empty()) {
                // Nothing divided: at most the final terminator was added.
                FUZZ_CHECK(out == base || out == base + terminator);
            }
        }
    }
    ::unlink(inPath.c_str());
    ::unlink(outPath.c_str());
    Platform() = saved;
    return 0;
}
