// Any script of edits, copies, pastes and undos on a small document must keep
// the record list consistent and the model in step, and every Undo must bring
// back the document exactly as it was before the change it reverses.
#include <cstdio>

#include "EditSequenceChecker.h"
#include "FuzzEntry.h"

TABULON_FUZZ_ENTRY(edit_sequence)
{
    edit_sequence::Checker checker({"alpha", "    beta", "", "\tgamma delta", "epsilon"});
    const std::string problem = checker.Run(data, size);
    if (!problem.empty()) std::fprintf(stderr, "edit sequence: %s\n", problem.c_str());
    FUZZ_CHECK(problem.empty());
    return 0;
}
