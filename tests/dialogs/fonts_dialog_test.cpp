#include <QComboBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include "dialogs/fonts_dialog.h"
#include "tests/support/message_answerer.h"
#include "tests/support/modal_watcher.h"
#include "tests/support/qt_printing.h"
#include "tests/support/widget_clicks.h"

using namespace velmar;
using velmar::test_support::ClickButton;
using velmar::test_support::MessageAnswerer;
using velmar::test_support::ModalWatcher;

namespace {

FontChoice MakeFont(const QString& face, int points, bool bold, bool italic, QColor colour = Qt::black)
{
    return {QFont(face, points, bold ? QFont::Bold : QFont::Normal, italic), colour};
}

// What the converter keeps of a font, readable in failure messages.
std::string Describe(const FontChoice& choice)
{
    const QFont& font = choice.Font;
    return QStringLiteral("%1 %2pt%3%4%5%6 %7")
        .arg(font.family())
        .arg(font.pointSize())
        .arg(font.bold() ? " bold" : "")
        .arg(font.italic() ? " italic" : "")
        .arg(font.underline() ? " underline" : "")
        .arg(font.strikeOut() ? " strikeout" : "")
        .arg(choice.Colour.name())
        .toStdString();
}

std::string Describe(const ConverterFonts& fonts)
{
    return Describe(fonts.Text) + " / " + Describe(fonts.Tab);
}

const ConverterFonts Current{MakeFont("Courier", 12, false, false, Qt::blue), MakeFont("Times", 8, true, true)};

// Stands in for the common font dialog: answers with a fixed choice and
// remembers what it was started from.
FontPicker FakePicker(std::optional<FontChoice> answer, std::vector<FontChoice>* startedFrom = nullptr)
{
    return [answer, startedFrom](const FontChoice& initial, QWidget*) {
        if (startedFrom != nullptr)
            startedFrom->push_back(initial);
        return answer;
    };
}

TEST(FontsDialog, PickedFontsLoseUnderlineAndStrikeoutWithAWarning)
{
    struct Case {
        const char* Name;
        bool Underline;
        bool StrikeOut;
        bool Cancelled;
    };
    const Case cases[] = {{"plain", false, false, false},
                          {"underline", true, false, false},
                          {"strikeout", false, true, false},
                          {"both", true, true, false},
                          {"picker cancelled", true, true, true}};
    for (const bool textFont : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message() << (textFont ? "text font, " : "tab font, ") << c.Name);
            FontChoice answer = MakeFont("Courier", 14, false, true, Qt::darkRed);
            answer.Font.setUnderline(c.Underline);
            answer.Font.setStrikeOut(c.StrikeOut);
            std::vector<FontChoice> startedFrom;
            Tfrm_Fonts dialog(nullptr, Current,
                              FakePicker(c.Cancelled ? std::nullopt : std::optional(answer), &startedFrom));
            dialog.show();

            MessageAnswerer messages;
            ClickButton(dialog, textFont ? "btn_Font1" : "btn_Font2");

            const FontChoice& edited = textFont ? Current.Text : Current.Tab;
            ASSERT_EQ(startedFrom.size(), 1u);
            EXPECT_EQ(Describe(startedFrom[0]), Describe(edited));
            const FontChoice expected = c.Cancelled ? edited : MakeFont("Courier", 14, false, true, Qt::darkRed);
            const ConverterFonts chosen = dialog.ChosenFonts();
            EXPECT_EQ(
                Describe(chosen),
                Describe(textFont ? ConverterFonts{expected, Current.Tab} : ConverterFonts{Current.Text, expected}));
            const bool warned = !c.Cancelled && (c.Underline || c.StrikeOut);
            ASSERT_EQ(messages.shown.size(), warned ? 1 : 0);
            if (warned) {
                const velmar::test_support::ShownMessage& warning = messages.shown.front();
                EXPECT_EQ(warning.Title, "Warning");
                EXPECT_EQ(warning.Text, "Strikeout and underline attributes are not allowed.");
                EXPECT_EQ(warning.Icon, QMessageBox::Warning);
                EXPECT_EQ(warning.Buttons, QList{QMessageBox::Ok});
                EXPECT_EQ(warning.Owner, &dialog);
            }
        }
    }
}

TEST(FontsDialog, ReturnsBothFontsOnlyWhenConfirmed)
{
    const ConverterFonts defaults{MakeFont("Arial", 10, true, false), MakeFont("Small Fonts", 7, false, false)};
    const FontChoice coloured = MakeFont("Courier", 11, false, false, Qt::magenta);
    struct Case {
        const char* Name;
        std::function<void(QWidget&)> Answer;
        std::optional<ConverterFonts> Result;
    };
    const Case cases[] = {
        {"Reset, OK",
         [](QWidget& dialog) {
             ClickButton(dialog, "btn_Reset");
             ClickButton(dialog, "btn_OK");
         },
         defaults},
        {"Reset, Cancel",
         [](QWidget& dialog) {
             ClickButton(dialog, "btn_Reset");
             ClickButton(dialog, "btn_Cancel");
         },
         std::nullopt},
        {"coloured text font, OK",
         [](QWidget& dialog) {
             ClickButton(dialog, "btn_Font1");
             ClickButton(dialog, "btn_OK");
         },
         ConverterFonts{coloured, Current.Tab}},
        {"OK unchanged", [](QWidget& dialog) { ClickButton(dialog, "btn_OK"); }, Current},
    };
    for (const Case& c : cases) {
        ModalWatcher watcher(c.Answer);
        const std::optional<ConverterFonts> result = RunFontsDialog(nullptr, Current, FakePicker(coloured));
        ASSERT_EQ(result.has_value(), c.Result.has_value()) << c.Name;
        if (result) {
            EXPECT_EQ(Describe(*result), Describe(*c.Result)) << c.Name;
        }
    }
}

// The font dialog offers the 16 basic colours; a colour that is none of
// them stays on offer as "Custom", and one left alone comes back as it was.
TEST(FontDialogWithColour, PicksTheColourWithTheFont)
{
    const QColor systemText = QColor::fromRgb(0x123456);
    struct Case {
        const char* Name;
        QColor Start;
        QString Choose; // the colour row to pick; empty: leave it
        bool Accept;
        std::optional<QColor> Result;
    };
    const Case cases[] = {
        {"basic colour kept", Qt::darkCyan, {}, true, QColor(Qt::darkCyan)},
        {"other colour kept", systemText, {}, true, systemText},
        {"red chosen", Qt::black, QStringLiteral("Red"), true, QColor(0xFF0000)},
        {"custom chosen back", systemText, QStringLiteral("Custom"), true, systemText},
        {"cancelled", Qt::black, QStringLiteral("Red"), false, std::nullopt},
    };
    for (const Case& c : cases) {
        QStringList offered;
        ModalWatcher watcher([&](QWidget& modal) {
            auto* dialog = qobject_cast<FontDialogWithColour*>(&modal);
            ASSERT_NE(dialog, nullptr) << modal.metaObject()->className();
            auto* colours = dialog->findChild<QComboBox*>(QStringLiteral("cbo_Colour"));
            ASSERT_NE(colours, nullptr);
            for (int row = 0; row < colours->count(); ++row)
                offered << colours->itemText(row);
            if (!c.Choose.isEmpty())
                colours->setCurrentIndex(colours->findText(c.Choose));
            c.Accept ? dialog->accept() : dialog->reject();
        });
        const FontChoice start = MakeFont("Courier", 12, false, true, c.Start);
        const std::optional<FontChoice> picked = PickFontWithFontDialog(start, nullptr);
        ASSERT_EQ(picked.has_value(), c.Result.has_value()) << c.Name;
        EXPECT_EQ(offered.size(), c.Start == systemText ? 17 : 16) << c.Name;
        if (picked) {
            EXPECT_EQ(picked->Colour, *c.Result) << c.Name;
            EXPECT_TRUE(picked->Font.italic()) << c.Name;
        }
    }
}

// Escape pressed in the font lists ends the whole dialog, not just its lists.
TEST(FontDialogWithColour, EscapeInTheFontListsCancels)
{
    ModalWatcher watcher([](QWidget& modal) {
        auto* fonts = modal.findChild<QFontDialog*>();
        ASSERT_NE(fonts, nullptr);
        QWidget* focused = fonts->focusWidget();
        QTest::keyClick(focused != nullptr ? focused : fonts, Qt::Key_Escape);
    });
    EXPECT_FALSE(PickFontWithFontDialog(MakeFont("Courier", 12, false, false), nullptr).has_value());
    EXPECT_EQ(watcher.answered(), 1);
}

TEST(FontChoice, KeepsWholePointsAndPlainBoldOrRegular)
{
    const std::pair<std::function<void(QFont&)>, std::string> cases[] = {
        {[](QFont& f) { f.setPointSizeF(10.6); }, "Courier 11pt #000000"},
        {[](QFont& f) { f.setPointSizeF(0.3); }, "Courier 1pt #000000"},
        {[](QFont& f) { f.setWeight(QFont::DemiBold); }, "Courier 10pt bold #000000"},
        {[](QFont& f) { f.setWeight(QFont::Light); }, "Courier 10pt #000000"},
    };
    for (const auto& [change, kept] : cases) {
        QFont chosen(QStringLiteral("Courier"), 10);
        change(chosen);
        EXPECT_EQ(Describe(FontChoice{KeptFont(chosen), Qt::black}), kept);
    }
    QFont pixels(QStringLiteral("Courier"));
    pixels.setPixelSize(13);
    EXPECT_EQ(KeptFont(pixels).pixelSize(), 13);
}

} // namespace

namespace {

// The design faces are not installed: the dialog starts on the face that
// shows them, in its real style, and OK without a change keeps the name.
TEST(FontDialogWithColour, StartsOnTheInstalledFaceAndKeepsTheDesignName)
{
    const struct {
        const char* Face;
        bool Bold;
    } cases[] = {{"Arial", true}, {"Arial", false}, {"Small Fonts", false}};
    for (const auto& c : cases) {
        const FontChoice start = MakeFont(c.Face, 10, c.Bold, false);
        QFont shownAtStart;
        ModalWatcher watcher([&](QWidget& modal) {
            shownAtStart = modal.findChild<QFontDialog*>()->currentFont();
            static_cast<QDialog&>(modal).accept();
        });
        const std::optional<FontChoice> picked = PickFontWithFontDialog(start, nullptr);
        ASSERT_TRUE(picked.has_value()) << c.Face;
        EXPECT_EQ(shownAtStart.family(), QFontInfo(start.Font).family()) << c.Face;
        EXPECT_EQ(shownAtStart.bold(), c.Bold) << c.Face;
        EXPECT_EQ(picked->Font.family(), c.Face);
        EXPECT_EQ(picked->Font.bold(), c.Bold) << c.Face;
    }
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("Arial"))).family(), "Liberation Sans");
}

} // namespace
