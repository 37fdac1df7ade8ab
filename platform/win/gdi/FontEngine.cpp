#include "win/gdi/FontEngine.h"

#include "win/kernel/Utf8.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>
#include <cwctype>
#include <map>
#include <tuple>

namespace platform {

namespace {

// The cell height of a font described with lfHeight 0.
constexpr int defaultCellHeight = 16;

long renderedGlyphs = 0;

struct FontFile {
    std::string path;
    int index;
    std::string family;
};

struct MatchKey {
    std::wstring face; // lower case
    LONG height;
    bool bold;
    bool italic;
    bool smooth;
    auto operator<=>(const MatchKey&) const = default;
};

class Engine {
public:
    Engine() { m_ok = FT_Init_FreeType(&m_library) == 0 && FcInit(); }
    ~Engine()
    {
        m_faces.clear();
        if (m_library) FT_Done_FreeType(m_library);
        // Fontconfig keeps its configuration until told to let go.
        if (m_ok) FcFini();
    }

    FontFace* match(const LOGFONTW& lf);

private:
    FontFace* open(const FontFile& file, LONG lfHeight, bool smooth);

    bool m_ok = false;
    FT_Library m_library = nullptr;
    std::map<MatchKey, FontFace*> m_matches;
    std::map<std::tuple<std::string, int, LONG, bool>, std::unique_ptr<FontFace>> m_faces;
};

Engine& engine()
{
    static Engine e;
    return e;
}

std::wstring faceName(const LOGFONTW& lf)
{
    std::wstring face;
    for (int i = 0; i < LF_FACESIZE && lf.lfFaceName[i]; ++i) face += (wchar_t)std::towlower(lf.lfFaceName[i]);
    return face;
}

bool findFontFile(const std::wstring& face, bool bold, bool italic, FontFile& out)
{
    FcPattern* pattern = FcPatternCreate();
    if (!face.empty()) FcPatternAddString(pattern, FC_FAMILY, (const FcChar8*)toUtf8(face).c_str());
    FcPatternAddString(pattern, FC_FAMILY, (const FcChar8*)"sans-serif");
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!found) return false;
    FcChar8* file = nullptr;
    FcChar8* family = nullptr;
    int index = 0;
    const bool ok = FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch;
    if (ok) {
        FcPatternGetInteger(found, FC_INDEX, 0, &index);
        FcPatternGetString(found, FC_FAMILY, 0, &family);
        out = {(const char*)file, index, family ? (const char*)family : ""};
    }
    FcPatternDestroy(found);
    return ok;
}

// Ascent and descent in font units: the Windows metrics when the font has them,
// since they define a Windows font's cell height.
std::pair<double, double> cellUnits(FT_Face face)
{
    const auto* os2 = (const TT_OS2*)FT_Get_Sfnt_Table(face, FT_SFNT_OS2);
    if (os2 && os2->usWinAscent + os2->usWinDescent > 0) return {os2->usWinAscent, os2->usWinDescent};
    return {face->ascender, -face->descender};
}

FontFace* Engine::match(const LOGFONTW& lf)
{
    if (!m_ok) return nullptr;
    const MatchKey key{faceName(lf), lf.lfHeight, lf.lfWeight >= 600, lf.lfItalic != 0,
                       lf.lfQuality != NONANTIALIASED_QUALITY};
    auto it = m_matches.find(key);
    if (it != m_matches.end()) return it->second;
    FontFile file;
    FontFace* face = findFontFile(key.face, key.bold, key.italic, file) ? open(file, lf.lfHeight, key.smooth) : nullptr;
    m_matches[key] = face;
    return face;
}

FontFace* Engine::open(const FontFile& file, LONG lfHeight, bool smooth)
{
    auto& slot = m_faces[{file.path, file.index, lfHeight, smooth}];
    if (slot) return slot.get();
    FT_Face ft = nullptr;
    if (FT_New_Face(m_library, file.path.c_str(), file.index, &ft) != 0) return nullptr;
    const auto [ascUnits, descUnits] = cellUnits(ft);
    const double upm = ft->units_per_EM ? ft->units_per_EM : 2048;
    const LONG cell = lfHeight == 0 ? defaultCellHeight : lfHeight;
    // A negative height is the em size; a positive one the whole cell.
    const double em = cell < 0 ? -(double)cell : cell * upm / (ascUnits + descUnits);
    FT_Set_Char_Size(ft, 0, (FT_F26Dot6)std::lround(em * 64), 72, 72);
    const int ascent = (int)std::lround(ascUnits * em / upm);
    const int descent = cell > 0 ? (int)cell - ascent : (int)std::lround(descUnits * em / upm);
    slot = std::make_unique<FontFace>(ft, file.family, FontFace::Metrics{ascent, descent}, smooth);
    return slot.get();
}

} // namespace

FontFace::FontFace(void* ftFace, std::string family, Metrics metrics, bool smooth)
    : m_face(ftFace), m_family(std::move(family)), m_metrics(metrics), m_smooth(smooth)
{
}

FontFace::~FontFace()
{
    FT_Done_Face((FT_Face)m_face);
}

const Glyph& FontFace::glyph(char32_t c)
{
    if (c < 256) {
        if (!m_latinDone[c]) {
            m_latin[c] = render(c);
            m_latinDone[c] = true;
        }
        return m_latin[c];
    }
    auto it = m_others.find(c);
    if (it == m_others.end()) it = m_others.emplace(c, render(c)).first;
    return it->second;
}

int FontFace::textWidth(std::wstring_view text)
{
    int width = 0;
    for (wchar_t ch : text) { // exports measure every cell: Latin ones without a call
        const char32_t c = (char32_t)ch;
        width += c < 256 && m_latinDone[c] ? m_latin[c].advance : glyph(c).advance;
    }
    return width;
}

Glyph FontFace::render(char32_t c)
{
    ++renderedGlyphs;
    const FT_Face face = (FT_Face)m_face;
    Glyph g;
    // The advance of the fully hinted outline in both modes (see the header).
    if (FT_Load_Char(face, c, FT_LOAD_TARGET_MONO | (m_smooth ? 0 : FT_LOAD_RENDER)) != 0) return g;
    g.advance = (int)((face->glyph->advance.x + 32) >> 6);
    if (m_smooth && FT_Load_Char(face, c, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0) return g;
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bm = slot->bitmap;
    const bool mono = bm.pixel_mode == FT_PIXEL_MODE_MONO;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = (int)bm.width;
    g.rows = (int)bm.rows;
    g.coverage.assign((size_t)g.width * (size_t)g.rows, 0);
    g.spans.assign((size_t)g.rows, {0, 0});
    for (int y = 0; y < g.rows; ++y) {
        const unsigned char* src = bm.buffer + (ptrdiff_t)y * bm.pitch;
        uint8_t* dst = g.coverage.data() + (size_t)y * (size_t)g.width;
        auto& span = g.spans[(size_t)y];
        for (int x = 0; x < g.width; ++x) {
            const int grey = mono ? ((src[x >> 3] >> (7 - (x & 7))) & 1) * 255 : src[x];
            dst[x] = (uint8_t)(m_smooth ? grey : grey >= 128 ? 255 : 0);
            if (!dst[x]) continue;
            if (span.second == 0) span.first = (uint16_t)x;
            span.second = (uint16_t)(x + 1);
        }
    }
    return g;
}

FontFace* MatchFont(const LOGFONTW& lf)
{
    return engine().match(lf);
}

long RenderedGlyphCount()
{
    return renderedGlyphs;
}

} // namespace platform
