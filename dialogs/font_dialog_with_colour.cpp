#include "dialogs/font_dialog_with_colour.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include <array>

#include "widgets/window_modal.h"

namespace velmar {
namespace {

struct BasicColour {
    const char* Name;
    QRgb Value;
};

// The 16 colours every font dialog with effects has offered.
constexpr std::array<BasicColour, 16> BasicColours{{
    {QT_TRANSLATE_NOOP("velmar::FontDialogWithColour", "Black"), 0x000000},
    {QT_TRANSLATE_NOOP("velmar::FontDialogWithColour", "Maroon"), 0x800000},
    {QT_TRANSLATE_NOOP("velmar::FontDialogWithColour", "Green"), 0x008000},
    {QT_TRANSLATE_NOOP("velmar::FontDialogWithColour", "Olive"), 0x808000},
    {QT_TRANSLATE_NOOP("velmar::FontDialogWithColour", "Navy"), 0x000080},
    {QT_TRANSLATE_NOOP("velmar::FontDialogWithColour", "Purple"), 0x800080},
    {QT_TRANSLATE_NOOP("velmar::FontDialogWithColour", "Teal"), 0x008080},
    {QT_TRANSLATE_NOOP("velmar::FontDialogWithColour", "Gray"), 0x808080},
    {QT_TRANSLATE_NOOP("velmar::FontDialogWithColour", "Silver"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("velmar::FontDialogWithColour", "Red"), 0xFF0000},
    {QT_TRANSLATE_NOOP("velmar::FontDialogWithColour", "Lime"), 0x00FF00},
    {QT_TRANSLATE_NOOP("velmar::FontDialogWithColour", "Yellow"), 0xFFFF00},
    {QT_TRANSLATE_NOOP("velmar::FontDialogWithColour", "Blue"), 0x0000FF},
    {QT_TRANSLATE_NOOP("velmar::FontDialogWithColour", "Fuchsia"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("velmar::FontDialogWithColour", "Aqua"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("velmar::FontDialogWithColour", "White"), 0xFFFFFF},
}};

// The installed face that shows a font, with its real style: a design face
// such as "Arial" is not in the dialog's lists, and the dialog would start on
// some alias without the font's bold.
QFont InstalledFace(const QFont& font)
{
    const QFontInfo shown(font);
    QFont installed(font);
    installed.setFamily(shown.family());
    installed.setStyleName(shown.styleName());
    return installed;
}

bool SameLook(const QFont& first, const QFont& second)
{
    return first.family() == second.family() && first.pointSize() == second.pointSize() && first.bold() == second.bold()
        && first.italic() == second.italic() && first.underline() == second.underline()
        && first.strikeOut() == second.strikeOut();
}

QPixmap Swatch(const QColor& colour)
{
    QPixmap swatch(16, 16);
    swatch.fill(colour);
    return swatch;
}

} // namespace

FontDialogWithColour::FontDialogWithColour(const FontChoice& initial, QWidget* parent)
    : QDialog(parent)
    , initial_(initial)
{
    setWindowTitle(tr("Font"));

    // Qt's own dialog, embedded as a plain widget: it keeps its lists, its
    // effects and its sample, and this dialog adds the colour and the buttons.
    fonts_ = new QFontDialog(InstalledFace(initial.Font), this);
    fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    fonts_->setWindowFlags(Qt::Widget);
    // Escape inside the embedded dialog ends the whole one.
    connect(fonts_, &QDialog::rejected, this, &QDialog::reject);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fonts_);
    layout->addLayout(BuildColourChoice());
    layout->addWidget(buttons);
}

QLayout* FontDialogWithColour::BuildColourChoice()
{
    colours_ = new QComboBox(this);
    colours_->setObjectName(QStringLiteral("cbo_Colour"));
    colours_->setAccessibleName(tr("Text color"));
    for (const BasicColour& basic : BasicColours)
        colours_->addItem(Swatch(QColor(basic.Value)), tr(basic.Name), QColor(basic.Value));

    initialColourRow_ = colours_->findData(QColor(initial_.Colour.rgb()));
    if (initialColourRow_ < 0) {
        initialColourRow_ = colours_->count();
        colours_->addItem(Swatch(initial_.Colour), tr("Custom"), initial_.Colour);
    }
    colours_->setCurrentIndex(initialColourRow_);

    auto* caption = new QLabel(tr("&Color:"), this);
    caption->setBuddy(colours_);
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(colours_);
    row->addStretch();
    return row;
}

FontChoice FontDialogWithColour::Chosen() const
{
    const QColor colour
        = colours_->currentIndex() == initialColourRow_ ? initial_.Colour : colours_->currentData().value<QColor>();
    // Left as it was, the font keeps the name it was chosen by.
    const QFont current = fonts_->currentFont();
    return {SameLook(current, InstalledFace(initial_.Font)) ? initial_.Font : current, colour};
}

std::optional<FontChoice> PickFontWithFontDialog(const FontChoice& initial, QWidget* parent)
{
    FontDialogWithColour dialog(initial, parent);
    if (RunWindowModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.Chosen();
}

} // namespace velmar
