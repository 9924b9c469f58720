#pragma once

#include <string>
#include <vector>

namespace velmar {

// Every word a completion offers, gathered once from the catalogue, the alias
// table and the option table, so that no name is written twice.
struct CompletionWords {
    std::vector<std::string> Categories;         // display names, in catalogue order
    std::vector<std::vector<std::string>> Units; // by catalogue index: display names, then curated aliases
    std::vector<std::string> AllUnits;           // every category's, each name once
    std::vector<std::string> Connectors;         // every word between source and target
    std::vector<std::string> OfferedConnectors;  // those worth offering after a source unit
    std::vector<std::string> Forms;              // the values of --format
    std::vector<std::string> Precisions;         // "0" to the limit of --precision
};

CompletionWords GatherCompletionWords();

// The comment lines a generated file starts with, naming its shell and
// where it comes from.
std::string GeneratedFileNotice(const std::string& shell);

// A word in single quotes for bash and zsh: 'gallon (UK)/day', 'it'\''s'.
std::string PosixQuoted(const std::string& word);

// A word in single quotes for fish, which escapes \ and ' inside them.
std::string FishQuoted(const std::string& word);

// The words quoted and joined by spaces, wrapped after about `width`
// characters onto lines that start with `indent`; `lineEnd` ends each line
// but the last (fish needs " \\" to go on).
std::string QuotedList(const std::vector<std::string>& words, std::string (*quote)(const std::string&),
                       const std::string& indent, const std::string& lineEnd = "", std::size_t width = 100);

} // namespace velmar
