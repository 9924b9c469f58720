#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "settings/profile/profile_document.h"

using namespace velmar;

namespace {

ProfileDocument documentWithValue(const std::string& stored)
{
    return ProfileDocument("[S]\nK=" + stored + "\n");
}

TEST(ProfileDocument, ReadsIntegersAndBooleansByTheProfileRules)
{
    constexpr std::int32_t Default = 77;
    const struct {
        std::string stored;
        std::int32_t expected;
    } cases[] = {
        {"31", 31},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$1F", 31},
        {"\"  12\"", 12},
        {"+5", 5},
        {"-1", -1},
        {"-2147483648", -2147483647 - 1},
        {"$FFFFFFFF", -1},
        {"0x80000005", -2147483643},
        {"12abc", Default},
        {"", Default},
        {"0x", Default},
        {"$", Default},
        {"-", Default},
        {"\"12 \"", Default},
        {"- 5", Default},
        {"0x-1", Default},
        {"-$1", Default},
        {"\" 0x1F\"", Default},
        {"2147483648", Default},
        {"$100000000", Default},
        {"1.5", Default},
    };
    for (const auto& c : cases)
        EXPECT_EQ(documentWithValue(c.stored).readInteger("S", "K", Default), c.expected) << c.stored;
    EXPECT_EQ(ProfileDocument().readInteger("S", "K", Default), Default);

    EXPECT_TRUE(documentWithValue("2").readBool("S", "K", false));
    EXPECT_FALSE(documentWithValue("0").readBool("S", "K", true));
    EXPECT_FALSE(documentWithValue("yes").readBool("S", "K", false));
    EXPECT_TRUE(documentWithValue("yes").readBool("S", "K", true));
}

TEST(ProfileDocument, ReadsTextByNameWithoutRegardToCaseOrBlanks)
{
    const struct {
        std::string file;
        std::string section;
        std::string key;
        std::string expected;
    } cases[] = {
        {"[S]\nK=  hello world \t\n", "S", "K", "hello world"},
        {"[S]\nK=\"  quoted  \"\n", "S", "K", "  quoted  "},
        {"[S]\nK='single'\n", "S", "K", "single"},
        {"[S]\nK=\"mixed'\n", "S", "K", "\"mixed'"},
        {"[S]\nK=\"\n", "S", "K", "\""},
        {"[S]\nK=a=b\n", "S", "K", "a=b"},
        {"[S]\r\n  K  =  crlf\r\n", "S", "K", "crlf"},
        {"[velmar converter]\ntabindex=3\n", "Velmar Converter", "TabIndex", "3"},
        {"[ Length ] trailing\nFormatIn=4\n", "  length", "formatin  ", "4"},
        {"\xEF\xBB\xBF[S]\nK=\xFF\xFE bytes", "S", "K", "\xC3\xBF\xC3\xBE bytes"},
        {"[S]\nK=first\nk=second\n", "S", "K", "first"},
        {"[S]\nK=first\n[s]\nX=other\n", "S", "X", "default"},
        {"K=outside\n[S]\n;K=comment\nK\n[T]\nK=v\n", "S", "K", "default"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProfileDocument(c.file).readString(c.section, c.key, "default"), c.expected) << c.file;
}

TEST(ProfileDocument, CutsLongTextAtWholeCharacters)
{
    const std::string a1021(1021, 'a');
    const std::string euro = "\xE2\x82\xAC";
    const struct {
        std::string stored;
        std::string expected;
    } cases[] = {
        {std::string(1100, 'a'), std::string(1023, 'a')},
        {a1021 + "a" + euro + "b", a1021 + "a" + euro},
        {a1021 + "aa" + euro, a1021 + "aa"},
        // Text that is not UTF-8 is Windows-1252: one character a byte.
        {a1021 + "\xFF\xFE\xFD", a1021 + "\xC3\xBF\xC3\xBE"},
        {a1021 + "\xE2\x82" + "b", a1021 + "\xC3\xA2\xE2\x80\x9A"},
        {a1021 + "a\xC0\xAF", a1021 + "a\xC3\x80"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(documentWithValue(c.stored).readString("S", "K", ""), c.expected) << c.stored.substr(1020);
}

TEST(ProfileDocument, KeepsEveryByteOfAFileItDoesNotChange)
{
    const std::string files[] = {
        "",
        "no section at all",
        "; top\r\nstray=line\n\n[Velmar Converter]\r\n  TabIndex = 3 ; note\n"
        "[Unknown]\nkey\xFF\xFE=\xC3\x28 bad utf-8\n\t\n[Length]\nValueIn=\"  5\"\nnot a key\n[broken\n=x",
        "\xEF\xBB\xBF[A]\r\nx=1\r\n",
    };
    for (const std::string& file : files)
        EXPECT_EQ(ProfileDocument(file).toBytes(), file) << file;
}

TEST(ProfileDocument, WritesInPlaceAndAppendsAtTheEndOfSectionOrFile)
{
    const struct {
        std::string before;
        std::string section;
        std::string key;
        std::string value;
        std::string after;
    } cases[] = {
        {"", "A", "x", "1", "[A]\nx=1\n"},
        {"[a]\nX=1\ny=2\n", "A", "x", "5", "[a]\nX=5\ny=2\n"},
        {"[A]\n  x = 1 ; note\n", "A", "x", "2", "[A]\nx=2\n"},
        {"[A]\nx = \"1\"\n", "A", "x", "1", "[A]\nx = \"1\"\n"},
        {"[A]\nx=1\nx=2\n", "A", "x", "5", "[A]\nx=5\nx=2\n"},
        {"[A]\nx=1\n\n[B]\ny=2\n", "A", "z", "3", "[A]\nx=1\nz=3\n\n[B]\ny=2\n"},
        {"[A]\n;x=1\nnot a key\n[B]\n", "A", "x", "3", "[A]\n;x=1\nnot a key\nx=3\n[B]\n"},
        {"[A]\nx=1\n[a]\nx=2\n", "a", "y", "3", "[A]\nx=1\ny=3\n[a]\nx=2\n"},
        {"; top\nx=9\n[A]", "A", "x", "1", "; top\nx=9\n[A]\nx=1\n"},
        {"[A]\nx=1\n", " B ", " y ", "2", "[A]\nx=1\n\n[B]\ny=2\n"},
        {"[A]\nx=1\n\n", "B", "y", "2", "[A]\nx=1\n\n[B]\ny=2\n"},
        {"[A]\r\nx=1", "B", "y", "2", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n"},
        {"[A]\n", "A", "y", " padded ", "[A]\ny=\" padded \"\n"},
    };
    for (const auto& c : cases) {
        ProfileDocument document(c.before);
        document.writeString(c.section, c.key, c.value);
        EXPECT_EQ(document.toBytes(), c.after) << c.before << " <- " << c.section << '.' << c.key;
    }
}

TEST(ProfileDocument, ValuesReadBackAsWrittenAndStayOnOneLine)
{
    const struct {
        std::string written;
        std::string readBack;
    } cases[] = {
        {"  5", "  5"},
        {"\"\"", "\"\""},
        {"'x'", "'x'"},
        {"[Section]", "[Section]"},
        {"\xC3\xBC\xFF", "\xC3\x83\xC2\xBC\xC3\xBF"}, // not UTF-8, so read as Windows-1252
        {"1\n[Evil]\nTabIndex=9", "1 [Evil] TabIndex=9"},
        {"a\r\nb", "a  b"},
        {"\n", " "},
    };
    for (const auto& c : cases) {
        ProfileDocument document("[A]\nbefore=1\n[B]\nafter=2\n");
        document.writeString("A", "Value", c.written);
        const ProfileDocument reread(document.toBytes());
        EXPECT_EQ(reread.readString("A", "Value", "missing"), c.readBack) << c.written;
        EXPECT_EQ(reread.readString("B", "after", ""), "2") << c.written;
        EXPECT_EQ(reread.readString("Evil", "TabIndex", "none"), "none") << c.written;
    }
}

// A file carried over from Windows: its names are Windows-1252.
TEST(ProfileDocument, ReadsLinesThatAreNotUtf8AsWindows1252)
{
    const std::string file = "[Velmar Converter]\nFont1Name=Caf\xE9 Sans\n[Caf\xE9]\nnote=\x93quoted\x94\n"
                             "[IndexTabs]\n1=m\xB2 \xC3\xA9\n[Length]\nValueIn=\xC3\xA9t\xC3\xA9\n";
    const struct {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"Velmar Converter", "Font1Name", "Caf\xC3\xA9 Sans"},
        {"Caf\xC3\xA9", "note", "\xE2\x80\x9Cquoted\xE2\x80\x9D"},
        {"IndexTabs", "1", "m\xC2\xB2 \xC3\x83\xC2\xA9"}, // one byte not UTF-8 makes the whole line Windows-1252
        {"Length", "ValueIn", "\xC3\xA9t\xC3\xA9"},
    };
    const ProfileDocument document(file);
    for (const auto& c : cases)
        EXPECT_EQ(document.readString(c.section, c.key, "missing"), c.expected) << c.section << '.' << c.key;
}

TEST(ProfileDocument, AWindows1252LineKeepsItsBytesUnlessItsValueChanges)
{
    const std::string before = "[A]\nname=Caf\xE9\n; \xE9t\xE9\n";
    const struct {
        const char* value;
        std::string after;
    } cases[] = {
        {"Caf\xC3\xA9", before},
        {"Th\xC3\xA9", "[A]\nname=Th\xC3\xA9\n; \xE9t\xE9\n"},
    };
    for (const auto& c : cases) {
        ProfileDocument document(before);
        document.writeString("A", "name", c.value);
        EXPECT_EQ(document.toBytes(), c.after) << c.value;
    }
}

TEST(ProfileDocument, RejectsNamesNoLineCouldHold)
{
    const struct {
        std::string section;
        std::string key;
    } cases[] = {
        {"  ", "K"}, {"A]", "K"}, {"A\nB", "K"}, {"A", ""}, {"A", "k=v"}, {"A", "[k"}, {"A", ";k"}, {"A", "k\r"},
    };
    for (const auto& c : cases) {
        ProfileDocument document("[A]\nk=1\n");
        EXPECT_THROW(document.writeString(c.section, c.key, "v"), std::invalid_argument) << c.section << '.' << c.key;
        EXPECT_THROW((void)document.readString(c.section, c.key, ""), std::invalid_argument)
            << c.section << '.' << c.key;
        EXPECT_EQ(document.toBytes(), "[A]\nk=1\n");
    }
}

} // namespace
