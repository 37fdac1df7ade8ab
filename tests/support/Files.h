#pragma once
// Whole files as bytes, for tests that check what the library wrote.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace testsupport {

// The file's bytes; empty when it cannot be read.
inline std::string readFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace testsupport
