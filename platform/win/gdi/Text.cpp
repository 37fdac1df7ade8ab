// Text output and measurement in the DC's font.
#include "win/gdi/Gdi.h"
#include "win/gdi/GdiHandles.h"
#include "win/gdi/GlyphBlend.h"
#include "win/kernel/Utf8.h"

#include <cwchar>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

using namespace platform;
using namespace platform::gdi;

namespace {

std::wstring_view textOf(LPCWSTR s, int c)
{
    if (!s) return {};
    return c < 0 ? std::wstring_view(s) : std::wstring_view(s, (size_t)c);
}

// The text as DrawText shows it: a single '&' is left out and marks the next
// character as the mnemonic (underlined), "&&" is one '&'.
struct ShownText {
    std::wstring text;
    std::vector<unsigned char> underlined; // 1 per underlined character of text
};

// Nothing when the text is shown as it stands, as nearly every text is: it
// is then drawn without a copy.
std::optional<ShownText> withPrefixes(std::wstring_view text, bool noPrefix)
{
    if (noPrefix || text.find(L'&') == std::wstring_view::npos) return std::nullopt;
    ShownText shown;
    shown.text.reserve(text.size());
    bool mark = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && !mark && !(i + 1 < text.size() && text[i + 1] == L'&')) {
            mark = true;
            continue;
        }
        if (text[i] == L'&' && !mark) ++i; // "&&"
        shown.text += text[i];
        shown.underlined.push_back(mark ? 1 : 0);
        mark = false;
    }
    return shown;
}

// Draws a line of text, `width` pixels wide as measured, with its cell's
// top-left at (x, y), in surface coordinates; underlined characters get a
// line one pixel below the baseline.
// Smoothed glyphs stay inside the cell: their grey edges may reach a pixel
// past the hinted advances that measuring counts, and a text measured to fit
// a place must be drawn inside it.
void drawLine(DeviceContext& dc, Canvas& canvas, FontFace& face, std::wstring_view text, int width, int x, int y,
              const unsigned char* underlined = nullptr)
{
    const CRect cell(x, y, x + width, y + face.height());
    if (dc.bkMode == OPAQUE) canvas.fill(cell, dc.bkColor);
    Canvas inCell = canvas;
    if (face.smooth() && !inCell.clip.IntersectRect(&inCell.clip, &cell)) return;
    const int baseline = y + face.ascent();
    // Transparent text lies on what the cell's corner shows, as a rule.
    const COLORREF under = canvas.surface.pixel(cell.left, cell.top);
    GlyphBlender glyphs(inCell, dc.textColor, dc.bkMode == OPAQUE || under == CLR_INVALID ? dc.bkColor : under,
                        face.smooth(), dc.bkMode == OPAQUE);
    for (size_t k = 0; k < text.size(); ++k) {
        const Glyph& g = face.glyph((char32_t)text[k]);
        glyphs.draw(g, x + g.left, baseline - g.top);
        if (underlined && underlined[k]) {
            canvas.fill(CRect(x, baseline + 1, x + g.advance, baseline + 2), dc.textColor);
            glyphs.touched(x + g.advance);
        }
        x += g.advance;
    }
}

std::vector<std::wstring_view> splitLines(std::wstring_view text)
{
    std::vector<std::wstring_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\n' && text[i] != L'\r') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

// Breaks each line further between words so that it fits nWidth: the spaces
// at a break are dropped, and a word wider than the line stands on a line of
// its own and overflows it, as in Win32.
std::vector<std::wstring_view> wrapLines(const std::vector<std::wstring_view>& lines, FontFace& face, int nWidth)
{
    std::vector<std::wstring_view> wrapped;
    for (std::wstring_view line : lines) {
        while (true) {
            size_t end = 0, next = std::wstring_view::npos;
            // Extend word by word while the line still fits.
            for (size_t pos = 0; pos <= line.size();) {
                const size_t wordEnd = std::min(line.find(L' ', pos), line.size());
                if (end > 0 && face.textWidth(line.substr(0, wordEnd)) > nWidth)
                    break;
                end = wordEnd;
                next = line.find_first_not_of(L' ', wordEnd);
                pos = next == std::wstring_view::npos ? line.size() + 1 : next;
            }
            wrapped.push_back(line.substr(0, end));
            if (next == std::wstring_view::npos)
                break;
            line = line.substr(next);
        }
    }
    return wrapped;
}

} // namespace

BOOL TextOutW(HDC hdc, int x, int y, LPCWSTR lpString, int c)
{
    DeviceContext* dc = findDC(hdc);
    if (!dc || !dc->fontFace()) return FALSE;
    Canvas canvas(*dc);
    const CPoint p = dc->toSurface(x, y);
    FontFace& face = *dc->fontFace();
    const std::wstring_view text = textOf(lpString, c);
    drawLine(*dc, canvas, face, text, face.textWidth(text), p.x, p.y);
    return TRUE;
}

int DrawTextW(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format)
{
    DeviceContext* dc = findDC(hdc);
    if (!dc || !lprc || !dc->fontFace()) return 0;
    FontFace& face = *dc->fontFace();
    const bool single = format & DT_SINGLELINE;
    const std::wstring_view given = textOf(lpchText, cchText);
    const std::optional<ShownText> marked = withPrefixes(given, format & DT_NOPREFIX);
    const std::wstring_view text = marked ? std::wstring_view(marked->text) : given;
    // A single line needs no list of lines.
    std::vector<std::wstring_view> split;
    if (!single) split = splitLines(text);
    if ((format & DT_WORDBREAK) && !single)
        split = wrapLines(split, face, lprc->right - lprc->left);
    const std::span<const std::wstring_view> lines = single ? std::span(&text, 1) : std::span(split);
    const int lineHeight = face.height();
    const int height = lineHeight * (int)lines.size();
    const CRect rect(*lprc);
    if (format & DT_CALCRECT) {
        int width = 0;
        for (std::wstring_view line : lines) width = std::max(width, face.textWidth(line));
        lprc->right = lprc->left + width;
        lprc->bottom = lprc->top + height;
        return height;
    }
    // Vertical placement acts on single lines only.
    int y = rect.top;
    if (single && (format & DT_VCENTER)) y = rect.top + (rect.Height() - lineHeight) / 2;
    else if (single && (format & DT_BOTTOM)) y = rect.bottom - lineHeight;
    Canvas canvas(*dc);
    if (!(format & DT_NOCLIP)) {
        const CRect area = dc->toSurface(rect);
        if (!canvas.clip.IntersectRect(&canvas.clip, &area)) canvas.clip.SetRectEmpty();
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        const int width = face.textWidth(lines[i]);
        int x = rect.left;
        if (format & DT_CENTER) x = rect.left + (rect.Width() - width) / 2;
        else if (format & DT_RIGHT) x = rect.right - width;
        const CPoint p = dc->toSurface(x, y + (int)i * lineHeight);
        const size_t first = (size_t)(lines[i].data() - text.data());
        drawLine(*dc, canvas, face, lines[i], width, p.x, p.y, marked ? marked->underlined.data() + first : nullptr);
    }
    return single && (format & (DT_VCENTER | DT_BOTTOM)) ? y - rect.top + lineHeight : height;
}

BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE psizl)
{
    DeviceContext* dc = findDC(hdc);
    FontFace* face = dc ? dc->fontFace() : nullptr;
    if (!face || !psizl || (c > 0 && !lpString)) return FALSE;
    psizl->cx = face->textWidth(textOf(lpString, c < 0 ? 0 : c));
    psizl->cy = face->height();
    return TRUE;
}

int GetTextFaceW(HDC hdc, int c, LPWSTR lpName)
{
    DeviceContext* dc = findDC(hdc);
    if (!dc || !dc->fontFace()) return 0;
    const std::wstring name = fromUtf8(dc->fontFace()->family());
    if (!lpName) return (int)name.size() + 1;
    if (c <= 0) return 0;
    const size_t n = std::min(name.size(), (size_t)c - 1);
    std::wmemcpy(lpName, name.data(), n);
    lpName[n] = 0;
    return (int)n + 1;
}
