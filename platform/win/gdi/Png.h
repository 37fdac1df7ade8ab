#pragma once
// PNG files of bitmaps and of the screen, so that tests and the demo can look
// at what was drawn. Files are 8-bit RGB; each call returns false (or nothing)
// when the file cannot be written or read.
#include "win/gdi/GdiObject.h"
#include "win/display/Surface.h"

#include <cstdint>
#include <filesystem>
#include <optional>

namespace platform {

// The part of the surface inside `part` (clipped to the surface; an empty
// result writes nothing and fails).
bool SavePng(const Surface& surface, const CRect& part, const std::filesystem::path& file);
bool SavePng(const CBitmap& bitmap, const std::filesystem::path& file);
bool SaveScreenPng(const CRect& part, const std::filesystem::path& file);

// Pictures over this many pixels (4096 x 4096) are refused before anything is
// allocated, so that a damaged or hostile header cannot ask for gigabytes.
constexpr uint64_t kMaxPngPixels = uint64_t(1) << 24;
std::optional<Surface> LoadPng(const std::filesystem::path& file);

} // namespace platform
