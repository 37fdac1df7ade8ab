#include "win/kernel/File.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void write(CFile& file, const std::string& bytes)
{
    file.Write(bytes.data(), (UINT)bytes.size());
}

// The exception that the call throws, as an MFC catcher receives it.
template <class F>
CFileException caught(F&& call)
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
        write(file, "alpha;beta\r\n");
        EXPECT_EQ(file.GetLength(), 12u);
        file.Close();
    }
    EXPECT_EQ(contents(path), "alpha;beta\r\n");

    // Creating over an existing file empties it first.
    {
        CFile file(name, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite);
        write(file, "xy");
    }
    EXPECT_EQ(contents(path), "xy");

    // modeNoTruncate keeps the contents; writing at the end appends.
    {
        CFile file(name, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite | CFile::typeBinary);
        EXPECT_EQ(file.SeekToEnd(), 2u);
        write(file, "z");
        file.SeekToBegin();
        char buf[8] = {};
        EXPECT_EQ(file.Read(buf, sizeof buf), 3u);
        EXPECT_EQ(std::string(buf, 3), "xyz");
        EXPECT_EQ(file.Read(buf, sizeof buf), 0u);
        file.SetLength(1);
        EXPECT_EQ(file.GetLength(), 1u);
    }
    EXPECT_EQ(contents(path), "x");
}

TEST(File, FailuresThrowTheirCauseAndPath)
{
    testsupport::TempDir dir;
    // A folder cannot be written as a file.
    const CString folder(dir.wpath().c_str());
    CFileException e = caught([&] { CFile file(folder, CFile::modeCreate | CFile::modeWrite); });
    EXPECT_EQ(e.m_cause, CFileException::accessDenied);
    EXPECT_EQ(e.m_strFileName, folder);

    const CString missing((dir.wpath() + L"/none.csv").c_str());
    e = caught([&] { CFile file(missing, CFile::modeRead); });
    EXPECT_EQ(e.m_cause, CFileException::fileNotFound);
    EXPECT_EQ(e.m_strFileName, missing);

    const CString noFolder((dir.wpath() + L"/no/such/folder/x.csv").c_str());
    e = caught([&] { CFile file(noFolder, CFile::modeCreate | CFile::modeWrite); });
    EXPECT_EQ(e.m_cause, CFileException::badPath);
    EXPECT_EQ(e.m_strFileName, noFolder);

    // Open reports the same without throwing.
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(noFolder, CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_EQ(error.m_cause, CFileException::badPath);
    EXPECT_FALSE(file.Open(L"", CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::badPath);

    // A file open for reading refuses writes; a closed file refuses everything.
    const CString name((dir.wpath() + L"/r.txt").c_str());
    { CFile created(name, CFile::modeCreate | CFile::modeWrite); }
    CFile reader(name, CFile::modeRead);
    EXPECT_EQ(caught([&] { write(reader, "no"); }).m_cause, CFileException::accessDenied);
    reader.Close();
    char c;
    EXPECT_EQ(caught([&] { reader.Read(&c, 1); }).m_cause, CFileException::invalidFile);
    EXPECT_EQ(caught([&] { reader.Close(); }).m_cause, CFileException::invalidFile);
}

TEST(File, FullDeviceReportsDiskFull)
{
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    CFile full(L"/dev/full", CFile::modeWrite);
    const CFileException e = caught([&] { write(full, "data"); });
    EXPECT_EQ(e.m_cause, CFileException::diskFull);
    EXPECT_EQ(e.m_strFileName, L"/dev/full");
}

TEST(File, AnExceptionTellsTheUserWhatWentWrongWithWhichFile)
{
    wchar_t text[128];
    EXPECT_TRUE(CFileException(CFileException::badPath, 2, L"/no/such/x.csv").GetErrorMessage(text, 128));
    EXPECT_STREQ(text, L"/no/such/x.csv contains an invalid path.");
    EXPECT_TRUE(CFileException(CFileException::accessDenied, 13, L"/etc/x.csv").GetErrorMessage(text, 128));
    EXPECT_STREQ(text, L"Access to /etc/x.csv was denied.");
    EXPECT_TRUE(CFileException(CFileException::diskFull).GetErrorMessage(text, 128));
    EXPECT_STREQ(text, L"Disk full while accessing an unnamed file.");
    // Cut to the buffer, always ended.
    EXPECT_TRUE(CFileException(CFileException::fileNotFound, 2, L"abc.csv").GetErrorMessage(text, 8));
    EXPECT_STREQ(text, L"abc.csv");
    // A cause outside MFC's list reads as the generic one.
    EXPECT_TRUE(CFileException(99, -1, L"a").GetErrorMessage(text, 128));
    EXPECT_STREQ(text, L"An unexpected error occurred while accessing a.");
    EXPECT_FALSE(CFileException().GetErrorMessage(nullptr, 0));
}
