#include <QHelpEvent>
#include <QLabel>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include "catalogue/unit_catalogue.h"
#include "dialogs/about_dialog.h"
#include "tests/support/modal_watcher.h"
#include "tests/support/qt_printing.h"

using namespace velmar;
using velmar::test_support::ModalWatcher;

namespace {

QLabel& LabelOf(QWidget& dialog, const char* name)
{
    auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
    if (label == nullptr)
        throw std::runtime_error(std::string("no label ") + name);
    return *label;
}

TEST(AboutDialog, ShowsTitleVersionUnitCountAndPlatform)
{
    ModalWatcher watcher([](QWidget& dialog) {
        const std::tuple<const char*, const char*, bool> lines[] = {
            {"lab_Title", "Velmar Converter", true},
            {"lab_Version", "Version 1.73 - Mar 8, 1997", false},
            {"lab_UnitsCaption", "Total Units Supported: ", false},
            {"lab_UnitCount", "399", true},
            {"lab_PlatformCaption", "Version Platform:", false},
            {"lab_Platform", "32-bit", true},
        };
        for (const auto& [name, text, bold] : lines) {
            EXPECT_EQ(LabelOf(dialog, name).text(), text) << name;
            EXPECT_EQ(LabelOf(dialog, name).font().bold(), bold) << name;
        }
        EXPECT_LT(LabelOf(dialog, "lab_UnitsCaption").geometry().right(), LabelOf(dialog, "lab_UnitCount").x());
        EXPECT_LT(LabelOf(dialog, "lab_PlatformCaption").geometry().right(), LabelOf(dialog, "lab_Platform").x());

        QLabel& shadow = LabelOf(dialog, "lab_TitleShadow");
        EXPECT_EQ(shadow.text(), "Velmar Converter");
        EXPECT_EQ(shadow.pos(), LabelOf(dialog, "lab_Title").pos() + QPoint(1, 1));
        EXPECT_EQ(shadow.palette().color(QPalette::WindowText), QColor(Qt::white));

        EXPECT_EQ(dialog.focusWidget(), dialog.findChild<QWidget*>(QStringLiteral("OKButton")));
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    RunAboutDialog(nullptr, UnitCatalogue());
    EXPECT_EQ(watcher.answered(), 1);
}

TEST(AboutDialog, ContactLinesHintWhatTheyAre)
{
    Tfrm_About dialog(nullptr, 399);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const std::pair<const char*, QString> contacts[] = {{"lab_Email", "e-mail: "}, {"lab_Web", "world-wide-web: "}};
    for (const auto& [name, kind] : contacts) {
        QLabel& line = LabelOf(dialog, name);
        EXPECT_FALSE(line.text().isEmpty()) << name;
        const QPoint inside = line.rect().center();
        QHelpEvent hover(QEvent::ToolTip, inside, line.mapToGlobal(inside));
        QApplication::sendEvent(&line, &hover);
        EXPECT_EQ(QToolTip::text(), kind + line.text()) << name;
        QToolTip::hideText();
    }
}

} // namespace
