#pragma once
// vorel-demo --live [screenshot.png]: the host windows in a real X11 window
// until a person closes it; the desktop's own screenshot is written then when
// a file is named. 2 with one line on stderr where there is no X display.
#include "Pages.h"

int runLive(const DemoContext& demo, const char* screenshotAtClose);
