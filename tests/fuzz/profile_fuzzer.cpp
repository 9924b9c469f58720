// The settings file's INI layer on any bytes: it reads them back unchanged;
// every key the program uses, written back with the value read (as a load
// followed by a save does), reads back the same after the new bytes are
// parsed again; and every line that holds none of those keys survives in
// its order.
#include <algorithm>
#include <string>
#include <vector>

#include "settings/profile/profile_document.h"
#include "settings/settings_keys.h"
#include "tests/fuzz/fuzz_support.h"

namespace velmar::fuzz {
namespace {

using namespace settings_keys;

struct ProgramKey {
    std::string Section;
    std::string Key;
    bool IsText;
};

std::vector<ProgramKey> programKeys()
{
    const std::string main(MainSection);
    std::vector<ProgramKey> keys;
    for (const auto& [key, text] : Notice)
        keys.push_back({main, std::string(key), true});
    for (const std::string_view key :
         {TabIndex, FormTop, FormLeft, FormWidth, FormHeight, IsMaximized, ViewType, Precision, SortedUnitLists})
        keys.push_back({main, std::string(key), false});
    for (const std::string_view prefix : {TextFontPrefix, TabFontPrefix}) {
        keys.push_back({main, FontKey(prefix, FontName), true});
        for (const std::string_view attribute : {FontSize, FontColor, FontBold, FontItalic})
            keys.push_back({main, FontKey(prefix, attribute), false});
    }
    keys.push_back({std::string(IndexTabsSection), std::string(TabCount), false});
    for (int position = 1; position <= CategoryCount; ++position)
        keys.push_back({std::string(IndexTabsSection), std::to_string(position), true});
    for (const int category : CategorySectionOrder) {
        const std::string section(categoryInfo(category).SectionName);
        if (KeepsSourcePosition(category))
            keys.push_back({section, std::string(FormatIn), false});
        keys.push_back({section, std::string(FormatOut), false});
        keys.push_back({section, std::string(ValueIn), true});
    }
    return keys;
}

const std::vector<ProgramKey>& keys()
{
    static const std::vector<ProgramKey> all = programKeys();
    return all;
}

std::vector<std::string> readValues(const ProfileDocument& profile)
{
    std::vector<std::string> values;
    for (const ProgramKey& key : keys()) {
        values.push_back(key.IsText ? profile.readString(key.Section, key.Key, "")
                                    : std::to_string(profile.readInteger(key.Section, key.Key, 0)));
    }
    return values;
}

void writeValues(ProfileDocument& profile, const std::vector<std::string>& values)
{
    for (std::size_t i = 0; i < keys().size(); ++i) {
        const ProgramKey& key = keys()[i];
        if (key.IsText)
            profile.writeString(key.Section, key.Key, values[i]);
        else
            profile.writeInteger(key.Section, key.Key, std::stoi(values[i]));
    }
}

// A value is one line: the layer stores each carriage return as a blank.
std::string asStored(std::string value)
{
    std::ranges::replace(value, '\r', ' ');
    return value;
}

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// Whether the line may name one of the program's keys: the text before its
// first "=", without blanks around it, matches a key name in any case.
bool mayHoldProgramKey(std::string_view line)
{
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    std::string_view name = line.substr(0, equals);
    const auto first = name.find_first_not_of(" \t");
    const auto last = name.find_last_not_of(" \t");
    name = first == std::string_view::npos ? std::string_view() : name.substr(first, last - first + 1);
    static const std::vector<std::string> lowerKeyNames = [] {
        std::vector<std::string> names;
        for (const ProgramKey& key : keys())
            names.push_back(lowerAscii(key.Key));
        return names;
    }();
    return std::ranges::find(lowerKeyNames, lowerAscii(name)) != lowerKeyNames.end();
}

// The lines without their line ends: "\n" and the carriage returns before
// it. A line's final carriage returns are compared as part of its line end,
// since a last line without "\n" gets the file's line end when a line is
// added after it, and its "\r" then reads as one.
std::vector<std::string_view> linesOf(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        while (line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return lines;
}

void checkOtherLinesSurvive(std::string_view before, std::string_view after)
{
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (before.starts_with(ByteOrderMark)) {
        if (!after.starts_with(ByteOrderMark))
            fail("the byte order mark was lost", after);
        before.remove_prefix(ByteOrderMark.size());
        after.remove_prefix(ByteOrderMark.size());
    }
    const std::vector<std::string_view> afterLines = linesOf(after);
    auto next = afterLines.begin();
    for (const std::string_view line : linesOf(before)) {
        if (mayHoldProgramKey(line))
            continue;
        next = std::find(next, afterLines.end(), line);
        if (next == afterLines.end())
            fail("a line the program does not write was lost or moved", line);
        ++next;
    }
}

} // namespace
} // namespace velmar::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar::fuzz;
    const std::string_view bytes = FuzzInput(data, size).rest();
    velmar::ProfileDocument profile(bytes);
    if (profile.toBytes() != bytes)
        fail("the bytes read do not write back unchanged", profile.toBytes());

    const std::vector<std::string> values = readValues(profile);
    writeValues(profile, values);
    const std::string saved = profile.toBytes();
    const std::vector<std::string> valuesAgain = readValues(velmar::ProfileDocument(saved));
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (valuesAgain[i] != asStored(values[i]))
            fail("key " + keys()[i].Section + "/" + keys()[i].Key + " reads back differently", valuesAgain[i]);
    }
    checkOtherLinesSurvive(bytes, saved);
    return 0;
}
