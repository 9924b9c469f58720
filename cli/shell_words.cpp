#include "cli/shell_words.h"

#include <optional>

namespace velmar {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Inside double quotes a backslash escapes only these, as in a POSIX shell.
bool isEscapableInDoubleQuotes(char c)
{
    return c == '"' || c == '\\' || c == '$' || c == '`';
}

// The position of a byte as the user counts it: in characters, from 1.
std::size_t characterColumn(std::string_view line, std::size_t position)
{
    std::size_t column = 1;
    for (std::size_t i = 0; i < position; ++i) {
        if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80)
            ++column;
    }
    return column;
}

std::string unclosedQuote(std::string_view line, std::size_t position)
{
    const char quote = line[position];
    return std::string("the ") + quote + " at character " + std::to_string(characterColumn(line, position))
        + " is never closed; end the quoted text with another " + quote;
}

} // namespace

ShellWords SplitShellWords(std::string_view line)
{
    ShellWords result;
    std::optional<std::string> word; // engaged once a word has begun, even as ""
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (isBlank(c)) {
            if (word)
                result.Words.push_back(std::move(*word));
            word.reset();
            continue;
        }
        std::string& text = word ? *word : word.emplace();
        if (c == '\\') {
            text += i + 1 < line.size() ? line[++i] : c;
        } else if (c == '\'') {
            const std::size_t close = line.find('\'', i + 1);
            if (close == std::string_view::npos)
                return {{}, unclosedQuote(line, i)};
            text += line.substr(i + 1, close - i - 1);
            i = close;
        } else if (c == '"') {
            const std::size_t open = i;
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] == '\\' && i + 1 < line.size() && isEscapableInDoubleQuotes(line[i + 1]))
                    ++i;
                text += line[i];
            }
            if (i == line.size())
                return {{}, unclosedQuote(line, open)};
        } else {
            text += c;
        }
    }
    if (word)
        result.Words.push_back(std::move(*word));
    return result;
}

} // namespace velmar
