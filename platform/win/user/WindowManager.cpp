#include "win/user/WindowManager.h"

#include "win/display/Display.h"

#include <algorithm>
#include <cwctype>
#include <unordered_map>

namespace platform::wm {

namespace {

constexpr int captionHeight = 18;

struct Tables {
    std::vector<std::unique_ptr<WindowClass>> classes;
    std::unordered_map<uintptr_t, std::unique_ptr<Window>> windows;
    std::vector<HWND> topLevel; // bottom to top
    uintptr_t next = 0x200000;
};

// Never destroyed: a window object of static lifetime may destroy its window
// after the end of main.
Tables& tables()
{
    static Tables* t = new Tables;
    return *t;
}

bool sameName(const std::wstring& a, LPCWSTR b)
{
    const size_t n = std::wcslen(b);
    if (a.size() != n) return false;
    for (size_t i = 0; i < n; ++i)
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    return true;
}

void eachInTree(Window& w, const std::function<void(Window&)>& f)
{
    f(w);
    // A copy: f may not change the tree, but children are looked up afresh.
    const std::vector<HWND> children = w.children;
    for (HWND c : children)
        if (Window* child = find(c)) eachInTree(*child, f);
}

Window* firstToPaint(Window& w)
{
    if (!(w.style & WS_VISIBLE)) return nullptr;
    if (needsPaint(w)) return &w;
    for (HWND c : w.children)
        if (Window* child = find(c))
            if (Window* p = firstToPaint(*child)) return p;
    return nullptr;
}

bool enabledForInput(const Window& w)
{
    return !(w.style & WS_DISABLED);
}

HWND deepestAt(const Window& w, POINT p, const std::vector<HWND>& skip)
{
    if (!clientScreenRect(w).PtInRect(p)) return w.handle;
    for (auto it = w.children.rbegin(); it != w.children.rend(); ++it) {
        const Window* c = find(*it);
        if (!c || !(c->style & WS_VISIBLE) || !enabledForInput(*c)) continue;
        if (std::find(skip.begin(), skip.end(), c->handle) != skip.end()) continue;
        if (screenRect(*c).PtInRect(p)) return deepestAt(*c, p, skip);
    }
    return w.handle;
}

} // namespace

const WindowClass* findClass(LPCWSTR name)
{
    if (!name) return nullptr;
    for (const auto& c : tables().classes)
        if (sameName(c->name, name)) return c.get();
    return nullptr;
}

const WindowClass* addClass(WindowClass cls)
{
    tables().classes.push_back(std::make_unique<WindowClass>(std::move(cls)));
    return tables().classes.back().get();
}

Window* find(HWND h)
{
    auto& windows = tables().windows;
    auto it = windows.find((uintptr_t)h);
    return it == windows.end() ? nullptr : it->second.get();
}

Window* findOrFail(HWND h)
{
    Window* w = find(h);
    if (!w) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return w;
}

HWND add(std::unique_ptr<Window> w)
{
    Tables& t = tables();
    w->handle = (HWND)(t.next += 4);
    Window& ref = *w;
    t.windows[(uintptr_t)ref.handle] = std::move(w);
    // A new child goes to the bottom of its siblings (so that listing them from
    // the top gives the order of creation), a new top-level window on top.
    std::vector<HWND>& list = siblings(ref);
    list.insert(ref.isChild() ? list.begin() : list.end(), ref.handle);
    return ref.handle;
}

void remove(HWND h)
{
    Window* w = find(h);
    if (!w) return;
    std::vector<HWND>& list = siblings(*w);
    list.erase(std::remove(list.begin(), list.end(), h), list.end());
    tables().windows.erase((uintptr_t)h);
}

std::vector<HWND>& siblings(const Window& w)
{
    if (Window* p = w.parent ? find(w.parent) : nullptr) return p->children;
    return tables().topLevel;
}

void forEachWindow(const std::function<void(Window&)>& f)
{
    const std::vector<HWND> top = tables().topLevel;
    for (HWND h : top)
        if (Window* w = find(h)) eachInTree(*w, f);
}

namespace {

// The frame outside the caption: sizing, dialog or thin border.
int outerBorder(DWORD style)
{
    if (style & WS_THICKFRAME) return 4;
    if (style & WS_DLGFRAME) return 3;
    return style & WS_BORDER ? 1 : 0;
}

} // namespace

CRect frameInsets(DWORD style, DWORD exStyle)
{
    int border = outerBorder(style);
    if (exStyle & WS_EX_CLIENTEDGE) border += 2;
    const int caption = (style & WS_CAPTION) == WS_CAPTION ? captionHeight : 0;
    return CRect(border, border + caption, border, border);
}

CRect captionRect(const Window& w)
{
    if ((w.style & WS_CAPTION) != WS_CAPTION) return CRect();
    const CRect r = screenRect(w);
    const int b = outerBorder(w.style);
    return CRect(r.left + b, r.top + b, r.right - b, r.top + b + captionHeight);
}

CRect closeBoxRect(const Window& w)
{
    const CRect bar = captionRect(w);
    if (bar.IsRectEmpty() || !(w.style & WS_SYSMENU)) return CRect();
    // A button of 16 x 14 pixels two pixels inside the caption's right end.
    const CRect box(bar.right - 18, bar.top + 2, bar.right - 2, bar.top + 16);
    return box.left > bar.left ? box : CRect();
}

CRect screenRect(const Window& w)
{
    CRect r = w.rect;
    if (const Window* p = w.parent ? find(w.parent) : nullptr) r.OffsetRect(clientScreenRect(*p).TopLeft());
    return r;
}

CRect clientScreenRect(const Window& w)
{
    const CRect r = screenRect(w);
    const CRect in = frameInsets(w.style, w.exStyle);
    CRect client(r.left + in.left, r.top + in.top, r.right - in.right, r.bottom - in.bottom);
    client.right = std::max(client.right, client.left);
    client.bottom = std::max(client.bottom, client.top);
    return client;
}

CPoint clientOriginInParent(const Window& w)
{
    CPoint p = clientScreenRect(w).TopLeft();
    if (const Window* parent = w.parent ? find(w.parent) : nullptr) {
        const CPoint o = clientScreenRect(*parent).TopLeft();
        p.Offset(-o.x, -o.y);
    }
    return p;
}

bool shownOnScreen(const Window& w)
{
    for (const Window* p = &w; p; p = p->parent ? find(p->parent) : nullptr)
        if (!(p->style & WS_VISIBLE)) return false;
    return true;
}

CRect visibleRect(const Window& w, bool client)
{
    if (!shownOnScreen(w)) return CRect();
    CRect r = client ? clientScreenRect(w) : screenRect(w);
    for (const Window* p = w.parent ? find(w.parent) : nullptr; p; p = p->parent ? find(p->parent) : nullptr) {
        const CRect pc = clientScreenRect(*p);
        if (!r.IntersectRect(&r, &pc)) return CRect();
    }
    return r;
}

std::vector<CRect> coveredAbove(const Window& w, const CRect& area)
{
    const Window* top = &w;
    while (const Window* p = top->parent ? find(top->parent) : nullptr) top = p;
    const std::vector<HWND>& order = tables().topLevel;
    auto above = std::find(order.begin(), order.end(), top->handle);
    std::vector<CRect> covered;
    if (above == order.end()) return covered;
    for (++above; above != order.end(); ++above) {
        const Window* x = find(*above);
        CRect part;
        if (x && (x->style & WS_VISIBLE) && part.IntersectRect(screenRect(*x), area)) covered.push_back(part);
    }
    return covered;
}

void invalidate(Window& w, const CRect& screen, bool erase, bool frame)
{
    eachInTree(w, [&](Window& x) {
        const CRect whole = screenRect(x);
        CRect part;
        if (!part.IntersectRect(&whole, &screen)) return;
        const CRect client = clientScreenRect(x);
        CRect inClient;
        const bool inside = inClient.IntersectRect(&part, &client);
        if (frame || !inside || inClient != part) x.frame = true;
        if (!inside) return;
        inClient.OffsetRect(-client.left, -client.top);
        if (x.update.IsRectEmpty()) x.update = inClient;
        else x.update.UnionRect(&x.update, &inClient);
        x.erase = x.erase || erase;
    });
}

void expose(const Window& w, const CRect& screen)
{
    if (Window* p = w.parent ? find(w.parent) : nullptr) {
        invalidate(*p, screen, true);
        return;
    }
    // The desktop paints itself at once; the windows it covered paint later.
    display().paintBackground(screen);
    const std::vector<HWND> top = tables().topLevel;
    for (HWND h : top)
        if (Window* x = find(h); x && x != &w) invalidate(*x, screen, true);
}

bool needsPaint(const Window& w)
{
    return !w.update.IsRectEmpty() || w.frame;
}

Window* nextToPaint(HWND within)
{
    if (within) {
        Window* w = find(within);
        return w && shownOnScreen(*w) ? firstToPaint(*w) : nullptr;
    }
    for (HWND h : tables().topLevel)
        if (Window* w = find(h))
            if (Window* p = firstToPaint(*w)) return p;
    return nullptr;
}

HWND hitTest(POINT screen, const std::vector<HWND>& skip)
{
    const std::vector<HWND>& top = tables().topLevel;
    for (auto it = top.rbegin(); it != top.rend(); ++it) {
        const Window* w = find(*it);
        if (!w || !(w->style & WS_VISIBLE)) continue;
        if (std::find(skip.begin(), skip.end(), w->handle) != skip.end()) continue;
        if (screenRect(*w).PtInRect(screen)) return deepestAt(*w, screen, skip);
    }
    return nullptr;
}

} // namespace platform::wm
