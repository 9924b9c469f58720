#include "cli/named_request.h"

#include <utility>

namespace velmar {
namespace {

// Resolves one unit field into `position`; false (with the failure filled in)
// when the name matches nothing.
bool resolveUnit(const CatalogueNames& names, int category, std::string_view name, CatalogueNames::Detail detail,
                 std::int32_t& position, std::string& failure)
{
    if (name.empty())
        return true;
    NameLookup unit = names.unit(category, name, detail);
    if (!unit.found()) {
        failure = std::move(unit.Failure);
        return false;
    }
    position = unit.Index;
    return true;
}

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

    const bool hasSourceUnit = request.Category != FractionsIndex;
    if (hasSourceUnit
        && !resolveUnit(names, request.Category, named.Source, detail, request.SourcePosition, resolved.Failure))
        return resolved;
    resolveUnit(names, request.Category, named.Target, detail, request.TargetPosition, resolved.Failure);
    return resolved;
}

} // namespace velmar
