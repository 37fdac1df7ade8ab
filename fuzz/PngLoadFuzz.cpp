// Arbitrary bytes as a PNG file: loading gives a picture of the size its header
// says, or nothing; never a crash, a read past a buffer or a huge allocation.
#include "win/Afx.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("vorel-fuzz-" + std::to_string(getpid()) + ".png");
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write((const char*)data, (std::streamsize)size);
    }
    const std::optional<platform::Surface> picture = platform::LoadPng(file);
    if (picture && (picture->width() <= 0 || picture->height() <= 0))
        std::abort();
    return 0;
}
