#include "win/gdi/Png.h"

#include "win/display/Display.h"

#include <png.h>

#include <cstring>
#include <vector>

namespace platform {

bool SavePng(const Surface& surface, const CRect& part, const std::filesystem::path& file)
{
    CRect r;
    const CRect all = surface.bounds();
    if (!r.IntersectRect(&part, &all)) return false;
    std::vector<png_byte> rgb((size_t)r.Width() * (size_t)r.Height() * 3);
    png_byte* out = rgb.data();
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const COLORREF c = surface.row(y)[x];
            *out++ = GetRValue(c);
            *out++ = GetGValue(c);
            *out++ = GetBValue(c);
        }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = (png_uint_32)r.Width();
    image.height = (png_uint_32)r.Height();
    image.format = PNG_FORMAT_RGB;
    const bool ok = png_image_write_to_file(&image, file.c_str(), 0, rgb.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return ok;
}

bool SavePng(const CBitmap& bitmap, const std::filesystem::path& file)
{
    const Surface* s = BitmapSurface(bitmap);
    return s && SavePng(*s, s->bounds(), file);
}

bool SaveScreenPng(const CRect& part, const std::filesystem::path& file)
{
    return SavePng(display().screen(), part, file);
}

std::optional<Surface> LoadPng(const std::filesystem::path& file)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, file.c_str())) return std::nullopt;
    if ((uint64_t)image.width * image.height > kMaxPngPixels) {
        png_image_free(&image);
        return std::nullopt;
    }
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    Surface s((int)image.width, (int)image.height);
    const png_byte* in = rgb.data();
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x, in += 3) s.row(y)[x] = RGB(in[0], in[1], in[2]);
    return s;
}

} // namespace platform
