// vorel-demo: a host application that uses the library as a real host would and
// writes what a user would see and keep into an output folder; with --live,
// shows its windows to a person in an X11 window instead.
#include "LiveDemo.h"
#include "Pages.h"

#include "win/Afx.h"

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    const std::filesystem::path out = argc > 1 ? argv[1] : "demo-out";
    Gallery gallery(out);
    DemoContext demo{gallery, std::filesystem::path(VOREL_LANG_DIR).wstring() + L"/"};
    if (argc > 1 && std::string(argv[1]) == "--live") return runLive(demo, argc > 2 ? argv[2] : nullptr);

    languagePage(demo);
    reproachPage(demo);
    areaScalePage(demo);
    areaScaleEditorPage(demo);
    chartPage(demo);
    trackingViewPage(demo);
    drawingPage(demo);
    windowsPage(demo);
    gridPage(demo);
    gridEditPage(demo);
    recordGridPage(demo);
    pastePage(demo);
    gridStatusPage(demo);
    resultsGridPage(demo);
    dialogsPage(demo);

    if (!gallery.write()) {
        std::cerr << "cannot write " << gallery.file("index.html") << "\n";
        return 1;
    }
    std::cout << "wrote " << gallery.file("index.html").string() << "\n";
    return 0;
}
