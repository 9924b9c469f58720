// The help commands the program calls, driven as the menus and dialogs drive
// them: the window they open, its navigation, and its life beside modal dialogs.

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

#include "dialogs/reference/help_browser.h"
#include "dialogs/reference/help_topics.h"
#include "dialogs/reference/help_window.h"
#include "dialogs/reference/help_window_host.h"
#include "tests/reference/help_test_support.h"

namespace velmar {
namespace {

class HelpCommandsTest : public testing::Test {
protected:
    void SetUp() override { delete existingHelpWindow(); }
    void TearDown() override { delete existingHelpWindow(); }

    static HelpWindow& helpWindow()
    {
        HelpWindow* window = existingHelpWindow();
        EXPECT_NE(window, nullptr);
        return *window;
    }

    static QString shownPage() { return helpWindow().browser().source().fileName(); }

    static QLineEdit& indexSearch() { return *helpWindow().findChild<QLineEdit*>(QStringLiteral("helpIndexSearch")); }
};

// Keys delivered the way the window system delivers them; Qt drops them for a
// window that a modal dialog blocks.
bool acceptsTyping(QWidget& window, QLineEdit& box)
{
    box.clear();
    for (char key : {'a', 'b', 'c'})
        QTest::keyClick(window.windowHandle(), key);
    return box.text() == QLatin1String("abc");
}

TEST_F(HelpCommandsTest, ShowHelpTopicOpensTheContentsThenTheTopicWithoutAPriorWindow)
{
    ASSERT_EQ(existingHelpWindow(), nullptr);
    ShowHelpTopic(QStringLiteral("MetricPrefixes"));

    EXPECT_TRUE(helpWindow().isVisible());
    EXPECT_EQ(shownPage(), QLatin1String("metric_prefixes.html"));
    EXPECT_EQ(helpWindow().findChild<QTabWidget*>()->currentWidget(), helpWindow().engine().contentWidget());
}

TEST_F(HelpCommandsTest, HelpCommandsOpenTheirPages)
{
    const struct {
        std::function<void()> command;
        const char* page;
    } commands[] = {
        {ShowHelpContents, "index.html"},
        {ShowHelpOnHelp, "how_to_use_help.html"},
        {[] { ShowHelpTopic(QStringLiteral("NumberFormatScreen")); }, "number_format_screen.html"},
        {[] { ShowHelpTopic(QStringLiteral("ChooseUnitCategoryScreen")); }, "choose_category_screen.html"},
    };
    for (const auto& entry : commands) {
        entry.command();
        EXPECT_EQ(shownPage(), QLatin1String(entry.page));
    }
}

TEST_F(HelpCommandsTest, AnUnknownContextStringIsReportedInTheWindow)
{
    ShowHelpTopic(QStringLiteral("NoSuchScreen"));
    EXPECT_TRUE(
        helpWindow().browser().toPlainText().contains(QStringLiteral("has no topic named \u201cNoSuchScreen\u201d")));
}

TEST_F(HelpCommandsTest, KeywordSearchFindsTheTypedKeywordAndOpensItsTopic)
{
    ShowHelpKeywordSearch();
    ASSERT_TRUE(waitUntilHelpLoaded(helpWindow()));
    EXPECT_EQ(helpWindow().focusWidget(), &indexSearch());

    QTest::keyClicks(&indexSearch(), QStringLiteral("yott"));
    QHelpIndexWidget& index = *helpWindow().engine().indexWidget();
    EXPECT_EQ(index.currentIndex().data().toString(), QLatin1String("yotta"));

    QTest::keyClick(&indexSearch(), Qt::Key_Return);
    EXPECT_EQ(shownPage(), QLatin1String("metric_prefixes.html"));
    EXPECT_EQ(helpWindow().browser().source().fragment(), QLatin1String("yotta"));
}

TEST_F(HelpCommandsTest, AKeywordOfSeveralTopicsOffersTheirChoice)
{
    ShowHelpKeywordSearch();
    ASSERT_TRUE(waitUntilHelpLoaded(helpWindow()));
    QTest::keyClicks(&indexSearch(), QStringLiteral("ounce"));
    ASSERT_EQ(helpWindow().engine().indexWidget()->currentIndex().data().toString(), QLatin1String("ounce"));

    QStringList offered;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* topic : menu->actions())
            offered << topic->text();
        menu->actions().value(offered.indexOf(QLatin1String("Mass units")))->trigger();
        menu->close();
    });
    QTest::keyClick(&indexSearch(), Qt::Key_Return);

    EXPECT_EQ(offered, (QStringList{"Mass units", "Volume units"}));
    EXPECT_EQ(shownPage(), QLatin1String("units_mass.html"));
}

TEST_F(HelpCommandsTest, BackAndForwardRetraceTheVisitedPages)
{
    ShowHelpContents();
    ShowHelpTopic(QStringLiteral("FontsScreen"));
    ShowHelpTopic(QStringLiteral("MetricPrefixes"));
    QAction& back = *helpWindow().findChild<QAction*>(QStringLiteral("helpBack"));
    QAction& forward = *helpWindow().findChild<QAction*>(QStringLiteral("helpForward"));

    const struct {
        QAction* step;
        const char* page;
        bool backEnabled;
        bool forwardEnabled;
    } steps[] = {
        {&back, "fonts_screen.html", true, true},
        {&back, "index.html", false, true},
        {&forward, "fonts_screen.html", true, true},
        {&forward, "metric_prefixes.html", true, false},
    };
    EXPECT_FALSE(forward.isEnabled());
    for (const auto& step : steps) {
        step.step->trigger();
        EXPECT_EQ(shownPage(), QLatin1String(step.page));
        EXPECT_EQ(back.isEnabled(), step.backEnabled) << step.page;
        EXPECT_EQ(forward.isEnabled(), step.forwardEnabled) << step.page;
    }
}

TEST_F(HelpCommandsTest, ContentsTreeFollowsTheShownTopic)
{
    ShowHelpTopic(QStringLiteral("FontsScreen"));
    ASSERT_TRUE(waitUntilHelpLoaded(helpWindow()));
    // The first topic shown, before the contents existed, is marked once they do.
    QTRY_VERIFY(helpWindow().engine().contentWidget()->currentIndex().isValid());
    EXPECT_EQ(helpWindow().engine().contentWidget()->currentIndex().data().toString(), QLatin1String("Fonts dialog"));
    ShowHelpTopic(QStringLiteral("ArrangeCategoryOrderScreen"));
    EXPECT_EQ(helpWindow().engine().contentWidget()->currentIndex().data().toString(),
              QLatin1String("Arrange Category Order dialog"));
}

// A dialog's Help button opens help while the dialog runs exec(); Qt blocks
// every window outside the dialog, so the help window must be reachable
// whether or not it was already open, and must outlive the dialog.
TEST_F(HelpCommandsTest, HelpWindowIsUsableWhileAModalDialogRunsAndOutlivesIt)
{
    for (const bool openBeforeTheDialog : {false, true}) {
        delete existingHelpWindow();
        if (openBeforeTheDialog)
            ShowHelpContents();
        QLineEdit otherWindow;
        otherWindow.show();
        bool helpAcceptedTyping = false;
        bool otherWindowAcceptedTyping = true;
        {
            QDialog dialog;
            QTimer::singleShot(0, &dialog, [&] {
                ShowHelpKeywordSearch();
                EXPECT_EQ(helpWindow().parentWidget(), &dialog);
                helpAcceptedTyping = acceptsTyping(helpWindow(), indexSearch());
                otherWindowAcceptedTyping = acceptsTyping(otherWindow, otherWindow);
                dialog.accept();
            });
            dialog.exec();
        }
        EXPECT_TRUE(helpAcceptedTyping) << openBeforeTheDialog;
        EXPECT_FALSE(otherWindowAcceptedTyping) << "the check of blocked windows is meaningless";
        ASSERT_NE(existingHelpWindow(), nullptr) << openBeforeTheDialog;
        EXPECT_EQ(helpWindow().parentWidget(), nullptr);
        EXPECT_TRUE(helpWindow().isVisible());
        EXPECT_EQ(shownPage(), QLatin1String("index.html"));
    }
}

TEST_F(HelpCommandsTest, HelpWindowMovesBackToTheOuterDialogWhenAnInnerOneCloses)
{
    QDialog outer;
    bool usableUnderOuter = false;
    QTimer::singleShot(0, &outer, [&] {
        QDialog inner(&outer);
        QTimer::singleShot(0, &inner, [&] {
            ShowHelpKeywordSearch();
            EXPECT_EQ(helpWindow().parentWidget(), &inner);
            inner.accept();
        });
        inner.exec();
        EXPECT_EQ(helpWindow().parentWidget(), &outer);
        usableUnderOuter = acceptsTyping(helpWindow(), indexSearch());
        outer.accept();
    });
    outer.exec();
    EXPECT_TRUE(usableUnderOuter);
    EXPECT_EQ(helpWindow().parentWidget(), nullptr);
}

TEST_F(HelpCommandsTest, HelpStillOpensAfterItsDialogIsDestroyedWhileRunning)
{
    auto* dialog = new QDialog;
    QTimer::singleShot(0, [dialog] {
        ShowHelpTopic(QStringLiteral("FontsScreen"));
        delete dialog;
    });
    dialog->exec();

    ShowHelpTopic(QStringLiteral("NumberFormatScreen"));
    EXPECT_EQ(helpWindow().parentWidget(), nullptr);
    EXPECT_TRUE(helpWindow().isVisible());
    EXPECT_EQ(shownPage(), QLatin1String("number_format_screen.html"));
}

} // namespace
} // namespace velmar
