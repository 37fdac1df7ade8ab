// German.
#include "Layout.h"

namespace {
constexpr lang::Texts german{
    .csvFilter = L"CSV-Dateien (*.csv)|*.csv|Alle Dateien (*.*)|*.*||",
    .colColour = L"Farbe",
    .colSpacing = L"Abstand",
    .colMaximum = L"Maximum",
    .colMinimum = L"Minimum",
    .colVisible = L"Sichtbar",
    .paste = L"Einfügen",
    .notPasted = L"%d Zellen wurden nicht eingefügt.",
    .gridMenu = L"Tabelle",
    .selectAll = L"&Alles markieren",
    .copy = L"&Kopieren",
    .exportCsv = L"Als CSV &exportieren...",
    .scaleMenu = L"Flächenskala",
    .barsByName = L"Stäbe nach &Name",
    .barsByValue = L"Stäbe nach &Durchmesser",
    .autoScale = L"&Automatische Skala",
    .removeScale = L"Skala &entfernen",
    .insertRow = L"Zeile &einfügen",
    .arithmetic = L"A&rithmetische Skala",
    .geometric = L"&Geometrische Skala",
    .autoColours = L"Automatische &Farben",
    .messagesCaption = L"Meldungen",
    .ok = L"OK",
    .progress = L"",
    .breakButton = L"A&bbrechen",
};
} // namespace

VOREL_EXPORT_RESOURCE_TABLE(lang::Layout<german>::table)
