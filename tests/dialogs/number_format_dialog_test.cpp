#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include "dialogs/number_format_dialog.h"
#include "tests/support/modal_watcher.h"
#include "tests/support/qt_printing.h"
#include "tests/support/widget_clicks.h"

using namespace velmar;
using velmar::test_support::ClickButton;
using velmar::test_support::ModalWatcher;

namespace {

QString SampleOf(QWidget& dialog)
{
    return dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text();
}

QSpinBox& DigitBoxOf(QWidget& dialog)
{
    return *dialog.findChild<QSpinBox*>(QStringLiteral("SpinEdit1"));
}

QRadioButton& ChoiceOf(QWidget& dialog, int viewType)
{
    return *dialog.findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(viewType));
}

// Clicks the round mark: a radio button takes clicks on its mark and caption only.
void Choose(QWidget& dialog, int viewType)
{
    QRadioButton& choice = ChoiceOf(dialog, viewType);
    QTest::mouseClick(&choice, Qt::LeftButton, {}, QPoint(6, choice.height() / 2));
}

TEST(NumberFormatDialog, SampleFollowsEveryFormAndDigitCount)
{
    struct FormSamples {
        int ViewType;
        const char* Samples[10];
    };
    const FormSamples table[] = {
        {2,
         {"1.2E+006", "1.2E+006", "1.2E+006", "1.23E+006", "1.235E+006", "1.2346E+006", "1.23457E+006", "1.234568E+006",
          "1.2345679E+006", "1.23456789E+006"}},
        {3,
         {"1234568", "1234567.9", "1234567.89", "1234567.890", "1234567.8901", "1234567.89012", "1234567.890123",
          "1234567.8901235", "1234567.89012346", "1234567.890123456"}},
        {4,
         {"1,234,568", "1,234,567.9", "1,234,567.89", "1,234,567.890", "1,234,567.8901", "1,234,567.89012",
          "1,234,567.890123", "1,234,567.8901235", "1,234,567.89012346", "1,234,567.890123456"}},
    };
    for (const FormSamples& form : table) {
        Tfrm_NumberFormat dialog(nullptr, MakeNumberFormatSetting(1, 0), RegionalMarks{});
        dialog.show();
        Choose(dialog, form.ViewType);
        QSpinBox& digits = DigitBoxOf(dialog);
        QTest::keyClicks(&digits, "7"); // typing is refused; only the arrows move it
        for (int expected = 0; expected <= 9; ++expected) {
            EXPECT_EQ(digits.value(), expected);
            EXPECT_EQ(SampleOf(dialog), form.Samples[expected]) << "form " << form.ViewType << ", digits " << expected;
            QTest::keyClick(&digits, Qt::Key_Up);
        }
        EXPECT_EQ(digits.value(), 9);
    }
}

TEST(NumberFormatDialog, OpensOnTheStoredFormAndDigits)
{
    struct Case {
        int ViewType;
        int Precision;
        int ShownDigits;
        const char* Sample;
    };
    const Case cases[] = {
        {1, 4, 4, "1234567.89"}, {1, 9, 9, "1234567.89"}, {2, 3, 3, "1.23E+006"},          {3, 4, 4, "1234567.8901"},
        {4, 0, 0, "1,234,568"},  {2, -1, 0, "1.2E+006"},  {3, 15, 9, "1234567.890123456"},
    };
    for (const Case& c : cases) {
        Tfrm_NumberFormat dialog(nullptr, MakeNumberFormatSetting(c.ViewType, c.Precision), RegionalMarks{});
        SCOPED_TRACE(::testing::Message() << "ViewType " << c.ViewType << ", Precision " << c.Precision);
        for (int viewType = 1; viewType <= 4; ++viewType)
            EXPECT_EQ(ChoiceOf(dialog, viewType).isChecked(), viewType == c.ViewType) << viewType;
        EXPECT_EQ(DigitBoxOf(dialog).value(), c.ShownDigits);
        EXPECT_EQ(DigitBoxOf(dialog).isEnabled(), c.ViewType != 1);
        EXPECT_EQ(SampleOf(dialog), c.Sample);
    }
}

TEST(NumberFormatDialog, ChoosingAFormRefreshesSampleAndDigitBox)
{
    Tfrm_NumberFormat dialog(nullptr, MakeNumberFormatSetting(3, 4), RegionalMarks{});
    dialog.show();
    Choose(dialog, 4);
    EXPECT_EQ(SampleOf(dialog), "1,234,567.8901");
    Choose(dialog, 1);
    EXPECT_EQ(SampleOf(dialog), "1234567.89");
    const QSpinBox& digits = DigitBoxOf(dialog);
    EXPECT_FALSE(digits.isEnabled());
    EXPECT_EQ(digits.palette().color(QPalette::Disabled, QPalette::Base),
              digits.palette().color(QPalette::Active, QPalette::Button));
}

TEST(NumberFormatDialog, SamplesUseTheRegionalMarks)
{
    Tfrm_NumberFormat dialog(nullptr, MakeNumberFormatSetting(1, 2), RegionalMarks{",", "."});
    dialog.show();
    EXPECT_EQ(SampleOf(dialog), "1234567,89");
    Choose(dialog, 4);
    EXPECT_EQ(SampleOf(dialog), "1.234.567,89");
}

TEST(NumberFormatDialog, OnlyConfirmingReturnsTheNewSetting)
{
    struct Case {
        const char* Name;
        std::function<void(QWidget&)> Answer;
        std::optional<NumberFormatSetting> Result;
    };
    const Case cases[] = {
        {"OK", [](QWidget& dialog) { ClickButton(dialog, "btn_OK"); }, NumberFormatSetting{3, 9, "%.*f"}},
        {"Enter", [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); }, NumberFormatSetting{3, 9, "%.*f"}},
        {"AutoFormat, then OK keeps the digits",
         [](QWidget& dialog) {
             Choose(dialog, 1);
             ClickButton(dialog, "btn_OK");
         },
         NumberFormatSetting{1, 9, "%.10g"}},
        {"Cancel", [](QWidget& dialog) { ClickButton(dialog, "btn_Cancel"); }, std::nullopt},
        {"Escape", [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }, std::nullopt},
    };
    for (const Case& c : cases) {
        ModalWatcher watcher(c.Answer);
        const std::optional<NumberFormatSetting> result
            = RunNumberFormatDialog(nullptr, MakeNumberFormatSetting(3, 15), RegionalMarks{});
        EXPECT_EQ(watcher.answered(), 1) << c.Name;
        ASSERT_EQ(result.has_value(), c.Result.has_value()) << c.Name;
        if (result) {
            EXPECT_EQ(result->ViewType, c.Result->ViewType) << c.Name;
            EXPECT_EQ(result->Precision, c.Result->Precision) << c.Name;
            EXPECT_EQ(result->FormatPattern, c.Result->FormatPattern) << c.Name;
        }
    }
}

} // namespace
