// A collector fed arbitrary messages: templates with any "%" sequences, ids that
// name no string, arguments of every kind (texts with any characters, integers,
// quantities of any kind number, NaN and infinities), addOnce and removeAll in any
// order, rendered whole and message by message. Every rendering gives one kind
// per line and nothing else may happen.
#include "reproach/Reproach.h"
#include "win/Afx.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <deque>
#include <string>

namespace {

using NVorel::CReproach;

std::wstring wideText(FuzzedDataProvider& in)
{
    const std::string bytes = in.ConsumeRandomLengthString(64);
    std::wstring text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.push_back((wchar_t)((unsigned char)bytes[i] | (unsigned char)bytes[i + 1] << 8));
    return text;
}

void checkRendering(const CReproach& collector, bool bAll)
{
    CStringArray lines;
    std::vector<CReproach::ERType> kinds;
    collector.add2dlg(&lines, &kinds, bAll);
    if ((size_t)lines.GetSize() != kinds.size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    std::deque<std::wstring> texts; // arguments keep the caller's pointer
    CReproach collector;
    while (in.remaining_bytes() > 0) {
        const auto kind = (CReproach::ERType)in.ConsumeIntegralInRange<int>(0, 4);
        switch (in.ConsumeIntegralInRange<int>(0, 7)) {
        case 0: collector.add(kind, in.ConsumeIntegral<int>()); break;
        case 1: collector.add(kind, CString(texts.emplace_back(wideText(in)).c_str())); break;
        case 2: collector.addOnce(kind, CString(wideText(in).c_str())).arg(in.ConsumeIntegral<int>()); break;
        case 3: collector.add(kind, CString(wideText(in).c_str())).arg(texts.emplace_back(wideText(in)).c_str());
                break;
        case 4: collector.add(kind, CString(wideText(in).c_str()))
                    .arg(in.ConsumeFloatingPoint<double>(), in.ConsumeIntegral<int>())
                    .arg((const wchar_t*)nullptr);
                break;
        case 5: collector.removeAll(in.ConsumeIntegralInRange<int>(0, 3)); break;
        case 6: checkRendering(collector, false); break;
        default: collector.size(kind); break;
        }
    }
    checkRendering(collector, true);
    return 0;
}
