#include "converter_window.h"
#include "tab_set.h"

namespace velmar {

// Every choice at its default, as on a first start: the tabs in catalogue
// order with Length shown, and no category with input or a selected unit.
void Tfrm_Converter::LoadSettings()
{
    TabSet1->setTabs(categoryDisplayNames_);
    RelayoutConverter();
    FitTabStripHeight();
    ClearAllCategoryMemory(state_);
    bool allowChange = true;
    TabSet1Change(this, TabSet1->tabIndex(), allowChange);
}

void Tfrm_Converter::SaveSettings() {}

} // namespace velmar
