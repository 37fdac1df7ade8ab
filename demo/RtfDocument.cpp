#include "RtfDocument.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iostream>

namespace {

// A working folder of its own for LibreOffice's profile and the PDF.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string templ = (std::filesystem::temp_directory_path() / "vorel-demo-XXXXXX").string();
        m_path = mkdtemp(templ.data()) ? templ : std::string();
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

bool run(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

bool installed(const std::string& program)
{
    return run("command -v " + program);
}

// The top of the document's first page at 96 DPI, as LibreOffice lays it out.
bool render(const std::filesystem::path& rtf, const std::filesystem::path& png)
{
    ScratchFolder scratch;
    if (scratch.path().empty())
        return false;
    const std::filesystem::path pdf = scratch.path() / (rtf.stem().string() + ".pdf");
    return run("timeout 300 soffice -env:UserInstallation=file://" +
               (scratch.path() / "profile").string() + " --headless --convert-to pdf --outdir \"" +
               scratch.path().string() + "\" \"" + rtf.string() + "\"") &&
           run("pdftoppm -png -r 96 -f 1 -l 1 -singlefile -x 0 -y 0 -W 794 -H 330 \"" +
               pdf.string() + "\" \"" + (png.parent_path() / png.stem()).string() + "\"");
}

} // namespace

void showRtfDocument(Gallery& g, const std::string& fileName, const CString& rtf, const std::string& caption)
{
    const std::wstring& text = rtf.str();
    std::ofstream(g.file(fileName), std::ios::binary) << std::string(text.begin(), text.end()); // plain ASCII
    g.link(fileName, caption);
    if (!installed("soffice") || !installed("pdftoppm")) {
        std::cout << "no picture of " << fileName << ": LibreOffice Writer or pdftoppm is not installed "
                  << "(scripts/install-check-deps.sh installs them)\n";
        g.paragraph("No picture of " + fileName + " as a word processor shows it: LibreOffice Writer or pdftoppm "
                    "(poppler-utils) is not installed here; scripts/install-check-deps.sh installs them.");
        return;
    }
    const std::string picture = std::filesystem::path(fileName).stem().string() + "-writer.png";
    if (render(g.file(fileName), g.file(picture)))
        g.picture(picture, fileName + " opened in LibreOffice Writer (the top of its first page).");
    else
        g.paragraph("LibreOffice could not turn " + fileName + " into a picture here.");
}
