#include "frame/Lang.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

using namespace NVorel;
using testsupport::TempDir;
using testsupport::WorkingDir;

namespace {

const auto english = testsupport::languageModule("048");
const auto german = testsupport::languageModule("049");

std::wstring loadedFile()
{
    wchar_t buf[1024];
    return GetModuleFileNameW(getLangModule(), buf, 1024) ? buf : L"";
}

std::wstring under(const TempDir& dir, const char* name)
{
    return dir.file(name).wstring();
}

// Each test runs in its own process, so the language state starts fresh.
class Lang : public ::testing::Test {
protected:
    TempDir dir;   // the folder passed to setLangWork
    TempDir cwd;   // stands for the system's search order
    WorkingDir inCwd{cwd.path()};
};

} // namespace

TEST_F(Lang, NumberZeroLoadsNothingAtFirst)
{
    testsupport::copyFile(english, dir.file("vorel_000.dll"));
    setLangWork(0, dir.prefix().c_str());
    EXPECT_EQ(getLangModule(), nullptr);
    EXPECT_EQ(getLangWork(), 0);
}

TEST_F(Lang, FileNamesPadTheNumberWithZeros)
{
    for (const char* name : {"vorel_007.dll", "vorel_033.dll", "vorel_1033.dll", "vorel_0-5.dll"})
        testsupport::copyFile(german, dir.file(name));

    setLangWork(7, dir.prefix().c_str());
    EXPECT_EQ(loadedFile(), under(dir, "vorel_007.dll"));
    setLangWork(33, dir.prefix().c_str());
    EXPECT_EQ(loadedFile(), under(dir, "vorel_033.dll"));
    setLangWork(1033, dir.prefix().c_str());
    EXPECT_EQ(loadedFile(), under(dir, "vorel_1033.dll"));
    setLangWork(-5, dir.prefix().c_str());
    EXPECT_EQ(loadedFile(), under(dir, "vorel_0-5.dll"));
    EXPECT_EQ(getLangWork(), -5);
}

TEST_F(Lang, AttemptOrderFolderThenSearchThenFallbackThenFolderFallback)
{
    // 1: the folder's own module wins over one on the search path.
    testsupport::copyFile(german, dir.file("vorel_033.dll"));
    testsupport::copyFile(german, cwd.file("vorel_033.dll"));
    testsupport::copyFile(english, cwd.file("vorel_048.dll"));
    testsupport::copyFile(english, dir.file("vorel_048.dll"));
    setLangWork(33, dir.prefix().c_str());
    EXPECT_EQ(loadedFile(), under(dir, "vorel_033.dll"));

    // 2: without it in the folder, the search path.
    std::filesystem::copy_file(german, dir.file("vorel_034.dll").string() + ".off");
    testsupport::copyFile(german, cwd.file("vorel_034.dll"));
    setLangWork(34, dir.prefix().c_str());
    EXPECT_EQ(loadedFile(), under(cwd, "vorel_034.dll"));

    // 3: the fallback on the search path comes before the folder's fallback.
    setLangWork(35, dir.prefix().c_str());
    EXPECT_EQ(loadedFile(), under(cwd, "vorel_048.dll"));
    EXPECT_EQ(getLangWork(), 35); // the requested number, though the fallback loaded
}

TEST_F(Lang, FolderFallbackIsTheLastAttempt)
{
    testsupport::copyFile(english, dir.file("vorel_048.dll"));
    setLangWork(33, dir.prefix().c_str());
    EXPECT_EQ(loadedFile(), under(dir, "vorel_048.dll"));
    EXPECT_EQ(getLangWork(), 33);
}

TEST_F(Lang, FolderWithoutSeparatorIsJoinedAsItStands)
{
    testsupport::copyFile(german, dir.file("vorel_033.dll"));
    testsupport::copyFile(german, cwd.file("vorel_033.dll"));
    setLangWork(33, dir.wpath().c_str()); // ".../vorel-test-XXXXXXvorel_033.dll" does not exist
    EXPECT_EQ(loadedFile(), under(cwd, "vorel_033.dll"));
}

TEST_F(Lang, NullFolderUsesOnlyTheSearchPath)
{
    testsupport::copyFile(english, cwd.file("vorel_048.dll"));
    setLangWork(7, nullptr);
    EXPECT_EQ(loadedFile(), under(cwd, "vorel_048.dll"));
    EXPECT_EQ(getLangWork(), 7);
}

TEST_F(Lang, FailureKeepsThePreviousModuleAndNumber)
{
    testsupport::copyFile(german, dir.file("vorel_049.dll"));
    setLangWork(49, dir.prefix().c_str());
    const HINSTANCE before = getLangModule();
    ASSERT_NE(before, nullptr);

    TempDir empty;
    setLangWork(50, empty.prefix().c_str());
    EXPECT_EQ(getLangModule(), before);
    EXPECT_EQ(getLangWork(), 49);
    EXPECT_NE(FindStringResource(before, 39952), nullptr); // still loaded
}

TEST_F(Lang, ADamagedModuleIsPassedOverForTheNextAttempt)
{
    // Text under the module's name, and a real module cut short.
    std::ofstream(dir.file("vorel_033.dll")) << "not a module";
    {
        std::ifstream in(german, std::ios::binary);
        std::string head(4096, '\0');
        in.read(head.data(), (std::streamsize)head.size());
        std::ofstream(dir.file("vorel_034.dll"), std::ios::binary).write(head.data(), in.gcount());
    }
    testsupport::copyFile(english, dir.file("vorel_048.dll"));
    setLangWork(33, dir.prefix().c_str());
    EXPECT_EQ(loadedFile(), under(dir, "vorel_048.dll"));
    EXPECT_EQ(getLangWork(), 33);
    setLangWork(34, dir.prefix().c_str());
    EXPECT_EQ(loadedFile(), under(dir, "vorel_048.dll"));
    EXPECT_EQ(getLangWork(), 34);

    // With the fallback damaged as well nothing loads: the module in use stays.
    testsupport::copyFile(german, dir.file("vorel_049.dll"));
    setLangWork(49, dir.prefix().c_str());
    const HINSTANCE before = getLangModule();
    TempDir broken;
    std::ofstream(broken.file("vorel_048.dll")) << "not a module either";
    std::ofstream(broken.file("vorel_035.dll")) << "nor this";
    setLangWork(35, broken.prefix().c_str());
    EXPECT_EQ(getLangModule(), before);
    EXPECT_EQ(getLangWork(), 49);
}

TEST_F(Lang, ReplacingFreesTheOldModuleAndMovesAResourceHandleThatPointedAtIt)
{
    testsupport::copyFile(english, dir.file("vorel_048.dll"));
    testsupport::copyFile(german, dir.file("vorel_049.dll"));
    setLangWork(48, dir.prefix().c_str());
    const HINSTANCE first = getLangModule();
    AfxSetResourceHandle(first); // the host made the language module its resources

    setLangWork(49, dir.prefix().c_str());
    EXPECT_NE(getLangModule(), first);
    EXPECT_EQ(AfxGetResourceHandle(), getLangModule());
    EXPECT_EQ(platform::ModuleLoadCount(first), 0);

    // A handle of the host's own is left alone.
    const HINSTANCE app = GetModuleHandleW(nullptr);
    AfxSetResourceHandle(app);
    setLangWork(48, dir.prefix().c_str());
    EXPECT_EQ(AfxGetResourceHandle(), app);
    CString title;
    EXPECT_TRUE(title.LoadString(getLangModule(), 39952));
    EXPECT_EQ(title, L"Colour");
}

TEST_F(Lang, SameNumberDoesNothingEvenAfterFreeLang)
{
    testsupport::copyFile(english, dir.file("vorel_048.dll"));
    setLangWork(48, dir.prefix().c_str());
    const HINSTANCE h = getLangModule();
    AfxSetResourceHandle(h);

    freeLang();
    EXPECT_EQ(getLangModule(), nullptr);
    EXPECT_EQ(getLangWork(), 48);
    EXPECT_EQ(platform::ModuleLoadCount(h), 0);
    EXPECT_EQ(AfxGetResourceHandle(), h); // not restored: that is the host's job
    freeLang();                           // a second release is harmless

    setLangWork(48, dir.prefix().c_str());
    EXPECT_EQ(getLangModule(), nullptr);

    AfxSetResourceHandle(GetModuleHandleW(nullptr));
    setLangWork(49, dir.prefix().c_str()); // another number loads normally (via fallback)
    EXPECT_NE(getLangModule(), nullptr);
}
