#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "window/upper_case_line_edit.h"

namespace velmar {
namespace {

class UpperCaseLineEditTest : public ::testing::Test {
protected:
    UpperCaseLineEdit box;
    QSignalSpy changes{&box, &QLineEdit::textChanged};
};

TEST_F(UpperCaseLineEditTest, TypedLettersBecomeUpperCaseBeforeTheChangeEvent)
{
    QTest::keyClicks(&box, "1.5e-3ff");
    EXPECT_EQ(box.text(), "1.5E-3FF");
    ASSERT_FALSE(changes.isEmpty());
    EXPECT_EQ(changes.last().first().toString(), "1.5E-3FF");
}

TEST_F(UpperCaseLineEditTest, PastedLettersBecomeUpperCase)
{
    QApplication::clipboard()->setText("2e5 abc");
    box.paste();
    EXPECT_EQ(box.text(), "2E5 ABC");
}

// A single-line box takes a pasted text up to its first line break; what
// stood around the caret stays.
TEST_F(UpperCaseLineEditTest, PastedTextEndsAtItsFirstLineBreak)
{
    const struct {
        QString clipboard;
        int caret;
        QString text;
    } cases[] = {
        {"7\n8\n", 1, "172"},   {"7 8", 1, "17 82"},      {"5\r\n6", 2, "125"},
        {"\n8", 0, "12"},       {"3e\u20284", 1, "13E2"}, {"9\u2029", 1, "192"},
        {"9\u0085x", 1, "192"}, {"4\v5", 1, "142"},       {"4\f5", 1, "142"},
    };
    for (const auto& c : cases) {
        box.setTextAsGiven("12");
        box.setCursorPosition(c.caret);
        QApplication::clipboard()->setText(c.clipboard);
        box.paste();
        EXPECT_EQ(box.text(), c.text) << c.clipboard.toStdString();
        EXPECT_EQ(box.cursorPosition(), c.caret + c.text.size() - 2) << c.clipboard.toStdString();
    }
    box.selectAll();
    QApplication::clipboard()->setText("6\n7");
    box.paste();
    EXPECT_EQ(box.text(), "6") << "over a selection";
    EXPECT_EQ(changes.last().first().toString(), "6");
    box.setTextAsGiven("0.5\n1");
    EXPECT_EQ(box.text(), "0.5") << "set by the program";
}

TEST_F(UpperCaseLineEditTest, TextSetByTheProgramStaysAsGiven)
{
    box.setTextAsGiven("ff.e");
    EXPECT_EQ(box.text(), "ff.e");
}

TEST_F(UpperCaseLineEditTest, TextSetByTheProgramRaisesTheChangeEventOnlyWhenItDiffers)
{
    box.setTextAsGiven("12");
    box.setTextAsGiven("12");
    EXPECT_EQ(changes.count(), 1);
    box.setTextAsGiven("");
    box.setTextAsGiven("");
    EXPECT_EQ(changes.count(), 2);
}

} // namespace
} // namespace velmar
