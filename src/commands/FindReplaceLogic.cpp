#include "commands/FindReplaceLogic.h"

#include <algorithm>

#include "commands/FindEngine.h"
#include "commands/FindHistory.h"
#include "commands/FindMessages.h"
#include "commands/ReplaceAllEngine.h"
#include "platform/Platform.h"
#include "records/RecordList.h"
#include "records/RecordMessages.h"
#include "records/ReplaceAllLog.h"
#include "resources/Strings.h"
#include "view/AppViewBase.h"

namespace {

FindPosition CaretOf(const CAppViewBase& view) { return {view.caretNode, view.caretRecord, view.caretByte}; }

void PutCaret(CAppViewBase& view, const FindPosition& at)
{
    view.caretNode = at.node;
    view.caretRecord = at.record;
    view.caretByte = at.column;
    view.CaretToDisplay(at.record, 0, at.column, view.caretRow, view.caretCol);
}

}  // namespace

void CFindReplaceLogic::SearchTextEdited()
{
    const bool any = !searchText.empty();
    searchEnabled = replaceAllEnabled = replaceBoxEnabled = any;
}

void CFindReplaceLogic::HistoryChosen() { searchEnabled = replaceAllEnabled = replaceBoxEnabled = true; }

bool CFindReplaceLogic::TakeSelection(const CAppViewBase& view)
{
    const RecordNode* node = view.selStartNode;
    if (!node || view.selEndByte <= view.selStartByte || view.selStartByte >= node->length) return false;
    const int count = std::min({view.selEndByte - view.selStartByte, 19, node->length - view.selStartByte});
    const std::string text = SearchTextForBytes(node->data + view.selStartByte, count, view.asciiView);
    if (text.empty()) return false;
    searchText = text;
    // The selection's start counts as the match found, so that Search goes
    // on past it.
    found = true;
    foundRecord_ = view.selStartRecord;
    foundColumn_ = view.selStartByte;
    searchEnabled = replaceAllEnabled = replaceBoxEnabled = true;
    return true;
}

void CFindReplaceLogic::CaretMoved()
{
    found = false;
    replaceEnabled = false;
}

bool CFindReplaceLogic::ReadTexts(bool withReplacement)
{
    for (int k = 0; k < (withReplacement ? 2 : 1); ++k) {
        const std::string& text = k == 0 ? searchText : replaceText;
        FindPattern& pattern = k == 0 ? searchPattern : replacePattern;
        const PatternParse parsed = ParsePattern(text, pattern);
        if (parsed != PatternParse::Ok) {
            ShowMessage(PatternParseMessage(parsed), kAppTitle, MbIcon::Warning, MbButtons::Ok, owner);
            return false;
        }
    }
    AddToHistory(findItems, searchText);
    if (withReplacement) AddToHistory(replItems, replaceText);
    return searchPattern.length > 0;
}

FindPosition CFindReplaceLogic::SearchStart(const CAppViewBase& view, int& skip) const
{
    skip = 0;
    if (found && foundRecord_ >= 0 && foundRecord_ < view.RecordCount()) {
        RecordNode* node = view.NodeAt(foundRecord_);
        if (node && foundColumn_ < node->length) {
            skip = searchPattern.length;
            return {node, foundRecord_, foundColumn_};
        }
    }
    return CaretOf(view);
}

void CFindReplaceLogic::SelectMatch(CAppViewBase& view, const FindPosition& at, const FindPosition& end)
{
    PutCaret(view, at);
    view.selStartNode = at.node;
    view.selStartRecord = at.record;
    view.selStartByte = at.column;
    view.selEndNode = end.node;
    view.selEndRecord = end.record;
    view.selEndByte = end.column;
    view.selAnchorAtStart = true;
    view.EnsureCaretVisible(false);
}

void CFindReplaceLogic::SetFound(const FindPosition& at)
{
    found = true;
    foundRecord_ = at.record;
    foundColumn_ = at.column;
    replaceEnabled = true;
}

void CFindReplaceLogic::Refresh()
{
    if (refreshView) refreshView();
}

bool CFindReplaceLogic::Search(CAppViewBase& view, CRecordList& list)
{
    if (!view.caretNode || !ReadTexts(false)) return false;
    const CFindMatcher matcher(searchPattern, view.asciiView);
    int skip = 0;
    const FindPosition from = SearchStart(view, skip);
    FindPosition at, end;
    if (FindNext(list, matcher, direction == 0, from, skip, at, end)) {
        SelectMatch(view, at, end);
        Refresh();  // reports the caret movement, which clears found ...
        SetFound(at);  // ... so the match counts as found only now
        return true;
    }
    ShowMessage(kMsgPatternNotFound, kCapPatternNotFound, MbIcon::Information, MbButtons::Ok, owner);
    CaretMoved();
    return false;
}

bool CFindReplaceLogic::Replace(CAppViewBase& view, CRecordEdits edits)
{
    CRecordList& list = edits.List();
    if (!found || !view.caretNode || !ReadTexts(true)) return false;
    const CFindMatcher matcher(searchPattern, view.asciiView);
    int skip = 0;
    FindPosition at = SearchStart(view, skip);
    FindPosition end;
    const int searchLength = searchPattern.length;
    const std::string replacement = StoredReplacement(replacePattern, view.asciiView);
    const int replacementLength = static_cast<int>(replacement.size());
    bool replaced = false;
    bool spans = false;
    // Only a match that lies within its record is replaced; for one running
    // into the next record the user is told, and the search goes on to one
    // that can be replaced.
    if (skip > 0 && matcher.MatchAt(at, end)) {
        spans = at.column + searchLength > at.node->length;
        if (spans) {
            ShowMessage(kMsgOnlySpanningMatches, kCapPatternNotFound, MbIcon::Information, MbButtons::Ok, owner);
        } else if (!list.MayGrow(0, replacementLength - searchLength)) {
            return true;  // told; the match stays selected
        } else {
            replaced = edits.Replace(at.node, at.record, at.column, searchLength,
                                     reinterpret_cast<const std::uint8_t*>(replacement.data()), replacementLength);
        }
    }
    PutCaret(view, at);
    view.CollapseSelection();
    // Forward, the search goes on after the text just put in, so a
    // replacement holding the search text is not found again at once.
    if (replaced && direction == 0) skip = replacementLength;
    FindPosition next;
    if (FindNext(list, matcher, direction == 0, at, skip, next, end,
                 spans ? MatchScope::WithinRecord : MatchScope::Any)) {
        SelectMatch(view, next, end);
        Refresh();
        SetFound(next);
        return true;
    }
    Refresh();
    CaretMoved();
    return false;
}

std::int64_t CFindReplaceLogic::ReplaceAll(CAppViewBase& view, CRecordEdits edits)
{
    CRecordList& list = edits.List();
    if (!view.caretNode || !ReadTexts(true)) return 0;
    const CFindMatcher matcher(searchPattern, view.asciiView);
    int skip = 0;
    const FindPosition from = SearchStart(view, skip);
    const RecordIndex caretRecord = view.caretRecord;
    const int caretByte = view.caretByte;
    ReplaceAllResult result =
        ReplaceAllMatches(list, matcher, StoredReplacement(replacePattern, view.asciiView), direction == 0, from, skip);
    if (result.tooLarge) {
        ShowMessage(DocumentTooLargeMessage(), kCapHoldUp, MbIcon::Warning, MbButtons::Ok, owner);
        return 0;
    }
    if (result.replaced > 0) {
        // Undo puts back every replaced text and the caret where it was.
        edits.JournalReplaceAll(caretRecord, caretByte, std::move(result.log));
        PutCaret(view, result.last);
    }
    view.CollapseSelection();
    view.EnsureCaretVisible(false);
    Refresh();
    CaretMoved();
    // However many replacements the record size refused, one message.
    if (result.refused > 0) ShowMessage(kMsgRecordTooLarge, kCapLineTooLong, MbIcon::Warning, MbButtons::Ok, owner);
    if (result.replaced == 0 && result.refused == 0) {
        // Search may still find matches: those running across records.
        FindPosition at, end;
        const bool spanning =
            FindNext(list, matcher, direction == 0, from, skip, at, end, MatchScope::SpanningRecords);
        ShowMessage(spanning ? kMsgOnlySpanningMatches : kMsgPatternNotFound, kCapPatternNotFound,
                    MbIcon::Information, MbButtons::Ok, owner);
    }
    return result.replaced;
}
