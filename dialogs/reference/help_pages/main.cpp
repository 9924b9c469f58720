// Build step of the help manual: writes the pages generated from the unit
// catalogue next to the help project, and the project itself from its
// template with the catalogue's contents entries and index keywords filled in.
//
//   velmar_help_pages <project template> <project file to write>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "dialogs/reference/help_pages/unit_pages.h"

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

void replaceMarker(std::string& text, const std::string& marker, const std::string& replacement)
{
    const auto at = text.find(marker);
    if (at == std::string::npos)
        throw std::runtime_error("the help project template lacks the marker " + marker);
    text.replace(at, marker.size(), replacement);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: velmar_help_pages <project template> <project file to write>\n";
        return 2;
    }
    try {
        const velmar::UnitCatalogue catalogue;
        const fs::path project = argv[2];
        const fs::path pages = project.parent_path();

        writeFile(pages / "categories.html", velmar::renderCategoriesPage(catalogue));
        for (int category = 0; category < velmar::CategoryCount; ++category)
            writeFile(pages / velmar::categoryPageFileName(category), velmar::renderCategoryPage(catalogue, category));

        std::string projectText = readFile(argv[1]);
        replaceMarker(projectText, "<!-- unit category sections -->", velmar::renderCategoryContents());
        replaceMarker(projectText, "<!-- unit keywords -->", velmar::renderUnitKeywords(catalogue));
        writeFile(project, projectText);
    } catch (const std::exception& error) {
        std::cerr << "velmar_help_pages: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
