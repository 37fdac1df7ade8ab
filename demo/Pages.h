#pragma once
// The demo's pages, in the order the gallery shows them.
#include "Gallery.h"

#include <string>

struct DemoContext {
    Gallery& gallery;
    std::wstring languageFolder; // with a trailing separator
};

void languagePage(DemoContext& demo);
void reproachPage(DemoContext& demo);
void areaScalePage(DemoContext& demo);
void areaScaleEditorPage(DemoContext& demo);
void chartPage(DemoContext& demo);
void trackingViewPage(DemoContext& demo);
void drawingPage(DemoContext& demo);
void windowsPage(DemoContext& demo);
void gridPage(DemoContext& demo);
void gridEditPage(DemoContext& demo);
void recordGridPage(DemoContext& demo);
void pastePage(DemoContext& demo);
void gridStatusPage(DemoContext& demo);
void resultsGridPage(DemoContext& demo);
void dialogsPage(DemoContext& demo);
