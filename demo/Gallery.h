#pragma once
// The demo's output folder and its index.html: one section per page, each with
// text, tables, pictures and links to the files the library wrote.
#include <filesystem>
#include <string>
#include <vector>

class Gallery {
public:
    // A table cell: text, optionally on a background colour or in a text colour
    // (COLORREF values; -1 for none).
    struct Cell {
        Cell(std::string t) : text(std::move(t)) {}
        Cell(const char* t) : text(t) {}
        Cell(std::string t, long back, long fore = -1) : text(std::move(t)), background(back), foreground(fore) {}
        std::string text;
        long background = -1;
        long foreground = -1;
    };

    explicit Gallery(std::filesystem::path folder);

    const std::filesystem::path& folder() const { return m_folder; }
    std::filesystem::path file(const std::string& name) const { return m_folder / name; }

    void beginPage(const std::string& title, const std::string& intro);
    void paragraph(const std::string& text);
    void table(const std::vector<std::string>& header, const std::vector<std::vector<Cell>>& rows);
    void picture(const std::string& fileName, const std::string& caption);
    void link(const std::string& fileName, const std::string& caption);
    // Text lines, each in its colour (COLORREF, 0x00BBGGRR), as a list shows them.
    void coloredLines(const std::vector<std::pair<std::string, unsigned>>& lines);
    // Writes index.html; true when it was written.
    bool write() const;

    static std::string escape(const std::string& text);
    static std::string cssColour(long colorref);

private:
    std::filesystem::path m_folder;
    std::string m_body;
};
