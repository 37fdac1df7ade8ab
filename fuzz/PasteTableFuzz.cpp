// Clipboard text of any code units read as a paste table: the cells come in
// reading order without gaps, hold no dropped control, and the same cells
// written back as quoted tab-separated text read back unchanged.
#include "grid/PasteTable.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Table = std::vector<std::vector<std::wstring>>;

// The bytes as wide characters, two bytes each, so that any code unit can occur.
std::wstring wideText(const uint8_t* data, size_t size)
{
    std::wstring text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text.push_back((wchar_t)(data[i] | data[i + 1] << 8));
    return text;
}

Table read(const std::wstring& text)
{
    Table table;
    NVorel::CPasteTable reader(text);
    size_t r, c;
    std::wstring cell;
    while (reader.Next(r, c, cell)) {
        if (c == 0)
            table.emplace_back();
        if (r + 1 != table.size() || c != table.back().size() || cell.size() > text.size())
            std::abort();
        for (wchar_t ch : cell)
            if ((ch >= 0 && ch < 0x20 && ch != L'\t' && ch != L'\n' && ch != L'\r') || (ch >= 0x7F && ch < 0xA0))
                std::abort();
        table.back().push_back(cell);
    }
    return table;
}

std::wstring quotedText(const Table& table)
{
    std::wstring text;
    for (const auto& row : table) {
        for (size_t c = 0; c < row.size(); ++c) {
            text += c ? L"\t\"" : L"\"";
            for (wchar_t ch : row[c])
                text += ch == L'"' ? L"\"\"" : std::wstring(1, ch);
            text += L'"';
        }
        text += L"\r\n";
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const Table table = read(wideText(data, size));
    if (read(quotedText(table)) != table)
        std::abort();
    return 0;
}
