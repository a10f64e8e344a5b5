#include "platform/KeyScanCodes.h"

#include "platform/WinKeyScanCodes.h"

const IKeyScanCodes& KeyScanCodes()
{
    static const CWinKeyScanCodes windows;
    return windows;
}
