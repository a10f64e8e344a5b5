#pragma once
#include "platform/MessageBox.h"

// Message boxes shown with the toolkit's modal message dialog.
class CWxMessageBox : public IMessageBox {
public:
    MbResult Show(const std::string& text, const std::string& caption, MbIcon icon,
                  MbButtons buttons, WindowHandle owner) override;
};
