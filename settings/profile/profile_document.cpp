#include "settings/profile/profile_document.h"

#include "settings/profile/profile_line.h"
#include "settings/profile/profile_text.h"
#include "settings/profile/profile_values.h"
#include "text/utf8.h"
#include "text/windows_1252.h"

namespace velmar {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool isBlankLine(std::string_view text)
{
    return trimProfileBlanks(text).empty();
}

} // namespace

ProfileDocument::ProfileDocument(std::string_view bytes)
{
    if (bytes.starts_with(ByteOrderMark)) {
        byteOrderMark_ = true;
        bytes.remove_prefix(ByteOrderMark.size());
    }
    while (!bytes.empty()) {
        const auto newline = bytes.find('\n');
        if (newline == std::string_view::npos) {
            appendReadLine(bytes, "");
            break;
        }
        std::string_view text = bytes.substr(0, newline);
        std::string_view ending = "\n";
        if (text.ends_with('\r')) {
            text.remove_suffix(1);
            ending = "\r\n";
        }
        appendReadLine(text, ending);
        bytes.remove_prefix(newline + 1);
    }
    if (!lines_.empty() && !lines_.front().ending.empty())
        lineEnd_ = lines_.front().ending;
}

void ProfileDocument::appendReadLine(std::string_view bytes, std::string_view ending)
{
    if (IsWellFormedUtf8(bytes))
        lines_.push_back({std::string(bytes), ending, std::nullopt});
    else
        lines_.push_back({Windows1252ToUtf8(bytes), ending, std::string(bytes)});
}

std::string ProfileDocument::toBytes() const
{
    std::string bytes(byteOrderMark_ ? ByteOrderMark : "");
    for (const Line& line : lines_) {
        bytes += line.foreignBytes ? *line.foreignBytes : line.text;
        bytes += line.ending;
    }
    return bytes;
}

std::optional<ProfileDocument::SectionLines> ProfileDocument::findSection(std::string_view name) const
{
    for (std::size_t header = 0; header < lines_.size(); ++header) {
        const auto headerName = sectionHeaderName(lines_[header].text);
        if (!headerName || !equalsIgnoringCase(*headerName, name))
            continue;
        std::size_t end = header + 1;
        while (end < lines_.size() && !sectionHeaderName(lines_[end].text))
            ++end;
        return SectionLines{header, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> ProfileDocument::findKey(SectionLines section, std::string_view name) const
{
    for (std::size_t index = section.header + 1; index < section.end; ++index) {
        const auto keyName = keyLineName(lines_[index].text);
        if (keyName && equalsIgnoringCase(*keyName, name))
            return index;
    }
    return std::nullopt;
}

std::optional<std::string_view> ProfileDocument::storedValue(std::string_view section, std::string_view key) const
{
    const std::string_view sectionName = checkedSectionName(section);
    const std::string_view keyName = checkedKeyName(key);
    const auto lines = findSection(sectionName);
    if (!lines)
        return std::nullopt;
    const auto index = findKey(*lines, keyName);
    if (!index)
        return std::nullopt;
    const std::string_view value = decodeProfileValue(keyLineStoredValue(lines_[*index].text));
    return firstCharacters(value, MaxProfileValueCharacters);
}

std::string ProfileDocument::readString(std::string_view section, std::string_view key,
                                        std::string_view defaultValue) const
{
    return std::string(storedValue(section, key).value_or(defaultValue));
}

std::int32_t ProfileDocument::readInteger(std::string_view section, std::string_view key,
                                          std::int32_t defaultValue) const
{
    const auto text = storedValue(section, key);
    if (!text)
        return defaultValue;
    return parseProfileInteger(*text).value_or(defaultValue);
}

bool ProfileDocument::readBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::size_t ProfileDocument::endOfContent(SectionLines section) const
{
    std::size_t end = section.end;
    while (end > section.header + 1 && isBlankLine(lines_[end - 1].text))
        --end;
    return end;
}

void ProfileDocument::insertLine(std::size_t index, std::string text)
{
    if (index > 0 && lines_[index - 1].ending.empty())
        lines_[index - 1].ending = lineEnd_;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), Line{std::move(text), lineEnd_, std::nullopt});
}

void ProfileDocument::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string_view sectionName = checkedSectionName(section);
    const std::string_view keyName = checkedKeyName(key);
    const std::string stored = encodeProfileValue(value);

    const auto lines = findSection(sectionName);
    if (!lines) {
        if (!lines_.empty() && !isBlankLine(lines_.back().text))
            insertLine(lines_.size(), "");
        insertLine(lines_.size(), sectionHeaderLine(sectionName));
        insertLine(lines_.size(), keyLine(keyName, stored));
        return;
    }
    const auto index = findKey(*lines, keyName);
    if (!index) {
        insertLine(endOfContent(*lines), keyLine(keyName, stored));
        return;
    }
    Line& line = lines_[*index];
    if (decodeProfileValue(keyLineStoredValue(line.text)) != decodeProfileValue(stored)) {
        line.text = keyLine(*keyLineName(line.text), stored);
        line.foreignBytes.reset();
    }
}

void ProfileDocument::writeInteger(std::string_view section, std::string_view key, std::int32_t value)
{
    writeString(section, key, formatProfileInteger(value));
}

void ProfileDocument::writeBool(std::string_view section, std::string_view key, bool value)
{
    writeString(section, key, value ? "1" : "0");
}

} // namespace velmar
