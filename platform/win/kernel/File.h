#pragma once
// CFile: a binary file of the operating system under a wide path (given to the
// OS as UTF-8). Failures throw CFileException* as MFC does: from the opening
// constructor, Read, Write, Close, Seek and SetLength. Open reports through its
// result and an optional exception object instead. Share modes are accepted
// and not enforced.
#include "win/kernel/Exception.h"
#include "win/kernel/String.h"

class CFileException : public CException {
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    explicit CFileException(int cause = none, LONG lOsError = -1, LPCWSTR lpszArchiveName = nullptr);

    // The cause of an OS error number (errno) for a file at a path: a missing
    // file in an existing folder is fileNotFound, a missing folder badPath.
    static int OsErrorToException(LONG lOsError, const CString& strFileName = CString());
    [[noreturn]] static void ThrowOsError(LONG lOsError, LPCWSTR lpszFileName = nullptr);
    // MFC's text for the cause, naming the file ("Access to C:\\a.csv was
    // denied."; "an unnamed file" without a name).
    BOOL GetErrorMessage(LPWSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

[[noreturn]] void AfxThrowFileException(int cause, LONG lOsError = -1, LPCWSTR lpszFileName = nullptr);

class CFile : public CObject {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeBinary = 0x8000,
    };
    enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

    CFile() = default;
    // Opens or throws. modeCreate makes the file, emptying an existing one
    // unless modeNoTruncate is given; without it the file must exist.
    CFile(LPCWSTR lpszFileName, UINT nOpenFlags);
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    // Closes the file without throwing.
    ~CFile() override;

    virtual BOOL Open(LPCWSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    // The number of bytes read; 0 at the end of the file.
    virtual UINT Read(void* lpBuf, UINT nCount);
    // Writes all nCount bytes (diskFull when the device is full).
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual void Flush();
    virtual void Close();
    // Closes without throwing.
    virtual void Abort();
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG dwNewLen);
    CString GetFilePath() const { return m_strFileName; }

private:
    // Throws the cause of errno, or invalidFile when the file is not open.
    [[noreturn]] void throwLastError() const;
    void requireOpen() const;

    int m_fd = -1;
    bool m_bWritable = false;
    CString m_strFileName;
};
