#include "number_format_dialog.h"

#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

#include "modal_watcher.h"
#include "qt_printing.h"

using namespace velmar;
using velmar::test_support::ClickButton;
using velmar::test_support::ModalWatcher;

namespace {

// An open dialog driven as the user drives it.
struct OpenNumberFormatDialog {
    explicit OpenNumberFormatDialog(const NumberFormatSetting& current, const RegionalMarks& marks = {})
        : dialog(nullptr, current, marks)
    {
        dialog.show();
    }

    QString Sample() const { return dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text(); }
    QSpinBox& DigitBox() const { return *dialog.findChild<QSpinBox*>(QStringLiteral("SpinEdit1")); }
    QRadioButton& Choice(int viewType) const
    {
        return *dialog.findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(viewType));
    }
    // Clicks the round mark: a radio button takes clicks on its mark and caption only.
    void Choose(int viewType)
    {
        QRadioButton& choice = Choice(viewType);
        QTest::mouseClick(&choice, Qt::LeftButton, {}, QPoint(6, choice.height() / 2));
    }

    Tfrm_NumberFormat dialog;
};

TEST(NumberFormatDialog, SampleFollowsEveryFormAndDigitCount)
{
    struct FormSamples {
        int ViewType;
        const char* Samples[10];
    };
    const FormSamples table[] = {
        {2,
         {"1.2E+006", "1.2E+006", "1.2E+006", "1.23E+006", "1.235E+006", "1.2346E+006", "1.23457E+006",
          "1.234568E+006", "1.2345679E+006", "1.23456789E+006"}},
        {3,
         {"1234568", "1234567.9", "1234567.89", "1234567.890", "1234567.8901", "1234567.89012", "1234567.890123",
          "1234567.8901235", "1234567.89012346", "1234567.890123456"}},
        {4,
         {"1,234,568", "1,234,567.9", "1,234,567.89", "1,234,567.890", "1,234,567.8901", "1,234,567.89012",
          "1,234,567.890123", "1,234,567.8901235", "1,234,567.89012346", "1,234,567.890123456"}},
    };
    for (const FormSamples& form : table) {
        OpenNumberFormatDialog open(MakeNumberFormatSetting(1, 0));
        open.Choose(form.ViewType);
        for (int digits = 0; digits <= 9; ++digits) {
            EXPECT_EQ(open.DigitBox().value(), digits);
            EXPECT_EQ(open.Sample(), form.Samples[digits]) << "form " << form.ViewType << ", digits " << digits;
            QTest::keyClick(&open.DigitBox(), Qt::Key_Up);
        }
    }
}

TEST(NumberFormatDialog, AutoFormatSampleIgnoresTheDigitCount)
{
    for (int precision = 0; precision <= 9; ++precision) {
        OpenNumberFormatDialog open(MakeNumberFormatSetting(1, precision));
        EXPECT_EQ(open.Sample(), "1234567.89") << precision;
    }
}

TEST(NumberFormatDialog, OpensOnTheStoredFormAndDigits)
{
    struct Case {
        int ViewType;
        int Precision;
        int ShownChoice;
        int ShownDigits;
        bool DigitBoxEnabled;
        const char* Sample;
    };
    const Case cases[] = {
        {1, 4, 1, 4, false, "1234567.89"},
        {2, 3, 2, 3, true, "1.23E+006"},
        {3, 4, 3, 4, true, "1234567.8901"},
        {4, 0, 4, 0, true, "1,234,568"},
        {3, 15, 3, 9, true, "1234567.890123456"},
        {2, -1, 2, 0, true, "1.2E+006"},
    };
    for (const Case& c : cases) {
        OpenNumberFormatDialog open(MakeNumberFormatSetting(c.ViewType, c.Precision));
        SCOPED_TRACE(testing::Message() << "ViewType " << c.ViewType << ", Precision " << c.Precision);
        for (int viewType = 1; viewType <= 4; ++viewType)
            EXPECT_EQ(open.Choice(viewType).isChecked(), viewType == c.ShownChoice) << viewType;
        EXPECT_EQ(open.DigitBox().value(), c.ShownDigits);
        EXPECT_EQ(open.DigitBox().isEnabled(), c.DigitBoxEnabled);
        EXPECT_EQ(open.Sample(), c.Sample);
    }
}

TEST(NumberFormatDialog, ChoosingAFormUpdatesSampleAndDigitBox)
{
    OpenNumberFormatDialog open(MakeNumberFormatSetting(3, 4));
    open.Choose(4);
    EXPECT_EQ(open.Sample(), "1,234,567.8901");
    EXPECT_TRUE(open.DigitBox().isEnabled());

    open.Choose(1);
    EXPECT_EQ(open.Sample(), "1234567.89");
    EXPECT_FALSE(open.DigitBox().isEnabled());
    const QPalette& colours = open.DigitBox().palette();
    EXPECT_EQ(colours.color(QPalette::Disabled, QPalette::Base), colours.color(QPalette::Active, QPalette::Button));
}

TEST(NumberFormatDialog, DigitBoxMovesOnlyByItsArrowsWithinZeroToNine)
{
    OpenNumberFormatDialog open(MakeNumberFormatSetting(3, 8));
    QSpinBox& digits = open.DigitBox();
    QTest::keyClicks(&digits, "3");
    EXPECT_EQ(digits.value(), 8);
    QTest::keyClick(&digits, Qt::Key_Up);
    QTest::keyClick(&digits, Qt::Key_Up);
    EXPECT_EQ(digits.value(), 9);
    EXPECT_EQ(open.Sample(), "1234567.890123456");
    digits.setValue(0);
    QTest::keyClick(&digits, Qt::Key_Down);
    EXPECT_EQ(digits.value(), 0);
}

TEST(NumberFormatDialog, SamplesUseTheRegionalMarks)
{
    const RegionalMarks continental{",", "."};
    OpenNumberFormatDialog open(MakeNumberFormatSetting(1, 2), continental);
    EXPECT_EQ(open.Sample(), "1234567,89");
    open.Choose(4);
    EXPECT_EQ(open.Sample(), "1.234.567,89");
}

TEST(NumberFormatDialog, OnlyConfirmingReturnsTheNewSetting)
{
    struct Case {
        const char* Name;
        std::function<void(QWidget&)> Close;
        bool Confirmed;
    };
    const Case cases[] = {
        {"OK", [](QWidget& dialog) { ClickButton(dialog, "btn_OK"); }, true},
        {"Enter", [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); }, true},
        {"Cancel", [](QWidget& dialog) { ClickButton(dialog, "btn_Cancel"); }, false},
        {"Escape", [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }, false},
    };
    for (const Case& c : cases) {
        ModalWatcher watcher(c.Close);
        const std::optional<NumberFormatSetting> result
            = RunNumberFormatDialog(nullptr, MakeNumberFormatSetting(3, 15), RegionalMarks{});
        EXPECT_EQ(watcher.answered(), 1) << c.Name;
        ASSERT_EQ(result.has_value(), c.Confirmed) << c.Name;
        if (c.Confirmed) {
            EXPECT_EQ(result->ViewType, 3) << c.Name;
            EXPECT_EQ(result->Precision, 9) << c.Name;
            EXPECT_EQ(result->FormatPattern, "%.*f") << c.Name;
        }
    }
}

TEST(NumberFormatDialog, AutoFormatStillStoresTheDigitCount)
{
    ModalWatcher watcher([](QWidget& dialog) {
        QTest::mouseClick(dialog.findChild<QRadioButton*>(QStringLiteral("RadioButton1")), Qt::LeftButton, {},
                          QPoint(6, 8));
        ClickButton(dialog, "btn_OK");
    });
    const std::optional<NumberFormatSetting> result
        = RunNumberFormatDialog(nullptr, MakeNumberFormatSetting(2, 6), RegionalMarks{});
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->ViewType, 1);
    EXPECT_EQ(result->Precision, 6);
    EXPECT_EQ(result->FormatPattern, "%.10g");
}

} // namespace
