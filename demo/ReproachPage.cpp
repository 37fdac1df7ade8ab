// A host computation reports its findings through a message collector: the
// rendered lines, the modal message dialog at the end of a slab check, and the
// non-modal dialog while a longer check runs, with its progress, the lines
// arriving, the user's break and a copy of the lines with Ctrl+C.
#include "Pages.h"
#include "SlabCheck.h"
#include "Screenshot.h"

#include "frame/Lang.h"
#include "reproach/Reproach.h"
#include "units/Qemet.h"
#include "win/Afx.h"

#include <cmath>
#include <fstream>

namespace {

using NVorel::CReproach;
using slab::checkSlab;

const winres::ResourceTable kHostTable{slab::strings(), {}, {}, {}};

std::vector<std::pair<std::string, unsigned>> rendered(const CReproach& r)
{
    CStringArray lines;
    std::vector<CReproach::ERType> kinds;
    r.add2dlg(&lines, &kinds, true);
    std::vector<std::pair<std::string, unsigned>> out;
    for (INT_PTR i = 0; i < lines.GetSize(); ++i)
        out.emplace_back(toUtf8(lines[i].str()), kinds[(size_t)i] == CReproach::ER_ERROR ? 0x000000FFu : 0u);
    return out;
}

void showModalDialog(Gallery& g, CReproach& r)
{
    g.paragraph("At the end of the check the host shows every message in the modal message dialog "
                "(template 113 of the language module, without its progress area). The scripted user "
                "looks at it and presses OK.");
    platform::user().onModal([&](CDialog& dlg) {
        screenshot(g, "reproach-modal.png", "doModal(): all messages, errors in red, lines split", dlg);
        platform::pressButton(dlg, IDOK);
    });
    r.doModal();
}

// A longer check of 40 strips that reports into the non-modal dialog and polls
// its break button between strips; the user presses Break during strip 25.
// Returns the number of strips checked.
int runBreakableCheck(Gallery& g, CReproach& r, CWnd& frame)
{
    constexpr int strips = 40, userBreaks = 25;
    r.createNoModal(&frame, 0);
    r.setTitle(L"Checking slab strips");
    r.setBreak(false);
    CProgressCtrl* bar = r.progress();
    bar->SetRange(0, strips);
    CWnd* dlg = bar->GetParent();
    int done = 0;
    for (; done < strips; ++done) {
        CString progress;
        progress.Format(L"Strip %d of %d", done + 1, strips);
        r.setProgText(progress);
        const int utilisation = 60 + (done * 37) % 55;
        r.add(utilisation > 100 ? CReproach::ER_ERROR : CReproach::ER_INFO, utilisation > 100 ? 2007 : 2006)
            .arg(done + 1).arg(utilisation);
        bar->SetPos(done + 1);
        if (done % 4 == 3) {
            r.refreshNoModal();
            r.scrollToEnd();
        }
        if (done + 1 == userBreaks) {
            // The computation is busy: the click waits in the queue until it polls.
            platform::desktop().holdMessages(true);
            platform::pressButton(*dlg, 1012);
            platform::desktop().holdMessages(false);
        }
        if (r.isBreak(true)) {
            ++done;
            break;
        }
        if (done + 1 == strips / 2)
            screenshot(g, "reproach-running.png", "Half-way: progress at 20 of 40, messages arriving", *dlg);
    }
    return done;
}

} // namespace

void reproachPage(DemoContext& demo)
{
    Gallery& g = demo.gallery;
    g.beginPage("Messages of a computation",
                "A slab check collects its findings in a CReproach: each add takes the host's string id "
                "and chains its arguments (texts, integers, quantities in SI). Rendering substitutes them "
                "and splits the texts into lines, each tagged with its kind; errors are drawn in red. The "
                "message dialog lists them, modally at the end or non-modally while a computation runs.");

    const HINSTANCE before = AfxGetResourceHandle();
    AfxSetResourceHandle(platform::RegisterApplicationModule(&kHostTable));

    CReproach r;
    checkSlab(r);
    g.table({"messages", "errors", "warnings", "information"},
            {{std::to_string(r.size()), std::to_string(r.size(CReproach::ER_ERROR)),
              std::to_string(r.size(CReproach::ER_WARNING)), std::to_string(r.size(CReproach::ER_INFO))}});
    g.paragraph("Metric display units:");
    g.coloredLines(rendered(r));

    qemet::Qemet::SetUnitSystem(qemet::US_IMPERIAL);
    g.paragraph("The same collector after the user switched to imperial units: quantities are "
                "formatted when rendered, so they follow the display units of that moment.");
    g.coloredLines(rendered(r));
    qemet::Qemet::SetUnitSystem(qemet::US_METRIC);

    NVorel::setLangWork(48, demo.languageFolder.c_str());
    platform::desktop().setScreenSize(900, 560);
    showModalDialog(g, r);

    CWnd frame;
    createHostFrame(frame, L"Slab design", CRect(0, 0, 900, 560));
    platform::desktop().processMessages();
    g.paragraph("A longer check runs with the non-modal dialog: it sets the progress text and bar for "
                "each strip, refreshes the list every fourth strip and polls isBreak(true) between "
                "strips. While the computation is busy the user clicks Break; the click waits in the "
                "queue until the next poll, which handles it, and the check stops.");
    CReproach running;
    const int checked = runBreakableCheck(g, running, frame);
    running.add(CReproach::ER_WARNING, 2008).arg(checked).arg(40);
    running.refreshNoModal();
    running.scrollToEnd();
    platform::desktop().processMessages(); // back in the host's message loop
    CWnd* dlg = running.progress()->GetParent();
    screenshot(g, "reproach-stopped.png", "Break pressed: the check stopped after strip " + std::to_string(checked),
               *dlg);

    // The user copies the lines with Ctrl+C in the list and the keyboard
    // takes them to OK.
    dlg->GetDlgItem(114)->SetFocus();
    platform::desktop().keyDown(VK_CONTROL);
    platform::desktop().pressKey('C');
    platform::desktop().keyUp(VK_CONTROL);
    std::ofstream(g.file("reproach-clipboard.txt"), std::ios::binary) << toUtf8(platform::ClipboardText().str());
    g.link("reproach-clipboard.txt", "The clipboard after Ctrl+C in the list: one line per entry");
    platform::desktop().pressKey(VK_TAB);
    platform::desktop().pressKey(VK_TAB);
    screenshot(g, "reproach-keyboard.png", "Tab twice from the list: OK has the focus, Enter closes", *dlg);
    platform::desktop().pressKey(VK_RETURN);
    g.table({"strips checked", "messages", "errors", "dialog visible after Enter"},
            {{std::to_string(checked), std::to_string(running.size()),
              std::to_string(running.size(CReproach::ER_ERROR)), dlg->IsWindowVisible() ? "yes" : "no"}});
    running.destroyNoModal();
    frame.DestroyWindow();

    AfxSetResourceHandle(before);
}
