// The language-module loader facing whatever a user's folder holds: the modules
// the host asks for may be missing, empty, arbitrary bytes (with or without the
// ELF signature), a module cut short by an interrupted copy, a folder of that
// name, or the real module. setLangWork takes the number only with a module
// loaded, and reading a string from it must be safe; nothing else may happen.
#include "frame/Lang.h"
#include "win/Afx.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string& realModule()
{
    static const std::string bytes = [] {
        std::ifstream in(fs::path(VOREL_LANG_DIR) / "vorel_048.dll", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    return bytes;
}

void writeFile(const fs::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), (std::streamsize)bytes.size());
}

// One file of the folder, as the input describes it; the language asked for
// may be one of the two made before, and then its last description holds.
void makeEntry(FuzzedDataProvider& in, const fs::path& file)
{
    fs::remove_all(file);
    switch (in.ConsumeIntegralInRange<int>(0, 5)) {
    case 0: break; // missing
    case 1: writeFile(file, ""); break;
    case 2: writeFile(file, in.ConsumeRandomLengthString(512)); break;
    case 3: writeFile(file, "\x7F" "ELF" + in.ConsumeRandomLengthString(512)); break;
    case 4: writeFile(file, realModule().substr(0, in.ConsumeIntegralInRange<size_t>(0, realModule().size()))); break;
    default: fs::create_directory(file); break;
    }
}

std::wstring moduleName(int nLang)
{
    wchar_t name[32];
    swprintf(name, 32, L"vorel_%03d.dll", nLang);
    return name;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const fs::path folder = fs::temp_directory_path() / ("vorel-fuzz-lang-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);

    FuzzedDataProvider in(data, size);
    const int nLang = in.ConsumeIntegralInRange<int>(-2, 1000);
    for (const std::wstring& name : {moduleName(48), moduleName(49), moduleName(nLang)})
        makeEntry(in, folder / name);

    // A number is taken only with a module for it (or the English one); the
    // same number again changes nothing.
    const int before = NVorel::getLangWork();
    NVorel::setLangWork(nLang, (folder.wstring() + L"/").c_str());
    const int after = NVorel::getLangWork();
    if (NVorel::getLangModule() ? after != nLang || nLang == before : after != before)
        std::abort();
    if (HINSTANCE module = NVorel::getLangModule()) {
        const HINSTANCE saved = AfxGetResourceHandle();
        AfxSetResourceHandle(module);
        CString text;
        text.LoadString(39952);
        AfxSetResourceHandle(saved);
    }
    NVorel::freeLang();
    return 0;
}
