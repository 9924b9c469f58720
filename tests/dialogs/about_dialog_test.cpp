#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include "catalogue/unit_catalogue.h"
#include "dialogs/about_dialog.h"
#include "tests/support/modal_watcher.h"
#include "tests/support/qt_printing.h"
#include "widgets/readable_colour.h"

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

namespace {

TEST(ReadableColour, ContrastRatiosAndTheMixThatReads)
{
    const struct {
        QColor First;
        QColor Second;
        double Ratio;
    } ratios[] = {
        {Qt::black, Qt::white, 21.0},
        {Qt::white, Qt::black, 21.0},
        {QColor(0x77, 0x77, 0x77), Qt::white, 4.48},
        {QColor(0x80, 0x00, 0x80), QColor(0x35, 0x35, 0x35), 1.30},
        {Qt::red, Qt::red, 1.0},
    };
    for (const auto& r : ratios)
        EXPECT_NEAR(ContrastRatio(r.First, r.Second), r.Ratio, 0.01) << r.First.name().toStdString();

    const QColor purple(0x80, 0x00, 0x80);
    EXPECT_EQ(ReadableOn(purple, QColor(0xef, 0xef, 0xef), Qt::black), purple);
    const QColor onDark = ReadableOn(purple, QColor(0x35, 0x35, 0x35), QColor(0xee, 0xee, 0xee));
    EXPECT_GE(ContrastRatio(onDark, QColor(0x35, 0x35, 0x35)), ReadableContrast);
    EXPECT_GT(onDark.red(), onDark.green()); // still purple
}

// Every line of the box reads on its background, in a light and a dark palette.
TEST(AboutDialog, EveryLineReadsInLightAndDarkPalettes)
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Light, QColor(0x50, 0x50, 0x50));
    const QPalette saved = QApplication::palette();
    for (const QPalette& palette : {saved, dark}) {
        QApplication::setPalette(palette);
        Tfrm_About dialog(nullptr, 399);
        const QColor background = dialog.palette().color(QPalette::Window);
        for (QLabel* line : dialog.findChildren<QLabel*>()) {
            if (line->text().isEmpty() || line->objectName() == "lab_TitleShadow")
                continue;
            EXPECT_GE(ContrastRatio(line->palette().color(QPalette::WindowText), background), ReadableContrast)
                << line->objectName().toStdString() << " on " << background.name().toStdString();
        }
    }
    QApplication::setPalette(saved);
}

} // namespace
