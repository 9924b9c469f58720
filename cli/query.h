#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// One value and the unit it is in, as typed; Unit is empty when none is given.
struct QueryPart {
    std::string Value;
    std::string Unit;
};

// A conversion in the order people say it: "5 ft 10 in to cm" is two parts
// and the target "cm".
struct Query {
    std::vector<QueryPart> Parts;
    std::string Target;
};

struct ParsedQuery {
    Query Request;
    std::string Failure; // empty when the words make a query
};

// A word that starts another part, as "10" in "5 ft 10 in". A query's first
// word is always its value, whatever it holds (Roman numerals, hexadecimal).
bool StartsNumber(std::string_view word);

// The words between the source and the target.
inline constexpr std::array<std::string_view, 3> Connectors{"to", "in", "->"};

// One of Connectors.
bool IsConnector(std::string_view word);

// Reads the words of a query, given as separate arguments or as one:
//   VALUE FROM TO                (three words, or three arguments)
//   VALUE FROM to TO             ("in" and "->" work as "to")
//   VALUE FROM VALUE FROM to TO  (parts to add up)
//   VALUE to TO                  (no source unit: Fractions, or a value
//                                 written 0x…, 0o… or 0b…)
// Unit names may be several words ("nautical mile", "fl oz").
ParsedQuery ParseQuery(std::span<const std::string_view> arguments);

} // namespace velmar
