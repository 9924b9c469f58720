#include "window/converter_window.h"
#include "window/unit_list_box.h"
#include "window/upper_case_line_edit.h"
#include "window/utf8_text.h"

namespace velmar {

void Tfrm_Converter::RebuildUnitNameLists()
{
    lst_In->setItems({});
    if (unitNameListsExist())
        ReleaseUnitNameLists();
    unitNameLists_.emplace();
    for (int category = 0; category < CategoryCount; ++category) {
        QStringList& names = (*unitNameLists_)[category];
        for (const UnitEntry& unit : catalogue_.table(category))
            names.append(ToQString(unit.Name));
    }
    lst_Out->setItems(lst_In->items());
    txt_In->setTextAsGiven(QString());
    txt_Out->setText(QString());
}

void Tfrm_Converter::ReleaseUnitNameLists()
{
    unitNameLists_.reset();
}

QStringList Tfrm_Converter::unitNameList(int category) const
{
    return unitNameListsExist() ? (*unitNameLists_)[category] : QStringList();
}

} // namespace velmar
