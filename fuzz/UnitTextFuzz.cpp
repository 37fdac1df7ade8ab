// Display-unit texts as a user types them into a cell, read back to SI for every
// quantity kind in both unit systems: any text gives a result code, and a value
// only with QR_OK, finite; nothing else may happen.
#include "units/Qemet.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

constexpr qemet::QEMET_TYPES kKinds[] = {
    qemet::QT_NUMBER,       qemet::QT_LENGTH,       qemet::QT_SECTION_SIZE, qemet::QT_LEGEND_LENGTH,
    qemet::QT_DISPLACEMENT, qemet::QT_COVER,        qemet::QT_THICKNESS,    qemet::QT_BAR_SPACING,
    qemet::QT_SECTION_AREA, qemet::QT_SURFACE_AREA, qemet::QT_BAR_AREA,     qemet::QT_BAR_DIAMETER,
    qemet::QT_REINF_AREA};

// The bytes as wide characters, two bytes each, so that any code unit can occur.
std::wstring wideText(const uint8_t* data, size_t size)
{
    std::wstring text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text.push_back((wchar_t)(data[i] | data[i + 1] << 8));
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::wstring text = wideText(data, size);
    const qemet::Qemet units;
    for (auto system : {qemet::US_METRIC, qemet::US_IMPERIAL}) {
        qemet::Qemet::SetUnitSystem(system);
        for (auto kind : kKinds) {
            const double untouched = -12345.5;
            double value = untouched;
            const int result = units.CnvUnitSIToDouble(value, kind, text.c_str(), qemet::BU_DISPLAY);
            if (result != qemet::QR_OK && value != untouched)
                std::abort(); // a failure must leave the result alone
            if (result == qemet::QR_OK && !std::isfinite(value))
                std::abort();
        }
    }
    qemet::Qemet::SetUnitSystem(qemet::US_METRIC);
    return 0;
}
