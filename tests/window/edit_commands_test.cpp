#include <QAction>
#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <filesystem>

#include <gtest/gtest.h>

#include "settings/profile/settings_file.h"
#include "tests/support/converter_window_fixture.h"
#include "tests/support/message_answerer.h"

namespace velmar {
namespace {

using test_support::MessageAnswerer;
using test_support::ShownMessage;

QClipboard& clipboard()
{
    return *QGuiApplication::clipboard();
}

class EditCommandsTest : public ConverterWindowTest {
protected:
    QAction* item(const char* name) { return control<QAction>(name); }

    // Shows category `c` converting `input` from the unit named `source` to
    // the one named `target` (an empty name selects nothing).
    void showConversion(int c, const char* source, const char* target, const char* input)
    {
        tabSet->setTabIndex(c);
        lstIn->setSelectedPosition(static_cast<int>(lstIn->items().indexOf(source)));
        lstOut->setSelectedPosition(static_cast<int>(lstOut->items().indexOf(target)));
        txtIn->setTextAsGiven(input);
    }

    QString sourceUnit() const { return lstIn->items().value(lstIn->selectedPosition()); }
    QString targetUnit() const { return lstOut->items().value(lstOut->selectedPosition()); }

    MessageAnswerer messages;
};

TEST_F(EditCommandsTest, OpeningTheMenuEnablesTheClipboardItemsForTheFocusedBox)
{
    const struct {
        const char* Case;
        QWidget* Focus;
        bool InputSelected;
        bool ClipboardText;
        bool Cut, Copy, Paste;
    } cases[] = {
        {"source list", lstIn, true, true, false, false, false},
        {"input, nothing selected", txtIn, false, true, false, false, true},
        {"input, text selected, empty clipboard", txtIn, true, false, true, true, false},
        {"result", txtOut, false, true, false, true, false},
    };
    showWindow();
    auto* editMenu = control<QMenu>("mnu_Edit1");
    for (const auto& c : cases) {
        showConversion(LengthIndex, "meter", "kilometer", "1000");
        if (c.ClipboardText)
            clipboard().setText("7");
        else
            clipboard().clear();
        c.Focus->setFocus(Qt::MouseFocusReason);
        if (c.InputSelected)
            txtIn->selectAll();
        else
            txtIn->deselect();

        editMenu->popup(window->mapToGlobal(QPoint(10, 10)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(editMenu));
        EXPECT_EQ(item("mnu_Cut1")->isEnabled(), c.Cut) << c.Case;
        EXPECT_EQ(item("mnu_Copy1")->isEnabled(), c.Copy) << c.Case;
        EXPECT_EQ(item("mnu_Paste1")->isEnabled(), c.Paste) << c.Case;
        EXPECT_TRUE(item("mnu_ReverseSelectedUnits1")->isEnabled()) << c.Case;
        editMenu->close();
    }
    // The unselected result box was selected whole, ready to be copied.
    EXPECT_EQ(txtOut->selectedText(), "1");
}

TEST_F(EditCommandsTest, TheResultBoxCopiesItsWholeResultAndTakesNoEdits)
{
    showWindow();
    showConversion(LengthIndex, "kilometer", "meter", "1.5");
    // A menu opened over a unit list disabled the clipboard items; their keys still work afterwards.
    lstIn->setFocus(Qt::TabFocusReason);
    auto* editMenu = control<QMenu>("mnu_Edit1");
    editMenu->popup(window->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editMenu));
    editMenu->close();
    txtOut->setFocus(Qt::MouseFocusReason);
    txtOut->deselect();
    clipboard().setText("before");

    QTest::keyClick(txtOut, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(clipboard().text(), "before");
    QTest::keyClick(txtOut, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(txtOut->text(), "1500");
    txtOut->deselect();
    QTest::keyClick(txtOut, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard().text(), "1500");
    EXPECT_EQ(txtOut->text(), "1500");
}

TEST_F(EditCommandsTest, ClipboardKeysDoNothingInAUnitList)
{
    showWindow();
    showConversion(LengthIndex, "meter", "kilometer", "1000");
    lstIn->setFocus(Qt::TabFocusReason);
    clipboard().setText("before");
    QTest::keyClick(lstIn, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard().text(), "before");
}

TEST_F(EditCommandsTest, ClipboardKeysEditTheInputBoxAndConvert)
{
    const struct {
        const char* Case;
        int SelectFrom, SelectLength; // a length of 0 puts the caret at SelectFrom
        Qt::Key Key;
        const char* Text;
        const char* Clipboard;
        const char* Result;
    } cases[] = {
        {"cut all", 0, 4, Qt::Key_X, "", "1250", ""},
        {"cut nothing", 4, 0, Qt::Key_X, "1250", "7,e", "1.25"},
        {"copy part", 1, 2, Qt::Key_C, "1250", "25", "1.25"},
        {"paste at the caret, upper-cased, unfiltered", 4, 0, Qt::Key_V, "12507,E", "7,e", "invalid number [6]"},
        {"paste over the selection", 0, 2, Qt::Key_V, "7,E50", "7,e", "invalid number [2]"},
    };
    showWindow();
    for (const auto& c : cases) {
        showConversion(LengthIndex, "meter", "kilometer", "1250");
        txtIn->setFocus(Qt::MouseFocusReason);
        txtIn->setSelection(c.SelectFrom, c.SelectLength);
        clipboard().setText("7,e");
        QTest::keyClick(txtIn, c.Key, Qt::ControlModifier);
        EXPECT_EQ(txtIn->text(), c.Text) << c.Case;
        EXPECT_EQ(clipboard().text(), c.Clipboard) << c.Case;
        EXPECT_EQ(txtOut->text(), c.Result) << c.Case;
        EXPECT_EQ(memory(LengthIndex).ValueIn, c.Text) << c.Case;
    }
}

TEST_F(EditCommandsTest, InvertSwapsTheUnitsAndFeedsTheResultBack)
{
    const struct {
        int Category;
        const char* Source;
        const char* Target;
        const char* Input;
        NumberFormatSetting Format;
        const char* InvertedInput;
        const char* InvertedResult;
    } cases[] = {
        {LengthIndex, "meter", "kilometer", "1000", {}, "1", "1000"},
        {LengthIndex, "meter", "meter", "1234.5", MakeNumberFormatSetting(ResultForm::Commas, 2), "1234.5", "1,234.50"},
        {LengthIndex, "meter", "kilometer", "1..", {}, "0", "0"},
        {TemperatureIndex, "Celsius", "Fahrenheit", "100", {}, "212", "100"},
        // The text stays the same, yet the swapped units are recorded.
        {TemperatureIndex, "Celsius", "Fahrenheit", "-40", {}, "-40", "-40"},
    };
    showWindow();
    for (const auto& c : cases) {
        window->numberFormat() = c.Format;
        showConversion(c.Category, c.Source, c.Target, c.Input);
        QTest::keyClick(txtIn, Qt::Key_I, Qt::ControlModifier);
        EXPECT_EQ(sourceUnit(), c.Target) << c.Input;
        EXPECT_EQ(targetUnit(), c.Source) << c.Input;
        EXPECT_EQ(txtIn->text(), c.InvertedInput) << c.Input;
        EXPECT_EQ(txtOut->text(), c.InvertedResult) << c.Input;
        const CategoryMemory& remembered = memory(c.Category);
        EXPECT_EQ(remembered.ValueIn, c.InvertedInput) << c.Input;
        EXPECT_EQ(remembered.FormatIn, lstIn->selectedPosition()) << c.Input;
        EXPECT_EQ(remembered.FormatOut, lstOut->selectedPosition()) << c.Input;
    }
    EXPECT_TRUE(faults.messages.isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(EditCommandsTest, InvertRefusesWithAnErrorBoxAndChangesNothing)
{
    const QString cannot = "You cannot invert this type of conversion.";
    const QString both = "Both units must be selected before you can invert the conversion.";
    const struct {
        int Category;
        const char* Source;
        const char* Target;
        const char* Input;
        QString Message;
    } cases[] = {
        {NumbersIndex, "base-10", "base-16", "255", cannot},
        {FractionsIndex, "[im]proper fraction", "mixed number", "1.5", cannot},
        {LengthIndex, "meter", "", "3", both},
        {LengthIndex, "", "meter", "3", both},
    };
    for (const auto& c : cases) {
        showConversion(c.Category, c.Source, c.Target, c.Input);
        const int source = lstIn->selectedPosition();
        const int target = lstOut->selectedPosition();
        messages.shown.clear();
        item("mnu_ReverseSelectedUnits1")->trigger();
        ASSERT_EQ(messages.shown.size(), 1) << c.Input;
        const ShownMessage& message = messages.shown.front();
        EXPECT_EQ(message.Title, "Error");
        EXPECT_EQ(message.Text, c.Message);
        EXPECT_EQ(message.Icon, QMessageBox::Critical);
        EXPECT_EQ(message.Buttons, QList{QMessageBox::Ok});
        EXPECT_EQ(message.Owner, window.get());
        EXPECT_EQ(lstIn->selectedPosition(), source) << c.Message.toStdString();
        EXPECT_EQ(lstOut->selectedPosition(), target) << c.Message.toStdString();
        EXPECT_EQ(txtIn->text(), c.Input);
    }
}

TEST_F(EditCommandsTest, AResultBeyondTheRangeIsReportedAndInvertsNothing)
{
    window->numberFormat() = MakeNumberFormatSetting(ResultForm::Scientific, 1);
    showConversion(LengthIndex, "meter", "meter", "1.1897E4932");
    ASSERT_EQ(txtOut->text(), "1.2E+4932");
    item("mnu_ReverseSelectedUnits1")->trigger();
    EXPECT_EQ(faults.messages, QStringList{"Floating point overflow."});
    EXPECT_EQ(txtIn->text(), "1.1897E4932");
    EXPECT_EQ(lstIn->selectedPosition(), MeterPosition);
}

TEST_F(EditCommandsTest, ClearingTheInputConvertsOnlyWhenItHeldText)
{
    showWindow();
    showConversion(LengthIndex, "meter", "kilometer", "5");
    QTest::keyClick(txtIn, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(txtIn->text(), "");
    EXPECT_EQ(txtOut->text(), "");
    EXPECT_EQ(memory(LengthIndex).ValueIn, "");

    memory(LengthIndex).ValueIn = "unchanged";
    QTest::keyClick(txtIn, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(memory(LengthIndex).ValueIn, "unchanged");
}

TEST_F(EditCommandsTest, ClearAllStartsAgainAtTheFirstTabWithNothingRemembered)
{
    showWindow();
    showConversion(MassIndex, "gram", "kilogram", "8");
    showConversion(TimeIndex, "second", "minute", "120");
    lstOut->setFocus(Qt::TabFocusReason);
    item("mnu_Reset1")->trigger();

    EXPECT_EQ(tabSet->tabIndex(), 0);
    EXPECT_EQ(lstIn->selectedPosition(), -1);
    EXPECT_EQ(lstOut->selectedPosition(), -1);
    EXPECT_EQ(txtIn->text(), "");
    EXPECT_EQ(txtOut->text(), "");
    EXPECT_TRUE(txtIn->hasFocus());
    for (int category : {TimeIndex, MassIndex}) {
        tabSet->setTabIndex(category);
        EXPECT_EQ(txtIn->text(), "") << category;
        EXPECT_EQ(lstIn->selectedPosition(), -1) << category;
        EXPECT_EQ(lstOut->selectedPosition(), -1) << category;
    }
}

TEST_F(EditCommandsTest, ExitEndsTheEventLoopAndLeavesTheSavingToTheWindowsDestruction)
{
    showWindow();
    QEventLoop loop;
    QTimer::singleShot(0, window.get(), [this] { item("mnu_Exit1")->trigger(); });
    QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
    EXPECT_EQ(loop.exec(), 0);
    // Exit and closing both leave the one save to FormDestroy.
    window->close();
    EXPECT_FALSE(std::filesystem::exists(settingsFilePath()));
    window.reset();
    EXPECT_TRUE(std::filesystem::exists(settingsFilePath()));
}

} // namespace
} // namespace velmar
