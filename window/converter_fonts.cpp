#include <QApplication>
#include <QMenuBar>

#include "window/arrow_glyph.h"
#include "window/converter_window.h"
#include "window/tab_set.h"

namespace velmar {

ConverterFonts Tfrm_Converter::converterFonts() const
{
    return {FontShownBy(*this), FontShownBy(*TabSet1)};
}

void Tfrm_Converter::setConverterFonts(const ConverterFonts& fonts)
{
    ShowInFont(*this, fonts.Text);
    ShowInFont(*TabSet1, fonts.Tab);
    // The menus and the arrow keep the desktop's own colours; only the boxes,
    // lists and labels show the text font's colour.
    for (QWidget* keepsDesktopColours : {static_cast<QWidget*>(mnu_MainMenu1), static_cast<QWidget*>(lab)}) {
        QPalette desktop = QApplication::palette(keepsDesktopColours);
        desktop.setResolveMask(~QPalette::ResolveMask(0));
        keepsDesktopColours->setPalette(desktop);
    }
}

} // namespace velmar
