#pragma once
// The resources of a module (strings, menus, dialog templates, bitmaps) as plain
// constant data. Every module, the language modules, libvorel.so and the host,
// describes its resources with these records; a loadable module exports them
// through the one C function WinResourceTable (see VOREL_EXPORT_RESOURCE_TABLE).
#include "win/kernel/WinTypes.h"
#include <span>

namespace winres {

struct StringResource {
    UINT id;
    const wchar_t* text;
};

// A menu is a flat list in reading order: an item with MF_POPUP opens a submenu
// whose items follow it with depth + 1.
struct MenuItemResource {
    int depth;
    UINT id;
    const wchar_t* text;
    UINT flags;
};

struct MenuResource {
    UINT id;
    std::span<const MenuItemResource> items;
};

// Positions and sizes in dialog units, as in a Win32 dialog template.
struct DialogItemResource {
    const wchar_t* className;
    UINT id;
    const wchar_t* text;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
};

struct DialogResource {
    UINT id;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
    const wchar_t* caption;
    const wchar_t* fontFace;
    WORD pointSize;
    std::span<const DialogItemResource> items;
};

// A bitmap drawn as text: one string per row, top row first, one character per
// pixel, each character looked up in the palette.
struct PaletteEntry {
    char key;
    COLORREF color;
};

struct BitmapResource {
    UINT id;
    int width;
    int height;
    WORD bitsPerPixel;
    std::span<const PaletteEntry> palette;
    std::span<const char* const> rows;
};

struct ResourceTable {
    std::span<const StringResource> strings;
    std::span<const MenuResource> menus;
    std::span<const DialogResource> dialogs;
    std::span<const BitmapResource> bitmaps;
};

const StringResource* findString(const ResourceTable& table, UINT id);
const MenuResource* findMenu(const ResourceTable& table, UINT id);
const DialogResource* findDialog(const ResourceTable& table, UINT id);
const BitmapResource* findBitmap(const ResourceTable& table, UINT id);

// The colour of pixel (x, y) of a bitmap resource; black for a key that is not in
// the palette or a pixel outside the drawn rows.
COLORREF bitmapPixel(const BitmapResource& bitmap, int x, int y);

} // namespace winres

#define VOREL_RESOURCE_TABLE_SYMBOL "WinResourceTable"
#define VOREL_EXPORT_RESOURCE_TABLE(table)                                            \
    extern "C" __attribute__((visibility("default"))) const winres::ResourceTable*    \
    WinResourceTable() { return &(table); }
