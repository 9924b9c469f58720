#include "fonts_dialog.h"

#include <QAbstractButton>
#include <QFontDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

#include "modal_watcher.h"

using namespace velmar;
using velmar::test_support::ClickButton;
using velmar::test_support::ModalWatcher;

namespace {

FontChoice MakeFont(const QString& face, int points, bool bold, bool italic, QColor colour = Qt::black)
{
    QFont font(face, points, bold ? QFont::Bold : QFont::Normal, italic);
    return {font, colour};
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
        .arg(choice.Color.name())
        .toStdString();
}

std::string Describe(const ConverterFonts& fonts)
{
    return Describe(fonts.Text) + " / " + Describe(fonts.Tab);
}

const ConverterFonts Current{MakeFont("Courier", 12, false, false, Qt::blue), MakeFont("Times", 8, true, true)};

// Stands in for the common font dialog: answers with a fixed choice and
// remembers what it was started with.
struct FakePicker {
    std::optional<FontChoice> answer;
    std::vector<FontChoice> startedWith;

    FontPicker Picker()
    {
        return [this](const FontChoice& initial, QWidget*) {
            startedWith.push_back(initial);
            return answer;
        };
    }
};

struct SeenBox {
    QString Title;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
};

// Reads and closes every message box that opens.
struct WarningReader {
    std::vector<SeenBox> boxes;
    ModalWatcher watcher{[this](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        ASSERT_NE(box, nullptr) << modal.metaObject()->className();
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        boxes.push_back({box->windowTitle(), box->text(), box->icon()});
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    }};
};

FontChoice Sample(const Tfrm_Fonts& dialog, const char* label)
{
    return FontShownBy(*dialog.findChild<QLabel*>(QString::fromLatin1(label)));
}

TEST(FontsDialog, SamplesStartAsTheCurrentFonts)
{
    Tfrm_Fonts dialog(nullptr, Current, FakePicker().Picker());
    EXPECT_EQ(Describe(Sample(dialog, "Label1")), Describe(Current.Text));
    EXPECT_EQ(Describe(Sample(dialog, "Label2")), Describe(Current.Tab));
    EXPECT_EQ(Describe(dialog.ChosenFonts()), Describe(Current));
}

TEST(FontsDialog, PickedFontsLoseUnderlineAndStrikeoutWithAWarning)
{
    struct Case {
        const char* Name;
        bool Underline;
        bool StrikeOut;
    };
    const Case cases[] = {{"plain", false, false}, {"underline", true, false}, {"strikeout", false, true},
                          {"both", true, true}};
    for (const char* button : {"btn_Font1", "btn_Font2"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message() << button << ", " << c.Name);
            FakePicker fake;
            fake.answer = MakeFont("Courier", 14, false, true, Qt::darkRed);
            fake.answer->Font.setUnderline(c.Underline);
            fake.answer->Font.setStrikeOut(c.StrikeOut);
            Tfrm_Fonts dialog(nullptr, Current, fake.Picker());
            dialog.show();
            WarningReader reader;
            ClickButton(dialog, button);

            const ConverterFonts chosen = dialog.ChosenFonts();
            const bool textFont = button == std::string_view("btn_Font1");
            EXPECT_EQ(Describe(textFont ? chosen.Text : chosen.Tab),
                      Describe(MakeFont("Courier", 14, false, true, Qt::darkRed)));
            EXPECT_EQ(Describe(textFont ? chosen.Tab : chosen.Text), Describe(textFont ? Current.Tab : Current.Text));
            const bool warned = c.Underline || c.StrikeOut;
            ASSERT_EQ(reader.boxes.size(), warned ? 1u : 0u);
            if (warned) {
                EXPECT_EQ(reader.boxes[0].Title, "Warning");
                EXPECT_EQ(reader.boxes[0].Text, "Strikeout and underline attributes are not allowed.");
                EXPECT_EQ(reader.boxes[0].Icon, QMessageBox::Warning);
            }
        }
    }
}

TEST(FontsDialog, PickerStartsFromTheWorkingCopyAndCancellingKeepsIt)
{
    FakePicker fake;
    Tfrm_Fonts dialog(nullptr, Current, fake.Picker());
    dialog.show();
    ClickButton(dialog, "btn_Font2");
    ASSERT_EQ(fake.startedWith.size(), 1u);
    EXPECT_EQ(Describe(fake.startedWith[0]), Describe(Current.Tab));
    EXPECT_EQ(Describe(dialog.ChosenFonts()), Describe(Current));

    fake.answer = MakeFont("Courier", 9, true, false);
    ClickButton(dialog, "btn_Font2");
    fake.answer.reset();
    ClickButton(dialog, "btn_Font2");
    EXPECT_EQ(Describe(fake.startedWith.back()), Describe(MakeFont("Courier", 9, true, false)));
    EXPECT_EQ(Describe(dialog.ChosenFonts().Tab), Describe(MakeFont("Courier", 9, true, false)));
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
        {"Reset then OK",
         [](QWidget& dialog) {
             ClickButton(dialog, "btn_Reset");
             ClickButton(dialog, "btn_OK");
         },
         defaults},
        {"Reset then Cancel",
         [](QWidget& dialog) {
             ClickButton(dialog, "btn_Reset");
             ClickButton(dialog, "btn_Cancel");
         },
         std::nullopt},
        {"coloured text font then OK",
         [](QWidget& dialog) {
             ClickButton(dialog, "btn_Font1");
             ClickButton(dialog, "btn_OK");
         },
         ConverterFonts{coloured, Current.Tab}},
        {"OK unchanged", [](QWidget& dialog) { ClickButton(dialog, "btn_OK"); }, Current},
    };
    for (const Case& c : cases) {
        FakePicker fake;
        fake.answer = coloured;
        ModalWatcher watcher(c.Answer);
        const std::optional<ConverterFonts> result = RunFontsDialog(nullptr, Current, fake.Picker());
        ASSERT_EQ(result.has_value(), c.Result.has_value()) << c.Name;
        if (result) {
            EXPECT_EQ(Describe(*result), Describe(*c.Result)) << c.Name;
        }
    }
}

TEST(FontsDialog, CommonFontDialogPassesTheColourThrough)
{
    const FontChoice start = MakeFont("Courier", 12, false, true, Qt::darkCyan);
    for (const bool accept : {true, false}) {
        ModalWatcher watcher([accept](QWidget& modal) {
            auto* fontDialog = qobject_cast<QFontDialog*>(&modal);
            ASSERT_NE(fontDialog, nullptr) << modal.metaObject()->className();
            accept ? fontDialog->accept() : fontDialog->reject();
        });
        const std::optional<FontChoice> picked = PickFontWithFontDialog(start, nullptr);
        ASSERT_EQ(picked.has_value(), accept);
        if (picked) {
            EXPECT_EQ(picked->Color, start.Color);
            EXPECT_TRUE(picked->Font.italic());
        }
    }
}

TEST(FontChoice, KeepsFaceWholePointsBoldAndItalicOnly)
{
    struct Case {
        const char* Name;
        std::function<void(QFont&)> Change;
        std::function<bool(const QFont&)> Holds;
    };
    const Case cases[] = {
        {"fractional points round", [](QFont& f) { f.setPointSizeF(10.6); },
         [](const QFont& f) { return f.pointSize() == 11; }},
        {"tiny sizes stay visible", [](QFont& f) { f.setPointSizeF(0.3); },
         [](const QFont& f) { return f.pointSize() == 1; }},
        {"pixel sizes stay pixels", [](QFont& f) { f.setPixelSize(13); },
         [](const QFont& f) { return f.pixelSize() == 13; }},
        {"semi-bold counts as bold", [](QFont& f) { f.setWeight(QFont::DemiBold); },
         [](const QFont& f) { return f.weight() == QFont::Bold; }},
        {"light counts as regular", [](QFont& f) { f.setWeight(QFont::Light); },
         [](const QFont& f) { return f.weight() == QFont::Normal; }},
        {"italic kept", [](QFont& f) { f.setItalic(true); }, [](const QFont& f) { return f.italic(); }},
        {"underline dropped", [](QFont& f) { f.setUnderline(true); },
         [](const QFont& f) { return !f.underline(); }},
        {"strikeout dropped", [](QFont& f) { f.setStrikeOut(true); },
         [](const QFont& f) { return !f.strikeOut(); }},
        {"stretch dropped", [](QFont& f) { f.setStretch(QFont::Condensed); },
         [](const QFont& f) { return f.stretch() == QFont::AnyStretch; }},
    };
    for (const Case& c : cases) {
        QFont chosen(QStringLiteral("Courier"), 10);
        c.Change(chosen);
        const QFont kept = KeptFont(chosen);
        EXPECT_TRUE(c.Holds(kept)) << c.Name;
        EXPECT_EQ(kept.family(), "Courier") << c.Name;
    }
}

} // namespace
