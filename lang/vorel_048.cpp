// English, the fallback language module.
#include "Layout.h"

namespace {
constexpr lang::Texts english{
    .csvFilter = L"CSV files (*.csv)|*.csv|All files (*.*)|*.*||",
    .colColour = L"Colour",
    .colSpacing = L"Spacing",
    .colMaximum = L"Maximum",
    .colMinimum = L"Minimum",
    .colVisible = L"Visible",
    .paste = L"Paste",
    .notPasted = L"%d cells were not pasted.",
    .gridMenu = L"Grid",
    .selectAll = L"Select &all",
    .copy = L"&Copy",
    .exportCsv = L"&Export as CSV...",
    .scaleMenu = L"Area scale",
    .barsByName = L"Bars by &name",
    .barsByValue = L"Bars by &diameter",
    .autoScale = L"&Automatic scale",
    .removeScale = L"&Remove scale",
    .insertRow = L"&Insert row",
    .arithmetic = L"A&rithmetic scale",
    .geometric = L"&Geometric scale",
    .autoColours = L"Automatic &colours",
    .messagesCaption = L"Messages",
    .ok = L"OK",
    .progress = L"",
    .breakButton = L"&Break",
};
} // namespace

VOREL_EXPORT_RESOURCE_TABLE(lang::Layout<english>::table)
