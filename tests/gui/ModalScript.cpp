#include "gui/ModalScript.h"

#include <wx/dialog.h>
#include <wx/timer.h>
#include <wx/toplevel.h>

class ModalScript::Poller : public wxTimer {
public:
    Poller(std::string title, std::function<void(wxDialog&)> action)
        : title_(std::move(title)), action_(std::move(action))
    {
        Start(30);
    }

    void Notify() override
    {
        if (ran) return;
        for (wxWindow* window : wxTopLevelWindows) {
            auto* dialog = dynamic_cast<wxDialog*>(window);
            if (!dialog || !dialog->IsShown() || !dialog->IsModal() || dialog->GetTitle() != title_) continue;
            ran = true;
            Stop();
            action_(*dialog);
            return;
        }
    }

    bool ran = false;

private:
    std::string title_;
    std::function<void(wxDialog&)> action_;
};

ModalScript::ModalScript(const std::string& title, std::function<void(wxDialog&)> action)
    : poller_(std::make_unique<Poller>(title, std::move(action)))
{
}

ModalScript::~ModalScript() { poller_->Stop(); }

bool ModalScript::Ran() const { return poller_->ran; }

void PressButton(wxDialog& dialog, int id)
{
    wxCommandEvent event(wxEVT_BUTTON, id);
    wxWindow* button = dialog.FindWindow(id);
    event.SetEventObject(button ? button : &dialog);
    (button ? button : &dialog)->ProcessWindowEvent(event);
}
