#include <QAction>

#include "catalogue/sort_unit_tables.h"
#include "window/converter_window.h"
#include "window/tab_set.h"

namespace velmar {

// Switches every unit table between catalogue and alphabetical order. List
// positions then name other units, so everything remembered is forgotten and
// the shown category is loaded again. The check mark is the sorted flag.
void Tfrm_Converter::mnu_SortUnitLists1Click(QObject*)
{
    mnu_SortUnitLists1->setChecked(!mnu_SortUnitLists1->isChecked());
    if (mnu_SortUnitLists1->isChecked())
        SortUnitTables(catalogue_);
    else
        catalogue_.BuildUnitTables();
    ClearAllCategoryMemory(state_);
    RebuildUnitNameLists();
    bool allowChange = true;
    TabSet1Change(this, TabSet1->tabIndex(), allowChange);
}

} // namespace velmar
