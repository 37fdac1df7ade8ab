#pragma once
// The resources every language module carries, laid out once; each language
// supplies only its texts. Ids are those the library loads.
#include "win/user/MenuFlags.h"
#include "win/kernel/ResourceTable.h"
#include "win/user/Styles.h"

namespace lang {

struct Texts {
    // strings
    const wchar_t* csvFilter;     // 39951, the CSV file dialog's filter
    const wchar_t* colColour;     // 39952, area-scale column titles from here on
    const wchar_t* colSpacing;    // 39955
    const wchar_t* colMaximum;    // 39956
    const wchar_t* colMinimum;    // 39957
    const wchar_t* colVisible;    // 39958
    const wchar_t* paste;         // 39962, the record grids' paste command
    const wchar_t* notPasted;     // 39963, "%d" cells a paste left out
    // menu 480, the record grids' context menu
    const wchar_t* gridMenu;
    const wchar_t* selectAll;     // 57642
    const wchar_t* copy;          // 57634
    const wchar_t* exportCsv;     // 39950
    // menu 481, the area-scale grid's context menu
    const wchar_t* scaleMenu;
    const wchar_t* barsByName;    // 39953
    const wchar_t* barsByValue;   // 39954
    const wchar_t* autoScale;     // 39956
    const wchar_t* removeScale;   // 39957
    const wchar_t* insertRow;     // 39958
    const wchar_t* arithmetic;    // 39959
    const wchar_t* geometric;     // 39960
    const wchar_t* autoColours;   // 39961
    // dialog 113, the message dialog
    const wchar_t* messagesCaption;
    const wchar_t* ok;
    const wchar_t* progress;
    const wchar_t* breakButton;
};

template <const Texts& T> struct Layout {
    static constexpr winres::StringResource strings[] = {
        {39951, T.csvFilter},  {39952, T.colColour},  {39955, T.colSpacing},
        {39956, T.colMaximum}, {39957, T.colMinimum}, {39958, T.colVisible},
        {39962, T.paste},      {39963, T.notPasted},
    };

    static constexpr winres::MenuItemResource gridMenu[] = {
        {0, 0, T.gridMenu, MF_POPUP},
        {1, 57642, T.selectAll, 0},
        {1, 57634, T.copy, 0},
        {1, 0, nullptr, MF_SEPARATOR},
        {1, 39950, T.exportCsv, 0},
    };

    static constexpr winres::MenuItemResource scaleMenu[] = {
        {0, 0, T.scaleMenu, MF_POPUP},
        {1, 39953, T.barsByName, 0},
        {1, 39954, T.barsByValue, 0},
        {1, 0, nullptr, MF_SEPARATOR},
        {1, 39959, T.arithmetic, 0},
        {1, 39960, T.geometric, 0},
        {1, 0, nullptr, MF_SEPARATOR},
        {1, 39956, T.autoScale, 0},
        {1, 39957, T.removeScale, 0},
        {1, 39961, T.autoColours, 0},
        {1, 0, nullptr, MF_SEPARATOR},
        {1, 39958, T.insertRow, 0},
    };

    static constexpr winres::MenuResource menus[] = {
        {480, gridMenu},
        {481, scaleMenu},
    };

    // The message dialog: list of messages over a progress row and the buttons.
    static constexpr winres::DialogItemResource messageItems[] = {
        {WC_LISTBOX, 114, L"",
         WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | LBS_NOTIFY |
             LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
         0, 7, 7, 306, 150},
        {WC_STATIC, 1011, T.progress, WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 7, 162, 150, 9},
        {PROGRESS_CLASS, 1010, L"", WS_CHILD | WS_VISIBLE | WS_BORDER | PBS_SMOOTH, 0, 7, 174, 150, 10},
        {WC_BUTTON, 1012, T.breakButton, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 199, 172, 55, 14},
        {WC_BUTTON, 1, T.ok, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 258, 172, 55, 14},
    };

    static constexpr winres::DialogResource dialogs[] = {
        {113, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME | DS_SETFONT, 0,
         0, 0, 320, 193, T.messagesCaption, L"MS Shell Dlg", 8, messageItems},
        // The popup label: a bare child window that paints its own frame.
        {115, WS_CHILD | DS_SETFONT | DS_CONTROL, 0, 0, 0, 60, 12, L"", L"MS Shell Dlg", 8, {}},
    };

    static constexpr winres::ResourceTable table{strings, menus, dialogs, {}};
};

} // namespace lang
