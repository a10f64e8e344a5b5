// Edits of the selection: its deletion and the block indent.
// TEMPORARY: waits for the record list's range operations.
#include "view/AppViewBase.h"

bool CAppViewBase::DeleteSelection() { return false; }

void CAppViewBase::ShiftSelectedBlock(bool) {}
