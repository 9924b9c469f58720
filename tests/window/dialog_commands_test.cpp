// The Options, Reference and Help commands as the menus run them: each dialog
// is answered the way a user would, and the converter window is checked for
// what the answer did to it.

#include <QAction>
#include <QDialog>
#include <QFontDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QtGui/private/qguiapplication_p.h>

#include <algorithm>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/reference/help_browser.h"
#include "dialogs/reference/help_window.h"
#include "dialogs/reference/help_window_host.h"
#include "tests/support/converter_window_fixture.h"
#include "tests/support/message_answerer.h"
#include "tests/support/modal_watcher.h"
#include "tests/support/widget_clicks.h"

namespace velmar {
namespace {

using test_support::ClickButton;
using test_support::MessageAnswerer;
using test_support::ModalWatcher;

using Answer = std::function<void(QWidget& dialog)>;

constexpr int DecimalPosition = 2;
constexpr int BinaryPosition = 0;
constexpr int ProperFractionPosition = 0;

void Cancel(QWidget& dialog)
{
    ClickButton(dialog, "btn_Cancel");
}

void Confirm(QWidget& dialog)
{
    ClickButton(dialog, "btn_OK");
}

QListWidget& CategoryListOf(QWidget& dialog)
{
    return *dialog.findChild<QListWidget*>(QStringLiteral("lst_Units"));
}

// Presses the Fonts dialog's button that opens the common font dialog, and
// picks `font` there. The watcher's timer does not fire inside its own answer,
// so a timer of its own answers the nested dialog.
void PickFont(QWidget& fontsDialog, const char* changeButton, const QFont& font)
{
    QTimer::singleShot(0, [font] {
        // Closed whatever it is, so that a failure cannot leave the test waiting.
        auto* picker = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        auto* fonts = picker->findChild<QFontDialog*>();
        EXPECT_NE(fonts, nullptr) << picker->metaObject()->className();
        if (fonts != nullptr)
            fonts->setCurrentFont(font);
        picker->accept();
    });
    ClickButton(fontsDialog, changeButton);
}

class DialogCommandsTest : public ConverterWindowTest {
protected:
    void SetUp() override
    {
        ConverterWindowTest::SetUp();
        delete existingHelpWindow();
    }

    void TearDown() override
    {
        delete existingHelpWindow();
        ConverterWindowTest::TearDown();
    }

    // Runs the menu command, handing every modal window it opens to `answer`.
    void runCommand(const char* command, const Answer& answer)
    {
        ModalWatcher watcher(answer);
        control<QAction>(command)->trigger();
        EXPECT_GE(watcher.answered(), 1) << command;
    }

    // Shows Length converting meters to meters.
    void convertMeters(const char* input)
    {
        lstIn->setSelectedPosition(MeterPosition);
        lstOut->setSelectedPosition(MeterPosition);
        QTest::keyClicks(txtIn, input);
    }

    static QString shownHelpPage()
    {
        HelpWindow* help = existingHelpWindow();
        return help && help->isVisible() ? help->browser().source().fileName() : QString();
    }
};

TEST_F(DialogCommandsTest, EachDialogIsModalOverTheWindowAndGoneWhenTheCommandReturns)
{
    const struct {
        const char* Command;
        const char* DialogClass;
        Answer Close;
    } commands[] = {
        {"mnu_Result1", "velmar::Tfrm_NumberFormat", Cancel},
        {"mnu_Fonts1", "velmar::Tfrm_Fonts", Cancel},
        {"mnu_ChooseUnitCategory1", "velmar::Tfrm_ChooseUnits", Cancel},
        {"mnu_ArrangeOrderofCategories1", "velmar::Tfrm_ArrangeUnits", Cancel},
        {"mnu_About1", "velmar::Tfrm_About", [](QWidget& about) { ClickButton(about, "OKButton"); }},
    };
    showWindow();
    for (const auto& c : commands) {
        runCommand(c.Command, [&](QWidget& dialog) {
            EXPECT_STREQ(dialog.metaObject()->className(), c.DialogClass);
            EXPECT_EQ(dialog.parentWidget(), window.get()) << c.Command;
            EXPECT_TRUE(dialog.isModal()) << c.Command;
            c.Close(dialog);
        });
        EXPECT_TRUE(window->findChildren<QDialog*>().isEmpty()) << c.Command;
    }
    EXPECT_TRUE(faults.messages.isEmpty());
}

TEST_F(DialogCommandsTest, NumberFormatOkRewritesTheResultExceptInNumbersAndFractions)
{
    const auto fixedWithCommas = [](QWidget& dialog) {
        auto* choice
            = dialog.findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(ViewTypeOf(ResultForm::Commas)));
        QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(6, choice->height() / 2));
        dialog.findChild<QSpinBox*>(QStringLiteral("SpinEdit1"))->setValue(2);
        Confirm(dialog);
    };
    const struct {
        const char* Name;
        int Category;
        int FormatIn;
        int FormatOut;
        const char* Input;
        Answer Reply;
        const char* Before;
        const char* After;
    } cases[] = {
        {"Length, OK", LengthIndex, MeterPosition, MeterPosition, "1234.5", fixedWithCommas, "1234.5", "1,234.50"},
        {"Length, Cancel", LengthIndex, MeterPosition, MeterPosition, "1234.5", Cancel, "1234.5", "1234.5"},
        {"Numbers, OK", NumbersIndex, DecimalPosition, BinaryPosition, "10", fixedWithCommas, "1010", "1010"},
        {"Fractions, OK", FractionsIndex, -1, ProperFractionPosition, "0.5", fixedWithCommas, "1/2", "1/2"},
    };
    for (const auto& c : cases) {
        window->numberFormat() = MakeNumberFormatSetting(ResultForm::AutoFormat, 4);
        memory(c.Category) = {c.Input, c.FormatIn, c.FormatOut};
        tabSet->setTabIndex(MassIndex);
        tabSet->setTabIndex(c.Category); // the switch loads the memory and converts
        ASSERT_EQ(txtOut->text(), c.Before) << c.Name;

        runCommand("mnu_Result1", c.Reply);
        EXPECT_EQ(txtOut->text(), c.After) << c.Name;
    }
    EXPECT_EQ(window->numberFormat().ViewType, ResultForm::Commas);
    EXPECT_EQ(window->numberFormat().Precision, 2);
}

TEST_F(DialogCommandsTest, FontsOkAppliesBothFontsAndLaysTheWindowOutAgain)
{
    showWindow();
    const int designStripHeight = tabSet->height();
    const int designListTop = lstIn->y();
    const int designBoxHeight = txtIn->height();
    const QString family = QApplication::font().family();

    const auto pickFonts = [&](bool confirm) {
        return [&, confirm](QWidget& dialog) {
            PickFont(dialog, "btn_Font1", QFont(family, 20));
            PickFont(dialog, "btn_Font2", QFont(family, 10));
            confirm ? Confirm(dialog) : Cancel(dialog);
        };
    };

    runCommand("mnu_Fonts1", pickFonts(false));
    EXPECT_EQ(tabSet->height(), designStripHeight);
    EXPECT_EQ(lstIn->y(), designListTop);
    EXPECT_NE(txtIn->font().pointSize(), 20);

    runCommand("mnu_Fonts1", pickFonts(true));
    for (const QWidget* box : std::initializer_list<const QWidget*>{txtIn, txtOut, lstIn, lstOut, lab2})
        EXPECT_EQ(box->font().pointSize(), 20) << box->objectName().toStdString();
    EXPECT_EQ(tabSet->font().pointSize(), 10);
    // A 10-point font is 13 pixels high at 96 dots per inch; the style's tabs may need more.
    EXPECT_EQ(tabSet->height(), std::max(22, tabBar->minimumSizeHint().height()));
    const int growth = txtIn->height() - designBoxHeight;
    EXPECT_GT(growth, 0);
    EXPECT_EQ(lstIn->y(), designListTop + growth);
    EXPECT_EQ(lstOut->y(), lstIn->y());
}

TEST_F(DialogCommandsTest, ChooseCategoryShowsTheChosenCategoryAndLeavesTheShownOneAlone)
{
    convertMeters("5");
    // A switch would reload the input from memory; the shown category must not switch.
    memory(LengthIndex) = {"9", MeterPosition, MeterPosition};
    runCommand("mnu_ChooseUnitCategory1", Confirm);
    EXPECT_EQ(tabSet->tabIndex(), LengthIndex);
    EXPECT_EQ(txtIn->text(), "5");
    EXPECT_EQ(lstIn->selectedPosition(), MeterPosition);
    EXPECT_EQ(lstOut->selectedPosition(), MeterPosition);
    EXPECT_EQ(txtOut->text(), "5");

    runCommand("mnu_ChooseUnitCategory1", [](QWidget& dialog) {
        test_support::ClickRow(CategoryListOf(dialog), TemperatureIndex);
        Cancel(dialog);
    });
    EXPECT_EQ(tabSet->tabIndex(), LengthIndex);

    runCommand("mnu_ChooseUnitCategory1",
               [](QWidget& dialog) { test_support::DoubleClickRow(CategoryListOf(dialog), TemperatureIndex); });
    EXPECT_EQ(tabSet->tabIndex(), TemperatureIndex);
    EXPECT_EQ(lstIn->items(), window->unitNameList(TemperatureIndex));
}

TEST_F(DialogCommandsTest, ArrangeOkReplacesTheTabsAndShowsTheFirst)
{
    tabSet->setTabIndex(MassIndex);
    runCommand("mnu_ArrangeOrderofCategories1", Cancel);
    EXPECT_EQ(tabSet->tabIndex(), MassIndex);

    runCommand("mnu_ArrangeOrderofCategories1", Confirm);
    EXPECT_EQ(tabSet->tabs(), window->categoryDisplayNames());
    EXPECT_EQ(tabSet->tabIndex(), 0);
    EXPECT_EQ(lstIn->items(), window->unitNameList(LengthIndex));

    runCommand("mnu_ArrangeOrderofCategories1", [](QWidget& dialog) {
        test_support::ClickRow(CategoryListOf(dialog), NumbersIndex);
        for (int step = 0; step < NumbersIndex; ++step)
            ClickButton(dialog, "btn_MoveUp");
        Confirm(dialog);
    });
    EXPECT_EQ(tabSet->tabText(0), "Numbers");
    EXPECT_EQ(tabSet->tabIndex(), 0);
    // The key filter follows the caption: letters pass, a point does not.
    QTest::keyClicks(txtIn, "ff.");
    EXPECT_EQ(txtIn->text(), "FF");
    EXPECT_EQ(memory(NumbersIndex).ValueIn, "FF");

    // Reset goes back to the names the strip was first filled with.
    runCommand("mnu_ArrangeOrderofCategories1", [](QWidget& dialog) {
        ClickButton(dialog, "btn_Reset");
        Confirm(dialog);
    });
    EXPECT_EQ(tabSet->tabs(), window->categoryDisplayNames());
}

TEST_F(DialogCommandsTest, AFaultInTheSwitchACommandStartsIsReported)
{
    memory(LengthIndex) = {"1E4933", MeterPosition, KilometerPosition};
    tabSet->setTabIndex(MassIndex);
    runCommand("mnu_ArrangeOrderofCategories1", Confirm);
    EXPECT_EQ(faults.messages, QStringList{"Floating point overflow."});
}

TEST_F(DialogCommandsTest, F1OpensTheHelpContentsFromEveryControl)
{
    const std::vector<QWidget*> controls{txtIn, lstIn, txtOut, lstOut, tabBar};
    for (QWidget* focused : controls) {
        delete existingHelpWindow();
        showWindow();
        focused->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(focused->hasFocus());
        QTest::keyClick(focused, Qt::Key_F1);
        EXPECT_EQ(shownHelpPage(), "index.html") << focused->objectName().toStdString();
    }
}

TEST_F(DialogCommandsTest, HelpAndReferenceCommandsOpenTheirTopics)
{
    const struct {
        const char* Command;
        const char* Page;
    } commands[] = {
        {"mnu_MetricPrefixes1", "metric_prefixes.html"},
        {"mnu_HowtoUseHelp1", "how_to_use_help.html"},
    };
    for (const auto& c : commands) {
        delete existingHelpWindow();
        control<QAction>(c.Command)->trigger();
        EXPECT_EQ(shownHelpPage(), c.Page) << c.Command;
    }

    control<QAction>("mnu_SearchforHelpOn1")->trigger();
    ASSERT_NE(existingHelpWindow(), nullptr);
    auto* keywordSearch = existingHelpWindow()->findChild<QLineEdit*>(QStringLiteral("helpIndexSearch"));
    ASSERT_NE(keywordSearch, nullptr);
    EXPECT_TRUE(keywordSearch->isVisible());
}

// A help window opened before a dialog, or from the dialog's Help button,
// stays usable while the dialog waits over the converter window, and while a
// dialog opened from that one waits over both.
TEST_F(DialogCommandsTest, TheHelpWindowStaysUsableWhileADialogWaitsOverTheWindow)
{
    const auto blocked = [](QWidget& widget) {
        return QGuiApplicationPrivate::instance()->isWindowBlocked(widget.window()->windowHandle());
    };
    showWindow();
    control<QAction>("mnu_Contents1")->trigger();
    HelpWindow* help = existingHelpWindow();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));

    const auto expectOnlyItsOwnersBlocked = [&](QWidget& dialog) {
        const char* name = dialog.metaObject()->className();
        EXPECT_FALSE(blocked(*help)) << name;
        EXPECT_FALSE(blocked(dialog)) << name;
        EXPECT_TRUE(blocked(*window)) << name;
    };
    const auto helpThenFontPicker = [&](QWidget& fonts) {
        ClickButton(fonts, "btn_Help");
        EXPECT_EQ(help->parentWidget(), nullptr);
        QTimer::singleShot(0, [&] {
            auto* picker = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(picker, nullptr);
            expectOnlyItsOwnersBlocked(*picker);
            EXPECT_TRUE(blocked(fonts));
            picker->reject();
        });
        ClickButton(fonts, "btn_Font1");
        Cancel(fonts);
    };
    const struct {
        const char* Command;
        Answer Close;
    } commands[] = {
        {"mnu_Result1", Cancel},
        {"mnu_Fonts1", Cancel},
        {"mnu_ChooseUnitCategory1", Cancel},
        {"mnu_ArrangeOrderofCategories1", Cancel},
        {"mnu_About1", [](QWidget& about) { ClickButton(about, "OKButton"); }},
        {"mnu_Fonts1", helpThenFontPicker},
    };
    for (const auto& c : commands) {
        runCommand(c.Command, [&](QWidget& dialog) {
            expectOnlyItsOwnersBlocked(dialog);
            c.Close(dialog);
        });
    }
    EXPECT_TRUE(help->isVisible());
}

TEST_F(DialogCommandsTest, CalculatorWithoutOneOnThePathShowsTheError)
{
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", "");
    MessageAnswerer messages;
    control<QAction>("Calculator1")->trigger();
    qputenv("PATH", savedPath);
    ASSERT_EQ(messages.shown.size(), 1);
    const test_support::ShownMessage& error = messages.shown.front();
    EXPECT_EQ(error.Title, "Error");
    EXPECT_EQ(error.Text, "Unable to start the Windows Calculator.");
    EXPECT_EQ(error.Icon, QMessageBox::Critical);
    EXPECT_EQ(error.Buttons, QList{QMessageBox::Ok});
    EXPECT_EQ(error.Owner, window.get());
}

} // namespace
} // namespace velmar
