#include "win/kernel/ResourceTable.h"

#include <cstring>

namespace winres {

namespace {
template <class Record> const Record* findById(std::span<const Record> records, UINT id)
{
    for (const Record& r : records)
        if (r.id == id) return &r;
    return nullptr;
}
} // namespace

const StringResource* findString(const ResourceTable& t, UINT id) { return findById(t.strings, id); }
const MenuResource* findMenu(const ResourceTable& t, UINT id) { return findById(t.menus, id); }
const DialogResource* findDialog(const ResourceTable& t, UINT id) { return findById(t.dialogs, id); }
const BitmapResource* findBitmap(const ResourceTable& t, UINT id) { return findById(t.bitmaps, id); }

COLORREF bitmapPixel(const BitmapResource& bitmap, int x, int y)
{
    if (y < 0 || y >= (int)bitmap.rows.size() || x < 0) return RGB(0, 0, 0);
    const char* row = bitmap.rows[(size_t)y];
    if (!row || (size_t)x >= std::strlen(row)) return RGB(0, 0, 0);
    for (const PaletteEntry& e : bitmap.palette)
        if (e.key == row[x]) return e.color;
    return RGB(0, 0, 0);
}

} // namespace winres
