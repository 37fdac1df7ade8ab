#pragma once
// Gives a keysym a key of its own on an X display, as a keyboard layout that
// types it has one, for as long as the server runs. (xdotool's own stand-in
// maps a spare key only around its press, and a program busy meanwhile reads
// the press after the map has changed back.)
#include <string>

// False when the display is not there, the name is no keysym or no key is free.
bool addLayoutKey(const std::string& display, const std::string& keysymName);
