#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmar {

struct ShellWords {
    std::vector<std::string> Words;
    std::string Failure; // empty when the line splits
};

// Splits a line of the interactive mode into words as a shell splits a
// command line, so that a line reads like the arguments it stands for:
// blanks (spaces and tabs) separate words; 'single quotes' keep everything
// as it stands; "double quotes" keep everything but \" \\ \$ and \`, whose
// backslash goes; outside quotes a backslash keeps the character after it
// (a backslash that ends the line stays). Quoted text joins the text beside
// it, and "" is an empty word. An unclosed quote is a failure.
ShellWords SplitShellWords(std::string_view line);

} // namespace velmar
