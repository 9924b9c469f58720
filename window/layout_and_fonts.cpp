// Where the panel's controls go, the tab strip's height, and the two fonts.

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>

#include <algorithm>

#include "window/arrow_glyph.h"
#include "window/converter_layout.h"
#include "window/converter_window.h"
#include "window/tab_set.h"
#include "window/unit_list_box.h"
#include "window/upper_case_line_edit.h"

namespace velmar {

namespace {

ControlBounds boundsOf(const QWidget* control)
{
    const QRect geometry = control->geometry();
    return {geometry.x(), geometry.y(), geometry.width(), geometry.height()};
}

// A computed size below zero shows the control as zero wide or high.
void place(QWidget* control, const ControlBounds& bounds)
{
    control->setGeometry(bounds.Left, bounds.Top, std::max(0, bounds.Width), std::max(0, bounds.Height));
}

} // namespace

void Tfrm_Converter::On_Resize(QObject*)
{
    const ConverterLayout current{boundsOf(txt_In), boundsOf(txt_Out), boundsOf(lab),
                                  boundsOf(lst_In), boundsOf(lst_Out), boundsOf(lab2)};
    const ConverterLayout layout = LayOutConverter(pan->width(), pan->height(), current);
    place(txt_In, layout.InputBox);
    place(txt_Out, layout.ResultBox);
    place(lab, layout.Arrow);
    place(lst_In, layout.SourceList);
    place(lst_Out, layout.TargetList);
    place(lab2, layout.Fraction);
}

void Tfrm_Converter::RelayoutConverter()
{
    On_Resize(pan);
}

// The design's rule gives the strip for a border of classic tabs; a style
// with taller tabs needs its own height, or the captions are cut.
void Tfrm_Converter::FitTabStripHeight()
{
    const int designHeight = TabStripHeight(FontCharacterHeight(TabSet1->font(), TabSet1->logicalDpiY()));
    TabSet1->setFixedHeight(std::max(designHeight, TabSet1->styleTabHeight()));
}

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
