#include "win/kernel/File.h"

#include "win/kernel/Utf8.h"

#include <algorithm>
#include <cerrno>
#include <cwchar>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CFileException::CFileException(int cause, LONG lOsError, LPCWSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName ? lpszArchiveName : L"")
{
}

int CFileException::OsErrorToException(LONG lOsError, const CString& strFileName)
{
    switch (lOsError) {
    case 0:
        return none;
    case ENOENT: {
        // As Win32 tells a missing file from a missing path.
        std::error_code ec;
        const std::filesystem::path parent = std::filesystem::path(toUtf8(strFileName.str())).parent_path();
        return parent.empty() || std::filesystem::is_directory(parent, ec) ? fileNotFound : badPath;
    }
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return badPath;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return accessDenied;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return diskFull;
    case EIO:
        return hardIO;
    case EBADF:
        return invalidFile;
    case ESPIPE:
    case EOVERFLOW:
        return badSeek;
    default:
        return genericException;
    }
}

BOOL CFileException::GetErrorMessage(LPWSTR lpszError, UINT nMaxError, UINT*) const
{
    static const wchar_t* const texts[] = {
        L"No error occurred.",
        L"An unexpected error occurred while accessing %1.",
        L"%1 was not found.",
        L"%1 contains an invalid path.",
        L"%1 could not be opened because there are too many open files.",
        L"Access to %1 was denied.",
        L"An invalid file handle was associated with %1.",
        L"%1 could not be removed because it is the current directory.",
        L"%1 could not be created because the directory is full.",
        L"Seek failed on %1",
        L"A hardware I/O error was reported while accessing %1.",
        L"A sharing violation occurred while accessing %1.",
        L"A locking violation occurred while accessing %1.",
        L"Disk full while accessing %1.",
        L"An attempt was made to access %1 past its end.",
    };
    if (!lpszError || nMaxError == 0)
        return FALSE;
    const int cause = m_cause >= none && m_cause <= endOfFile ? m_cause : genericException;
    std::wstring text = texts[cause];
    if (const size_t at = text.find(L"%1"); at != std::wstring::npos)
        text.replace(at, 2, m_strFileName.IsEmpty() ? L"an unnamed file" : m_strFileName.GetString());
    const size_t n = std::min<size_t>(text.size(), nMaxError - 1);
    std::wmemcpy(lpszError, text.c_str(), n);
    lpszError[n] = 0;
    return TRUE;
}

void CFileException::ThrowOsError(LONG lOsError, LPCWSTR lpszFileName)
{
    const CString name(lpszFileName ? lpszFileName : L"");
    AfxThrowFileException(OsErrorToException(lOsError, name), lOsError, lpszFileName);
}

void AfxThrowFileException(int cause, LONG lOsError, LPCWSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}

CFile::CFile(LPCWSTR lpszFileName, UINT nOpenFlags)
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile()
{
    Abort();
}

namespace {

int posixFlags(UINT nOpenFlags)
{
    int flags = O_CLOEXEC;
    if (nOpenFlags & CFile::modeReadWrite)
        flags |= O_RDWR;
    else if (nOpenFlags & CFile::modeWrite)
        flags |= O_WRONLY;
    else
        flags |= O_RDONLY;
    if (nOpenFlags & CFile::modeCreate)
        flags |= (nOpenFlags & CFile::modeNoTruncate) ? O_CREAT : O_CREAT | O_TRUNC;
    return flags;
}

} // namespace

BOOL CFile::Open(LPCWSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    Abort();
    m_strFileName = lpszFileName ? lpszFileName : L"";
    const std::string path = toUtf8(m_strFileName.str());
    int error = 0;
    int fd = path.empty() ? -1 : ::open(path.c_str(), posixFlags(nOpenFlags), 0666);
    if (fd < 0) {
        error = path.empty() ? ENOENT : errno;
    } else {
        // Win32 does not open folders as files.
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
            ::close(fd);
            fd = -1;
            error = EISDIR;
        }
    }
    if (fd < 0) {
        if (pError) {
            pError->m_lOsError = error;
            pError->m_cause = path.empty() ? CFileException::badPath
                                           : CFileException::OsErrorToException(error, m_strFileName);
            pError->m_strFileName = m_strFileName;
        }
        return FALSE;
    }
    m_fd = fd;
    m_bWritable = (nOpenFlags & (modeWrite | modeReadWrite)) != 0;
    return TRUE;
}

void CFile::throwLastError() const
{
    if (m_fd < 0)
        AfxThrowFileException(CFileException::invalidFile, EBADF, m_strFileName);
    CFileException::ThrowOsError(errno, m_strFileName);
}

void CFile::requireOpen() const
{
    if (m_fd < 0)
        throwLastError();
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    requireOpen();
    UINT done = 0;
    while (done < nCount) {
        const ssize_t n = ::read(m_fd, static_cast<char*>(lpBuf) + done, nCount - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throwLastError();
        if (n == 0)
            break;
        done += (UINT)n;
    }
    return done;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    requireOpen();
    if (!m_bWritable)
        AfxThrowFileException(CFileException::accessDenied, EBADF, m_strFileName);
    UINT done = 0;
    while (done < nCount) {
        const ssize_t n = ::write(m_fd, static_cast<const char*>(lpBuf) + done, nCount - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            CFileException::ThrowOsError(n == 0 ? ENOSPC : errno, m_strFileName);
        done += (UINT)n;
    }
}

void CFile::Flush()
{
    requireOpen();
    if (m_bWritable && ::fsync(m_fd) != 0 && errno != EINVAL)
        throwLastError();
}

void CFile::Close()
{
    requireOpen();
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && errno != EINTR)
        CFileException::ThrowOsError(errno, m_strFileName);
}

void CFile::Abort()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    requireOpen();
    const int whence = nFrom == end ? SEEK_END : nFrom == current ? SEEK_CUR : SEEK_SET;
    const off_t pos = ::lseek(m_fd, (off_t)lOff, whence);
    if (pos < 0)
        AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    return (ULONGLONG)pos;
}

ULONGLONG CFile::GetLength() const
{
    requireOpen();
    struct stat st {};
    if (::fstat(m_fd, &st) != 0)
        throwLastError();
    return (ULONGLONG)st.st_size;
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    requireOpen();
    if (::ftruncate(m_fd, (off_t)dwNewLen) != 0)
        throwLastError();
}
