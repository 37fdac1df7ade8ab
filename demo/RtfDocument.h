#pragma once
// An exported RTF document in the gallery: the file, linked, and a picture of
// it as a word processor shows it (LibreOffice Writer to PDF, pdftoppm to
// PNG) where those are installed (scripts/install-check-deps.sh); the page
// says so where they are not.
#include "Gallery.h"

#include "win/kernel/String.h"

void showRtfDocument(Gallery& g, const std::string& fileName, const CString& rtf, const std::string& caption);
