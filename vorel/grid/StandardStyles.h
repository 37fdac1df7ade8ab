#pragma once
// The grid library's objects prepared for the library's grids: a grid's
// parameter object and styles map, and the fonts of a sheet-tab beam.
#include "gridctl/GXGridCore.h"
#include "gridctl/GXTabBeam.h"

namespace NVorel {

// Gives the grid a parameter object and a styles map with the standard styles
// and the saved profile, each only where it has none; both then belong to the
// grid. Despite the name no character set is set.
void CreateStandardStylesWithCharset(CGXGridCore* pGrid);

// Gives the beam a bold font (for the sheet shown) and a normal one (the other
// tabs), made from the standard style's font of the grid's styles map (of
// standard styles with the saved profile when pGrid is null or has no map):
// the beam's height less 2 pixels high, in the character set of language nLang.
// A standard style without a font, or a font that cannot be made, leaves the
// beam's fonts as they are.
void SetTabBeamFont(CGXTabBeam& beam, short nLang, CGXGridCore* pGrid);

} // namespace NVorel
