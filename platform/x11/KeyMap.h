#pragma once
// The virtual key of an X keysym: letters and digits as their upper-case
// ASCII codes, whatever the case or layout; named keys (Return, arrows, F1...)
// and modifiers as their VK_ codes; the number pad as VK_NUMPAD0...; 0 for a
// key without one (a layout's "ö", dead keys).
#include "win/kernel/WinTypes.h"

namespace platform::x11 {

UINT virtualKeyOf(unsigned long keysym);
// Modifiers and keys that type no character of their own (Return, Tab,
// Escape, BackSpace, arrows, F-keys...): they always go in as keys.
bool isCommandKey(UINT vk);

} // namespace platform::x11
