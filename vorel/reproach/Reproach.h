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
// Copies: a copy-constructed collector starts without a non-modal dialog; an
// assignment copies the lists and keeps the target's own dialog. A dialog is
// therefore owned by exactly one collector and destroyed once.
//
// Beyond the classic contract: an argument attached while the collector is
// empty is dropped; a null text argument renders as empty text; a template
// with more "%s" than arguments renders the missing ones as empty text, and
// arguments beyond its "%s" are ignored.
#include "reproach/ReproachArg.h"
#include "win/kernel/StringArray.h"

#include <vector>

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
