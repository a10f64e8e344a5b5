#pragma once
#include <wx/string.h>

#include "records/ProgressMeter.h"

// Shows a long open's or save's progress in the main frame's message pane
// ("Reading... 42%"), repainted at once since the work holds the event loop,
// and puts the pane's text back when it ends.
class CStatusProgress : public IProgressSink {
public:
    explicit CStatusProgress(const char* action) : action_(action) {}
    void ShowProgress(int percent) override;
    void EndProgress() override;

private:
    const char* action_;
    wxString before_;
    bool shown_ = false;
};
