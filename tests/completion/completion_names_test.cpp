#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "catalogue/unit_aliases.h"
#include "catalogue/unit_catalogue.h"

namespace {

using namespace velmar;

// The generated bash file's lists as bash reads them: "category", every
// catalogue index and "all", each with its names.
std::map<std::string, std::vector<std::string>> BashLists()
{
    const std::string script
        = "source \"$1\"; "
          "for name in \"${_velmar_convert_categories[@]}\"; do printf 'category\\t%s\\n' \"$name\"; done; "
          "for ((i = 0; i < ${#_velmar_convert_categories[@]}; i++)); do "
          "  list=\"_velmar_convert_units_$i[@]\"; "
          "  for name in \"${!list}\"; do printf '%s\\t%s\\n' \"$i\" \"$name\"; done; "
          "done; "
          "for name in \"${_velmar_convert_units[@]}\"; do printf 'all\\t%s\\n' \"$name\"; done";
    std::string quotedScript = "'";
    for (const char c : script)
        quotedScript += c == '\'' ? std::string("'\\''") : std::string(1, c);
    const std::string command = "bash -c " + quotedScript + "' bash '" VELMAR_BASH_COMPLETION "'";

    std::map<std::string, std::vector<std::string>> lists;
    const std::unique_ptr<FILE, int (*)(FILE*)> output(popen(command.c_str(), "r"), pclose);
    if (!output)
        return lists;
    std::string line;
    for (int c; (c = std::fgetc(output.get())) != EOF;) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        const std::size_t tab = line.find('\t');
        lists[line.substr(0, tab)].push_back(line.substr(tab + 1));
        line.clear();
    }
    return lists;
}

// Every display name and curated alias is offered in its category and among
// all units, and each at most once there: a unit added to the catalogue
// or the alias table without the file being written again shows here.
TEST(BashCompletionNames, NameEveryCategoryUnitAndAlias)
{
    const std::map<std::string, std::vector<std::string>> lists = BashLists();
    ASSERT_FALSE(lists.empty()) << "bash could not read " VELMAR_BASH_COMPLETION;

    std::vector<std::string> categories;
    for (int category = 0; category < CategoryCount; ++category)
        categories.emplace_back(categoryInfo(category).DisplayName);
    EXPECT_EQ(lists.at("category"), categories);

    const std::vector<std::string>& all = lists.at("all");
    const std::set<std::string> allNames(all.begin(), all.end());
    EXPECT_EQ(allNames.size(), all.size()) << "a name is offered twice among all units";

    const UnitCatalogue catalogue;
    for (int category = 0; category < CategoryCount; ++category) {
        const std::vector<std::string>& offered = lists.at(std::to_string(category));
        const std::set<std::string> names(offered.begin(), offered.end());
        std::vector<std::string> expected;
        for (const UnitEntry& unit : catalogue.table(category))
            expected.emplace_back(unit.Name);
        for (const UnitAliasLine& line : UnitAliasLines()) {
            if (line.Category == category) {
                for (const std::string_view alias : AliasesOf(line))
                    expected.emplace_back(alias);
            }
        }
        for (const std::string& name : expected) {
            EXPECT_TRUE(names.contains(name)) << categories[category] << " does not offer " << name;
            EXPECT_TRUE(allNames.contains(name)) << "all units lack " << name;
        }
    }
}

} // namespace
