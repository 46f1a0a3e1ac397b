#pragma once

#include <set>
#include <string>
#include <vector>

// Reading the lesson pages as a reader sees them: tags dropped, entities
// decoded, runs of white space (non-breaking ones too) folded to one blank.
namespace pagetext {

using Row = std::vector<std::string>;

// The page's HTML from data/html; empty, with a test failure, if it is missing.
std::string readPage(const std::string& name);

// The text of an HTML fragment as it reads on screen.
std::string visibleText(const std::string& html);

// The body rows of <table id="id">, each cell as visible text; header rows
// (th only) are left out. Empty if the page has no such table.
std::vector<Row> tableRows(const std::string& html, const std::string& id);

// Every figure written as "<number> %" in the text, as it stands ("11.8").
std::vector<std::string> percentFigures(const std::string& text);

// Every figure written as "<number> to 1" in the text, with " on" kept when
// it follows ("7.5 to 1", "1.2 to 1 on").
std::vector<std::string> oddsFigures(const std::string& text);

// The visible text between the heading that starts with `headingStart` and
// the next heading of any level.
std::string section(const std::string& html, const std::string& headingStart);

}  // namespace pagetext
