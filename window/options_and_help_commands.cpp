#include "dialogs/about_dialog.h"
#include "dialogs/arrange_units_dialog.h"
#include "dialogs/choose_units_dialog.h"
#include "dialogs/fonts_dialog.h"
#include "dialogs/number_format_dialog.h"
#include "dialogs/reference/calculator_launcher.h"
#include "dialogs/reference/help_topics.h"
#include "window/converter_window.h"
#include "window/tab_set.h"

// The Options, Reference and Help commands. Each dialog lives on the stack of
// its run function, so it is gone before the command returns, and only an OK
// changes the window.

namespace velmar {

void Tfrm_Converter::mnu_Result1Click(QObject*)
{
    if (const auto chosen = RunNumberFormatDialog(this, numberFormat_, marks_)) {
        numberFormat_ = *chosen;
        MainChange(this);
    }
}

void Tfrm_Converter::mnu_Fonts1Click(QObject*)
{
    if (const auto chosen = RunFontsDialog(this, converterFonts())) {
        setConverterFonts(*chosen);
        RelayoutConverter();
        FitTabStripHeight();
    }
}

void Tfrm_Converter::mnu_ChooseUnitCategory1Click(QObject*)
{
    // Selecting the tab already shown runs no switch, so nothing changes.
    if (const auto chosen = RunChooseCategoryDialog(this, TabSet1->tabs(), TabSet1->tabIndex(), converterFonts().Text))
        TabSet1->setTabIndex(*chosen);
}

void Tfrm_Converter::mnu_ArrangeOrderofCategories1Click(QObject*)
{
    // Replacing the tabs selects the first one, even when the order is unchanged.
    const auto order = RunArrangeCategoryDialog(this, TabSet1->tabs(), categoryDisplayNames_, converterFonts().Text);
    if (order)
        TabSet1->setTabs(*order);
}

void Tfrm_Converter::Calculator1Click(QObject*)
{
    StartCalculator(this);
}

void Tfrm_Converter::mnu_MetricPrefixes1Click(QObject*)
{
    ShowHelpTopic(QStringLiteral("MetricPrefixes"));
}

void Tfrm_Converter::mnu_Contents1Click(QObject*)
{
    ShowHelpContents();
}

void Tfrm_Converter::mnu_SearchforHelpOn1Click(QObject*)
{
    ShowHelpKeywordSearch();
}

void Tfrm_Converter::mnu_HowtoUseHelp1Click(QObject*)
{
    ShowHelpOnHelp();
}

void Tfrm_Converter::mnu_About1Click(QObject*)
{
    RunAboutDialog(this, catalogue_);
}

} // namespace velmar
