#pragma once
// What the scripted user was asked, as text to compare whole.
#include "win/desktop/ScriptedUser.h"

#include <string>

namespace testsupport {

// The prompts since the last look, one "kind: text" a line ("save: CSV files (*.csv)|...",
// "confirm: table.csv already exists..."); forgets them, and any answer still waiting.
inline std::wstring asked()
{
    static const wchar_t* const kinds[] = {L"modal", L"menu", L"open", L"save", L"confirm", L"colour", L"message"};
    std::wstring s;
    for (const platform::Prompt& p : platform::user().prompts())
        s += std::wstring(kinds[(int)p.kind]) + L": " + (LPCWSTR)p.text + L"\n";
    platform::user().reset();
    return s;
}

} // namespace testsupport
