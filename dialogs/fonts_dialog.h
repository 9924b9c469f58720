#pragma once

#include <QDialog>

#include <functional>
#include <optional>

#include "dialogs/font_dialog_with_colour.h"
#include "widgets/font_choice.h"

class QLabel;

namespace velmar {

// Lets the user pick a font starting from `initial`; nothing when cancelled.
using FontPicker = std::function<std::optional<FontChoice>(const FontChoice& initial, QWidget* parent)>;

// "Fonts": the converter's text font and tab font, each shown on a sample
// label that is the dialog's working copy until OK.
class Tfrm_Fonts : public QDialog {
    Q_OBJECT

public:
    Tfrm_Fonts(QWidget* owner, const ConverterFonts& current, FontPicker picker = PickFontWithFontDialog);

    // The two fonts as the samples now show them.
    ConverterFonts ChosenFonts() const;

private:
    void BuildControls();
    void PickFontFor(QLabel& sample);

    void btn_Font1Click();
    void btn_Font2Click();
    void btn_ResetClick();

    FontPicker picker_;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
};

// Shows the dialog modally over `owner`; both fonts on OK, nothing otherwise.
std::optional<ConverterFonts> RunFontsDialog(QWidget* owner, const ConverterFonts& current,
                                             FontPicker picker = PickFontWithFontDialog);

} // namespace velmar
