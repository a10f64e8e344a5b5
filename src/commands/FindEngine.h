#pragma once
#include "commands/FindMatcher.h"

class CRecordList;

// Which matches a search takes: those that lie within one record are the
// ones Replace may replace.
enum class MatchScope { Any, WithinRecord, SpanningRecords };

// The search engine. It looks at every place of the document where a match
// can start, once each, in cyclic order: forward from `from` to the end of
// the document, on from its start, and back up to `from`; backward the other
// way round. `from` is first moved `skip` bytes in the search direction
// (past the match the caret stands on); a column that falls outside its
// record leaves the rest of that record for the end of the round. A match
// may run past the end of its record into the following ones.
//
// True with `at` on the first byte of the match and `end` just after its
// last byte; false when the document holds no match of the scope (or no
// records).
bool FindNext(const CRecordList& list, const CFindMatcher& matcher, bool forward, const FindPosition& from,
              int skip, FindPosition& at, FindPosition& end, MatchScope scope = MatchScope::Any);

// The column in `from`'s record where a round starts: `from` moved `skip`
// bytes in the search direction, held to -1..65535 (outside the record when
// the skip left it).
[[nodiscard]] int RoundStartColumn(const FindPosition& from, int skip, bool forward);
