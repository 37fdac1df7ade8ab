#include "Gallery.h"

#include <cstdio>
#include <fstream>

Gallery::Gallery(std::filesystem::path folder) : m_folder(std::move(folder))
{
    std::filesystem::create_directories(m_folder);
}

std::string Gallery::escape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

void Gallery::beginPage(const std::string& title, const std::string& intro)
{
    m_body += "<section><h2>" + escape(title) + "</h2>\n<p>" + escape(intro) + "</p>\n";
}

void Gallery::paragraph(const std::string& text)
{
    m_body += "<p>" + escape(text) + "</p>\n";
}

std::string Gallery::cssColour(long c)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", (unsigned)(c & 0xff), (unsigned)((c >> 8) & 0xff),
                  (unsigned)((c >> 16) & 0xff));
    return buf;
}

void Gallery::table(const std::vector<std::string>& header, const std::vector<std::vector<Cell>>& rows)
{
    m_body += "<table><tr>";
    for (const auto& h : header) m_body += "<th>" + escape(h) + "</th>";
    m_body += "</tr>\n";
    for (const auto& row : rows) {
        m_body += "<tr>";
        for (const auto& cell : row) {
            std::string style;
            if (cell.background >= 0) style += "background:" + cssColour(cell.background) + ";";
            if (cell.foreground >= 0) style += "color:" + cssColour(cell.foreground) + ";";
            m_body += (style.empty() ? "<td>" : "<td style=\"" + style + "\">") + escape(cell.text) + "</td>";
        }
        m_body += "</tr>\n";
    }
    m_body += "</table>\n";
}

void Gallery::picture(const std::string& fileName, const std::string& caption)
{
    m_body += "<figure><img src=\"" + escape(fileName) + "\" alt=\"" + escape(caption) +
              "\"><figcaption>" + escape(caption) + "</figcaption></figure>\n";
}

void Gallery::link(const std::string& fileName, const std::string& caption)
{
    m_body += "<p><a href=\"" + escape(fileName) + "\">" + escape(caption) + "</a></p>\n";
}

void Gallery::coloredLines(const std::vector<std::pair<std::string, unsigned>>& lines)
{
    m_body += "<pre class=\"lines\">";
    for (const auto& [text, color] : lines) {
        char css[8];
        std::snprintf(css, sizeof css, "#%02x%02x%02x", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
        m_body += std::string("<span style=\"color:") + css + "\">" + escape(text) + "</span>\n";
    }
    m_body += "</pre>\n";
}

bool Gallery::write() const
{
    std::ofstream out(file("index.html"));
    out << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>vorel demo</title>\n"
           "<style>body{font-family:sans-serif;margin:2em;max-width:70em}"
           "section{border-top:1px solid #ccc;margin-top:2em}"
           "table{border-collapse:collapse}td,th{border:1px solid #bbb;padding:.2em .6em}"
           "figure{display:inline-block;margin:1em}"
           "pre.lines{border:1px solid #bbb;padding:.4em;background:#fff}</style></head><body>\n"
           "<h1>vorel: building blocks for structural-engineering applications</h1>\n"
        << m_body << "</body></html>\n";
    return (bool)out;
}
