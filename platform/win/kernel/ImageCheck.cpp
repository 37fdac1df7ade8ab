#include "win/kernel/ImageCheck.h"

#include <elf.h>

#include <cstring>
#include <fstream>

namespace platform {

namespace {

bool within(uint64_t offset, uint64_t length, uint64_t size)
{
    return offset <= size && length <= size - offset;
}

} // namespace

bool isCompleteImage(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return false;
    const uint64_t size = (uint64_t)in.tellg();
    Elf64_Ehdr header;
    in.seekg(0);
    if (!in.read((char*)&header, sizeof header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_phentsize != sizeof(Elf64_Phdr))
        return false;
    if (!within(header.e_phoff, (uint64_t)header.e_phnum * sizeof(Elf64_Phdr), size) ||
        !within(header.e_shoff, (uint64_t)header.e_shnum * header.e_shentsize, size))
        return false;
    in.seekg((std::streamoff)header.e_phoff);
    for (int i = 0; i < header.e_phnum; ++i) {
        Elf64_Phdr segment;
        if (!in.read((char*)&segment, sizeof segment))
            return false;
        if (segment.p_type == PT_LOAD && !within(segment.p_offset, segment.p_filesz, size))
            return false;
    }
    return true;
}

} // namespace platform
