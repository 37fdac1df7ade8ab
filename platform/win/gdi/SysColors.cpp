#include "win/gdi/SysColors.h"

#include "win/display/Display.h"

#include <cmath>
#include <cwchar>

namespace {

// The classic Windows scheme, by index.
constexpr COLORREF classicScheme[] = {
    RGB(212, 208, 200), // scroll bar
    RGB(58, 110, 165),  // desktop background
    RGB(10, 36, 106),   // active caption
    RGB(128, 128, 128), // inactive caption
    RGB(212, 208, 200), // menu
    RGB(255, 255, 255), // window
    RGB(0, 0, 0),       // window frame
    RGB(0, 0, 0),       // menu text
    RGB(0, 0, 0),       // window text
    RGB(255, 255, 255), // caption text
    RGB(212, 208, 200), // active border
    RGB(212, 208, 200), // inactive border
    RGB(128, 128, 128), // application workspace
    RGB(10, 36, 106),   // highlight
    RGB(255, 255, 255), // highlight text
    RGB(212, 208, 200), // button face
    RGB(128, 128, 128), // button shadow
    RGB(128, 128, 128), // grey text
    RGB(0, 0, 0),       // button text
    RGB(212, 208, 200), // inactive caption text
    RGB(255, 255, 255), // button highlight
    RGB(64, 64, 64),    // 3-D dark shadow
    RGB(212, 208, 200), // 3-D light
    RGB(0, 0, 0),       // tooltip text
    RGB(255, 255, 225), // tooltip background
};

// Tahoma at the given point size for the desktop's DPI.
LOGFONTW uiFont(int points, LONG weight)
{
    LOGFONTW lf{};
    lf.lfHeight = -(LONG)std::lround(points * platform::display().dpi() / 72.0);
    lf.lfWeight = weight;
    std::wcsncpy(lf.lfFaceName, L"Tahoma", LF_FACESIZE - 1);
    return lf;
}

int scaled(int pixelsAt96)
{
    return (int)std::lround(pixelsAt96 * platform::display().dpi() / 96.0);
}

} // namespace

DWORD GetSysColor(int nIndex)
{
    const int count = (int)(sizeof classicScheme / sizeof classicScheme[0]);
    return nIndex >= 0 && nIndex < count ? classicScheme[nIndex] : 0;
}

BOOL SystemParametersInfoW(UINT uiAction, UINT uiParam, LPVOID pvParam, UINT)
{
    auto* m = (NONCLIENTMETRICSW*)pvParam;
    if (uiAction != SPI_GETNONCLIENTMETRICS || !m || uiParam != sizeof(NONCLIENTMETRICSW) ||
        m->cbSize != sizeof(NONCLIENTMETRICSW)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    m->iBorderWidth = 1;
    m->iScrollWidth = m->iScrollHeight = scaled(16);
    m->iCaptionWidth = m->iCaptionHeight = scaled(18);
    m->lfCaptionFont = uiFont(8, FW_BOLD);
    m->iSmCaptionWidth = m->iSmCaptionHeight = scaled(15);
    m->lfSmCaptionFont = uiFont(8, FW_BOLD);
    m->iMenuWidth = m->iMenuHeight = scaled(19);
    m->lfMenuFont = m->lfStatusFont = m->lfMessageFont = uiFont(8, FW_NORMAL);
    m->iPaddedBorderWidth = 0;
    return TRUE;
}
