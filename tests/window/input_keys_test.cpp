#include <QTest>

#include <functional>

#include <gtest/gtest.h>

#include "tests/support/converter_window_fixture.h"
#include "window/input_key_filter.h"

namespace velmar {
namespace {

TEST(InputKeyFilter, AcceptsByTheSelectedTabsCaption)
{
    const struct {
        const char* Caption;
        char16_t Key;
        bool Accepted;
    } cases[] = {
        {"Numbers", u'f', true},    {"Numbers", u'Z', true},  {"Numbers", u'7', true}, {"Numbers", u'.', false},
        {"Numbers", u'-', false},   {"Numbers", u'+', false}, {"Length", u'e', true},  {"Length", u'E', true},
        {"Length", u'+', true},     {"Length", u'-', true},   {"Length", u'.', true},  {"Length", u'0', true},
        {"Length", u',', false},    {"Length", u'x', false},  {"Length", u'f', false}, {"Temperature", u'F', false},
        {"Fractions", u'a', false}, {"numbers", u'f', false}, {"", u'5', true},        {"", u'a', false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsAcceptedInputKey(c.Caption, QChar(c.Key)), c.Accepted) << c.Caption << " '" << char(c.Key) << "'";
}

TEST(InputKeyFilter, PassesControlCharactersButNotSpaceOrDelete)
{
    for (const char* caption : {"Numbers", "Length"}) {
        for (char16_t code = 1; code <= 31; ++code)
            EXPECT_TRUE(IsAcceptedInputKey(caption, QChar(code))) << caption << ' ' << int(code);
        for (const char16_t code : {u'\0', u' ', u'\x7f', u'\u00e9'})
            EXPECT_FALSE(IsAcceptedInputKey(caption, QChar(code))) << caption << ' ' << int(code);
    }
}

TEST(InputKeyFilter, TheRegionalDecimalMarkTypesThePoint)
{
    const struct {
        char16_t Key;
        const char* Mark;
        char16_t Typed;
    } cases[] = {
        {u',', ",", u'.'},           {u'.', ",", u'.'},  {u'5', ",", u'5'}, {u',', ".", u','},
        {u'\u066b', "\u066b", u'.'}, {u',', ",,", u','}, {u',', "", u','},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TypedInputCharacter(QChar(c.Key), QString::fromUtf8(c.Mark)), QChar(c.Typed))
            << int(c.Key) << " under " << c.Mark;
}

// Typed under German marks: the comma of either keyboard is the decimal
// point, a pasted comma stays for the reader to report, and Alt chords type
// nothing.
TEST(InputKeysUnderGermanMarks, TypedCommasBecomePointsAndAltChordsTypeNothing)
{
    FaultRecorder faults;
    Tfrm_Converter window(RegionalMarks{",", "."});
    auto* input = window.findChild<UpperCaseLineEdit*>(QStringLiteral("txt_In"));
    const struct {
        const char* Name;
        std::function<void()> Type;
        QString Shown;
    } cases[] = {
        {"main keyboard", [&] { QTest::keyClicks(input, "1,5"); }, "1.5"},
        {"keypad",
         [&] {
             QTest::keyClick(input, Qt::Key_1);
             QTest::keyClick(input, Qt::Key_Comma, Qt::KeypadModifier);
             QTest::keyClick(input, Qt::Key_5, Qt::KeypadModifier);
         },
         "1.5"},
        {"Alt chords", [&] { QTest::keyClicks(input, "5.", Qt::AltModifier); }, ""},
        {"paste", [&] { input->insert(QStringLiteral("1,5")); }, "1,5"},
    };
    for (const auto& c : cases) {
        input->setTextAsGiven(QString());
        c.Type();
        EXPECT_EQ(input->text(), c.Shown) << c.Name;
    }
}

class InputKeysTest : public ConverterWindowTest {
protected:
    void selectCategoryTab(const char* caption)
    {
        tabSet->setTabIndex(static_cast<int>(tabSet->tabs().indexOf(caption)));
    }
};

TEST_F(InputKeysTest, NumbersTakesLettersAndShowsThemInUpperCase)
{
    selectCategoryTab("Numbers");
    QTest::keyClicks(txtIn, "ff.-9 z");
    EXPECT_EQ(txtIn->text(), "FF9Z");
}

TEST_F(InputKeysTest, OtherCategoriesTakeDecimalNumbers)
{
    selectCategoryTab("Temperature");
    QTest::keyClicks(txtIn, "1.5e-3, x");
    EXPECT_EQ(txtIn->text(), "1.5E-3");
}

TEST_F(InputKeysTest, EditingKeysKeepWorking)
{
    QTest::keyClicks(txtIn, "123");
    QTest::keyClick(txtIn, Qt::Key_Backspace);
    QTest::keyClick(txtIn, Qt::Key_Home);
    QTest::keyClick(txtIn, Qt::Key_Delete);
    EXPECT_EQ(txtIn->text(), "2");
}

TEST_F(InputKeysTest, TheFilterFollowsTheCaptionNotThePosition)
{
    // Numbers moved to the first tab, Length to where Numbers was.
    const int numbersPosition = static_cast<int>(tabSet->tabs().indexOf("Numbers"));
    tabSet->setTabText(numbersPosition, "Length");
    tabSet->setTabText(0, "Numbers");
    tabSet->setTabIndex(numbersPosition);
    tabSet->setTabIndex(0);
    QTest::keyClicks(txtIn, "ab");
    EXPECT_EQ(txtIn->text(), "AB");
}

} // namespace
} // namespace velmar
