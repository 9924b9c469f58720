#include "cli/named_request.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "cli/int32_text.h"
#include "cli/query_names.h"

namespace velmar {
namespace {

// "20" for the 20th unit of a category, as --list CATEGORY numbers them.
std::optional<int> ListedPosition(std::string_view name, int unitCount)
{
    const std::optional<std::int32_t> number = ParseInt32(name);
    const bool plainDigits = !name.empty() && std::ranges::all_of(name, [](char c) { return c >= '0' && c <= '9'; });
    if (!number || !plainDigits || *number < 1 || *number > unitCount)
        return std::nullopt;
    return *number - 1;
}

class UnitResolver {
public:
    UnitResolver(const CatalogueNames& names, CatalogueNames::Detail detail)
        : names_(names)
        , detail_(detail)
    { }

    // Resolves one unit field into `position`; false (with the failure
    // filled in) when the name matches nothing.
    bool resolve(int category, std::string_view name, std::int32_t& position, std::string& failure) const
    {
        if (name.empty())
            return true;
        NameLookup unit = names_.unit(category, name, detail_);
        if (unit.found()) {
            position = unit.Index;
            return true;
        }
        std::optional<int> other = QueryUnitPosition(category, name);
        if (!other)
            other = ListedPosition(name, names_.unitCount(category));
        if (other) {
            position = *other;
            return true;
        }
        failure = std::move(unit.Failure);
        return false;
    }

private:
    const CatalogueNames& names_;
    CatalogueNames::Detail detail_;
};

} // namespace

ResolvedRequest ResolveNames(const CatalogueNames& names, const NamedRequest& named, CatalogueNames::Detail detail)
{
    ResolvedRequest resolved;
    ConversionRequest& request = resolved.Request;
    request.InputText = named.Input;

    NameLookup category = names.category(named.Category, detail);
    if (!category.found()) {
        resolved.Failure = std::move(category.Failure);
        return resolved;
    }
    request.Category = category.Index;

    const UnitResolver units(names, detail);
    const bool hasSourceUnit = request.Category != FractionsIndex;
    if (hasSourceUnit && !units.resolve(request.Category, named.Source, request.SourcePosition, resolved.Failure))
        return resolved;
    units.resolve(request.Category, named.Target, request.TargetPosition, resolved.Failure);
    return resolved;
}

} // namespace velmar
