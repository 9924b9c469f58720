// The dispatcher that writes the result box, the category switch, and the
// unit-name lists the two unit lists show.

#include <QAccessible>
#include <QAction>
#include <QLabel>

#include "catalogue/sort_unit_tables.h"
#include "engine/conversion_dispatch.h"
#include "window/converter_window.h"
#include "window/tab_set.h"
#include "window/unit_list_box.h"
#include "window/upper_case_line_edit.h"
#include "window/utf8_text.h"

namespace velmar {

void Tfrm_Converter::MainChange(QObject*)
{
    if (state_.PendingCategory == SwitchLoading)
        return;
    // A running switch passes its category: the strip still shows the old tab.
    const int category = state_.PendingCategory == NoSwitchPending
        ? Category_Index(TabSet1->selectedCaption().toStdString())
        : state_.PendingCategory;
    CategoryMemory& memory = state_.Memory[category];
    memory.ValueIn = txt_In->text().toStdString();
    memory.FormatIn = lst_In->selectedPosition();
    memory.FormatOut = lst_Out->selectedPosition();
    const ConversionResult result = ConvertInCategory(catalogue_, category, memory.ValueIn, memory.FormatIn,
                                                      memory.FormatOut, numberFormat_, marks_);
    showResult(QString::fromStdString(result.Text));
}

// The beginning of a result says what it is ("invalid number [2]"), so a
// result wider than the box shows from its start. The box is never focused
// while the input changes, so a screen reader hears of it only by the events.
void Tfrm_Converter::showResult(const QString& result)
{
    const QString previous = txt_Out->text();
    txt_Out->setText(result);
    txt_Out->setCursorPosition(0);
    if (result == previous || !QAccessible::isActive())
        return;
    QAccessibleTextUpdateEvent textChange(txt_Out, 0, previous, result);
    QAccessible::updateAccessibility(&textChange);
    QAccessibleValueChangeEvent valueChange(txt_Out, result);
    QAccessible::updateAccessibility(&valueChange);
}

void Tfrm_Converter::TabSet1Change(QObject*, int newTab, bool&)
{
    // Loading the controls below raises change events; they must not convert.
    state_.PendingCategory = SwitchLoading;
    if (newTab == -1)
        return;
    const int category = Category_Index(TabSet1->tabText(newTab).toStdString());
    const CategoryMemory& memory = state_.Memory[category];

    const QStringList names = unitNameList(category);
    lst_In->setItems(names);
    lst_Out->setItems(names);
    lst_In->setSelectedPosition(memory.FormatIn);
    lst_Out->setSelectedPosition(memory.FormatOut);
    txt_In->setTextAsGiven(QString::fromStdString(memory.ValueIn));

    // Fractions converts from a decimal alone: its label takes the source list's place.
    const bool fractions = category == FractionsIndex;
    lab2->setVisible(fractions);
    lst_In->setVisible(!fractions);

    state_.PendingCategory = category;
    MainChange(this);
    state_.PendingCategory = NoSwitchPending;
}

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
