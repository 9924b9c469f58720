#include <QApplication>
#include <QImage>
#include <QMap>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/qt_printing.h"
#include "widgets/readable_colour.h"
#include "window/converter_window.h"
#include "window/tab_set.h"
#include "window/unit_list_box.h"
#include "window/upper_case_line_edit.h"

namespace velmar {
namespace {

// A dark scheme as the desktops' dark themes have it: light text on dark grey.
QPalette DarkPalette()
{
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35), base(0x2a, 0x2a, 0x2a), text(0xee, 0xee, 0xee);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        dark.setColor(group, QPalette::Window, window);
        dark.setColor(group, QPalette::WindowText, text);
        dark.setColor(group, QPalette::Base, base);
        dark.setColor(group, QPalette::AlternateBase, window);
        dark.setColor(group, QPalette::Text, text);
        dark.setColor(group, QPalette::Button, window);
        dark.setColor(group, QPalette::ButtonText, text);
        dark.setColor(group, QPalette::Light, QColor(0x50, 0x50, 0x50));
        dark.setColor(group, QPalette::Midlight, QColor(0x45, 0x45, 0x45));
        dark.setColor(group, QPalette::Mid, QColor(0x28, 0x28, 0x28));
        dark.setColor(group, QPalette::Dark, QColor(0x20, 0x20, 0x20));
        dark.setColor(group, QPalette::Shadow, Qt::black);
        dark.setColor(group, QPalette::Highlight, QColor(0x1d, 0x54, 0x8f));
        dark.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    return dark;
}

// A fill that sets the selected row apart from the rows around it; well
// under the contrast text needs, as a dark palette's tints sit close together.
constexpr double MarkedSelectionContrast = 1.25;

struct Look {
    const char* Name;
    const char* Style;
    bool Dark;
};

// What the pixels of one area say: its background is its most common colour,
// its text the colour furthest from that in contrast.
struct AreaColours {
    QColor Background;
    QColor Text;
    double Contrast = 1;
};

AreaColours MeasureArea(const QImage& shot, const QRect& area)
{
    QMap<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[shot.pixel(x, y)];
    AreaColours measured;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            measured.Background = QColor(it.key());
        }
    }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double contrast = ContrastRatio(QColor(it.key()), measured.Background);
        if (contrast > measured.Contrast) {
            measured.Contrast = contrast;
            measured.Text = QColor(it.key());
        }
    }
    return measured;
}

// The rows of `area` holding ink that reads on its background.
std::pair<int, int> InkRows(const QImage& shot, const QRect& area, const QColor& background)
{
    int top = -1, bottom = -1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (ContrastRatio(QColor(shot.pixel(x, y)), background) >= 3) {
                top = top < 0 ? y : top;
                bottom = y;
                break;
            }
        }
    }
    return {top, bottom};
}

class WindowContrastTest : public ::testing::TestWithParam<Look> {
protected:
    void SetUp() override
    {
        savedPalette = QApplication::palette();
        QApplication::setStyle(QStyleFactory::create(QLatin1String(GetParam().Style)));
        QApplication::setPalette(GetParam().Dark ? DarkPalette() : QApplication::style()->standardPalette());
        window = std::make_unique<Tfrm_Converter>(RegionalMarks{});
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void TearDown() override
    {
        window.reset();
        QApplication::setPalette(savedPalette);
    }

    template <typename Control>
    Control* control(const char* name)
    {
        return window->findChild<Control*>(QLatin1String(name));
    }

    // The window as the X server shows it.
    QImage screenshot()
    {
        QTest::qWait(200);
        return window->screen()->grabWindow(window->winId()).toImage();
    }

    QRect inWindow(const QWidget* control, QRect area) const
    {
        return QRect(control->mapTo(window.get(), area.topLeft()), area.size());
    }

    QPalette savedPalette;
    std::unique_ptr<Tfrm_Converter> window;
};

TEST_P(WindowContrastTest, TextReadsOnItsBackgroundAndTabCaptionsShowWhole)
{
    auto* input = control<UpperCaseLineEdit>("txt_In");
    auto* result = control<QLineEdit>("txt_Out");
    auto* source = control<UnitListBox>("lst_In");
    auto* target = control<UnitListBox>("lst_Out");
    auto* strip = control<TabSet>("TabSet1");
    QTabBar* bar = strip->findChild<QTabBar*>();
    source->setSelectedPosition(0);
    target->setSelectedPosition(1);
    QTest::keyClicks(input, "12345");
    source->setFocus();
    const QImage shot = screenshot();
    if (const char* folder = std::getenv("VELMAR_SHOT_FOLDER")) // to look at
        shot.save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QLatin1String(GetParam().Name) + ".png");

    const auto expectReadable = [&](const std::string& what, const QWidget* owner, QRect area) {
        const AreaColours measured = MeasureArea(shot, inWindow(owner, area));
        EXPECT_GE(measured.Contrast, ReadableContrast)
            << what << ": " << measured.Text.name().toStdString() << " on " << measured.Background.name().toStdString();
        std::printf("%s %s: %s on %s, %.1f:1\n", GetParam().Name, what.c_str(), qPrintable(measured.Text.name()),
                    qPrintable(measured.Background.name()), measured.Contrast);
    };
    const int inset = 4;
    expectReadable("input box", input, input->rect().adjusted(inset, inset, -inset, -inset));
    expectReadable("result box", result, result->rect().adjusted(inset, inset, -inset, -inset));
    for (UnitListBox* list : {source, target}) {
        const QRect selected = list->visualItemRect(list->item(list->selectedPosition()));
        const QRect plain = list->visualItemRect(list->item(list->selectedPosition() + 2));
        const char* name = list == source ? "focused list" : "unfocused list";
        expectReadable(name + std::string(", selected unit"), list->viewport(), selected.adjusted(1, 1, -1, -1));
        expectReadable(name + std::string(", other unit"), list->viewport(), plain.adjusted(1, 1, -1, -1));
        // The chosen unit stands out in both lists, not only in the one in use.
        const double marked
            = ContrastRatio(MeasureArea(shot, inWindow(list->viewport(), selected.adjusted(1, 1, -1, -1))).Background,
                            MeasureArea(shot, inWindow(list->viewport(), plain.adjusted(1, 1, -1, -1))).Background);
        EXPECT_GE(marked, MarkedSelectionContrast) << name;
        std::printf("%s %s, selected against other rows: %.2f:1\n", GetParam().Name, name, marked);
    }
    const QRect tab = bar->tabRect(bar->currentIndex()).adjusted(3, 3, -3, -3);
    expectReadable("selected tab", bar, tab);

    const QRect stripArea = inWindow(strip, strip->rect());
    for (int position = 0; position < bar->count(); ++position) {
        const QRect caption = inWindow(bar, bar->tabRect(position)).intersected(inWindow(bar, bar->rect()));
        if (caption.isEmpty())
            continue; // scrolled out of the strip
        const AreaColours tabColours = MeasureArea(shot, caption.adjusted(2, 2, -2, -2));
        const auto [top, bottom] = InkRows(shot, caption.adjusted(3, 2, -3, -2), tabColours.Background);
        ASSERT_GE(top, 0) << "no caption ink in tab " << position;
        EXPECT_TRUE(stripArea.contains(QRect(caption.left(), top, 1, bottom - top + 1))) << position;
        EXPECT_GE(bottom - top + 1, bar->fontMetrics().capHeight()) << "caption cut in tab " << position;
    }
}

const Look looks[] = {
    {"FusionLight", "Fusion", false},
    {"FusionDark", "Fusion", true},
    {"WindowsLight", "Windows", false},
    {"WindowsDark", "Windows", true},
};

INSTANTIATE_TEST_SUITE_P(Looks, WindowContrastTest, ::testing::ValuesIn(looks),
                         [](const auto& info) { return info.param.Name; });

} // namespace
} // namespace velmar
