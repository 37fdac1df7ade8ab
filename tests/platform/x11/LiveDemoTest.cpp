// The live demo on a virtual X display (Xvfb), driven by xdotool as a person
// would and looked at through xwd: the value typed into the beam table and
// the moment view's cross line must be where they belong in the X window,
// and the window must show exactly the desktop's own screenshot. Skipped
// where Xvfb, xdotool or xwd are missing (scripts/install-check-deps.sh).
#include "CloseXWindow.h"

#include "win/gdi/Png.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
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
            std::vector<const char*> args{"Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x700x24",
                                          "-nolisten", "tcp"};
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
                        bitsPerPixel = field(11), bytesPerLine = field(12), redMask = field(14),
                        greenMask = field(15), blueMask = field(16), colours = field(19);
    const size_t start = headerSize + 12u * colours;
    if (bitsPerPixel != 32 || d.size() < start + (size_t)bytesPerLine * height) return img;
    const auto channel = [](std::uint32_t v, std::uint32_t mask) { return (v & mask) >> std::countr_zero(mask); };
    img.width = (int)width;
    img.height = (int)height;
    for (std::uint32_t y = 0; y < height; ++y)
        for (std::uint32_t x = 0; x < width; ++x) {
            const unsigned char* p = d.data() + start + (size_t)y * bytesPerLine + 4u * x;
            const std::uint32_t v = byteOrder == 0 ? (std::uint32_t)p[3] << 24 | p[2] << 16 | p[1] << 8 | p[0]
                                                   : bigEndian(p);
            img.pixels.push_back(RGB(channel(v, redMask), channel(v, greenMask), channel(v, blueMask)));
        }
    return img;
}

bool dark(COLORREF c)
{
    return GetRValue(c) + GetGValue(c) + GetBValue(c) < 300;
}

// The dark pixels' columns in a rectangle, relative to its left edge.
std::pair<int, int> darkColumns(const Image& img, const CRect& r)
{
    int first = -1, last = -1;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (dark(img.at(x, y))) {
                first = first < 0 ? x - r.left : std::min(first, (int)(x - r.left));
                last = std::max(last, (int)(x - r.left));
            }
    return {first, last};
}

int countOnRow(const Image& img, int y, int from, int to, COLORREF colour)
{
    int n = 0;
    for (int x = from; x < to; ++x) n += img.at(x, y) == colour;
    return n;
}

// The rectangle that ends a line "live: <what> left top right bottom".
CRect rectFrom(const std::string& line)
{
    std::istringstream in(line);
    std::vector<long> numbers;
    for (std::string word; in >> word;)
        if (word.find_first_not_of("-0123456789") == std::string::npos) numbers.push_back(std::stol(word));
    if (numbers.size() < 4) return CRect();
    const size_t n = numbers.size();
    return CRect(numbers[n - 4], numbers[n - 3], numbers[n - 2], numbers[n - 1]);
}

constexpr COLORREF crossLine = RGB(220, 0, 140);

void runLiveSession(bool sharedMemory)
{
    if (!have("Xvfb") || !have("xdotool") || !have("xwd"))
        GTEST_SKIP() << "Xvfb, xdotool or xwd is not installed (scripts/install-check-deps.sh installs them)";
    VirtualDisplay x(sharedMemory);
    ASSERT_FALSE(x.name().empty()) << "Xvfb did not start";
    const fs::path dir = fs::path(testing::TempDir()) / ("vorel-live-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string env = "DISPLAY=" + x.name() + " ";
    FILE* demo = popen((env + "exec " VOREL_DEMO " --live " + (dir / "desktop.png").string()).c_str(), "r");
    ASSERT_NE(demo, nullptr);

    std::string shown, cellLine, viewLine;
    char line[256];
    while ((shown.empty() || cellLine.empty() || viewLine.empty()) && std::fgets(line, sizeof line, demo)) {
        const std::string s = line;
        if (s.find("X window") != std::string::npos) shown = s;
        if (s.find("empty beam b cell") != std::string::npos) cellLine = s;
        if (s.find("moment view") != std::string::npos) viewLine = s;
    }
    ASSERT_FALSE(viewLine.empty()) << "the live demo did not start";
    EXPECT_NE(shown.find(sharedMemory ? "through MIT-SHM" : "through XPutImage"), std::string::npos) << shown;
    const unsigned long window = std::stoul(shown.substr(shown.find("0x")), nullptr, 16);
    const CRect cell = rectFrom(cellLine), view = rectFrom(viewLine);
    ASSERT_FALSE(cell.IsRectEmpty() || view.IsRectEmpty()) << cellLine << viewLine;
    const CPoint over(view.left + 250, view.top + 250);

    const auto xdo = [&](const std::string& args) { return std::system((env + "xdotool " + args).c_str()); };
    const CPoint inCell = cell.CenterPoint();
    EXPECT_EQ(xdo("mousemove --sync " + std::to_string(inCell.x) + " " + std::to_string(inCell.y) + " click 1"), 0);
    EXPECT_EQ(xdo("type --delay 40 4711"), 0);
    EXPECT_EQ(xdo("key Return"), 0);
    EXPECT_EQ(xdo("mousemove --sync " + std::to_string(over.x) + " " + std::to_string(over.y)), 0);

    // The demo follows at its own pace: look until both show, a few seconds at most.
    const fs::path capture = dir / "window.xwd";
    Image img;
    const auto settled = [&] {
        if (std::system((env + "xwd -silent -id " + std::to_string(window) + " -out " + capture.string()).c_str()))
            return false;
        img = readXwd(capture);
        return img.width == 1000 && img.height == 680 && darkColumns(img, cell).first >= 0 &&
               countOnRow(img, over.y, view.left, view.right, crossLine) > 100;
    };
    bool ok = false;
    for (int i = 0; i < 50 && !(ok = settled()); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ASSERT_TRUE(ok) << "the typed value or the cross line did not appear in the X window";
    std::this_thread::sleep_for(std::chrono::milliseconds(400)); // the label's delay is over
    ASSERT_TRUE(settled());

    // 4711 cm as "4711.0", right-aligned in its cell, six characters wide;
    // the cell to its right (h, not given) stays empty. The current cell's
    // frame is left out.
    const CRect inside(cell.left + 3, cell.top + 3, cell.right - 3, cell.bottom - 3);
    const auto [first, last] = darkColumns(img, inside);
    EXPECT_GE(first, 0);
    EXPECT_GE(last, inside.Width() - 6) << "not right-aligned";
    EXPECT_GE(last - first, 24) << "narrower than six characters";
    EXPECT_LE(last - first, 50);
    EXPECT_EQ(darkColumns(img, CRect(cell.right + 2, cell.top + 2, cell.right + 60, cell.bottom - 2)).first, -1);
    // The cross line runs across the view at the pointer's height, one pixel high.
    EXPECT_GT(countOnRow(img, over.y, view.left, view.right, crossLine), 200);
    EXPECT_EQ(img.at(view.left + 60, over.y), crossLine);
    EXPECT_LT(countOnRow(img, over.y - 2, view.left, view.right, crossLine), 5);
    EXPECT_LT(countOnRow(img, over.y + 2, view.left, view.right, crossLine), 5);

    ASSERT_TRUE(closeXWindow(x.name(), window)) << "cannot reach the X display to close the window";
    const int status = pclose(demo);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;

    // What the X window showed is the desktop's own screenshot, pixel for pixel.
    const std::optional<platform::Surface> desktop = platform::LoadPng(dir / "desktop.png");
    ASSERT_TRUE(desktop.has_value());
    ASSERT_EQ(desktop->width(), img.width);
    ASSERT_EQ(desktop->height(), img.height);
    int differing = 0;
    CPoint firstDifference(-1, -1);
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            if (desktop->pixel(x, y) != img.at(x, y) && differing++ == 0) firstDifference = CPoint(x, y);
    EXPECT_EQ(differing, 0) << "first at " << firstDifference.x << "," << firstDifference.y;
    fs::remove_all(dir);
}

} // namespace

TEST(LiveDemo, AMouseClickTypedKeysAndAMoveShowInTheXWindowThroughSharedMemory)
{
    runLiveSession(true);
}

TEST(LiveDemo, AMouseClickTypedKeysAndAMoveShowInTheXWindowThroughPutImage)
{
    runLiveSession(false);
}

TEST(LiveDemo, WithoutADisplayItSaysSoInOneLine)
{
    const std::string out = testing::TempDir() + "/vorel-live-nodisplay.txt";
    const int status = std::system(("env -u DISPLAY " VOREL_DEMO " --live 2>" + out).c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2);
    std::ifstream in(out);
    std::string first, second;
    std::getline(in, first);
    EXPECT_EQ(first, "vorel-demo --live: no X display (DISPLAY is not set)");
    EXPECT_FALSE(std::getline(in, second));
}
