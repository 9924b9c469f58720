// Writes the query name table (cli/query_name_table.h) as C++ source: every
// display name, curated alias and derived spelling of every unit, and their
// case-folded forms, sorted for binary search. Gathering them took most of a
// one-shot conversion's time when it was done at every start.
//
// Usage: generate_query_name_table OUTPUT.cpp

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <limits>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalogue/unit_aliases.h"
#include "catalogue/unit_catalogue.h"
#include "cli/case_folding.h"

namespace {

using namespace velmar;

constexpr int SeveralUnitsMark = -1; // as SeveralUnits in the table

struct SuggestedName {
    std::string Text;
    int Position;
};

struct CategoryNames {
    std::map<std::string, int> Exact;  // name to position; the first of equal names wins
    std::map<std::string, int> Folded; // folded name to position, or SeveralUnitsMark
    std::vector<SuggestedName> Suggested;
};

enum class Kind { Suggested, Derived };

void add(CategoryNames& names, std::string_view name, int position, Kind kind)
{
    if (!names.Exact.try_emplace(std::string(name), position).second)
        return;
    const auto [entry, inserted] = names.Folded.try_emplace(FoldCase(name), position);
    if (!inserted && entry->second != position)
        entry->second = SeveralUnitsMark;
    if (kind == Kind::Suggested)
        names.Suggested.push_back({std::string(name), position});
}

// Display names come first so that they shadow aliases; derived spellings
// come last and are never suggested, since they would crowd out other units.
CategoryNames gather(const UnitCatalogue& catalogue, int category)
{
    CategoryNames names;
    const std::vector<UnitEntry>& table = catalogue.table(category);
    for (std::size_t position = 0; position < table.size(); ++position)
        add(names, table[position].Name, static_cast<int>(position), Kind::Suggested);
    for (const UnitAliasLine& line : UnitAliasLines()) {
        if (line.Category != category)
            continue;
        const int position = names.Exact.at(std::string(line.Unit));
        for (const std::string_view alias : AliasesOf(line))
            add(names, alias, position, Kind::Suggested);
    }
    for (std::size_t position = 0; position < table.size(); ++position) {
        for (const std::string& spelling : DerivedSpellingsOf(category, table[position].Name))
            add(names, spelling, static_cast<int>(position), Kind::Derived);
    }
    return names;
}

// Every text once, in one character array: entries point into it by offset.
class NamePool {
public:
    std::size_t offsetOf(const std::string& text)
    {
        const auto [entry, inserted] = offsets_.try_emplace(text, characters_.size());
        if (inserted)
            characters_ += text;
        return entry->second;
    }

    // A C++ string literal; bytes outside printable ASCII as octal escapes,
    // which never run into the digit after them.
    std::string literal() const
    {
        std::string text = "\"";
        for (std::size_t i = 0; i < characters_.size(); ++i) {
            const auto byte = static_cast<unsigned char>(characters_[i]);
            if (byte == '"' || byte == '\\' || byte == '?') {
                text += '\\';
                text += static_cast<char>(byte);
            } else if (byte >= 0x20 && byte < 0x7F) {
                text += static_cast<char>(byte);
            } else {
                char escape[5];
                std::snprintf(escape, sizeof escape, "\\%03o", byte);
                text += escape;
            }
            if (i % 64 == 63)
                text += "\"\n    \"";
        }
        return text + "\"";
    }

private:
    std::map<std::string, std::size_t> offsets_;
    std::string characters_;
};

// One array of entries for all categories, and where each category's run starts.
class EntryList {
public:
    explicit EntryList(std::string name)
        : name_(std::move(name))
    { }

    void add(NamePool& pool, const std::string& text, int position)
    {
        if (text.size() > std::numeric_limits<std::uint16_t>::max())
            throw std::length_error("a unit name too long for the table: " + text);
        rows_ += "    {" + std::to_string(pool.offsetOf(text)) + ", " + std::to_string(text.size()) + ", "
            + std::to_string(position) + "},\n";
        ++count_;
    }

    void startCategory() { starts_.push_back(count_); }

    // The span of category `category`, as a C++ expression.
    std::string span(std::size_t category) const
    {
        const std::size_t end = category + 1 < starts_.size() ? starts_[category + 1] : count_;
        return "{" + name_ + " + " + std::to_string(starts_[category]) + ", " + std::to_string(end - starts_[category])
            + "}";
    }

    std::string definition() const { return "constexpr QueryNameEntry " + name_ + "[] = {\n" + rows_ + "};\n"; }

private:
    std::string name_;
    std::string rows_;
    std::size_t count_ = 0;
    std::vector<std::size_t> starts_;
};

std::string tableSource()
{
    const UnitCatalogue catalogue;
    NamePool pool;
    EntryList exact("ExactNames");
    EntryList folded("FoldedNames");
    EntryList suggested("SuggestedNames");
    for (int category = 0; category < CategoryCount; ++category) {
        const CategoryNames names = gather(catalogue, category);
        exact.startCategory();
        folded.startCategory();
        suggested.startCategory();
        for (const auto& [name, position] : names.Exact)
            exact.add(pool, name, position);
        for (const auto& [name, position] : names.Folded)
            folded.add(pool, name, position);
        for (const SuggestedName& name : names.Suggested)
            suggested.add(pool, name.Text, name.Position);
    }

    std::string source = "// Written by generate_query_name_table from the unit tables and the alias table.\n"
                         "#include \"cli/query_name_table.h\"\n\n"
                         "namespace velmar {\nnamespace {\n\n";
    source += exact.definition() + "\n" + folded.definition() + "\n" + suggested.definition();
    source += "\n} // namespace\n\nconst char QueryNamePool[] = " + pool.literal() + ";\n\n";
    source += "const std::array<CategoryQueryNames, CategoryCount> QueryNameTable{{\n";
    for (std::size_t category = 0; category < CategoryCount; ++category)
        source
            += "    {" + exact.span(category) + ", " + folded.span(category) + ", " + suggested.span(category) + "},\n";
    return source + "}};\n\n} // namespace velmar\n";
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: generate_query_name_table OUTPUT.cpp\n", stderr);
        return 2;
    }
    std::ofstream output(argv[1], std::ios::binary);
    output << tableSource();
    output.close();
    if (!output) {
        std::fprintf(stderr, "generate_query_name_table: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
