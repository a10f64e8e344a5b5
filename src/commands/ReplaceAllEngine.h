#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "commands/FindMatcher.h"
#include "records/ReplaceAllLog.h"

class CRecordList;

struct ReplaceAllResult {
    std::int64_t replaced = 0;
    // Matches left alone because their record would have grown too long.
    std::int64_t refused = 0;
    // Start of the last replacement made, in the order of the search.
    FindPosition last;
    // Every replacement, for Undo; null when nothing was replaced.
    std::unique_ptr<CReplaceAllLog> log;
    // Refused as a whole, the document unchanged: it would have held more
    // bytes than its counters allow.
    bool tooLarge = false;
};

// Replaces every match that lies within one record by `replacement` (stored
// bytes), going over the document once in search order from `from` moved
// by `skip` (as FindNext goes). Matches are taken in that order and never
// overlap one taken before, so text just put in is never searched again; a
// match running across a record boundary is left alone. A replacement that
// would make its record 65535 bytes or longer is refused, as are the later
// ones in that record; nothing is shown. Replacements that would take the
// byte total past the counters' limit refuse the whole Replace All.
ReplaceAllResult ReplaceAllMatches(CRecordList& list, const CFindMatcher& matcher, const std::string& replacement,
                                   bool forward, const FindPosition& from, int skip);
