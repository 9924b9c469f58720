#include "catalogue/sort_unit_tables.h"

#include <algorithm>

namespace velmar {
namespace {

unsigned char keyCode(char c)
{
    const auto code = static_cast<unsigned char>(c);
    return code >= 'a' && code <= 'z' ? static_cast<unsigned char>(code - 'a' + 'A') : code;
}

} // namespace

// Names are UTF-8, whose bytes compare in code point order; their characters
// beyond ASCII all lie in Latin-1, so this is the order of the single-byte
// character codes the names were first written in.
bool UnitNameKeyLess(std::string_view left, std::string_view right)
{
    return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(),
                                        [](char l, char r) { return keyCode(l) < keyCode(r); });
}

void SortUnitTables(UnitCatalogue& catalogue)
{
    for (int category = 0; category < CategoryCount; ++category)
        std::ranges::sort(catalogue.table(category), UnitNameKeyLess, &UnitEntry::Name);
}

} // namespace velmar
