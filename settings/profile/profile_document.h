#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

// A text value reads back cut to this many characters.
inline constexpr std::size_t MaxProfileValueCharacters = 1023;

// The settings file in memory: its lines as they were read, changed one key at
// a time and written back whole. Every line the program does not write keeps
// its bytes and its place, whatever they are (comments, unknown sections and
// keys, text that is not UTF-8).
//
// A line that is not UTF-8 is read as Windows-1252, the encoding of files
// carried over from Windows, so that names such as "m²" and "°C" read as
// their characters. It keeps its bytes unless the program gives one of its
// keys another value, which writes the line anew in UTF-8.
//
// Names are matched without regard to ASCII case and without blanks around
// them. When a section or a key appears more than once, the first one is read
// and written. Lines before the first section belong to no section.
//
// Line ends: "\n" and "\r\n" are both read; lines the program adds or changes
// end the way the file's first line does ("\n" for a new file). A UTF-8 byte
// order mark at the start is kept.
class ProfileDocument {
public:
    ProfileDocument() = default;
    explicit ProfileDocument(std::string_view bytes);

    std::string toBytes() const;

    // A missing key reads as the default. Text reads back cut to
    // MaxProfileValueCharacters characters. Integers follow
    // parseProfileInteger(); a malformed one reads as the default. A boolean
    // is an integer read with 1 or 0 as default: any non-zero value is true.
    std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    std::int32_t readInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // An existing key gets its new value in place (its line is left untouched
    // when the value is the same); a new key goes after the last non-blank
    // line of its section; a new section goes at the end of the file, after a
    // blank line. Integers are written in signed decimal, booleans "1" or "0".
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, std::int32_t value);
    void writeBool(std::string_view section, std::string_view key, bool value);

private:
    struct Line {
        std::string text;        // UTF-8, without its line end
        std::string_view ending; // "\n", "\r\n", or "" for a last line without one
        // The bytes read, when they were not UTF-8 and `text` holds them read
        // as Windows-1252; gone once the program rewrites the line.
        std::optional<std::string> foreignBytes;
    };

    // Line indices: a section's header and the end of its lines (the next
    // header, or the end of the file).
    struct SectionLines {
        std::size_t header;
        std::size_t end;
    };

    std::optional<SectionLines> findSection(std::string_view name) const;
    std::optional<std::size_t> findKey(SectionLines section, std::string_view name) const;
    std::optional<std::string_view> storedValue(std::string_view section, std::string_view key) const;
    void appendReadLine(std::string_view bytes, std::string_view ending);
    std::size_t endOfContent(SectionLines section) const;
    void insertLine(std::size_t index, std::string text);

    std::vector<Line> lines_;
    std::string_view lineEnd_ = "\n";
    bool byteOrderMark_ = false;
};

} // namespace velmar
