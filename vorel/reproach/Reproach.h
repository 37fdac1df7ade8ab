#pragma once
// CReproach: the errors, warnings and information messages of a host computation.
//
// add(kind, id or text)          appends a message record, returns a builder
//   -> CReproachArg::arg(...)    appends an argument record to the argument list
//                                and counts it on the most recent message
// add2dlg(lines, kinds, bAll)    renders messages into display lines:
//   template (string by id through the current resource handle, or the text)
//   -> argument texts (text, "%d", quantity in the display unit + " " + symbol)
//   -> substitution of "%s" and "%%" (ReproachFormat.h)
//   -> split at '\n', one kind per line
//
// The argument list is only appended to or emptied whole, so removing messages
// never disturbs the argument indexes of the others.
//
// The message dialog (CDReproach, ReproachDialog.cpp) shows the lines: doModal
// at the end of a computation; or one non-modal dialog, owned by the
// collector, that a running computation creates, refreshes, reports progress
// in and polls for its break button (isBreak(true) pumps the thread's
// messages, so the button is clicked and the dialog repainted meanwhile). The
// collector's destructor destroys that dialog; without one, every other
// non-modal operation does nothing, progress() is null and isBreak is true.
//
// Copies: a copy-constructed collector starts without a non-modal dialog; an
// assignment copies the lists and keeps the target's own dialog. A dialog is
// therefore owned by exactly one collector and destroyed once.
//
// Beyond the classic contract: an argument attached while the collector is
// empty is dropped; a null text argument renders as empty text; a template
// with more "%s" than arguments renders the missing ones as empty text, and
// arguments beyond its "%s" are ignored; isBreak(true) stops pumping at
// WM_QUIT and leaves it queued for the host's own loop.
#include "reproach/ReproachArg.h"
#include "win/kernel/StringArray.h"

#include <vector>

class CProgressCtrl;
class CWnd;

namespace NVorel {

class CDReproach;

class CReproach {
    friend class CReproachArg;

public:
    // Kinds of a message; hosts may use further values, only equality counts.
    enum ERType : int {
        ER_ERROR = 1,   // shown in red
        ER_WARNING = 2,
        ER_INFO = 3,
    };

    CReproach();
    ~CReproach();
    CReproach(const CReproach& other);
    CReproach& operator=(const CReproach& other);

    CReproachArg add(ERType eType, int nId);
    CReproachArg add(ERType eType, const CString& strText);
    // As add, unless a message of that kind with that id (or text) exists; the
    // builder returned then discards its arguments.
    CReproachArg addOnce(ERType eType, int nId);
    CReproachArg addOnce(ERType eType, const CString& strText);
    // Removes every message with that id, whatever its kind; 0 removes the
    // messages added as text.
    void removeAll(int nId);

    int size() const;
    int size(ERType eType) const;
    void clear();

    // Renders every message (bAll) into emptied arrays, or appends the most
    // recent message only.
    void add2dlg(CStringArray* pLines, std::vector<ERType>* pKinds, bool bAll) const;
    // The same into the dialog's line store; nothing for a null dialog.
    void add2dlg(CDReproach* pDlg, bool bAll) const;

    // Every message in a modal dialog without the progress area, until the
    // user closes it; doMogal is the same under its second name.
    void doModal();
    void doMogal();

    // The non-modal dialog: created once (hidden unless bShow), with pParent
    // as its owner.
    void createNoModal(CWnd* pParent, int bShow);
    // Renders every message into the dialog and shows it, also after OK.
    void refreshNoModal();
    // Scrolls the list to its last line.
    void scrollToEnd();
    // Shows the dialog again unless the user closed it with OK since the last
    // refresh, or it has no lines.
    void showNoModal();
    void hideNoModal();
    void destroyNoModal();
    void setTitle(CString strTitle);
    // ShowWindow codes of the progress text, the progress bar and the break
    // button: stored for the next initialisation of the window, or applied
    // at once too.
    void setControlsVisibility(int nProgText, int nProgBar, int nBreak);
    void showControls(int nProgText, int nProgBar, int nBreak);
    void setProgText(CString strText);
    // The dialog's progress bar, for the host to set range, step and position.
    CProgressCtrl* progress();
    // The break button's flag (true without a dialog); bPump first handles
    // the messages waiting in the thread's queue, with or without a dialog.
    bool isBreak(bool bPump) const;
    void setBreak(bool bBreak);

protected:
    struct SMessage {
        ERType m_eType;
        CString m_strText; // empty when added by id
        int m_nId;         // 0 when added as text
        int m_nFirstArg;
        int m_nArgCount;
    };
    enum { ARG_TEXT = 0, ARG_INT = 1, ARG_QUANTITY = 2 };
    struct SArg {
        int m_nKind;
        union {
            const wchar_t* m_psz; // the caller's pointer, not a copy
            int m_n;
            double m_d;           // SI
        };
        int m_nQuantity;          // qemet::QEMET_TYPES of a quantity
    };

    void arg(const wchar_t* psz);
    void arg(int n);
    void arg(double d, int nQuantity);

private:
    CReproachArg append(ERType eType, const CString& strText, int nId);
    void appendArg(const SArg& a);
    CString renderText(const SMessage& m) const;
    CString argText(const SArg& a) const;

    CDReproach* m_pDlgNoModal = nullptr; // owned; created by the message dialog
    std::vector<SMessage> m_vMessages;
    std::vector<SArg> m_vArgs;
};

} // namespace NVorel
