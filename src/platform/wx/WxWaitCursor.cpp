#include "platform/wx/WxWaitCursor.h"

#include <wx/utils.h>

void CWxWaitCursor::Begin() { wxBeginBusyCursor(); }
void CWxWaitCursor::End() { wxEndBusyCursor(); }
