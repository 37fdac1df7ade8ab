// Selecting language modules the way a host does, and what each one supplies.
#include "Pages.h"

#include "frame/Lang.h"
#include "win/Afx.h"

namespace {

std::string text(const CString& s) { return toUtf8(s.str()); }

std::string loadedModuleFile()
{
    wchar_t buf[1024];
    const DWORD n = GetModuleFileNameW(NVorel::getLangModule(), buf, 1024);
    return n ? std::filesystem::path(toUtf8(buf)).filename().string() : "(none)";
}

std::vector<std::string> columnTitles()
{
    std::vector<std::string> titles;
    for (UINT id : {39952u, 39955u, 39956u, 39957u, 39958u}) {
        CString s;
        titles.push_back(s.LoadString(NVorel::getLangModule(), id) ? text(s) : "(missing)");
    }
    return titles;
}

} // namespace

void languagePage(DemoContext& demo)
{
    Gallery& g = demo.gallery;
    g.beginPage("Language modules",
                "The host selects a language with setLangWork(number, folder). The library forms the "
                "file name vorel_NNN.dll and falls back to the English vorel_048.dll.");

    std::vector<std::vector<Gallery::Cell>> rows;
    for (int lang : {48, 49, 33}) {
        NVorel::setLangWork(lang, demo.languageFolder.c_str());
        std::vector<Gallery::Cell> row{"setLangWork(" + std::to_string(lang) + ")",
                                     std::to_string(NVorel::getLangWork()), loadedModuleFile()};
        for (auto& t : columnTitles()) row.push_back(t);
        rows.push_back(row);
    }
    g.table({"call", "getLangWork()", "module loaded", "39952", "39955", "39956", "39957", "39958"}, rows);
    g.paragraph("Language 33 has no module of its own, so the English fallback serves it while the "
                "selected number stays 33.");
}
