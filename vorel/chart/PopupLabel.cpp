#include "chart/PopupLabel.h"

#include "chart/BitmapDC.h"
#include "frame/Lang.h"
#include "frame/ResourceSwitch.h"
#include "sysinfo/SysInfo.h"

#include <algorithm>
#include <cwchar>

namespace NVorel {

// The window's own DC with the label font selected, for measuring.
class CPopupLabel::CFontDC {
public:
    CFontDC(CWnd& wnd, CFont& font) : m_wnd(wnd), m_pDC(wnd.GetDC()) { m_pOld = m_pDC->SelectObject(&font); }
    ~CFontDC()
    {
        if (m_pOld) m_pDC->SelectObject(m_pOld);
        m_wnd.ReleaseDC(m_pDC);
    }
    CFontDC(const CFontDC&) = delete;
    CFontDC& operator=(const CFontDC&) = delete;
    CDC& dc() { return *m_pDC; }

private:
    CWnd& m_wnd;
    CDC* m_pDC;
    CFont* m_pOld = nullptr;
};

BEGIN_MESSAGE_MAP(CPopupLabel, CDialog)
    ON_WM_NCPAINT()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
END_MESSAGE_MAP()

CPopupLabel::CPopupLabel(int nMaxWidth) : m_nMaxWidth(nMaxWidth)
{
    m_brush.CreateSolidBrush(0x00ACACAC);
    SetColors(0x00EAFFFF, 0x00ACACAC, 0x00000000);
    SetFont((unsigned short)(11 * SYS_GetDPIFactor(SYS_DPI_FACTOR_X)));
}

CPopupLabel::~CPopupLabel() = default;

int CPopupLabel::Create(CWnd* pParent)
{
    CResourceSwitch language(getLangModule());
    return CDialog::Create(IDD, pParent);
}

void CPopupLabel::SetColors(COLORREF back, COLORREF frame, COLORREF text)
{
    m_crBack = back;
    m_brush.DeleteObject();
    m_brush.CreateSolidBrush(frame);
    m_crText = text;
}

void CPopupLabel::SetFont(unsigned short nHeight)
{
    LOGFONTW lf{};
    std::wcsncpy(lf.lfFaceName, L"Arial", LF_FACESIZE - 1);
    lf.lfHeight = -(LONG)nHeight;
    lf.lfCharSet = SYS_GetCharSet((short)getLangWork());
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&lf);
    m_nFontH = -1;
}

void CPopupLabel::SetMaxWidth(int nMaxWidth)
{
    m_nMaxWidth = nMaxWidth;
}

void CPopupLabel::SetText(const CString& text)
{
    CFontDC measure(*this, m_font);
    if (text.Find(L'\n') >= 0) {
        CRect r(0, 0, 0, 0);
        measure.dc().DrawText(text, &r, DT_CALCRECT);
        m_szText = r.Size();
        m_text = text;
        return;
    }
    m_szText = measure.dc().GetTextExtent(text);
    const int maxWidth = std::max(m_nMaxWidth, 0);
    if (m_szText.cx > maxWidth && m_szText.cx > 0) {
        // As many characters as fit in proportion, four of them given up for " ...".
        const auto n = (long long)text.GetLength() * maxWidth / m_szText.cx;
        m_text = text.Left((int)n - 4) + L" ...";
        m_szText.cx = maxWidth;
    } else {
        m_text = text;
    }
}

void CPopupLabel::SetRichText(const std::vector<TextItem>& items)
{
    const int lineH = GetLineH(), gap = GetGap();
    CFontDC measure(*this, m_font);
    m_vColEnd.clear();
    // A column that a later line widens moves the columns after it on the
    // lines before, so the pass repeats until the column ends stay; each pass
    // settles at least one more column.
    for (size_t pass = 0; pass <= items.size() + 1; ++pass) {
        const std::vector<int> before = m_vColEnd;
        layoutPass(measure.dc(), items, lineH, gap);
        if (m_vColEnd == before) break;
    }
    m_items = items;
}

// One pass over the runs with the column ends found so far: x runs along a
// line, each run taking its width and a gap and reaching at least its
// column's end; the next column starts where the current one ends.
void CPopupLabel::layoutPass(CDC& dc, const std::vector<TextItem>& items, int lineH, int gap)
{
    m_szText.cx = 0;
    m_szText.cy = GetFontH();
    int x = 0;
    size_t c = 0;
    for (const TextItem& item : items) {
        if (c >= m_vColEnd.size()) m_vColEnd.push_back(0);
        switch (item.m_nKind) {
        case TEXT:
            x = std::max(x + (int)dc.GetTextExtent(item.m_strText).cx + gap, m_vColEnd[c]);
            break;
        case NEW_LINE:
            m_szText.cx = std::max((int)m_szText.cx, x);
            m_vColEnd[c] = std::max(m_vColEnd[c], x);
            x = 0;
            c = 0;
            m_szText.cy += lineH;
            break;
        case NEXT_COLUMN:
            m_vColEnd[c] = std::max(m_vColEnd[c], x);
            x = m_vColEnd[c];
            ++c;
            break;
        default: break;
        }
    }
    if (x > m_szText.cx) m_szText.cx = x - gap;
    if (c >= m_vColEnd.size()) m_vColEnd.push_back(0);
    m_vColEnd[c] = std::max(m_vColEnd[c], x);
}

void CPopupLabel::Move(const CPoint& pt)
{
    MoveWindow(pt.x, pt.y, m_szText.cx + 2 * m_szMargin.cx + 2, m_szText.cy + 2 * m_szMargin.cy, TRUE);
    SendMessage(WM_NCPAINT, 0, 0);
}

int CPopupLabel::GetWidth()
{
    return m_szText.cx + 2 * m_szMargin.cx;
}

int CPopupLabel::GetHeight()
{
    return m_szText.cy + 2 * m_szMargin.cy;
}

int CPopupLabel::GetFontH()
{
    if (m_nFontH == -1) {
        CFontDC measure(*this, m_font);
        m_nFontH = measure.dc().GetTextExtent(CString(L"ABC")).cy;
    }
    return m_nFontH;
}

int CPopupLabel::GetGap()
{
    if (m_nGap == -1) {
        CFontDC measure(*this, m_font);
        m_nGap = measure.dc().GetTextExtent(CString(L"A")).cx;
    }
    return m_nGap;
}

int CPopupLabel::GetLineH()
{
    return GetFontH() * 5 / 4;
}

void CPopupLabel::DoDataExchange(CDataExchange*) {}

void CPopupLabel::OnNcPaint()
{
    paintLabel();
}

void CPopupLabel::OnPaint()
{
    CPaintDC validate(this);
    paintLabel();
}

BOOL CPopupLabel::OnEraseBkgnd(CDC*)
{
    return TRUE; // the paint covers every pixel
}

LRESULT CPopupLabel::OnNcHitTest(WPARAM, LPARAM)
{
    return HTTRANSPARENT;
}

// Background, frame and text into a bitmap, then onto the window at once.
void CPopupLabel::paintLabel()
{
    CRect rc;
    GetWindowRect(&rc);
    ScreenToClient(&rc);
    CDC* pWindowDC = GetWindowDC();
    CBitmap picture;
    picture.CreateCompatibleBitmap(pWindowDC, rc.Width(), rc.Height());
    {
        CBitmapDC memory(pWindowDC, picture);
        memory.FillSolidRect(&rc, m_crBack);
        memory.FrameRect(&rc, &m_brush);
        memory.SetTextColor(m_crText);
        memory.SetBkMode(TRANSPARENT);
        CFont* pOldFont = memory.SelectObject(&m_font);
        CRect tr = rc;
        tr.DeflateRect(m_szMargin.cx, m_szMargin.cy);
        if (m_items.empty()) memory.DrawText(m_text, &tr, DT_CENTER | DT_VCENTER);
        else paintRuns(memory, tr);
        pWindowDC->BitBlt(0, 0, rc.Width(), rc.Height(), &memory, 0, 0, SRCCOPY);
        if (pOldFont) memory.SelectObject(pOldFont);
    }
    ReleaseDC(pWindowDC);
}

void CPopupLabel::paintRuns(CDC& dc, const CRect& tr)
{
    const int lineH = GetLineH(), gap = GetGap();
    CRect r = tr;
    size_t c = 0;
    int line = 0;
    CString previous;
    for (const TextItem& item : m_items) {
        switch (item.m_nKind) {
        case TEXT:
            if (!previous.IsEmpty()) r.left += dc.GetTextExtent(previous).cx + gap;
            dc.SetTextColor(item.m_crColor == DEFAULT_COLOR ? m_crText : item.m_crColor);
            dc.DrawText(item.m_strText, &r, 0);
            previous = item.m_strText;
            break;
        case NEW_LINE:
            c = 0;
            ++line;
            r.left = tr.left;
            r.top = tr.top + line * lineH;
            previous.Empty();
            break;
        case NEXT_COLUMN:
            r.left = tr.left + (c < m_vColEnd.size() ? m_vColEnd[c] : 0);
            ++c;
            previous.Empty();
            break;
        default: break;
        }
    }
}

} // namespace NVorel
