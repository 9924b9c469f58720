// A screen reader announces the control that has the focus by its accessible
// name and explains it by its description; a keyboard user reaches every
// command through a shortcut or an access key, and finds the shortcuts in the
// help and the manual page.

#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QTabBar>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "dialogs/about_dialog.h"
#include "dialogs/arrange_units_dialog.h"
#include "dialogs/choose_units_dialog.h"
#include "dialogs/fonts_dialog.h"
#include "dialogs/number_format_dialog.h"
#include "dialogs/reference/help_window.h"
#include "window/converter_window.h"

using namespace velmar;

namespace {

QString accessibleText(QWidget& widget, QAccessible::Text kind)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    return accessible != nullptr ? accessible->text(kind).trimmed() : QString();
}

// Qt announces a tab bar by the caption of its current tab and gives it no
// description; it names the scroll buttons it builds into the bar itself.
bool isTabBarPart(const QWidget& control)
{
    return qobject_cast<const QTabBar*>(&control) != nullptr
        || qobject_cast<const QTabBar*>(control.parentWidget()) != nullptr;
}

// Controls that can take the focus but leave a screen reader without a name,
// without a description, or with the name of another control. A widget that
// passes its focus on is judged by the widget that receives it.
QStringList unexplainedControls(QWidget& window)
{
    QStringList unexplained;
    QStringList names;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || control->focusProxy() != nullptr)
            continue;
        const QString name = accessibleText(*control, QAccessible::Name);
        const bool described = !accessibleText(*control, QAccessible::Description).isEmpty() || isTabBarPart(*control);
        QString fault;
        if (name.isEmpty())
            fault = QStringLiteral("without a name");
        else if (names.contains(name))
            fault = QStringLiteral("named like another control");
        else if (!described)
            fault = QStringLiteral("without a description");
        if (!fault.isEmpty()) {
            unexplained.append(
                QStringLiteral("%1 \"%2\" (\"%3\") %4")
                    .arg(QLatin1String(control->metaObject()->className()), control->objectName(), name, fault));
        }
        names.append(name);
    }
    return unexplained;
}

// The test main empties the configuration folder before each test.
std::unique_ptr<Tfrm_Converter> firstStartWindow()
{
    return std::make_unique<Tfrm_Converter>(RegionalMarks{});
}

QStringList categoryCaptions()
{
    return {QStringLiteral("Length"), QStringLiteral("Area"), QStringLiteral("Mass")};
}

struct WindowCase {
    const char* Title;
    std::function<std::unique_ptr<QWidget>()> Open;
};

const WindowCase Windows[] = {
    {"converter window", [] { return std::unique_ptr<QWidget>(firstStartWindow()); }},
    {"Result Number Format",
     [] { return std::make_unique<Tfrm_NumberFormat>(nullptr, NumberFormatSetting{}, RegionalMarks{}); }},
    {"Choose Category",
     [] { return std::make_unique<Tfrm_ChooseUnits>(nullptr, categoryCaptions(), 0, DefaultTextFont()); }},
    {"Arrange Category Order",
     [] {
         return std::make_unique<Tfrm_ArrangeUnits>(nullptr, categoryCaptions(), categoryCaptions(), DefaultTextFont());
     }},
    {"Fonts",
     [] {
         return std::make_unique<Tfrm_Fonts>(nullptr, ConverterFonts{DefaultTextFont(), DefaultTabFont()});
     }},
    {"About", [] { return std::make_unique<Tfrm_About>(nullptr, 399); }},
    {"help window", [] { return std::make_unique<HelpWindow>(QString()); }},
};

TEST(Accessibility, EveryControlThatTakesTheFocusHasANameOfItsOwnAndADescription)
{
    for (const WindowCase& window : Windows) {
        const std::unique_ptr<QWidget> opened = window.Open();
        const QStringList unexplained = unexplainedControls(*opened);
        EXPECT_TRUE(unexplained.isEmpty()) << window.Title << ":\n"
                                           << unexplained.join(QLatin1Char('\n')).toStdString();
    }
}

// The commands of the menu bar: its own items and those of its menus.
QList<QAction*> menuCommands(const Tfrm_Converter& window)
{
    QList<QAction*> commands;
    for (QAction* entry : window.menuBar()->actions()) {
        if (entry->menu() == nullptr) {
            commands.append(entry);
            continue;
        }
        for (QAction* command : entry->menu()->actions()) {
            if (!command->isSeparator())
                commands.append(command);
        }
    }
    return commands;
}

TEST(Accessibility, EveryMenuAndCommandHasAnAccessKey)
{
    const std::unique_ptr<Tfrm_Converter> window = firstStartWindow();
    QList<QAction*> entries = window->menuBar()->actions();
    entries.append(menuCommands(*window));
    ASSERT_GT(entries.size(), 5);
    for (QAction* entry : entries)
        EXPECT_FALSE(QKeySequence::mnemonic(entry->text()).isEmpty()) << entry->text().toStdString();
}

QString fileText(const char* path)
{
    QFile file(QString::fromUtf8(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return QString::fromUtf8(file.readAll());
}

TEST(Accessibility, HelpAndManualPageListEveryShortcut)
{
    const std::unique_ptr<Tfrm_Converter> window = firstStartWindow();
    for (const char* document : {VELMAR_KEYBOARD_HELP_PAGE, VELMAR_WINDOW_MANUAL_PAGE}) {
        const QString text = fileText(document);
        for (QAction* command : menuCommands(*window)) {
            const QString keys = command->shortcut().toString(QKeySequence::PortableText);
            if (!keys.isEmpty()) {
                EXPECT_TRUE(text.contains(keys)) << document << " lacks " << keys.toStdString();
            }
        }
    }
}

} // namespace
