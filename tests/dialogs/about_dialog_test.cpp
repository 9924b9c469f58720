#include "about_dialog.h"

#include <QHelpEvent>
#include <QLabel>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include "modal_watcher.h"
#include "qt_printing.h"
#include "unit_catalogue.h"

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
    int shownCount = -1;
    ModalWatcher watcher([&shownCount](QWidget& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "About");
        EXPECT_EQ(dialog.focusWidget(), dialog.findChild<QWidget*>(QStringLiteral("OKButton")));
        shownCount = LabelOf(dialog, "lab_UnitCount").text().toInt();
        QTest::keyClick(&dialog, Qt::Key_Return);
    });
    RunAboutDialog(nullptr, UnitCatalogue());
    EXPECT_EQ(watcher.answered(), 1);
    EXPECT_EQ(shownCount, 399);
}

TEST(AboutDialog, LinesReadAsDesigned)
{
    Tfrm_About dialog(nullptr, 399);
    struct Line {
        const char* Name;
        const char* Text;
        bool Bold;
    };
    const Line lines[] = {
        {"lab_Title", "Velmar Converter", true},
        {"lab_Version", "Version 1.73 - Mar 8, 1997", false},
        {"lab_UnitsCaption", "Total Units Supported: ", false},
        {"lab_UnitCount", "399", true},
        {"lab_PlatformCaption", "Version Platform:", false},
        {"lab_Platform", "32-bit", true},
    };
    for (const Line& line : lines) {
        QLabel& label = LabelOf(dialog, line.Name);
        EXPECT_EQ(label.text(), line.Text) << line.Name;
        EXPECT_EQ(label.font().bold(), line.Bold) << line.Name;
    }
    EXPECT_LT(LabelOf(dialog, "lab_UnitsCaption").geometry().right(), LabelOf(dialog, "lab_UnitCount").x());
    EXPECT_LT(LabelOf(dialog, "lab_PlatformCaption").geometry().right(), LabelOf(dialog, "lab_Platform").x());
    EXPECT_LE(LabelOf(dialog, "lab_Platform").geometry().right(), dialog.width());
}

TEST(AboutDialog, TitleHasAWhiteCopyOnePixelDownAndRightBeneathIt)
{
    Tfrm_About dialog(nullptr, 399);
    QLabel& title = LabelOf(dialog, "lab_Title");
    QLabel& shadow = LabelOf(dialog, "lab_TitleShadow");
    EXPECT_EQ(shadow.text(), title.text());
    EXPECT_EQ(shadow.font(), title.font());
    EXPECT_EQ(shadow.pos(), title.pos() + QPoint(1, 1));
    EXPECT_EQ(shadow.palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_NE(title.palette().color(QPalette::WindowText), QColor(Qt::white));
    const QObjectList stacking = dialog.children();
    EXPECT_LT(stacking.indexOf(&shadow), stacking.indexOf(&title));
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
