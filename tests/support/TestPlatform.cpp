#include "support/TestPlatform.h"

MbResult RecordingMessageBox::Show(const std::string& text, const std::string& caption, MbIcon icon,
                                   MbButtons buttons, WindowHandle)
{
    boxes.push_back(Box{text, caption, icon, buttons});
    if (!answers.empty()) {
        MbResult r = answers.front();
        answers.pop_front();
        return r;
    }
    return buttons == MbButtons::Ok || buttons == MbButtons::OkCancel ? MbResult::Ok : MbResult::Yes;
}

TestPlatform::TestPlatform() : saved_(Platform())
{
    Platform() = PlatformServices{&messageBox, &waitCursor, &process, &registry};
}

TestPlatform::~TestPlatform() { Platform() = saved_; }
