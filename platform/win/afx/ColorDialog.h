#pragma once
// The colour dialog: ChooseColorW and MFC's CColorDialog. The user answers
// with a colour (platform::DialogPrompts::answerColour, prompted with the
// initial colour as "#RRGGBB"; the desktop's scripted user: pickColour).
#include "win/afx/Dialog.h"

#define CC_RGBINIT 0x00000001
#define CC_FULLOPEN 0x00000002
#define CC_ANYCOLOR 0x00000100

struct CHOOSECOLORW {
    DWORD lStructSize;
    HWND hwndOwner;
    HWND hInstance;
    COLORREF rgbResult; // the initial colour with CC_RGBINIT, then the chosen one
    COLORREF* lpCustColors;
    DWORD Flags;
    LPARAM lCustData;
    void* lpfnHook;
    LPCWSTR lpTemplateName;
};
typedef CHOOSECOLORW* LPCHOOSECOLORW;

// TRUE with the chosen colour in rgbResult; FALSE (rgbResult unchanged) when cancelled.
BOOL ChooseColorW(LPCHOOSECOLORW lpcc);

class CColorDialog : public CDialog {
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);

    // IDOK or IDCANCEL.
    INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    void SetCurrentColor(COLORREF clr) { m_cc.rgbResult = clr; }

    CHOOSECOLORW m_cc{};

private:
    COLORREF m_custColors[16] = {};
};
