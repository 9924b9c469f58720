#pragma once

#include <QDialog>

#include <optional>

#include "widgets/font_choice.h"

class QComboBox;
class QFontDialog;
class QLayout;

namespace velmar {

// The common font dialog with its effects: Qt's font dialog (face, style,
// size, underline, strikeout) and under it the text colour, one of the 16
// basic colours or the colour the font already had.
class FontDialogWithColour : public QDialog {
    Q_OBJECT

public:
    FontDialogWithColour(const FontChoice& initial, QWidget* parent);

    // The font and colour as the dialog now shows them. A colour left as it
    // was comes back unchanged, system colour included.
    FontChoice Chosen() const;

private:
    QLayout* BuildColourChoice();

    FontChoice initial_;
    QFontDialog* fonts_ = nullptr;
    QComboBox* colours_ = nullptr;
    int initialColourRow_ = 0;
};

// Lets the user pick a font and its colour, starting from `initial`; nothing
// when cancelled.
std::optional<FontChoice> PickFontWithFontDialog(const FontChoice& initial, QWidget* parent);

} // namespace velmar
