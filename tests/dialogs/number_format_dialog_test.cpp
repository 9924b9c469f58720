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

using enum ResultForm;

QString SampleOf(QWidget& dialog)
{
    return dialog.findChild<QLabel*>(QStringLiteral("Label1"))->text();
}

QSpinBox& DigitBoxOf(QWidget& dialog)
{
    return *dialog.findChild<QSpinBox*>(QStringLiteral("SpinEdit1"));
}

QRadioButton& ChoiceOf(QWidget& dialog, ResultForm form)
{
    return *dialog.findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(ViewTypeOf(form)));
}

// Clicks the round mark: a radio button takes clicks on its mark and caption only.
void Choose(QWidget& dialog, ResultForm form)
{
    QRadioButton& choice = ChoiceOf(dialog, form);
    QTest::mouseClick(&choice, Qt::LeftButton, {}, QPoint(6, choice.height() / 2));
}

TEST(NumberFormatDialog, SampleFollowsEveryFormAndDigitCount)
{
    struct FormSamples {
        ResultForm Form;
        const char* Samples[10];
    };
    const FormSamples table[] = {
        {Scientific,
         {"1.2E+006", "1.2E+006", "1.2E+006", "1.23E+006", "1.235E+006", "1.2346E+006", "1.23457E+006", "1.234568E+006",
          "1.2345679E+006", "1.23456789E+006"}},
        {Fixed,
         {"1234568", "1234567.9", "1234567.89", "1234567.890", "1234567.8901", "1234567.89012", "1234567.890123",
          "1234567.8901235", "1234567.89012346", "1234567.890123456"}},
        {Commas,
         {"1,234,568", "1,234,567.9", "1,234,567.89", "1,234,567.890", "1,234,567.8901", "1,234,567.89012",
          "1,234,567.890123", "1,234,567.8901235", "1,234,567.89012346", "1,234,567.890123456"}},
    };
    for (const FormSamples& form : table) {
        Tfrm_NumberFormat dialog(nullptr, MakeNumberFormatSetting(AutoFormat, 0), RegionalMarks{});
        dialog.show();
        Choose(dialog, form.Form);
        QSpinBox& digits = DigitBoxOf(dialog);
        QTest::keyClicks(&digits, "7"); // typing is refused; only the arrows move it
        for (int expected = 0; expected <= 9; ++expected) {
            EXPECT_EQ(digits.value(), expected);
            EXPECT_EQ(SampleOf(dialog), form.Samples[expected])
                << "form " << ViewTypeOf(form.Form) << ", digits " << expected;
            QTest::keyClick(&digits, Qt::Key_Up);
        }
        EXPECT_EQ(digits.value(), 9);
    }
}

TEST(NumberFormatDialog, OpensOnTheStoredFormAndDigits)
{
    struct Case {
        ResultForm Form;
        int Precision;
        int ShownDigits;
        const char* Sample;
    };
    const Case cases[] = {
        {AutoFormat, 4, 4, "1234567.89"},    {AutoFormat, 9, 9, "1234567.89"}, {Scientific, 3, 3, "1.23E+006"},
        {Fixed, 4, 4, "1234567.8901"},       {Commas, 0, 0, "1,234,568"},      {Scientific, -1, 0, "1.2E+006"},
        {Fixed, 15, 9, "1234567.890123456"},
    };
    for (const Case& c : cases) {
        Tfrm_NumberFormat dialog(nullptr, MakeNumberFormatSetting(c.Form, c.Precision), RegionalMarks{});
        SCOPED_TRACE(::testing::Message() << "ViewType " << ViewTypeOf(c.Form) << ", Precision " << c.Precision);
        for (const ResultForm form : {AutoFormat, Scientific, Fixed, Commas})
            EXPECT_EQ(ChoiceOf(dialog, form).isChecked(), form == c.Form) << ViewTypeOf(form);
        EXPECT_EQ(DigitBoxOf(dialog).value(), c.ShownDigits);
        EXPECT_EQ(DigitBoxOf(dialog).isEnabled(), c.Form != AutoFormat);
        EXPECT_EQ(SampleOf(dialog), c.Sample);
    }
}

TEST(NumberFormatDialog, ChoosingAFormRefreshesSampleAndDigitBox)
{
    Tfrm_NumberFormat dialog(nullptr, MakeNumberFormatSetting(Fixed, 4), RegionalMarks{});
    dialog.show();
    Choose(dialog, Commas);
    EXPECT_EQ(SampleOf(dialog), "1,234,567.8901");
    Choose(dialog, AutoFormat);
    EXPECT_EQ(SampleOf(dialog), "1234567.89");
    const QSpinBox& digits = DigitBoxOf(dialog);
    EXPECT_FALSE(digits.isEnabled());
    EXPECT_EQ(digits.palette().color(QPalette::Disabled, QPalette::Base),
              digits.palette().color(QPalette::Active, QPalette::Button));
}

TEST(NumberFormatDialog, SamplesUseTheRegionalMarks)
{
    Tfrm_NumberFormat dialog(nullptr, MakeNumberFormatSetting(AutoFormat, 2), RegionalMarks{",", "."});
    dialog.show();
    EXPECT_EQ(SampleOf(dialog), "1234567,89");
    Choose(dialog, Commas);
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
        {"OK", [](QWidget& dialog) { ClickButton(dialog, "btn_OK"); }, NumberFormatSetting{Fixed, 9, "%.*f"}},
        {"Enter", [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); },
         NumberFormatSetting{Fixed, 9, "%.*f"}},
        {"AutoFormat, then OK keeps the digits",
         [](QWidget& dialog) {
             Choose(dialog, AutoFormat);
             ClickButton(dialog, "btn_OK");
         },
         NumberFormatSetting{AutoFormat, 9, "%.10g"}},
        {"Cancel", [](QWidget& dialog) { ClickButton(dialog, "btn_Cancel"); }, std::nullopt},
        {"Escape", [](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }, std::nullopt},
    };
    for (const Case& c : cases) {
        ModalWatcher watcher(c.Answer);
        const std::optional<NumberFormatSetting> result
            = RunNumberFormatDialog(nullptr, MakeNumberFormatSetting(Fixed, 15), RegionalMarks{});
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
