#pragma once
// The file dialog's window for a person: "File name:" with an edit holding
// the initial name, the folder's entries in a list box (".." first, then
// the folders with a "/" after their names, then the files, each group in
// name order), OK and Cancel. A click on an entry puts its name in the
// edit; OK (or Enter) with a folder's name (or "..") opens that folder
// instead of ending, with no name it does nothing; Cancel, Esc and the close
// box cancel.
#include "win/desktop/CommonDialogWindow.h"

#include <filesystem>

namespace platform {

class FileWindow : public CommonDialogWindow {
public:
    static constexpr UINT nameEdit = 1152, entryList = 1120;

    // open: "Open", else "Save As". initial: a name, or a path whose folder
    // is shown; a name alone is in the current folder.
    FileWindow(HWND owner, bool open, const CString& initial);

    const std::filesystem::path& folder() const { return m_folder; }
    // The chosen file once answered with OK.
    CString path() const;

protected:
    bool accept() override;
    void onCommand(UINT id, UINT code) override;

private:
    void showFolder(const std::filesystem::path& folder);
    std::wstring typedName() const;

    std::filesystem::path m_folder;
    std::filesystem::path m_chosen;
};

} // namespace platform
