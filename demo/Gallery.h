#pragma once
// The demo's output folder and its index.html: one section per page, each with
// text, tables, pictures and links to the files the library wrote.
#include <filesystem>
#include <string>
#include <vector>

class Gallery {
public:
    explicit Gallery(std::filesystem::path folder);

    const std::filesystem::path& folder() const { return m_folder; }
    std::filesystem::path file(const std::string& name) const { return m_folder / name; }

    void beginPage(const std::string& title, const std::string& intro);
    void paragraph(const std::string& text);
    void table(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows);
    void picture(const std::string& fileName, const std::string& caption);
    void link(const std::string& fileName, const std::string& caption);
    // Text lines, each in its colour (COLORREF, 0x00BBGGRR), as a list shows them.
    void coloredLines(const std::vector<std::pair<std::string, unsigned>>& lines);
    // Writes index.html; true when it was written.
    bool write() const;

    static std::string escape(const std::string& text);

private:
    std::filesystem::path m_folder;
    std::string m_body;
};
