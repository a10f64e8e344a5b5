#pragma once
#include "platform/WaitCursor.h"

class CWxWaitCursor : public IWaitCursor {
public:
    void Begin() override;
    void End() override;
};
