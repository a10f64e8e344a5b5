#include "platform/KeyScanCodes.h"

#include "platform/X11KeyScanCodes.h"

const IKeyScanCodes& KeyScanCodes()
{
    static const CX11KeyScanCodes x11;
    return x11;
}
