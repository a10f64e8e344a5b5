// Times Copy, then Paste, of many whole records through the clipboard
// codec and holder: the copy encodes both clipboard forms, the paste decodes
// the private block and links its records into the document. Ten times the
// records must take at most twelve times as long (no step that grows faster
// than the data). Usage: clipboard_bench FILE.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "app/Globals.h"
#include "commands/ClipboardCodec.h"
#include "records/ClipRecords.h"
#include "records/ClipboardTransport.h"
#include "records/RecordEdits.h"
#include "records/RecordList.h"
#include "records/UndoBuffer.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The system clipboard as bytes: both forms made on Copy, the block read
// back on Paste.
class BytesClipboard : public IClipboardTransport {
public:
    void Put(const CClipRecords& holder) override
    {
        EncodeClipBlock(holder.head, holder.endsWithBreak, block_);
        EncodeClipText(holder.head, holder.endsWithBreak, text_);
    }
    bool Get(CClipRecords& holder) override
    {
        return LoadClipForm(holder, ClipForm::Block, block_.data.get(), block_.size);
    }

private:
    ClipBytes block_;
    ClipBytes text_;
};

// One Copy of records 0..count-1 and one Paste of them at the top; the
// pasted records are taken out again afterwards, untimed.
bool CopyAndPaste(CRecordList& list, int count, double& ms)
{
    const RecordIndex before = list.recordCount;
    CRecordEdits edits(list, theUndoBuffer, nullptr);
    const auto start = Clock::now();
    if (!list.CopyRange(theClipRecords, list.head, 0, 0, count, 0)) return false;
    RecordIndex index = 0;
    int column = 0;
    RecordNode* caret = edits.PasteChain(theClipRecords, list.head, index, column);
    ms = Ms(Clock::now() - start);
    if (!caret || index != count || list.recordCount != before + count) return false;
    std::ignore = edits.RemoveRange(list.head, 0, 0, count, 0);  // the count below tells
    theUndoBuffer.Reset();
    return list.recordCount == before;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: clipboard_bench FILE\n");
        return 2;
    }
    CRecordList list;
    if (list.Load(argv[1], 0, 0) != 0 || list.recordCount < 2500000) {
        std::fprintf(stderr, "clipboard_bench: %s must load with 2,500,000 records or more\n", argv[1]);
        return 2;
    }
    theRecordList = &list;
    BytesClipboard clipboard;
    theClipRecords.SetTransport(&clipboard);

    const int sizes[2] = {250000, 2500000};
    double medians[2] = {0, 0};
    for (int s = 0; s < 2; ++s) {
        std::vector<double> runs;
        for (int run = 0; run < 3; ++run) {
            double ms = 0;
            if (!CopyAndPaste(list, sizes[s], ms)) {
                std::fprintf(stderr, "clipboard_bench: copy and paste of %d records went wrong\n", sizes[s]);
                return 2;
            }
            runs.push_back(ms);
        }
        std::sort(runs.begin(), runs.end());
        medians[s] = runs[1];
        std::printf("Copy + Paste of %9d records: median %9.1f ms  (runs %.1f %.1f %.1f)\n", sizes[s], medians[s],
                    runs[0], runs[1], runs[2]);
    }
    theClipRecords.SetTransport(nullptr);
    theClipRecords.Clear();
    theRecordList = nullptr;

    const double ratio = medians[1] / medians[0];
    const bool ok = ratio <= 12.0;
    std::printf("ratio 2,500,000 / 250,000 records: %.2f (<= 12)  %s\n", ratio, ok ? "ok" : "SLOW");
    return ok ? 0 : 1;
}
