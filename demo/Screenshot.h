#pragma once
// What the pages share to show windows: a host frame and screenshots.
#include "Gallery.h"

#include "win/Afx.h"

// Saves the screen, or one window, into the gallery as a picture with its
// caption; a failure is said on the page instead.
bool screenshot(Gallery& g, const std::string& name, const std::string& caption, HWND window = nullptr);

// A captioned top-level frame with a close box in the button-face colour, as
// a host's window.
BOOL createHostFrame(CWnd& frame, const wchar_t* title, const CRect& rect);
