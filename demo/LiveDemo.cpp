// vorel-demo --live: the demo's host windows on the live desktop, shown in an
// X11 window for a person to use: the beam table (a record grid with an empty
// row to fill in, which takes a paste), the bending-moment view that follows
// the mouse, the area-scale editor and a slab check that ends in the message
// dialog.
#include "BeamTable.h"
#include "LiveDemo.h"
#include "MomentView.h"
#include "Screenshot.h"
#include "SlabCheck.h"

#include "areascale/GridAreaScale.h"
#include "frame/Lang.h"
#include "win/Afx.h"
#include "x11/LiveUser.h"
#include "x11/Presenter.h"

#include <cstdio>
#include <iostream>
#include <vector>

namespace {

constexpr UINT ID_CHECK_SLAB = 100;

// The host's strings: the beam table's titles and the slab check's messages.
std::vector<winres::StringResource> hostStrings()
{
    std::vector<winres::StringResource> all(std::begin(beams::kBeamStrings), std::end(beams::kBeamStrings));
    all.insert(all.end(), slab::strings().begin(), slab::strings().end());
    return all;
}

// A frame with one button that runs the slab check and shows its findings.
class CheckFrame : public CWnd {
protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && LOWORD(wParam) == ID_CHECK_SLAB) {
            NVorel::CReproach findings;
            slab::checkSlab(findings);
            findings.doModal();
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

CRect screenRect(CWnd& wnd, const CRect& client)
{
    CRect r = client;
    wnd.ClientToScreen(&r);
    return r;
}

void say(const char* what, const CRect& r)
{
    std::printf("live: %s %d %d %d %d\n", what, (int)r.left, (int)r.top, (int)r.right, (int)r.bottom);
}

} // namespace

int runLive(const DemoContext& demo, const char* screenshotAtClose)
{
    platform::Desktop& desk = platform::desktop();
    desk.setScreenSize(1000, 680);
    platform::x11::Presenter presenter;
    std::string error;
    if (!presenter.open(nullptr, "vorel live desktop", error)) {
        std::cerr << "vorel-demo --live: " << error << "\n";
        return 2;
    }
    platform::x11::LiveUser person(presenter);

    const std::vector<winres::StringResource> strings = hostStrings();
    const winres::ResourceTable resources{strings, {}, {}, {}};
    NVorel::setLangWork(48, demo.languageFolder.c_str());
    AfxSetResourceHandle(platform::RegisterApplicationModule(&resources));
    CDynLinkLibrary language(NVorel::getLangModule()); // the grids' menus and the message dialog

    CWnd beamFrame;
    beams::BeamTable beamTable;
    beamTable.m_beams.push_back(beams::Beam{L"", beams::kNone, beams::kNone, beams::kNone, L""}); // to fill in
    createHostFrame(beamFrame, L"Beams", CRect(10, 10, 470, 250));
    beamTable.Create(WS_CHILD | WS_VISIBLE, CRect(6, 6, 448, 210), &beamFrame, 1);
    beamTable.describe();
    beamTable.setPaste(true); // from a spreadsheet or any other X program

    CheckFrame checkFrame;
    createHostFrame(checkFrame, L"Slab check", CRect(10, 260, 470, 340));
    const HWND checkButton =
        CreateWindowExW(0, WC_BUTTON, L"Check slab...", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 120, 28,
                        checkFrame.GetSafeHwnd(), (HMENU)(UINT_PTR)ID_CHECK_SLAB, nullptr, nullptr);

    CWnd momentFrame;
    MomentView moments;
    createHostFrame(momentFrame, L"Beam B12, bending moment", CRect(480, 10, 990, 400));
    moments.Create(nullptr, L"", WS_VISIBLE | WS_BORDER, CRect(10, 10, 490, 350), &momentFrame, 1);
    moments.init();
    moments.SetLinePen(PS_SOLID, 1, RGB(220, 0, 140));

    CWnd scaleFrame;
    CGridAreaScale scale;
    createHostFrame(scaleFrame, L"Reinforcement legend", CRect(10, 350, 620, 670));
    scale.Create(WS_CHILD | WS_VISIBLE, CRect(8, 8, 594, 284), &scaleFrame, 1);
    // A slab's reinforcement: 12 mm bars on a 5 cm spacing grid between the
    // minimum of 10 mm at 20 cm (3.93 cm2/m) and 8 cm2/m, which gives 12 mm
    // at 15 and at 20 cm.
    scale.SetDim(0.012);
    scale.SetGridSize(0.05);
    scale.SetAreaMin(0.000393);
    scale.SetAreaMax(0.0008);
    scale.OnGridUpdate(nullptr, 0, nullptr);
    desk.processMessages();

    std::printf("live: showing the desktop in X window 0x%lx through %s\n", presenter.windowId(),
                presenter.usesSharedMemory() ? "MIT-SHM" : "XPutImage");
    say("beam b header", screenRect(beamTable, beamTable.CalcRectFromRowCol(0, 1, 0, 1)));
    say("empty beam b cell", screenRect(beamTable, beamTable.CalcRectFromRowCol(6, 1, 6, 1)));
    say("empty concrete cell", screenRect(beamTable, beamTable.CalcRectFromRowCol(6, 4, 6, 4)));
    CRect view, button;
    moments.GetClientRect(&view);
    say("moment view", screenRect(moments, view));
    GetWindowRect(checkButton, &button);
    say("check slab button", button);
    say("colour cell", screenRect(scale, scale.CalcRectFromRowCol(2, 1, 2, 1)));
    std::fflush(stdout);

    presenter.run();
    // The beams the person filled in from the row that was empty on, as the
    // host keeps them (SI units; nan: not given).
    for (size_t i = 4; i < beamTable.m_beams.size(); ++i) {
        const beams::Beam& beam = beamTable.m_beams[i];
        std::printf("live: beam %zu \"%s\" %g %g %g \"%s\"\n", i + 1, toUtf8(beam.name).c_str(), beam.b, beam.h,
                    beam.span, toUtf8(beam.concrete).c_str());
    }
    std::fflush(stdout);

    if (screenshotAtClose && !desk.saveScreenshot(screenshotAtClose)) {
        std::cerr << "vorel-demo --live: cannot write " << screenshotAtClose << "\n";
        return 1;
    }
    scaleFrame.DestroyWindow();
    momentFrame.DestroyWindow();
    checkFrame.DestroyWindow();
    beamFrame.DestroyWindow();
    desk.processMessages();
    AfxSetResourceHandle(GetModuleHandleW(nullptr));
    NVorel::freeLang();
    return 0;
}
