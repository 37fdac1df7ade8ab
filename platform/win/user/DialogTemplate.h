#pragma once
// Dialog windows from templates, the Win32 side: the class "#32770" and its
// default procedure, dialog units and the template's controls as child
// windows; the dialog keys are in DialogKeys.h. CDialog (win/afx/Dialog.h)
// builds on these.
//
// A template's positions and sizes are dialog units: a horizontal unit is a
// quarter of the template font's average character width, a vertical unit an
// eighth of its height (MapDialogRect). The template's rectangle is the
// client area; a popup dialog is placed relative to its owner's client area
// (on the screen without an owner, centred with DS_CENTER) and kept on the
// screen, a child dialog in its parent's client area.
#include "win/user/Controls.h"
#include "win/user/DialogKeys.h"
#include "win/kernel/ResourceTable.h"

// The default procedure of dialog windows: the close box posts IDCANCEL as
// WM_COMMAND; the background is the dialog face.
LRESULT CALLBACK DefDlgProcW(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam);
// Dialog units of the dialog's font to pixels.
BOOL MapDialogRect(HWND hDlg, LPRECT lpRect);
BOOL SetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPCWSTR lpString);
UINT GetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPWSTR lpString, int cchMax);

namespace platform {

// The template's font at the desktop's DPI, kept for the life of the process.
HFONT DialogTemplateFont(const winres::DialogResource& dialog);
// The average character width and the height of a font, as dialog units use them.
CSize DialogBaseUnits(HFONT font);
// Where the dialog window goes (parent client coordinates for a child dialog,
// the screen otherwise).
CRect DialogWindowRect(const winres::DialogResource& dialog, HWND hWndParent);
// Creates the template's controls in the dialog (which has its font) in
// template order, each with its class, id, text, style and rectangle, and
// gives each the dialog's font. FALSE when a control cannot be created.
BOOL CreateDialogControls(HWND hDlg, const winres::DialogResource& dialog);

} // namespace platform
