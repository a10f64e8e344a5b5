#pragma once
#include <functional>
#include <memory>
#include <string>

class wxDialog;

// Acts on a modal dialog from inside the test process: once a shown dialog
// with the given title exists, `action` runs on it (from the dialog's own
// event loop). Unlike DialogDriver it needs no keyboard and no window
// manager, so it suits dialogs whose buttons the test presses directly.
class ModalScript {
public:
    ModalScript(const std::string& title, std::function<void(wxDialog&)> action);
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // Whether the action ran.
    bool Ran() const;

private:
    class Poller;
    std::unique_ptr<Poller> poller_;
};

// Presses a button of a dialog as a click would.
void PressButton(wxDialog& dialog, int id);
