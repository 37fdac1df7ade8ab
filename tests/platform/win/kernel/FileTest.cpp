#include "win/kernel/File.h"

#include "support/Files.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <tuple>

using testsupport::readFile;

namespace {

// The exception that the call throws, as an MFC catcher receives it.
template <class F> CFileException caught(F&& call)
{
    try {
        call();
    } catch (CFileException* e) {
        CFileException copy(e->m_cause, e->m_lOsError, e->m_strFileName);
        e->Delete();
        return copy;
    }
    ADD_FAILURE() << "nothing thrown";
    return CFileException();
}

} // namespace

TEST(File, CreatesTruncatesAppendsAndReadsBack)
{
    testsupport::TempDir dir;
    // The wide name reaches the file system as UTF-8.
    const CString name((dir.wpath() + L"/Tr\u00e4ger.csv").c_str());
    const std::filesystem::path path = dir.file("Tr\xc3\xa4ger.csv");
    {
        CFile file(name, CFile::modeCreate | CFile::modeWrite);
        file.Write("alpha;beta\r\n", 12);
        EXPECT_EQ(file.GetLength(), 12u);
        file.Close();
    }
    EXPECT_EQ(readFile(path), "alpha;beta\r\n");
    // Creating over an existing file empties it first.
    CFile(name, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite).Write("xy", 2);
    EXPECT_EQ(readFile(path), "xy");
    // modeNoTruncate keeps the contents; writing at the end appends.
    {
        CFile file(name, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite | CFile::typeBinary);
        EXPECT_EQ(file.SeekToEnd(), 2u);
        file.Write("z", 1);
        file.SeekToBegin();
        char buf[8] = {};
        EXPECT_EQ(file.Read(buf, sizeof buf), 3u);
        EXPECT_EQ(std::string(buf, 3), "xyz");
        EXPECT_EQ(file.Read(buf, sizeof buf), 0u);
        file.SetLength(1);
        EXPECT_EQ(file.GetLength(), 1u);
    }
    EXPECT_EQ(readFile(path), "x");
}

TEST(File, FailuresThrowTheirCauseAndPath)
{
    testsupport::TempDir dir;
    const CString folder(dir.wpath().c_str()), name = folder + L"/r.txt";
    const std::tuple<CString, UINT, int> cases[] = {
        {folder, CFile::modeCreate | CFile::modeWrite, CFileException::accessDenied}, // a folder is no file
        {folder + L"/none.csv", CFile::modeRead, CFileException::fileNotFound},
        {folder + L"/no/such/folder/x.csv", CFile::modeCreate | CFile::modeWrite, CFileException::badPath},
        {L"", CFile::modeRead, CFileException::badPath},
    };
    for (const auto& [path, flags, cause] : cases) {
        const CFileException e = caught([&] { CFile file(path, flags); });
        EXPECT_EQ(e.m_strFileName, path);
        EXPECT_EQ(e.m_cause, cause);
        // Open reports the same without throwing.
        CFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(path, flags, &error));
        EXPECT_EQ(error.m_cause, cause);
    }

    // A file open for reading refuses writes; a closed file refuses everything.
    CFile(name, CFile::modeCreate | CFile::modeWrite).Close();
    CFile reader(name, CFile::modeRead);
    EXPECT_EQ(caught([&] { reader.Write("no", 2); }).m_cause, CFileException::accessDenied);
    reader.Close();
    char c;
    EXPECT_EQ(caught([&] { reader.Read(&c, 1); }).m_cause, CFileException::invalidFile);
    EXPECT_EQ(caught([&] { reader.Close(); }).m_cause, CFileException::invalidFile);
}

TEST(File, AnExceptionTellsTheUserWhatWentWrongWithWhichFile)
{
    const std::tuple<int, LPCWSTR, UINT, LPCWSTR> cases[] = {
        {CFileException::badPath, L"/no/such/x.csv", 128, L"/no/such/x.csv contains an invalid path."},
        {CFileException::accessDenied, L"/etc/x.csv", 128, L"Access to /etc/x.csv was denied."},
        {CFileException::diskFull, nullptr, 128, L"Disk full while accessing an unnamed file."},
        {CFileException::fileNotFound, L"abc.csv", 8, L"abc.csv"}, // cut to the buffer, always ended
        {99, L"a", 128, L"An unexpected error occurred while accessing a."}, // not a cause MFC knows: the generic one
    };
    for (const auto& [cause, file, size, text] : cases) {
        wchar_t message[128];
        EXPECT_TRUE(CFileException(cause, 2, file).GetErrorMessage(message, size));
        EXPECT_STREQ(message, text);
    }
    EXPECT_FALSE(CFileException().GetErrorMessage(nullptr, 0));
}
