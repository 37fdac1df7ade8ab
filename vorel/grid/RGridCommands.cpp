// The record grid's commands: select all, copy, and the whole table written
// as a CSV file; the call flow is described in RGrid.h.
//
// The CSV file: UTF-8 after a byte-order mark, cells separated by ";", each
// row ended by CRLF; a cell holding ";", a double quote or a line break is
// enclosed in double quotes with its quotes doubled (RFC 4180), every other
// cell is written as the grid shows it.
#include "grid/RGrid.h"

#include "grid/RecordGridSupport.h"
#include "win/Afx.h"

namespace NVorel {

namespace {

constexpr UINT ID_EDIT_SELECT_ALL = 57642;
constexpr UINT ID_EDIT_EXPORT_CSV = 39950;
constexpr UINT IDS_CSV_FILTER = 39951;

// The grid's cell separator for the file, put back however the writing ends.
class SeparatorScope {
public:
    SeparatorScope(CGXGridCore& grid, LPCWSTR separator) : m_grid(grid), m_saved(grid.m_sCellSep)
    {
        grid.m_sCellSep = separator;
    }
    ~SeparatorScope() { m_grid.m_sCellSep = m_saved; }
    SeparatorScope(const SeparatorScope&) = delete;
    SeparatorScope& operator=(const SeparatorScope&) = delete;

private:
    CGXGridCore& m_grid;
    CString m_saved;
};

} // namespace

BEGIN_MESSAGE_MAP(CRGrid, CGXGridWnd)
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
    ON_COMMAND(recordgrid::ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(recordgrid::ID_EDIT_PASTE, OnEditPaste)
    ON_COMMAND(ID_EDIT_EXPORT_CSV, OnEditExportExcelCSV)
END_MESSAGE_MAP()

void CRGrid::OnEditSelectAll()
{
    SelectRange(CGXRange().SetTable(), TRUE, TRUE);
}

void CRGrid::OnEditCopy()
{
    if (CanCopy())
        Copy();
}

void CRGrid::OnEditPaste()
{
    if (m_paste)
        recordgrid::pasteClipboard(*this, [this] { addEmptyLine(); }, [this] { notify(WM_APP); });
}

void CRGrid::OnEditExportExcelCSV()
{
    CString filter;
    filter.LoadString(IDS_CSV_FILTER);
    CFileDialog dialog(FALSE, L".csv", nullptr, OFN_OVERWRITEPROMPT, filter, this);
    if (dialog.DoModal() != IDOK)
        return;
    writeCsv(dialog.GetPathName());
}

// A file that cannot be made or written is the user's to hear of, in a
// message box naming it; the host goes on as before.
void CRGrid::writeCsv(const CString& path)
{
    static const unsigned char byteOrderMark[] = {0xEF, 0xBB, 0xBF};
    try {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        file.Write(byteOrderMark, sizeof byteOrderMark);
        {
            SeparatorScope separator(*this, L";");
            CopyTextToFile(file, CGXRange().SetTable());
        }
        file.Close();
    } catch (CFileException* e) {
        wchar_t message[1024];
        e->GetErrorMessage(message, 1024);
        e->Delete();
        AfxMessageBox(message, MB_OK | MB_ICONERROR);
    }
}

} // namespace NVorel
