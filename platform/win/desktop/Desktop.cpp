#include "win/desktop/Desktop.h"

#include "win/gdi/Png.h"

namespace platform {

void Desktop::settle()
{
    if (!m_holdMessages) processMessages();
}

bool Desktop::saveScreenshot(const std::filesystem::path& file) const
{
    return SavePng(screen(), screen().bounds(), file);
}

bool Desktop::saveScreenshot(HWND hWnd, const std::filesystem::path& file) const
{
    CRect r;
    return GetWindowRect(hWnd, &r) && SavePng(screen(), r, file);
}

Desktop& desktop()
{
    static Desktop d;
    return d;
}

} // namespace platform
