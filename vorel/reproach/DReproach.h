#pragma once
// CDReproach: the message dialog, made from template 113 of the language
// module: the rendered lines of a collector in a coloured list (114), errors
// in red, above an optional progress area: a text (1011), a bar (1010) and a
// break button (1012). CReproach shows it modally or keeps one non-modal
// dialog (ReproachDialog.cpp); the dialog itself is internal to the library.
//
// OnInitDialog -> the three progress controls shown as stored -> the list
//   filled from the line store
// refresh()    -> shown flag set, window shown, list refilled, the whole
//   window repainted at once, its controls included
// OK           -> shown flag cleared, the dialog ended (a non-modal one is
//   only hidden); Esc and the close box cancel, leaving the flag
// Break        -> break flag set, for CReproach::isBreak; only setBreak clears it
#include "controls/ColoredList.h"
#include "reproach/Reproach.h"

namespace NVorel {

class CDReproach : public CDialog {
    friend class CReproach;

public:
    enum { IDD = 113 };

    explicit CDReproach(CWnd* pParent);
    ~CDReproach() override;

    void refresh();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnBreak();

    DECLARE_MESSAGE_MAP()

private:
    void fillList();
    void applyControlsVisibility();

    CStringArray m_arLines;
    std::vector<CReproach::ERType> m_vKinds;
    CColoredList m_list;
    CProgressCtrl m_progress;
    bool m_bShown = false;
    bool m_bBreak = false;
    int m_nShowProgText = SW_SHOWNORMAL;
    int m_nShowProgBar = SW_SHOWNORMAL;
    int m_nShowBreak = SW_SHOWNORMAL;
};

} // namespace NVorel
