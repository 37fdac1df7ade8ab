#pragma once
// A slab check as a host writes it: its findings go into a CReproach, each
// with the host's own message template. The gallery page and the live demo
// share it.
#include "reproach/Reproach.h"
#include "win/Afx.h"

#include <span>

namespace slab {

// The host's message templates 2001 to 2008.
std::span<const winres::StringResource> strings();
// Four strips: an error, warnings and notes.
void checkSlab(NVorel::CReproach& r);

} // namespace slab
