// One mouse move over a tracking view that shows a chart of 10^5 and of 10^6
// pieces, against one full redraw of the same view, in the same run, with the
// peak memory of each scene. A move draws
// only the cross line and the label (the host's label text interpolates the
// chart at the cursor); a redraw draws the whole chart into the bitmap and
// copies it to the screen. The goal: a move costs at most 1/100 of a redraw.
#include "chart/RwChart.h"
#include "chart/RwViewMoving.h"
#include "frame/Lang.h"
#include "PeakRss.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <memory>

namespace {

using NVorel::CPopupLabel;

class ChartView : public NVorel::CRwViewMoving {
public:
    explicit ChartView(int pieces)
    {
        for (int i = 0; i < pieces; ++i) {
            const double a = 10.0 * i / pieces, b = 10.0 * (i + 1) / pieces;
            m_chart.push_back(NVorel::CChartZone(a, value(a), value(b)));
        }
    }
    Pellix::CRectDouble globalRect() override { return Pellix::CRectDouble(0, 0, 16, 10); }
    void draw(Pellix::CPainter* painter) override
    {
        clearBackground(painter, WHITENESS);
        m_chart.draw(painter);
    }

protected:
    static double value(double x) { return std::sin(3.0 * x) * (1.0 + x); }
    void OnGetLabelText(Pellix::CPoint2d pt, std::vector<CPopupLabel::TextItem>& items) override
    {
        double v = 0.0;
        if (!m_chart.GetInterpolatedValue(pt.y, &v)) return;
        CString position, text;
        position.Format(L"%.3f m", pt.y);
        text.Format(L"%.2f kNm", v);
        items = {{CPopupLabel::DEFAULT_COLOR, L"x", CPopupLabel::TEXT},
                 {0, L"", CPopupLabel::NEXT_COLUMN},
                 {CPopupLabel::DEFAULT_COLOR, position, CPopupLabel::TEXT},
                 {0, L"", CPopupLabel::NEW_LINE},
                 {CPopupLabel::DEFAULT_COLOR, L"M", CPopupLabel::TEXT},
                 {0, L"", CPopupLabel::NEXT_COLUMN},
                 {v < 0 ? RGB(200, 0, 0) : RGB(0, 130, 0), text, CPopupLabel::TEXT}};
    }
    afx_msg void OnMouseMove(UINT nFlags, CPoint point) override
    {
        CRwView::OnMouseMove(nFlags, point);
        CRwViewMoving::OnMouseMove(nFlags, point);
    }
    DECLARE_MESSAGE_MAP()

private:
    NVorel::CRwChart m_chart;
};

BEGIN_MESSAGE_MAP(ChartView, NVorel::CRwViewMoving)
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

// A host frame with an 800 x 600 tracking view, the label already following.
struct Scene {
    explicit Scene(int pieces) : view(pieces)
    {
        NVorel::setLangWork(48, (std::filesystem::path(VOREL_LANG_DIR).wstring() + L"/").c_str());
        platform::desktop().setScreenSize(1000, 800);
        frame.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 1000, 800), nullptr, 0);
        view.Create(nullptr, L"", WS_VISIBLE, CRect(100, 100, 900, 700), &frame, 1);
        view.init();
        platform::desktop().processMessages();
        platform::desktop().moveMouse(CPoint(500, 400));
        platform::desktop().advanceClock(250);
    }
    CWnd frame;
    ChartView view;
};

// One scene at a time, made again when the piece count changes; its peak
// memory counts from just before it is made.
double peakBeforeScene = 0.0;

Scene& scene(benchmark::State& state)
{
    static std::unique_ptr<Scene> s;
    static int pieces = 0;
    if (!s || pieces != (int)state.range(0)) {
        s.reset();
        pieces = (int)state.range(0);
        peak_rss::restart();
        peakBeforeScene = peak_rss::mebibytes();
        s = std::make_unique<Scene>(pieces);
    }
    return *s;
}

void countScene(benchmark::State& state)
{
    state.counters["pieces"] = (double)state.range(0);
    state.counters["peak growth MiB"] = peak_rss::mebibytes() - peakBeforeScene;
}

void BM_MouseMove(benchmark::State& state)
{
    Scene& s = scene(state);
    int step = 0;
    for (auto _ : state) {
        // Small moves up and down the view: each is followed at once.
        const int y = 400 + (step++ % 2 ? 8 : -8);
        platform::desktop().moveMouse(CPoint(500, y));
    }
    benchmark::DoNotOptimize(s.view.m_ptMouse);
    countScene(state);
}
BENCHMARK(BM_MouseMove)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_FullRedraw(benchmark::State& state)
{
    Scene& s = scene(state);
    for (auto _ : state) {
        s.view.repaint();
        s.view.Invalidate(FALSE);
        platform::desktop().processMessages();
    }
    countScene(state);
}
BENCHMARK(BM_FullRedraw)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
