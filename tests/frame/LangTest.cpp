#include "frame/Lang.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

using namespace NVorel;
using testsupport::TempDir;

namespace {

const auto english = testsupport::languageModule("048");
const auto german = testsupport::languageModule("049");

std::wstring loadedFile()
{
    wchar_t buf[1024];
    return GetModuleFileNameW(getLangModule(), buf, 1024) ? buf : L"";
}

enum class Folder { WithSeparator, WithoutSeparator, None };

// One call of setLangWork, each in new folders. A module loaded already
// answers its bare name, so rows that load "048" from different places have
// another module loaded between them. The modules lie in the folder passed and
// in the working folder (standing for the system's search order) as numbers:
// "033" a module, "033!" text under its name, "033%" a module cut short.
struct Attempt {
    int number;
    std::vector<std::string> inFolder, onPath;
    Folder folder;
    std::string loads; // "folder/033" or "path/033"; empty: module and number stay
};

void place(const TempDir& dir, const std::string& entry)
{
    const std::string number = entry.substr(0, entry.find_first_of("!%"));
    const auto file = dir.file("vorel_" + number + ".dll");
    if (entry.back() == '!') {
        std::ofstream(file) << "not a module";
    } else if (entry.back() == '%') {
        std::ifstream in(number == "048" ? english : german, std::ios::binary);
        std::string head(4096, '\0');
        in.read(head.data(), (std::streamsize)head.size());
        std::ofstream(file, std::ios::binary).write(head.data(), in.gcount());
    } else {
        testsupport::copyFile(number == "048" ? english : german, file);
    }
}

void expectAttempts(const std::vector<Attempt>& attempts)
{
    for (const Attempt& a : attempts) {
        TempDir dir, cwd;
        testsupport::WorkingDir inCwd(cwd.path());
        for (const auto& entry : a.inFolder) place(dir, entry);
        for (const auto& entry : a.onPath) place(cwd, entry);
        const HINSTANCE module = getLangModule();
        const int number = getLangWork();
        const std::wstring folder = a.folder == Folder::WithSeparator ? dir.prefix() : dir.wpath();
        setLangWork(a.number, a.folder == Folder::None ? nullptr : folder.c_str());
        const std::string where = a.loads.substr(0, a.loads.find('/'));
        if (a.loads.empty()) {
            EXPECT_EQ(getLangModule(), module) << a.number;
            EXPECT_EQ(getLangWork(), number) << a.number;
        } else {
            const std::string name = "vorel_" + a.loads.substr(a.loads.find('/') + 1) + ".dll";
            EXPECT_EQ(loadedFile(), (where == "folder" ? dir : cwd).file(name).wstring()) << a.number;
            EXPECT_EQ(getLangWork(),
                      a.number); // the requested number, though a fallback loaded
        }
    }
}

} // namespace

TEST(Lang, AttemptOrderFolderThenSearchThenFallbackThenFolderFallback)
{
    const Folder sep = Folder::WithSeparator;
    expectAttempts({
        {0, {"000"}, {}, sep, ""}, // zero is the number at first: nothing loads
        {7, {"007"}, {}, sep, "folder/007"},
        {1033, {"1033"}, {}, sep, "folder/1033"},
        {-5, {"0-5"}, {}, sep, "folder/0-5"},
        {33, {"033", "048"}, {"033", "048"}, sep, "folder/033"},
        {34, {"048"}, {"034", "048"}, sep, "path/034"},
        {36, {"048"}, {}, sep, "folder/048"},
        {37, {"037"}, {"037"}, Folder::WithoutSeparator, "path/037"}, // ".../vorel-test-XXXXXXvorel_037.dll"
        {35, {"048"}, {"048"}, sep, "path/048"},
    });
}

TEST(Lang, NullFolderUsesOnlyTheSearchPath)
{
    expectAttempts({{7, {}, {"048"}, Folder::None, "path/048"}});
}

TEST(Lang, ADamagedModuleIsPassedOverForTheNextAttempt)
{
    expectAttempts({
        {33, {"033!", "048"}, {}, Folder::WithSeparator, "folder/048"},
        {49, {"049"}, {}, Folder::WithSeparator, "folder/049"},
        {34, {"034%", "048"}, {}, Folder::WithSeparator, "folder/048"},
        {49, {"049"}, {}, Folder::WithSeparator, "folder/049"},
        {35, {"035!", "048!"}, {}, Folder::WithSeparator, ""}, // the fallback
                                                               // damaged as well
    });
}

TEST(Lang, FailureKeepsThePreviousModuleAndNumber)
{
    expectAttempts({{49, {"049"}, {}, Folder::WithSeparator, "folder/049"}, {50, {}, {}, Folder::WithSeparator, ""}});
    EXPECT_NE(FindStringResource(getLangModule(), 39952),
              nullptr); // still loaded
}

TEST(Lang, ReplacingOrFreeingReleasesTheModuleAndOnlyAnotherNumberLoadsAgain)
{
    TempDir dir;
    testsupport::copyFile(english, dir.file("vorel_048.dll"));
    testsupport::copyFile(german, dir.file("vorel_049.dll"));
    setLangWork(48, dir.prefix().c_str());
    const HINSTANCE first = getLangModule();
    AfxSetResourceHandle(first); // the host made the language module its resources
    setLangWork(49, dir.prefix().c_str());
    EXPECT_NE(getLangModule(), first);
    EXPECT_EQ(AfxGetResourceHandle(), getLangModule()); // moved along
    EXPECT_EQ(platform::ModuleLoadCount(first), 0);

    // A handle of the host's own is left alone.
    const HINSTANCE app = GetModuleHandleW(nullptr);
    AfxSetResourceHandle(app);
    setLangWork(48, dir.prefix().c_str());
    EXPECT_EQ(AfxGetResourceHandle(), app);
    CString title;
    EXPECT_TRUE(title.LoadString(getLangModule(), 39952));
    EXPECT_EQ(title, L"Colour");

    // Freed, twice: the number stays, the handle is the host's to restore.
    const HINSTANCE english48 = getLangModule();
    AfxSetResourceHandle(english48);
    freeLang();
    freeLang();
    EXPECT_EQ(getLangModule(), nullptr);
    EXPECT_EQ(getLangWork(), 48);
    EXPECT_EQ(platform::ModuleLoadCount(english48), 0);
    EXPECT_EQ(AfxGetResourceHandle(), english48);
    setLangWork(48, dir.prefix().c_str()); // the same number does nothing
    EXPECT_EQ(getLangModule(), nullptr);
    setLangWork(49, dir.prefix().c_str());
    EXPECT_NE(getLangModule(), nullptr);
}
