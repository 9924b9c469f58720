#include "dialogs/reference/help_pages/unit_pages.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

#include "catalogue/unit_definitions.h"
#include "engine/unit_definition_text.h"

namespace velmar {
namespace {

std::string escaped(std::string_view text)
{
    std::string result;
    for (char c : text) {
        switch (c) {
        case '&':
            result += "&amp;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        case '"':
            result += "&quot;";
            break;
        default:
            result += c;
        }
    }
    return result;
}

std::string unitAnchor(int position)
{
    return "unit-" + std::to_string(position);
}

std::string pageStart(std::string_view title)
{
    return "<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + escaped(title)
        + "</title>\n<link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\">\n</head>\n<body>\n";
}

const std::string PageEnd = "</body>\n</html>\n";

std::string pageTitle(int category)
{
    return std::string(categoryInfo(category).DisplayName) + " units";
}

// The unit a linear category converts through: the first with factor 1.
const UnitEntry& referenceUnit(const UnitCatalogue& catalogue, int category)
{
    const auto& table = catalogue.table(category);
    return *std::find_if(table.begin(), table.end(), [](const UnitEntry& unit) { return unit.Factor == 1.0L; });
}

std::string kindIntroduction(const UnitCatalogue& catalogue, int category)
{
    const std::string count = std::to_string(catalogue.tableSize(category));
    switch (categoryInfo(category).Kind) {
    case CategoryKind::Linear: {
        const std::string reference = escaped(referenceUnit(catalogue, category).Name);
        return "<p>This category offers " + count + " units. Every conversion passes through the " + reference
            + ". The right-hand column tells what one of each unit is in " + escaped(DefinitionUnitName(category))
            + ", converted from the same factors and written as AutoFormat writes results.</p>\n";
    }
    case CategoryKind::Temperature:
        return "<p>The five temperature scales are converted with their own formulas rather than a "
               "single factor; see <a href=\"special_categories.html#temperature\">Temperature</a>.</p>\n";
    case CategoryKind::NumberBase:
        return "<p>Whole numbers from 0 to 2147483647 are converted between " + count
            + " number "
              "systems; see <a href=\"special_categories.html#numbers\">Numbers</a> for what each one "
              "accepts.</p>\n";
    case CategoryKind::Fraction:
        return "<p>A decimal number is turned into an exact fraction, written in one of these two "
               "forms; see <a href=\"special_categories.html#fractions\">Fractions</a>.</p>\n";
    }
    return {};
}

// The notes of a category's units in table order, each text once; a unit
// refers to its note by number.
class NoteList {
public:
    // The note's number (from 1), or 0 for a unit without a note.
    int numberFor(int category, std::string_view unitName)
    {
        const std::string_view note = UnitNote(category, unitName);
        if (note.empty())
            return 0;
        const auto known = std::find(notes_.begin(), notes_.end(), note);
        if (known != notes_.end())
            return static_cast<int>(known - notes_.begin()) + 1;
        notes_.push_back(note);
        return static_cast<int>(notes_.size());
    }

    std::string html() const
    {
        if (notes_.empty())
            return {};
        std::string html = "<h2>Notes</h2>\n<ol>\n";
        for (std::size_t index = 0; index < notes_.size(); ++index)
            html += "<li><a name=\"" + noteAnchor(static_cast<int>(index) + 1) + "\"></a>" + escaped(notes_[index])
                + "</li>\n";
        return html + "</ol>\n";
    }

    static std::string noteAnchor(int number) { return "note-" + std::to_string(number); }

private:
    std::vector<std::string_view> notes_;
};

std::string unitTable(const UnitCatalogue& catalogue, int category, NoteList& notes)
{
    const bool withDefinitions = categoryInfo(category).Kind == CategoryKind::Linear;
    std::string html = "<table>\n<tr><th>No.</th><th>Unit</th>";
    if (withDefinitions)
        html += "<th>One unit is</th>";
    html += "</tr>\n";
    for (int position = 1; position <= catalogue.tableSize(category); ++position) {
        const UnitEntry& unit = catalogue.unit(category, position);
        html += "<tr><td>" + std::to_string(position) + "</td><td><a name=\"" + unitAnchor(position) + "\"></a>"
            + escaped(unit.Name);
        if (const int note = notes.numberFor(category, unit.Name); note != 0) {
            html += " <sup><a href=\"#" + NoteList::noteAnchor(note) + "\">" + std::to_string(note) + "</a></sup>";
        }
        html += "</td>";
        if (withDefinitions)
            html += "<td>" + escaped(UnitDefinitionText(catalogue, category, position)) + "</td>";
        html += "</tr>\n";
    }
    return html + "</table>\n";
}

} // namespace

std::string categoryPageFileName(int category)
{
    std::string name(categoryInfo(category).SectionName);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return "units_" + name + ".html";
}

std::string renderCategoryPage(const UnitCatalogue& catalogue, int category)
{
    NoteList notes;
    const std::string table = unitTable(catalogue, category, notes);
    return pageStart(pageTitle(category)) + "<h1>" + escaped(categoryInfo(category).DisplayName) + "</h1>\n"
        + kindIntroduction(catalogue, category) + table
        + "<p>The unit lists show this order unless <a href=\"menus.html#sort\">Sort Units "
          "Alphabetically</a> is switched on.</p>\n"
        + notes.html() + "<p>See also: <a href=\"categories.html\">Categories and units</a></p>\n" + PageEnd;
}

std::string renderCategoriesPage(const UnitCatalogue& catalogue)
{
    std::string html = pageStart("Categories and units") + "<h1>Categories and units</h1>\n<p>Velmar Converter knows "
        + std::to_string(catalogue.totalUnitCount()) + " units in " + std::to_string(CategoryCount)
        + " categories. Each category has its own tab along the bottom of the window; "
          "choose a category below to see all of its units.</p>\n"
          "<table>\n<tr><th>Category</th><th>Units</th></tr>\n";
    for (int category = 0; category < CategoryCount; ++category) {
        html += "<tr><td><a href=\"" + categoryPageFileName(category) + "\">"
            + escaped(categoryInfo(category).DisplayName) + "</a></td><td>"
            + std::to_string(catalogue.tableSize(category)) + "</td></tr>\n";
    }
    return html
        + "</table>\n<p>Temperature, Numbers and Fractions work differently from the other "
          "categories; see <a href=\"special_categories.html\">Temperature, Numbers and "
          "Fractions</a>.</p>\n"
        + PageEnd;
}

std::string renderCategoryContents()
{
    std::string xml;
    for (int category = 0; category < CategoryCount; ++category) {
        xml += "<section title=\"" + escaped(categoryInfo(category).DisplayName) + "\" ref=\""
            + categoryPageFileName(category) + "\"/>\n";
    }
    return xml;
}

std::string renderUnitKeywords(const UnitCatalogue& catalogue)
{
    std::string xml;
    for (int category = 0; category < CategoryCount; ++category) {
        const std::string page = categoryPageFileName(category);
        xml += "<keyword name=\"" + escaped(categoryInfo(category).DisplayName) + "\" ref=\"" + page + "\"/>\n";
        for (int position = 1; position <= catalogue.tableSize(category); ++position) {
            xml += "<keyword name=\"" + escaped(catalogue.unit(category, position).Name) + "\" ref=\"" + page + "#"
                + unitAnchor(position) + "\"/>\n";
        }
    }
    return xml;
}

} // namespace velmar
