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
