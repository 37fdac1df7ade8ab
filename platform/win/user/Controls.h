#pragma once
// The predefined control classes that dialog templates name ("Button",
// "Static", "ListBox", "msctls_progress32"): their messages, notifications and
// owner-draw records, with the Win32 names and values. The classes are
// registered with the window manager like any other class, each with its own
// window procedure, so an MFC object can subclass a control (DDX_Control).
//
// Every control keeps the font that WM_SETFONT gives it (the dialog gives its
// template font to each control) and paints with it.
#include "win/user/Window.h"

typedef uintptr_t ULONG_PTR;

// What a control handles of the dialog keys itself (its WM_GETDLGCODE
// answer): push buttons answer DLGC_BUTTON with DLGC_DEFPUSHBUTTON or
// DLGC_UNDEFPUSHBUTTON, static texts DLGC_STATIC, list boxes DLGC_WANTARROWS
// and DLGC_WANTCHARS; other windows take none (0).
#define DLGC_WANTARROWS 0x0001
#define DLGC_WANTTAB 0x0002
#define DLGC_WANTALLKEYS 0x0004
#define DLGC_WANTMESSAGE 0x0004
#define DLGC_DEFPUSHBUTTON 0x0010
#define DLGC_UNDEFPUSHBUTTON 0x0020
#define DLGC_WANTCHARS 0x0080
#define DLGC_STATIC 0x0100
#define DLGC_BUTTON 0x2000

// Buttons. A push button takes the focus when it is clicked and shows it with
// a dotted rectangle; Space pressed and released on it clicks it too.
#define BM_CLICK 0x00F5

// Edit controls (one line): the text is the window text; typed characters go
// in at the caret, Backspace and Delete take one out, Left, Right, Home and
// End move the caret; a click puts it at the nearest character. EM_GETSEL
// answers the caret's position in both words; EM_SETSEL(n, n) moves it (-1:
// the end). EN_CHANGE goes to the parent when typing changes the text.
#define EM_GETSEL 0x00B0
#define EM_SETSEL 0x00B1
#define EN_CHANGE 0x0300

// List boxes.
#define LB_ADDSTRING 0x0180
#define LB_INSERTSTRING 0x0181
#define LB_DELETESTRING 0x0182
#define LB_RESETCONTENT 0x0184
#define LB_GETTEXT 0x0189
#define LB_GETTEXTLEN 0x018A
#define LB_GETCOUNT 0x018B
#define LB_GETTOPINDEX 0x018E
#define LB_GETHORIZONTALEXTENT 0x0193
#define LB_SETHORIZONTALEXTENT 0x0194
#define LB_SETTOPINDEX 0x0197
#define LB_GETITEMRECT 0x0198
#define LB_GETITEMDATA 0x0199
#define LB_SETITEMDATA 0x019A
#define LB_GETITEMHEIGHT 0x01A1
#define LB_SETCURSEL 0x0186
#define LB_GETCURSEL 0x0188
#define LB_ITEMFROMPOINT 0x01A9
// Notification (WM_COMMAND to the parent, LBS_NOTIFY lists only): a click
// changed the selected entry.
#define LBN_SELCHANGE 1
#define LB_OKAY 0
#define LB_ERR (-1)

// Progress bars.
#define PBM_SETRANGE (WM_USER + 1)
#define PBM_SETPOS (WM_USER + 2)
#define PBM_DELTAPOS (WM_USER + 3)
#define PBM_SETSTEP (WM_USER + 4)
#define PBM_STEPIT (WM_USER + 5)
#define PBM_SETRANGE32 (WM_USER + 6)
#define PBM_GETRANGE (WM_USER + 7)
#define PBM_GETPOS (WM_USER + 8)
struct PBRANGE {
    int iLow;
    int iHigh;
};

// Owner drawing: WM_MEASUREITEM and WM_DRAWITEM go to the control's parent.
#define ODT_LISTBOX 2
#define ODA_DRAWENTIRE 0x0001
#define ODS_SELECTED 0x0001
#define ODS_DISABLED 0x0004
#define ODS_FOCUS 0x0010

struct MEASUREITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemWidth;
    UINT itemHeight;
    ULONG_PTR itemData;
};
typedef MEASUREITEMSTRUCT* LPMEASUREITEMSTRUCT;

struct DRAWITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemAction;
    UINT itemState;
    HWND hwndItem;
    HDC hDC;
    RECT rcItem;
    ULONG_PTR itemData;
};
typedef DRAWITEMSTRUCT* LPDRAWITEMSTRUCT;

namespace platform {

// Registers the predefined control classes once; window creation does it
// before it looks a class up.
void RegisterControlClasses();

} // namespace platform
