#pragma once
#include <string>

// Message boxes go through this interface so tests can script the answers.
enum class MbIcon { Stop, Warning, Question, Information };
// YesNoDefaultNo: Yes and No with No as the default button, for questions
// whose safe answer is No.
enum class MbButtons { Ok, OkCancel, YesNo, YesNoCancel, YesNoDefaultNo };
enum class MbResult { Ok, Cancel, Yes, No };

// Opaque owner window; null means the main window (or none).
using WindowHandle = void*;

class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual MbResult Show(const std::string& text, const std::string& caption,
                          MbIcon icon, MbButtons buttons, WindowHandle owner) = 0;
};
