#include "profile_document.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

using namespace velmar;

namespace {

std::string repeated(std::string_view piece, std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i)
        text += piece;
    return text;
}

ProfileDocument documentWithValue(const std::string& stored)
{
    return ProfileDocument("[S]\nK=" + stored + "\n");
}

TEST(ProfileDocument, ReadsIntegersByTheProfileRules)
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
        {"0x0000001F", 31},
        {"\"   12\"", 12}, // leading blanks inside quotes
        {"\"\t12\"", 12},
        {"+5", 5},
        {"-1", -1},
        {"00012", 12},
        {"16777215", 16777215},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$FFFFFFFF", -1}, // hexadecimal uses all 32 bits
        {"0x80000005", -2147483643},
        {"12abc", Default},
        {"", Default},
        {"0x", Default},
        {"$", Default},
        {"+", Default},
        {"-", Default},
        {"\"12 \"", Default}, // trailing blanks are not allowed
        {"1 2", Default},
        {"- 5", Default},
        {"0x1G", Default},
        {"0x-1", Default},
        {"$-1", Default},
        {"-$1", Default},
        {"\" 0x1F\"", Default}, // "0x" only counts at the very start
        {"2147483648", Default},
        {"-2147483649", Default},
        {"99999999999999999999", Default},
        {"$100000000", Default},
        {"1.5", Default},
    };
    for (const auto& c : cases)
        EXPECT_EQ(documentWithValue(c.stored).readInteger("S", "K", Default), c.expected) << c.stored;
    EXPECT_EQ(ProfileDocument().readInteger("S", "K", Default), Default);
}

TEST(ProfileDocument, ReadsBooleansAsIntegers)
{
    const struct {
        std::string stored;
        bool defaultValue;
        bool expected;
    } cases[] = {
        {"1", false, true},   {"0", true, false},   {"2", false, true},  {"-1", false, true},
        {"0x10", false, true}, {"yes", false, false}, {"yes", true, true}, {"", true, true},
        {"true", false, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(documentWithValue(c.stored).readBool("S", "K", c.defaultValue), c.expected) << c.stored;
    EXPECT_TRUE(ProfileDocument().readBool("S", "K", true));
    EXPECT_FALSE(ProfileDocument().readBool("S", "K", false));
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
        {"[S]\nK=\"\"\n", "S", "K", ""},
        {"[S]\nK=\"a\" and \"b\"\n", "S", "K", "a\" and \"b"},
        {"[S]\nK=\n", "S", "K", ""},
        {"[S]\nK=a=b\n", "S", "K", "a=b"},
        {"[S]\n  K  =  v\n", "S", "K", "v"},
        {"[S]\r\nK=crlf\r\n", "S", "K", "crlf"},
        {"[S]\nK=last line", "S", "K", "last line"},
        {"[velmar converter]\ntabindex=3\n", "Velmar Converter", "TabIndex", "3"},
        {"[ Length ]\nFormatIn=4\n", "  length", "formatin  ", "4"},
        {"[S] trailing text\nK=v\n", "S", "K", "v"},
        {"\xEF\xBB\xBF[S]\nK=after mark\n", "S", "K", "after mark"},
        {"[S]\nK=first\nk=second\n", "S", "K", "first"},
        {"[S]\nK=first\n[s]\nK=second\nX=other\n", "S", "X", "default"},
        {"K=outside\n[S]\n", "S", "K", "default"},
        {"[S]\n;K=comment\n", "S", "K", "default"},
        {"[S]\nK\n", "S", "K", "default"},
        {"[S]\n[T]\nK=v\n", "S", "K", "default"},
        {"[S\nK=v\n", "S", "K", "default"},
        {"[S]\nK=\xFF\xFE bytes\n", "S", "K", "\xFF\xFE bytes"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProfileDocument(c.file).readString(c.section, c.key, "default"), c.expected) << c.file;
}

TEST(ProfileDocument, CutsLongTextAtWholeCharacters)
{
    const std::string euro = "\xE2\x82\xAC";
    const struct {
        std::string stored;
        std::string expected;
    } cases[] = {
        {std::string(1100, 'a'), std::string(1023, 'a')},
        {std::string(1023, 'a'), std::string(1023, 'a')},
        {repeated("\xC3\xA9", 1100), repeated("\xC3\xA9", 1023)},
        {std::string(1022, 'a') + euro + "b", std::string(1022, 'a') + euro},
        {std::string(1023, 'a') + euro, std::string(1023, 'a')},
        {repeated("\xF0\x9F\x98\x80", 1024), repeated("\xF0\x9F\x98\x80", 1023)},
        // Bytes that start no well-formed sequence count one character each.
        {std::string(1021, 'a') + "\xFF\xFE\xFD", std::string(1021, 'a') + "\xFF\xFE"},
        {std::string(1021, 'a') + "\xE2\x82" + "b", std::string(1021, 'a') + "\xE2\x82"},
        {std::string(1022, 'a') + "\xC0\xAF", std::string(1022, 'a') + "\xC0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(documentWithValue(c.stored).readString("S", "K", ""), c.expected) << c.stored.size();
}

TEST(ProfileDocument, KeepsEveryByteOfAFileItDoesNotChange)
{
    const std::string files[] = {
        "",
        "\n\n",
        "no section at all",
        "; top comment\r\nstray=line\n\n[Velmar Converter]\r\n  TabIndex = 3 ; note\n"
        "[Unknown]\nkey\xFF\xFE=\xC3\x28 bad utf-8\n\t\n[Length]\nValueIn=\"  5\"\nnot a key\n[broken\n=x",
        "\xEF\xBB\xBF[A]\r\nx=1\r\n",
        std::string("[A]\nx=\0y\n", 10),
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
        {"[A]\nx=1\ny=2\n", "A", "x", "5", "[A]\nx=5\ny=2\n"},
        {"[a]\nX=1\n", "A", "x", "5", "[a]\nX=5\n"},
        {"[A]\n  x = 1 ; note\n", "A", "x", "2", "[A]\nx=2\n"},
        {"[A]\nx = \"1\"\n", "A", "x", "1", "[A]\nx = \"1\"\n"},
        {"[A]\nx=1\nx=2\n", "A", "x", "5", "[A]\nx=5\nx=2\n"},
        {"[A]\nx=1\n\n[B]\ny=2\n", "A", "z", "3", "[A]\nx=1\nz=3\n\n[B]\ny=2\n"},
        {"[A]\n; about B\n[B]\n", "A", "z", "3", "[A]\n; about B\nz=3\n[B]\n"},
        {"[A]\n\n\n[B]\n", "A", "z", "3", "[A]\nz=3\n\n\n[B]\n"},
        {"[A]\nnot a key\n", "A", "y", "1", "[A]\nnot a key\ny=1\n"},
        {"[A]\n;x=1\n", "A", "x", "2", "[A]\n;x=1\nx=2\n"},
        {"[A]\nx=1\n", "B", "y", "2", "[A]\nx=1\n\n[B]\ny=2\n"},
        {"[A]\nx=1\n\n", "B", "y", "2", "[A]\nx=1\n\n[B]\ny=2\n"},
        {"[A]\nx=1", "A", "y", "2", "[A]\nx=1\ny=2\n"},
        {"[A]", "A", "y", "2", "[A]\ny=2\n"},
        {"[A]\nx=1\n[a]\nx=2\n", "a", "y", "3", "[A]\nx=1\ny=3\n[a]\nx=2\n"},
        {"; top\nx=9\n[A]\n", "A", "x", "1", "; top\nx=9\n[A]\nx=1\n"},
        {"[A]\r\nx=1\r\n", "A", "y", "2", "[A]\r\nx=1\r\ny=2\r\n"},
        {"[A]\r\nx=1\n", "B", "y", "2", "[A]\r\nx=1\n\r\n[B]\r\ny=2\r\n"},
        {"\xEF\xBB\xBF[A]\nx=1\n", "A", "x", "2", "\xEF\xBB\xBF[A]\nx=2\n"},
        {"[A]\nx=1\n", " A ", " y ", "2", "[A]\nx=1\ny=2\n"},
        {"[A]\nx=1\n", "A", "y", " padded ", "[A]\nx=1\ny=\" padded \"\n"},
        {"[A]\nx=1\n", "A", "y", "'q'", "[A]\nx=1\ny=\"'q'\"\n"},
    };
    for (const auto& c : cases) {
        ProfileDocument document(c.before);
        document.writeString(c.section, c.key, c.value);
        EXPECT_EQ(document.toBytes(), c.after) << c.before << " <- " << c.section << '.' << c.key;
    }
}

TEST(ProfileDocument, WritesIntegersAndBooleansInTheirFileForm)
{
    ProfileDocument document;
    document.writeInteger("A", "Zero", 0);
    document.writeInteger("A", "Negative", -1);
    document.writeInteger("A", "Colour", 16777215);
    document.writeInteger("A", "Lowest", -2147483647 - 1);
    document.writeBool("A", "Yes", true);
    document.writeBool("A", "No", false);
    EXPECT_EQ(document.toBytes(),
              "[A]\nZero=0\nNegative=-1\nColour=16777215\nLowest=-2147483648\nYes=1\nNo=0\n");
}

TEST(ProfileDocument, ValuesReadBackAsWrittenAndStayOnOneLine)
{
    const struct {
        std::string written;
        std::string readBack;
    } cases[] = {
        {"plain", "plain"},
        {"", ""},
        {"  5", "  5"},
        {"\t", "\t"},
        {"\"", "\""},
        {"\"\"", "\"\""},
        {"'x'", "'x'"},
        {"\"x\"", "\"x\""},
        {"a\"b", "a\"b"},
        {"[Section]", "[Section]"},
        {"key=value", "key=value"},
        {"\xC3\xBC\xFF", "\xC3\xBC\xFF"},
        {"1\n[Evil]\nTabIndex=9", "1 [Evil] TabIndex=9"},
        {"a\r\nb", "a  b"},
        {"a\rb", "a b"},
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

TEST(ProfileDocument, RejectsNamesNoLineCouldHold)
{
    const struct {
        std::string section;
        std::string key;
    } cases[] = {
        {"", "K"}, {"  ", "K"}, {"A]", "K"}, {"A\nB", "K"}, {"A", ""},    {"A", " "},
        {"A", "k=v"}, {"A", "[k"}, {"A", ";k"}, {"A", "k\nj"}, {"A", "k\r"},
    };
    for (const auto& c : cases) {
        ProfileDocument document("[A]\nk=1\n");
        EXPECT_THROW(document.writeString(c.section, c.key, "v"), std::invalid_argument) << c.section << '.' << c.key;
        EXPECT_THROW((void)document.readString(c.section, c.key, ""), std::invalid_argument) << c.section << '.' << c.key;
        EXPECT_EQ(document.toBytes(), "[A]\nk=1\n");
    }
}

} // namespace
