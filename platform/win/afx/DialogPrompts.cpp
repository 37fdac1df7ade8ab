#include "win/afx/DialogPrompts.h"

namespace platform {

namespace {
DialogPrompts* installedPrompts = nullptr;
}

void DialogPrompts::answerModal(CDialog&) {}

bool DialogPrompts::answerFile(bool, const CString&, CString&)
{
    return false;
}

bool DialogPrompts::answerConfirm(const CString&)
{
    return false;
}

bool DialogPrompts::answerColour(const CString&, COLORREF&)
{
    return false;
}

DialogPrompts& dialogPrompts()
{
    static DialogPrompts cancelling;
    return installedPrompts ? *installedPrompts : cancelling;
}

void setDialogPrompts(DialogPrompts* prompts)
{
    installedPrompts = prompts;
}

} // namespace platform
