// The live demo on a virtual X display (Xvfb), driven by xdotool as a person
// would and looked at through xwd. Each session checks several things in one
// launch, as a launch takes seconds. Skipped where Xvfb, xdotool or xwd are
// missing (scripts/install-check-deps.sh).
#include "XDisplay.h"

#include "support/Ink.h"
#include "win/gdi/Png.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

bool have(const char* tool)
{
    return std::system(("command -v " + std::string(tool) + " >/dev/null 2>&1").c_str()) == 0;
}

// An X server of its own for the test, on the first free display number.
class VirtualDisplay {
public:
    explicit VirtualDisplay(bool sharedMemory)
    {
        int fds[2];
        if (pipe(fds) != 0) return;
        m_pid = fork();
        if (m_pid == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            std::vector<const char*> args{"Xvfb", "-displayfd",  fd.c_str(),  "-screen",
                                          "0",    "1024x700x24", "-nolisten", "tcp"};
            if (!sharedMemory) args.insert(args.end(), {"-extension", "MIT-SHM"});
            args.push_back(nullptr);
            execvp("Xvfb", const_cast<char* const*>(args.data()));
            _exit(127);
        }
        close(fds[1]);
        // The number ends with a line break; the pipe stays open until then,
        // as the server fails when its write finds no reader.
        std::string number;
        char c;
        while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        close(fds[0]);
        if (!number.empty()) m_name = ":" + number;
    }
    ~VirtualDisplay()
    {
        if (m_pid <= 0) return;
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
    const std::string& name() const { return m_name; }

private:
    pid_t m_pid = -1;
    std::string m_name;
};

struct Image {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF at(int x, int y) const { return pixels[(size_t)y * (size_t)width + (size_t)x]; }
    COLORREF at(CPoint p) const { return at(p.x, p.y); }
};

std::uint32_t bigEndian(const unsigned char* p)
{
    return (std::uint32_t)p[0] << 24 | (std::uint32_t)p[1] << 16 | (std::uint32_t)p[2] << 8 | p[3];
}

// A 32-bit ZPixmap xwd dump as COLORREF pixels.
Image readXwd(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::vector<unsigned char> d((std::istreambuf_iterator<char>(in)), {});
    Image img;
    if (d.size() < 100) return img;
    const auto field = [&](int i) { return bigEndian(d.data() + 4 * i); };
    const std::uint32_t headerSize = field(0), width = field(4), height = field(5), byteOrder = field(7),
                        bitsPerPixel = field(11), bytesPerLine = field(12), redMask = field(14), greenMask = field(15),
                        blueMask = field(16), colours = field(19);
    const size_t start = headerSize + 12u * colours;
    if (bitsPerPixel != 32 || d.size() < start + (size_t)bytesPerLine * height) return img;
    const auto channel = [](std::uint32_t v, std::uint32_t mask) { return (v & mask) >> std::countr_zero(mask); };
    img.width = (int)width;
    img.height = (int)height;
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x) {
            const unsigned char* p = d.data() + start + (size_t)y * bytesPerLine + 4u * x;
            const std::uint32_t v =
                byteOrder == 0 ? (std::uint32_t)p[3] << 24 | p[2] << 16 | p[1] << 8 | p[0] : bigEndian(p);
            img.pixels.push_back(RGB(channel(v, redMask), channel(v, greenMask), channel(v, blueMask)));
        }
    return img;
}

// Whether a rectangle of a grid cell holds text: its ink over the cell's background.
bool hasInk(const Image& img, const CRect& r)
{
    const testsupport::Ink ink{RGB(0, 0, 0), RGB(255, 255, 255)}; // the window text and window colours
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (ink(img.at(x, y))) return true;
    return false;
}

int countIn(const Image& img, const CRect& r, COLORREF colour)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += img.at(x, y) == colour;
    return n;
}

// Where a caption's close box shows (its top-left corner): a white top-left
// edge on the caption colour, the face inside and the black cross.
std::vector<CPoint> closeBoxes(const Image& img)
{
    const COLORREF caption = RGB(10, 36, 106), face = RGB(212, 208, 200);
    std::vector<CPoint> found;
    for (int y = 1; y + 14 < img.height; ++y)
        for (int x = 1; x + 16 < img.width; ++x)
            if (img.at(x, y) == RGB(255, 255, 255) && img.at(x - 1, y) == caption && img.at(x, y - 1) == caption &&
                img.at(x + 2, y + 2) == face && img.at(x + 4, y + 3) == RGB(0, 0, 0) &&
                img.at(x + 7, y + 6) == RGB(0, 0, 0) && img.at(x + 6, y + 3) == face)
                found.emplace_back(x, y);
    return found;
}

std::string at(CPoint p)
{
    return std::to_string(p.x) + " " + std::to_string(p.y);
}

std::string contentOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

// Waits some seconds at most for the file to hold something else than
// `old`, the same in two looks a little apart (written to the end).
std::string awaitContent(const fs::path& file, const std::string& old)
{
    std::string now = contentOf(file), before;
    for (int i = 0; i < 150 && (now == old || now != before); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        before = now;
        now = contentOf(file);
    }
    return now;
}

constexpr COLORREF crossLine = RGB(220, 0, 140);

// The live demo started on its own Xvfb, with the rectangles it announces
// ("live: <what> l t r b") and the X window it shows the desktop in.
class LiveSession {
public:
    explicit LiveSession(bool sharedMemory) : m_x(sharedMemory)
    {
        if (m_x.name().empty()) return;
        m_dir = fs::path(testing::TempDir()) / ("vorel-live-" + std::to_string(getpid()));
        fs::create_directories(m_dir);
        m_env = "DISPLAY=" + m_x.name() + " ";
        // The shell says its pid, which the demo keeps.
        m_demo = popen(("echo $$; " + m_env + "exec " VOREL_DEMO " --live " + (m_dir / "desktop.png").string()).c_str(),
                       "r");
        char line[256];
        if (m_demo && std::fgets(line, sizeof line, m_demo)) m_pid = (pid_t)std::atol(line);
        while (m_demo && std::fgets(line, sizeof line, m_demo)) {
            const std::string s = line;
            if (s.find("X window") != std::string::npos)
                m_shown = s;
            else if (s.rfind("live: ", 0) == 0) {
                std::istringstream numbers(s.substr(s.find_first_of("-0123456789")));
                CRect& r = m_rects[s.substr(6, s.find_first_of("-0123456789") - 7)];
                numbers >> r.left >> r.top >> r.right >> r.bottom;
            }
            if (s.find("colour cell") != std::string::npos) break; // the last one said
        }
        if (!m_shown.empty()) m_window = std::stoul(m_shown.substr(m_shown.find("0x")), nullptr, 16);
    }
    ~LiveSession()
    {
        if (m_demo) {
            resume();
            closeXWindow(m_x.name(), m_window);
            pclose(m_demo);
        }
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }
    bool started() const { return m_window != 0; }
    const std::string& display() const { return m_x.name(); }
    unsigned long window() const { return m_window; }
    // The size the X window must have to count as captured.
    void expectSize(CSize size) { m_size = size; }
    const std::string& shown() const { return m_shown; }
    CRect rect(const std::string& what) const
    {
        const auto it = m_rects.find(what);
        return it == m_rects.end() ? CRect() : it->second;
    }
    // Stops the demo, as a busy program, until resume(); the X server
    // queues what the person does meanwhile. (pid 0 would be our own group)
    void pause() const
    {
        if (m_pid > 0) kill(m_pid, SIGSTOP);
    }
    void resume() const
    {
        if (m_pid > 0) kill(m_pid, SIGCONT);
    }
    int xdo(const std::string& args) const { return std::system((m_env + "xdotool " + args).c_str()); }
    // Another X program's copy: xclip owns CLIPBOARD with the text (in single quotes for the shell).
    int copyElsewhere(const std::string& text) const
    {
        return std::system((m_env + "printf %s '" + text + "' | " + m_env + "xclip -selection clipboard").c_str());
    }
    // What another X program pastes: CLIPBOARD converted to the target, once
    // it is `expected` or after some seconds.
    std::string pasteElsewhere(const std::string& expected, const std::string& target = "UTF8_STRING") const
    {
        std::string text;
        for (int i = 0; i < 100 && text != expected; ++i) {
            FILE* out = popen((m_env + "xclip -selection clipboard -o -t " + target + " 2>/dev/null").c_str(), "r");
            text.clear();
            for (int c; out && (c = std::fgetc(out)) != EOF;) text += (char)c;
            if (out) pclose(out);
            if (text != expected) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return text;
    }
    int clickAt(CPoint p) const { return xdo("mousemove --sync " + at(p) + " click 1"); }
    // Captures until the picture passes the check and is the same in two
    // looks a little apart, half a minute at most: the demo follows at its own
    // pace (slow under the sanitizers) and may be midway through a paint.
    bool captureUntil(Image& img, const std::function<bool(const Image&)>& check) const
    {
        const fs::path file = m_dir / "window.xwd";
        Image last;
        for (int i = 0; i < 150; ++i) {
            img =
                std::system((m_env + "xwd -silent -id " + std::to_string(m_window) + " -out " + file.string()).c_str())
                    ? Image()
                    : readXwd(file);
            if (img.width == m_size.cx && img.height == m_size.cy && img.pixels == last.pixels && check(img))
                return true;
            last = img;
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return false;
    }
    // Closes the X window and checks that it showed the desktop's own
    // screenshot, pixel for pixel, and that the demo ended well; what the
    // demo printed meanwhile.
    std::string closeShowing(const Image& shown)
    {
        EXPECT_TRUE(closeXWindow(m_x.name(), m_window));
        std::string said;
        char line[256];
        while (std::fgets(line, sizeof line, m_demo)) said += line;
        const int status = pclose(m_demo);
        m_demo = nullptr;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        const std::optional<platform::Surface> desktop = platform::LoadPng(m_dir / "desktop.png");
        EXPECT_TRUE(desktop && desktop->width() == shown.width && desktop->height() == shown.height);
        int differing = 0;
        CPoint firstDifference(-1, -1);
        for (int y = 0; desktop && y < std::min(shown.height, desktop->height()); ++y)
            for (int x = 0; x < std::min(shown.width, desktop->width()); ++x)
                if (desktop->pixel(x, y) != shown.at(x, y) && differing++ == 0) firstDifference = CPoint(x, y);
        EXPECT_EQ(differing, 0) << "first at " << firstDifference.x << "," << firstDifference.y;
        return said;
    }

private:
    VirtualDisplay m_x;
    fs::path m_dir;
    std::string m_env, m_shown;
    FILE* m_demo = nullptr;
    pid_t m_pid = 0;
    unsigned long m_window = 0;
    CSize m_size{1000, 680};
    std::map<std::string, CRect> m_rects;
};

#define START_LIVE_SESSION(live, sharedMemory)                                                                         \
    if (!have("Xvfb") || !have("xdotool") || !have("xwd"))                                                             \
        GTEST_SKIP() << "Xvfb, xdotool or xwd is not installed "                                                       \
                        "(scripts/install-check-deps.sh installs them)";                                               \
    LiveSession live(sharedMemory);                                                                                    \
    ASSERT_TRUE(live.started()) << "Xvfb or the live demo did not start";                                              \
    EXPECT_NE(live.shown().find(sharedMemory ? "through MIT-SHM" : "through XPutImage"), std::string::npos)            \
        << live.shown()

// A click on the empty cell, "4711" and Enter, and a move over the moment
// view: the value and the cross line show in the X window. (Where they are
// drawn is the headless tests' part: the window shows the desktop exactly.)
void typeIntoTheBeamTableAndPointAtTheChart(const LiveSession& live)
{
    const CRect cell = live.rect("empty beam b cell"), view = live.rect("moment view");
    ASSERT_FALSE(cell.IsRectEmpty() || view.IsRectEmpty());
    const CPoint over(view.left + 250, view.top + 250);
    EXPECT_EQ(live.clickAt(cell.CenterPoint()), 0);
    EXPECT_EQ(live.xdo("type --delay 40 4711"), 0);
    EXPECT_EQ(live.xdo("key Return mousemove --sync " + at(over)), 0);
    Image img;
    ASSERT_TRUE(live.captureUntil(img, [&](const Image& i) {
        return hasInk(i, cell) && countIn(i, CRect(view.left, over.y, view.right, over.y + 1), crossLine) > 200;
    })) << "the typed value or the cross line did not appear in the X window";
}

} // namespace

// Through MIT-SHM: typing and pointing; the message dialog closed by its
// close box; a colour picked in the colour dialog; an umlaut from a key of
// the layout.
TEST(LiveDemo, ThroughSharedMemoryDialogsAndALayoutsUmlautKey)
{
    START_LIVE_SESSION(live, true);
    typeIntoTheBeamTableAndPointAtTheChart(live);

    const CRect button = live.rect("check slab button"), colourCell = live.rect("colour cell");
    ASSERT_FALSE(button.IsRectEmpty() || colourCell.IsRectEmpty());
    Image before, open, closed;
    ASSERT_TRUE(live.captureUntil(before, [](const Image& i) { return closeBoxes(i).size() == 4; }))
        << "each host frame has a close box";
    const std::vector<CPoint> frames = closeBoxes(before);
    EXPECT_EQ(live.clickAt(button.CenterPoint()), 0);
    CPoint box;
    ASSERT_TRUE(live.captureUntil(open, [&](const Image& i) {
        for (const CPoint p : closeBoxes(i))
            if (std::find(frames.begin(), frames.end(), p) == frames.end()) box = p;
        return box != CPoint();
    })) << "no message dialog with a close box";
    EXPECT_EQ(live.clickAt(box + CSize(8, 7)), 0);
    // It ends: the frames under it show again as they were.
    ASSERT_TRUE(live.captureUntil(closed, [&](const Image& i) { return closeBoxes(i) == frames; }))
        << "the close box did not end the message dialog";

    // Row 2's colour opens the colour dialog; the blue swatch and Enter
    // colour the row blue.
    const COLORREF blue = RGB(0, 0, 255);
    const int blueBefore = countIn(closed, colourCell, blue);
    EXPECT_EQ(live.clickAt(colourCell.CenterPoint()), 0);
    Image dialog, coloured;
    std::optional<CPoint> swatch;
    ASSERT_TRUE(live.captureUntil(dialog, [&](const Image& i) {
        for (int n = 0; n < (int)i.pixels.size() && !swatch; ++n)
            if (i.pixels[(size_t)n] == blue && closed.pixels[(size_t)n] != blue)
                swatch = CPoint(n % i.width, n / i.width);
        return swatch.has_value();
    })) << "no colour dialog";
    EXPECT_EQ(live.clickAt(*swatch + CSize(8, 6)), 0);
    EXPECT_EQ(live.xdo("key Return"), 0);
    ASSERT_TRUE(live.captureUntil(coloured, [&](const Image& i) {
        return countIn(i, colourCell, blue) > blueBefore + 30;
    })) << "the row did not take the colour";
    EXPECT_NE(coloured.at(*swatch + CSize(8, 6)), blue) << "the colour dialog is still shown";

    // A key of its own for udiaeresis, as a German layout has one, typed
    // while the demo is busy, as a fast typist does: the keysym's character
    // goes in, whatever the key.
    const CRect concrete = live.rect("empty concrete cell");
    ASSERT_TRUE(addLayoutKey(live.display(), "udiaeresis"));
    live.pause();
    EXPECT_EQ(live.clickAt(concrete.CenterPoint()), 0);
    // (type takes every word after it as its text)
    for (const char* keys : {"type --delay 40 C", "key udiaeresis", "type --delay 40 5", "key Return"})
        EXPECT_EQ(live.xdo(keys), 0) << keys;
    live.resume();
    Image shown;
    ASSERT_TRUE(live.captureUntil(shown, [&](const Image& i) { return hasInk(i, concrete); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    ASSERT_TRUE(live.captureUntil(shown, [](const Image&) { return true; }));
    // b in cm as typed, the rest untouched; typing in the last row made room for a sixth.
    EXPECT_EQ(live.closeShowing(shown), "live: beam 5 \"\" 47.11 nan nan \"C\u00FC5\"\n"
                                        "live: beam 6 \"\" nan nan nan \"\"\n");
}

// Through XPutImage: typing and pointing; a column border dragged; the CSV
// export through the file dialog and the overwrite question; the window
// made larger.
TEST(LiveDemo, ThroughPutImageADraggedBorderTheCsvExportAndALargerWindow)
{
    START_LIVE_SESSION(live, false);
    typeIntoTheBeamTableAndPointAtTheChart(live);

    const CRect header = live.rect("beam b header"), cell = live.rect("empty beam b cell");
    ASSERT_FALSE(header.IsRectEmpty());
    const int border = header.right - 1; // the column's grid line
    const int to = border + 40, y = cell.CenterPoint().y, headerY = header.CenterPoint().y;
    Image before, dragging, after;
    ASSERT_TRUE(live.captureUntil(before, [](const Image& i) { return closeBoxes(i).size() == 4; }));
    EXPECT_EQ(live.xdo("mousemove --sync " + at(CPoint(border, headerY)) + " mousedown 1"), 0);
    EXPECT_EQ(live.xdo("mousemove --sync " + at(CPoint(to, headerY))), 0);
    // The line shows inverted at the pointer while the button is down; on
    // release the border is where the line was.
    const auto inverted = [](COLORREF c) { return c ^ 0x00FFFFFF; };
    ASSERT_TRUE(live.captureUntil(dragging, [&](const Image& i) { return i.at(to, y) == inverted(before.at(to, y)); }))
        << "no drag line at the pointer";
    EXPECT_EQ(dragging.at(border, y), before.at(border, y)); // the column keeps its width meanwhile
    EXPECT_EQ(live.xdo("mouseup 1"), 0);
    ASSERT_TRUE(live.captureUntil(after, [&](const Image& i) { return i.at(to, y) == before.at(border, y); }))
        << "the column did not take the new width";

    // The context menu's last item (Up from none) is the export; its file
    // dialog takes a typed path and Enter. The person is faster than the
    // demo: all of it reaches the demo at once, the menu and the dialog take
    // their part of it in turn.
    const fs::path csv = fs::path(testing::TempDir()) / ("vorel-live-export-" + std::to_string(getpid()) + ".csv");
    fs::remove(csv);
    const auto exportTo = [&](CPoint p, int answers) {
        live.pause();
        EXPECT_EQ(live.xdo("mousemove --sync " + at(p) + " click 3 key Up Return"), 0);
        EXPECT_EQ(live.xdo("type --delay 20 " + csv.string()), 0);
        for (int i = 0; i < answers; ++i) EXPECT_EQ(live.xdo("key Return"), 0);
        live.resume();
    };
    exportTo(cell.CenterPoint(), 1);
    const std::string written = awaitContent(csv, "");
    EXPECT_EQ(written.rfind("\xEF\xBB\xBF", 0), 0u) << "not the grid's CSV: " << written.substr(0, 40);
    EXPECT_NE(written.find("B1"), std::string::npos);
    EXPECT_NE(written.find("4711"), std::string::npos);
    // Again to the same file: the Yes/No question comes first, Enter answers
    // Yes. (A move to where the pointer is already would wait for nothing.)
    std::ofstream(csv, std::ios::trunc) << "old";
    exportTo(cell.CenterPoint() + CSize(4, 0), 2);
    EXPECT_EQ(awaitContent(csv, "old"), written);
    fs::remove(csv);

    // Larger: the same windows at their places on a larger desktop.
    EXPECT_EQ(live.xdo("windowsize --sync " + std::to_string(live.window()) + " 1020 700"), 0);
    live.expectSize(CSize(1020, 700));
    Image larger;
    ASSERT_TRUE(live.captureUntil(larger, [&](const Image& i) { return closeBoxes(i) == closeBoxes(before); }))
        << "the windows did not come back at their places";
    EXPECT_EQ(larger.at(1010, 690), RGB(58, 110, 165)); // the desktop's background in the new corner
    live.closeShowing(larger);
}

// Another X program's table pasted with Ctrl+V into the empty row: b, h
// and the span as the table shows them (cm, cm, m), a height the host refuses
// and a second row, which the host adds. Then a row of cells copied out with
// Ctrl+C, as another program pastes it.
TEST(LiveDemo, PastesAnotherProgramsTableAndCopiesCellsOutToIt)
{
    if (!have("xclip")) GTEST_SKIP() << "xclip is not installed (scripts/install-check-deps.sh installs it)";
    START_LIVE_SESSION(live, true);
    const CRect b = live.rect("empty beam b cell"), concrete = live.rect("empty concrete cell");
    ASSERT_FALSE(b.IsRectEmpty() || concrete.IsRectEmpty());
    ASSERT_EQ(live.copyElsewhere("30.0\t60.0\t5.500\tC20/25\n25.0\tabc\t4.200\tC25/30\n"), 0);
    EXPECT_EQ(live.clickAt(b.CenterPoint()), 0);
    // Enter closes the box that tells of the one cell not pasted.
    EXPECT_EQ(live.xdo("key ctrl+v Return"), 0);
    Image pasted;
    ASSERT_TRUE(live.captureUntil(pasted, [&](const Image& i) { return hasInk(i, b) && hasInk(i, concrete); }))
        << "the pasted cells did not show";

    EXPECT_EQ(live.xdo("mousemove --sync " + at(concrete.CenterPoint()) + " keydown shift click 1 keyup shift"), 0);
    const std::string row = "30.0\t60.0\t5.500\tC20/25\r\n";
    EXPECT_EQ(live.xdo("key ctrl+c"), 0);
    EXPECT_EQ(live.pasteElsewhere(row), row);
    const std::string targets = "TARGETS\nTIMESTAMP\nUTF8_STRING\nTEXT\nSTRING\n";
    EXPECT_EQ(live.pasteElsewhere(targets, "TARGETS"), targets);

    // A program that takes the clipboard and hangs: the paste asks it, gives
    // up and pastes nothing; the demo copies again.
    {
        SilentClipboardOwner hung(live.display());
        ASSERT_TRUE(hung.owns());
        EXPECT_EQ(live.xdo("key ctrl+v"), 0);
        EXPECT_TRUE(hung.asked(10000)) << "the paste did not ask the clipboard's owner";
    }
    EXPECT_EQ(live.xdo("key ctrl+c"), 0);
    EXPECT_EQ(live.pasteElsewhere(row), row);

    Image shown;
    ASSERT_TRUE(live.captureUntil(shown, [](const Image&) { return true; }));
    EXPECT_EQ(live.closeShowing(shown), "live: beam 5 \"\" 0.3 0.6 5.5 \"C20/25\"\n"
                                        "live: beam 6 \"\" 0.25 nan 4.2 \"C25/30\"\n");
}

TEST(LiveDemo, WithoutADisplayItSaysSoInOneLine)
{
    const std::string out = testing::TempDir() + "/vorel-live-nodisplay.txt";
    const int status = std::system(("env -u DISPLAY " VOREL_DEMO " --live 2>" + out).c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2);
    EXPECT_EQ(contentOf(out), "vorel-demo --live: no X display (DISPLAY is not set)\n");
}
