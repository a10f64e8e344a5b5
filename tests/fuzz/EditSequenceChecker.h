#pragma once
// Drives a record list through a script of edits made the way the editor
// makes them (each with its undo entry), next to a plain model of the
// document, and reports the first broken property: links and totals,
// contents against the model, the clipboard holder, the caret that Undo
// places, and that every Undo brings back the document exactly as it was
// before the change. Shared by the fuzz target and the randomised test.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "EditDoubles.h"
#include "platform/Platform.h"
#include "records/ClipRecords.h"
#include "records/FileImage.h"
#include "records/RecordEdits.h"
#include "records/RecordList.h"
#include "records/RecordRanges.h"
#include "records/SourceOptions.h"
#include "records/UndoBuffer.h"

namespace edit_sequence {

// Reads the script: every value comes from the next input bytes, 0 once
// they are used up.
class Script {
public:
    Script(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Done() const { return at_ >= size_; }
    unsigned Byte() { return at_ < size_ ? data_[at_++] : 0u; }
    unsigned Word() { return Byte() | (Byte() << 8); }
    // 0 to bound - 1.
    int Below(int bound) { return bound <= 1 ? 0 : static_cast<int>(Word() % static_cast<unsigned>(bound)); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// A range's pieces in the model, as the list would detach or copy them.
struct Pieces {
    Records records;
    bool endsWithBreak = false;
};

class Checker {
public:
    explicit Checker(const Records& start) : savedBox_(Platform().messageBox)
    {
        options_.sourceMode = true;  // for smart indent
        Platform().messageBox = &box_;
        holder_.SetTransport(&clipboard_);
        // As a load leaves it: every record borrows its bytes from a file
        // image, each followed there by a line break.
        std::string bytes;
        for (const std::string& r : start) bytes += r + "\n";
        if (CFileImage* image = CFileImage::Create(bytes.size())) {
            std::copy(bytes.begin(), bytes.end(), image->Bytes());
            image->size = bytes.size();
            const std::uint8_t* at = image->Bytes();
            for (const std::string& r : start) {
                std::ignore = list_.BorrowedRecord(image, at, Len(r));
                at += r.size() + 1;
            }
            image->Release();
        }
        if (!list_.head) std::ignore = list_.NewRecord(nullptr, nullptr, 0);
        model_ = Contents(list_);
        journalStart_ = model_;
        PlaceViewAt(0, 0);
    }
    ~Checker() { Platform().messageBox = savedBox_; }
    Checker(const Checker&) = delete;
    Checker& operator=(const Checker&) = delete;

    // Runs the script, then undoes everything the journal holds. Empty when
    // every property held, else what broke first.
    std::string Run(const std::uint8_t* data, std::size_t size)
    {
        Script script(data, size);
        for (int step = 0; !script.Done() && step < 400; ++step) {
            const std::string problem = Step(script);
            if (!problem.empty()) return "step " + std::to_string(step) + ": " + problem;
        }
        while (journal_.CanUndo()) {
            const std::string problem = UndoOnce(0, 0);
            if (!problem.empty()) return "final undo: " + problem;
        }
        if (!lost_ && model_ != journalStart_) return "undoing everything did not restore the document";
        if (hooks_.modified != lost_) return "the modified flag is wrong after undoing everything";
        return {};
    }

    const Records& Model() const { return model_; }
    bool LostHistory() const { return lost_; }
    // How many entries of each kind were undone.
    const std::array<int, 12>& Undone() const { return undone_; }

private:
    int Count() const { return static_cast<int>(model_.size()); }
    int LengthOf(int record) const { return Len(model_[static_cast<std::size_t>(record)]); }
    std::string& Text(int record) { return model_[static_cast<std::size_t>(record)]; }
    RecordNode* NodeAt(RecordIndex record) const { return FindRelative(list_.head, record); }

    void PlaceViewAt(int caret, int top)
    {
        view_.caretNode = NodeAt(caret);
        view_.caretRecord = caret;
        view_.caretByte = 0;
        view_.topNode = NodeAt(top);
        view_.topRecord = top;
    }

    // --- Bookkeeping of the journal ---

    // Call before each journaled change.
    void Before()
    {
        before_ = model_;
        currentBefore_ = journal_.Current();
    }
    // Call after it: a new entry remembers the document as it was before.
    std::string After(bool mustRecord)
    {
        const int current = journal_.Current();
        if (current < 0) return mustRecord ? "the journal ran empty while recording" : std::string();
        if (current != currentBefore_) {
            const int expected = currentBefore_ < 0 ? 0 : (currentBefore_ + 1) % CUndoBuffer::kEntries;
            if (current != expected) return "the journal skipped a slot";
            snapshots_[static_cast<std::size_t>(current)] = before_;
            if (live_ == CUndoBuffer::kEntries) lost_ = true;
            else ++live_;
        } else if (mustRecord && currentBefore_ < 0) {
            return "a change went unrecorded";
        }
        return {};
    }
    // The journaled edits, as the editor makes them.
    CRecordEdits Edits() { return CRecordEdits(list_, journal_, &hooks_); }

    // --- The steps ---

    std::string Step(Script& s)
    {
        const int op = static_cast<int>(s.Byte() % 20);
        const int r = s.Below(Count());
        const int c = s.Below(LengthOf(r) + 1);
        std::string problem;
        switch (op) {
        // Script bytes are read into locals first: the order in which a call's
        // arguments are evaluated differs between compilers, and a kept input
        // must replay the same script everywhere.
        case 0: {
            const int n = 1 + s.Below(20);
            problem = Type(r, c, n, static_cast<char>(s.Byte()));
            break;
        }
        case 1: problem = TypeTab(r, c, 1 + s.Below(8)); break;
        case 2: {
            const int n = 1 + s.Below(20);
            problem = Overwrite(r, c, n, static_cast<char>(s.Byte()));
            break;
        }
        case 3: {
            const bool insert = s.Byte() % 2 == 0;
            problem = HexDigits(r, c, insert, static_cast<std::uint8_t>(s.Byte()));
            break;
        }
        case 4: problem = DeleteChars(r, c, 1 + s.Below(20)); break;
        case 5: problem = Backspaces(r, c, 1 + s.Below(20)); break;
        case 6: problem = Split(r, c, s.Byte() % 2 == 0); break;
        case 7: problem = Join(r); break;
        case 8:
        case 9:
        case 10: {
            int er = r + s.Below(std::min(4, Count() - r + 1));  // may reach the record count
            if (s.Byte() % 8 == 0) er = Count();
            const int ec = er < Count() ? s.Below(LengthOf(er) + 1) : 0;
            problem = op == 8 ? Remove(r, c, er, ec, s.Byte() % 4 != 0)
                    : op == 9 ? Cut(r, c, er, ec) : Copy(r, c, er, ec);
            break;
        }
        case 11: problem = Paste(r, c); break;
        case 12: clipboard_.content.present = s.Byte() % 2 == 0 && clipboard_.content.present; break;
        case 13: problem = Indent(r, std::min(Count() - 1, r + s.Below(4))); break;
        case 14: problem = Unindent(r, std::min(Count() - 1, r + s.Below(4))); break;
        case 15: {
            const int remove = s.Below(LengthOf(r) - c + 1);
            const int size = s.Byte() % 16 == 0 ? 20000 + s.Below(30000) : s.Below(12);
            problem = Replace(r, c, remove, std::string(static_cast<std::size_t>(size), static_cast<char>(s.Byte())));
            break;
        }
        case 16:
            options_.spacesForTab = s.Byte() % 2 == 0;
            options_.tabStop = 2 + s.Below(9);
            options_.smartIndent = s.Byte() % 2 == 0;
            break;
        case 17: problem = Save(); break;
        default: {
            const int undos = 1 + s.Below(3);
            for (int i = 0; i < undos && problem.empty() && journal_.CanUndo(); ++i) {
                const int first = s.Below(Count());
                problem = UndoOnce(first, s.Below(Count()));
            }
            break;
        }
        }
        if (!problem.empty()) return "op " + std::to_string(op) + ": " + problem;
        return Check();
    }

    std::string Check()
    {
        const std::string listProblem = ListProblem(list_);
        if (!listProblem.empty()) return listProblem;
        if (Contents(list_) != model_) return "the records differ from the model";
        if (hooks_.modified != (live_ > 0 || lost_)) return "the modified flag is wrong";
        if (journal_.CanUndo() != (live_ > 0)) return "CanUndo is wrong";
        PlaceViewAt(Count() / 2, Count() / 3);
        return {};
    }

    std::string Type(int r, int c, int n, char byte)
    {
        for (int i = 0; i < n && LengthOf(r) + 1 < kMaxRecordLength; ++i) {
            Before();
            const std::uint8_t b = static_cast<std::uint8_t>(byte + i);
            if (!Edits().Type(NodeAt(r), r, c + i, &b, 1)) return "typing was refused";
            Text(r).insert(static_cast<std::size_t>(c + i), 1, static_cast<char>(b));
            if (std::string p = After(true); !p.empty()) return p;
        }
        return {};
    }

    std::string TypeTab(int r, int c, int spaces)
    {
        if (LengthOf(r) + spaces >= kMaxRecordLength) return {};
        Before();
        const std::string blanks(static_cast<std::size_t>(spaces), ' ');
        if (!Edits().Type(NodeAt(r), r, c, U(blanks), spaces)) return "a tab was refused";
        Text(r).insert(static_cast<std::size_t>(c), blanks);
        return After(true);
    }

    std::string Overwrite(int r, int c, int n, char byte)
    {
        if (LengthOf(r) >= kMaxRecordLength && c < LengthOf(r)) return FullRecordRefuses(r, c);
        for (int i = 0; i < n && c + i < LengthOf(r); ++i) {
            Before();
            const std::uint8_t b = static_cast<std::uint8_t>(byte - i);
            if (!Edits().Overwrite(NodeAt(r), r, c + i, b, false)) return "overwriting was refused";
            Text(r)[static_cast<std::size_t>(c + i)] = static_cast<char>(b);
            if (std::string p = After(true); !p.empty()) return p;
        }
        return {};
    }

    // A record of 65535 bytes (made by a join, a paste or a load) takes no
    // change in place, not even one that keeps its length.
    std::string FullRecordRefuses(int r, int c)
    {
        const int shown = box_.shown;
        if (Edits().Overwrite(NodeAt(r), r, c, 0, false)) return "a full record was changed in place";
        if (box_.shown != shown + 1) return "a refused change showed no message";
        return Contents(list_) == model_ ? std::string() : "a refused change changed the records";
    }

    // Two hex digits: over an existing byte, or inserting a new one.
    std::string HexDigits(int r, int c, bool insert, std::uint8_t value)
    {
        const std::uint8_t high = static_cast<std::uint8_t>(value & 0xF0);
        if (insert) {
            if (LengthOf(r) + 1 >= kMaxRecordLength) return {};
            Before();
            if (!Edits().Type(NodeAt(r), r, c, &high, 1)) return "a hex digit was refused";
            Text(r).insert(static_cast<std::size_t>(c), 1, static_cast<char>(high));
        } else {
            if (c >= LengthOf(r)) return {};
            if (LengthOf(r) >= kMaxRecordLength) return FullRecordRefuses(r, c);
            Before();
            const std::uint8_t first = static_cast<std::uint8_t>(high | (NodeAt(r)->data[c] & 0x0F));
            if (!Edits().Overwrite(NodeAt(r), r, c, first, false)) return "a hex digit was refused";
            Text(r)[static_cast<std::size_t>(c)] = static_cast<char>(first);
        }
        if (std::string p = After(true); !p.empty()) return p;
        Before();
        if (!Edits().Overwrite(NodeAt(r), r, c, value, true)) return "the second digit was refused";
        Text(r)[static_cast<std::size_t>(c)] = static_cast<char>(value);
        if (journal_.Current() != currentBefore_) return "the second digit started an entry";
        return After(true);
    }

    std::string DeleteChars(int r, int c, int n)
    {
        for (int i = 0; i < n && c < LengthOf(r); ++i) {
            Before();
            if (!Edits().DeleteByte(NodeAt(r), r, c)) return "a deletion was refused";
            Text(r).erase(static_cast<std::size_t>(c), 1);
            if (std::string p = After(true); !p.empty()) return p;
        }
        return {};
    }

    std::string Backspaces(int r, int c, int n)
    {
        for (int i = 0; i < n && c > 0; ++i) {
            --c;
            Before();
            if (!Edits().DeleteByte(NodeAt(r), r, c)) return "a backspace was refused";
            Text(r).erase(static_cast<std::size_t>(c), 1);
            if (std::string p = After(true); !p.empty()) return p;
        }
        return {};
    }

    std::string Split(int r, int c, bool indentFlag)
    {
        Before();
        const std::string text = Text(r);
        int column = c;
        const bool smartIndent = indentFlag && options_.SmartIndentOn();
        if (!Edits().Split(NodeAt(r), r, column, smartIndent)) return "split failed";
        if (c == 0) {
            if (column != 0) return "a split at column 0 indented";
            model_.insert(model_.begin() + r, std::string());
        } else {
            int blanks = 0;
            if (smartIndent) {
                while (blanks < Len(text) && (text[static_cast<std::size_t>(blanks)] == ' ' ||
                                              text[static_cast<std::size_t>(blanks)] == '\t'))
                    ++blanks;
                if (blanks == Len(text)) blanks = 0;
            }
            std::string lower = text.substr(static_cast<std::size_t>(c));
            if (blanks > 0 && Len(lower) + blanks < kMaxRecordLength) lower.insert(0, text.substr(0, static_cast<std::size_t>(blanks)));
            else blanks = 0;
            if (column != blanks) return "split caret column " + std::to_string(column) + ", expected " + std::to_string(blanks);
            Text(r) = text.substr(0, static_cast<std::size_t>(c));
            model_.insert(model_.begin() + r + 1, lower);
        }
        return After(true);
    }

    std::string Join(int r)
    {
        if (r + 1 >= Count() || LengthOf(r) + LengthOf(r + 1) > kMaxRecordLength) return {};
        Before();
        if (!Edits().JoinNext(NodeAt(r), r)) return "join refused";
        Text(r) += Text(r + 1);
        model_.erase(model_.begin() + r + 1);
        return After(true);
    }

    // The pieces of a range; `copying` sets the flag for the document's end.
    Pieces PiecesOf(int sr, int sc, int er, int ec, bool copying) const
    {
        Pieces p;
        const int last = er == Count() ? Count() - 1 : er;
        for (int i = sr; i <= last; ++i) {
            const std::string& t = model_[static_cast<std::size_t>(i)];
            const int from = i == sr ? sc : 0;
            int to = Len(t);
            if (i == er) {
                if (ec == 0 && i != sr) {
                    p.endsWithBreak = true;
                    break;
                }
                to = ec;
            }
            p.records.push_back(t.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from)));
        }
        if (er == Count()) p.endsWithBreak = copying;
        return p;
    }

    static bool EmptyRange(int sr, int sc, int er, int ec, int count, int lastLength)
    {
        if (er == count) return sr == count - 1 && sc == lastLength && sc != 0;
        return er == sr && ec <= sc;
    }

    // The document after removing the range, or false when the joined record
    // would be too long.
    bool RemovedModel(int sr, int sc, int er, int ec, Records& out) const
    {
        const std::string prefix = model_[static_cast<std::size_t>(sr)].substr(0, static_cast<std::size_t>(sc));
        out.assign(model_.begin(), model_.begin() + sr);
        if (er == Count()) {
            if (sc != 0) out.push_back(prefix);
            if (out.empty()) out.emplace_back();
            return true;
        }
        const std::string suffix = model_[static_cast<std::size_t>(er)].substr(static_cast<std::size_t>(ec));
        if (Len(prefix) + Len(suffix) > kMaxRecordLength) return false;
        out.push_back(prefix + suffix);
        out.insert(out.end(), model_.begin() + er + 1, model_.end());
        return true;
    }

    std::string Remove(int sr, int sc, int er, int ec, bool checkFirst)
    {
        if (EmptyRange(sr, sc, er, ec, Count(), LengthOf(Count() - 1))) return {};
        Records after;
        const bool fits = RemovedModel(sr, sc, er, ec, after);
        if (checkFirst && CheckJoinLength(NodeAt(sr), sr, sc, er, ec) != fits) return "CheckJoinLength disagrees";
        if (checkFirst && !fits) return {};
        Before();
        const int shown = box_.shown;
        RecordNode* caret = Edits().RemoveRange(NodeAt(sr), sr, sc, er, ec);
        if (!fits) {
            if (box_.shown != shown + 1) return "a refused removal showed no message";
            return Contents(list_) == model_ ? std::string() : "a refused removal changed the records";
        }
        model_ = after;
        if (std::string p = CaretAfterRemoval(caret, sr, er); !p.empty()) return p;
        return After(true);
    }

    std::string CaretAfterRemoval(const RecordNode* caret, int sr, int er) const
    {
        if (er == static_cast<int>(before_.size())) return caret ? "a removal to the end returned a record" : "";
        return caret == NodeAt(sr) ? "" : "the removal returned the wrong record";
    }

    std::string Cut(int sr, int sc, int er, int ec)
    {
        if (EmptyRange(sr, sc, er, ec, Count(), LengthOf(Count() - 1))) return {};
        Records after;
        const bool fits = RemovedModel(sr, sc, er, ec, after);
        const Pieces pieces = PiecesOf(sr, sc, er, ec, false);
        Before();
        RecordNode* caret = Edits().CutRange(holder_, NodeAt(sr), sr, sc, er, ec);
        if (holder_.head) return "the holder kept the cut records";
        if (!fits) {
            if (holder_.recordCount != 0) return "a refused cut counted records";
            return Contents(list_) == model_ ? std::string() : "a refused cut changed the records";
        }
        if (holder_.recordCount != static_cast<int>(pieces.records.size())) return "cut count is wrong";
        if (!clipboard_.content.present || clipboard_.content.records != pieces.records ||
            clipboard_.content.endsWithBreak != pieces.endsWithBreak)
            return "the cut records on the clipboard are wrong";
        model_ = after;
        if (std::string p = CaretAfterRemoval(caret, sr, er); !p.empty()) return p;
        return After(true);
    }

    std::string Copy(int sr, int sc, int er, int ec)
    {
        if (EmptyRange(sr, sc, er, ec, Count(), LengthOf(Count() - 1))) return {};
        const Pieces pieces = PiecesOf(sr, sc, er, ec, true);
        if (!list_.CopyRange(holder_, NodeAt(sr), sr, sc, er, ec)) return "copy failed";
        Records held;
        for (const RecordNode* n = holder_.head; n; n = n->next) held.push_back(Bytes(n));
        if (held != pieces.records || holder_.endsWithBreak != pieces.endsWithBreak)
            return "the copied records are wrong";
        if (holder_.recordCount != static_cast<int>(held.size())) return "the holder's count is wrong";
        if (clipboard_.content.records != pieces.records) return "the copy did not reach the clipboard";
        return {};
    }

    std::string Paste(int r, int c)
    {
        Pieces pieces;
        bool any = false;
        if (clipboard_.content.present) {
            pieces.records = clipboard_.content.records;
            pieces.endsWithBreak = clipboard_.content.endsWithBreak;
            any = !pieces.records.empty();
        } else if (holder_.head) {
            for (const RecordNode* n = holder_.head; n; n = n->next) pieces.records.push_back(Bytes(n));
            pieces.endsWithBreak = holder_.endsWithBreak;
            any = true;
        }
        RecordNode* node = NodeAt(r);
        RecordIndex index = r;
        int column = c;
        Before();
        const int shown = box_.shown;
        RecordNode* caret = Edits().PasteChain(holder_, node, index, column);
        if (!any) return caret == node && Contents(list_) == model_ ? "" : "an empty paste changed something";
        const std::string& first = pieces.records.front();
        if (Len(first) + LengthOf(r) > kMaxRecordLength) {
            if (caret || box_.shown != shown + 1) return "an over-long paste was not refused";
            return Contents(list_) == model_ ? std::string() : "a refused paste changed the records";
        }
        if (holder_.head) return "the holder kept the pasted records";
        const std::string head = Text(r).substr(0, static_cast<std::size_t>(c));
        const std::string tail = Text(r).substr(static_cast<std::size_t>(c));
        Records inserted = pieces.records;
        const int k = static_cast<int>(inserted.size());
        inserted.front() = head + inserted.front();
        int expectIndex = r + k;
        int expectColumn = 0;
        if (pieces.endsWithBreak) {
            inserted.push_back(tail);
        } else {
            expectIndex = r + k - 1;
            expectColumn = Len(inserted.back());
            if (Len(inserted.back()) + Len(tail) <= kMaxRecordLength) inserted.back() += tail;
            else inserted.push_back(tail);
        }
        model_.erase(model_.begin() + r);
        model_.insert(model_.begin() + r, inserted.begin(), inserted.end());
        if (index != expectIndex || column != expectColumn) return "the caret after the paste is wrong";
        if (caret != NodeAt(index)) return "the paste returned the wrong record";
        return After(true);
    }

    std::string Indent(int first, int last)
    {
        const int spaces = options_.BlockIndentSpaces();
        const int width = spaces > 0 ? spaces : 1;
        bool fits = true;
        for (int i = first; i <= last; ++i) fits = fits && LengthOf(i) + width < kMaxRecordLength;
        Before();
        if (Edits().ShiftBlock(false, NodeAt(first), first, NodeAt(last), last, options_) != fits)
            return "ShiftBlock misjudged the limit";
        if (!fits) return Contents(list_) == model_ ? "" : "a refused indent changed the records";
        for (int i = first; i <= last; ++i) Text(i).insert(0, spaces > 0 ? std::string(static_cast<std::size_t>(spaces), ' ') : "\t");
        return After(true);
    }

    std::string Unindent(int first, int last)
    {
        Before();
        if (!Edits().ShiftBlock(true, NodeAt(first), first, NodeAt(last), last, options_))
            return "an unindent was refused";
        const int width = std::clamp(static_cast<int>(options_.tabStop), 2, 10);
        for (int i = first; i <= last; ++i) {
            std::string& t = Text(i);
            std::size_t n = 0;
            while (static_cast<int>(n) < width && n < t.size() && t[n] == ' ') ++n;
            if (n == 0 && !t.empty() && t[0] == '\t') n = 1;
            t.erase(0, n);
        }
        // An unindent that takes nothing off marks nothing, yet its entry is
        // in the journal: the flag below counts entries.
        hooks_.MarkModified();
        return After(true);
    }

    std::string Replace(int r, int c, int remove, const std::string& with)
    {
        if (LengthOf(r) - remove + Len(with) >= kMaxRecordLength) return {};
        Before();
        if (!Edits().Replace(NodeAt(r), r, c, remove, U(with), Len(with))) return "replace refused";
        Text(r).replace(static_cast<std::size_t>(c), static_cast<std::size_t>(remove), with);
        return After(true);
    }

    std::string Save()
    {
        journal_.Reset();
        hooks_.ClearModified();
        live_ = 0;
        lost_ = false;
        journalStart_ = model_;
        return {};
    }

    std::string UndoOnce(int caret, int top)
    {
        PlaceViewAt(caret, top);
        const int slot = journal_.Current();
        if (slot < 0) return "nothing to undo";
        const int placed = view_.placed;
        ++undone_[static_cast<std::size_t>(journal_.Newest()->Kind())];
        if (!Edits().Undo(view_)) return "undo refused an entry of a consistent journal";
        if (std::string p = ListProblem(list_); !p.empty()) return p;
        model_ = snapshots_[static_cast<std::size_t>(slot)];
        if (Contents(list_) != model_) return "undo did not restore the document";
        --live_;
        if (view_.placed != placed + 1) return "undo did not place the caret";
        if (view_.caretRecord < 0 || view_.caretRecord >= Count() || view_.caretNode != NodeAt(view_.caretRecord) ||
            view_.caretByte < 0 || view_.caretByte > view_.caretNode->length)
            return "undo placed the caret outside the document";
        if (view_.topRecord < 0 || view_.topRecord >= Count() || view_.topNode != NodeAt(view_.topRecord))
            return "undo left the top record out of step";
        return {};
    }

    CRecordList list_;
    Records model_;
    Records journalStart_;
    Records before_;
    int currentBefore_ = -1;
    std::array<Records, CUndoBuffer::kEntries> snapshots_;
    int live_ = 0;
    bool lost_ = false;
    std::array<int, 12> undone_{};

    CUndoBuffer journal_;
    CClipRecords holder_;
    SourceOptions options_;
    StandInView view_;
    FlagHooks hooks_;
    QuietMessageBox box_;
    MemoryClipboard clipboard_;
    IMessageBox* savedBox_;
};

}  // namespace edit_sequence
