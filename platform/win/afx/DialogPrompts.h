#pragma once
// Who answers the modal UI of the MFC layer (modal dialogs, the file and
// colour dialogs, the overwrite question): a person on the real system; here
// whoever a higher layer installs (the desktop's scripted user). The default
// cancels every prompt, so modal UI never blocks.
#include "win/kernel/String.h"

class CDialog;

namespace platform {

class DialogPrompts {
public:
    virtual ~DialogPrompts() = default;
    // A turn at a modal dialog while it is shown and its messages are
    // dispatched; the dialog stays open unless the turn closes it.
    virtual void answerModal(CDialog& dialog);
    // path comes with the initial name (may be empty or a whole path) and
    // leaves with the chosen path; false for a cancelled dialog.
    virtual bool answerFile(bool open, const CString& filter, CString& path);
    virtual bool answerConfirm(const CString& question);
    // The chosen colour; false for a cancelled dialog.
    virtual bool answerColour(const CString& initial, COLORREF& colour);
};

DialogPrompts& dialogPrompts();
// Null brings the default back.
void setDialogPrompts(DialogPrompts* prompts);

} // namespace platform
