#include "PageText.h"

#include <fstream>
#include <regex>
#include <sstream>

#include <gtest/gtest.h>

namespace pagetext {

std::string readPage(const std::string& name) {
    const std::string path = std::string(TUTOR_DATA_DIR) + "/html/" + name;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        ADD_FAILURE() << "cannot read " << path;
        return {};
    }
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

std::string visibleText(const std::string& html) {
    static const std::regex head("<head>[\\s\\S]*?</head>", std::regex::icase);
    static const std::regex tag("<[^>]*>");
    std::string text = std::regex_replace(html, head, " ");
    text = std::regex_replace(text, tag, " ");

    static const std::pair<const char*, const char*> entities[] = {
        {"&nbsp;", " "},  {"\xC2\xA0", " "}, {"&lt;", "<"},  {"&gt;", ">"},
        {"&quot;", "\""}, {"&#39;", "'"},    {"&amp;", "&"},
    };
    for (const auto& [from, to] : entities) {
        const std::string f = from;
        for (std::size_t at = text.find(f); at != std::string::npos; at = text.find(f, at)) {
            text.replace(at, f.size(), to);
            at += std::string(to).size();
        }
    }

    std::string folded;
    bool blank = true;
    for (char c : text) {
        const bool space = c == ' ' || c == '\n' || c == '\t' || c == '\r';
        if (space) {
            if (!blank) folded += ' ';
            blank = true;
        } else {
            folded += c;
            blank = false;
        }
    }
    if (!folded.empty() && folded.back() == ' ') folded.pop_back();
    return folded;
}

std::vector<Row> tableRows(const std::string& html, const std::string& id) {
    const std::string open = "<table id=\"" + id + "\"";
    const std::size_t start = html.find(open);
    if (start == std::string::npos) return {};
    const std::size_t end = html.find("</table>", start);
    const std::string table = html.substr(start, end - start);

    static const std::regex row("<tr[^>]*>([\\s\\S]*?)</tr>");
    static const std::regex cell("<td[^>]*>([\\s\\S]*?)</td>");
    std::vector<Row> rows;
    for (std::sregex_iterator r(table.begin(), table.end(), row), e; r != e; ++r) {
        const std::string inner = (*r)[1];
        Row cells;
        for (std::sregex_iterator c(inner.begin(), inner.end(), cell); c != e; ++c)
            cells.push_back(visibleText((*c)[1]));
        if (!cells.empty()) rows.push_back(cells);
    }
    return rows;
}

namespace {

std::vector<std::string> allMatches(const std::string& text, const std::regex& pattern) {
    std::vector<std::string> found;
    for (std::sregex_iterator m(text.begin(), text.end(), pattern), e; m != e; ++m)
        found.push_back((*m)[1]);
    return found;
}

}  // namespace

std::vector<std::string> percentFigures(const std::string& text) {
    static const std::regex percent("(\\d[\\d,]*(?:\\.\\d+)?) ?%");
    return allMatches(text, percent);
}

std::vector<std::string> oddsFigures(const std::string& text) {
    static const std::regex odds("(\\d[\\d,]*(?:\\.\\d+)? to 1(?: on)?)\\b");
    return allMatches(text, odds);
}

std::string section(const std::string& html, const std::string& headingStart) {
    // The headings in document order; the section runs from the one whose
    // text starts with headingStart (taken literally) to the next.
    static const std::regex heading("<h[1-6][^>]*>([^<]*)");
    std::vector<std::pair<std::size_t, std::string>> headings;
    for (std::sregex_iterator m(html.begin(), html.end(), heading), e; m != e; ++m)
        headings.emplace_back(static_cast<std::size_t>(m->position(0)), visibleText((*m)[1]));
    for (std::size_t i = 0; i < headings.size(); ++i) {
        if (headings[i].second.rfind(headingStart, 0) != 0) continue;
        const std::size_t from = headings[i].first;
        const std::size_t to = i + 1 < headings.size() ? headings[i + 1].first : html.size();
        return visibleText(html.substr(from, to - from));
    }
    return {};
}

}  // namespace pagetext
