#include <QLabel>

#include "engine/conversion_dispatch.h"
#include "window/converter_window.h"
#include "window/tab_set.h"
#include "window/unit_list_box.h"
#include "window/upper_case_line_edit.h"

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
    txt_Out->setText(QString::fromStdString(result.Text));
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

} // namespace velmar
