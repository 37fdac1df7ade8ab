#include "x11/KeyMap.h"

#include "win/user/Input.h"

#include <X11/keysym.h>

#include <unordered_map>

namespace platform::x11 {

namespace {

const std::unordered_map<unsigned long, UINT>& namedKeys()
{
    static const std::unordered_map<unsigned long, UINT> keys{
        {XK_BackSpace, VK_BACK},   {XK_Tab, VK_TAB},         {XK_ISO_Left_Tab, VK_TAB},
        {XK_Return, VK_RETURN},    {XK_KP_Enter, VK_RETURN}, {XK_Escape, VK_ESCAPE},
        {XK_Shift_L, VK_SHIFT},    {XK_Shift_R, VK_SHIFT},   {XK_Control_L, VK_CONTROL},
        {XK_Control_R, VK_CONTROL}, {XK_Alt_L, VK_MENU},     {XK_Alt_R, VK_MENU},
        {XK_Caps_Lock, VK_CAPITAL}, {XK_space, VK_SPACE},    {XK_Prior, VK_PRIOR},
        {XK_Next, VK_NEXT},        {XK_End, VK_END},         {XK_Home, VK_HOME},
        {XK_Left, VK_LEFT},        {XK_Up, VK_UP},           {XK_Right, VK_RIGHT},
        {XK_Down, VK_DOWN},        {XK_Insert, VK_INSERT},   {XK_Delete, VK_DELETE},
        {XK_KP_Multiply, VK_MULTIPLY}, {XK_KP_Add, VK_ADD},  {XK_KP_Subtract, VK_SUBTRACT},
        {XK_KP_Decimal, VK_DECIMAL}, {XK_KP_Divide, VK_DIVIDE},
        {XK_semicolon, VK_OEM_1},  {XK_colon, VK_OEM_1},     {XK_equal, VK_OEM_PLUS},
        {XK_plus, VK_OEM_PLUS},    {XK_comma, VK_OEM_COMMA}, {XK_less, VK_OEM_COMMA},
        {XK_minus, VK_OEM_MINUS},  {XK_underscore, VK_OEM_MINUS}, {XK_period, VK_OEM_PERIOD},
        {XK_greater, VK_OEM_PERIOD}, {XK_slash, VK_OEM_2},   {XK_question, VK_OEM_2},
        {XK_grave, VK_OEM_3},      {XK_asciitilde, VK_OEM_3}, {XK_bracketleft, VK_OEM_4},
        {XK_braceleft, VK_OEM_4},  {XK_backslash, VK_OEM_5}, {XK_bar, VK_OEM_5},
        {XK_bracketright, VK_OEM_6}, {XK_braceright, VK_OEM_6}, {XK_apostrophe, VK_OEM_7},
        {XK_quotedbl, VK_OEM_7},
    };
    return keys;
}

} // namespace

UINT virtualKeyOf(unsigned long keysym)
{
    if (keysym >= XK_a && keysym <= XK_z) return (UINT)(keysym - XK_a + 'A');
    if (keysym >= XK_A && keysym <= XK_Z) return (UINT)keysym;
    if (keysym >= XK_0 && keysym <= XK_9) return (UINT)keysym;
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9) return (UINT)(VK_NUMPAD0 + (keysym - XK_KP_0));
    if (keysym >= XK_F1 && keysym <= XK_F12) return (UINT)(VK_F1 + (keysym - XK_F1));
    const auto it = namedKeys().find(keysym);
    return it == namedKeys().end() ? 0 : it->second;
}

bool isCommandKey(UINT vk)
{
    switch (vk) {
    case VK_BACK: case VK_TAB: case VK_RETURN: case VK_ESCAPE: case VK_SHIFT: case VK_CONTROL: case VK_MENU:
    case VK_CAPITAL: case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME: case VK_LEFT: case VK_UP:
    case VK_RIGHT: case VK_DOWN: case VK_INSERT: case VK_DELETE:
        return true;
    default: return vk >= VK_F1 && vk <= VK_F12;
    }
}

} // namespace platform::x11
