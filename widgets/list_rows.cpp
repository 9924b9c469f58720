#include "widgets/list_rows.h"

#include <QListWidget>

namespace velmar {

int SelectedRow(const QListWidget& list)
{
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.first());
}

QStringList ItemTexts(const QListWidget& list)
{
    QStringList texts;
    texts.reserve(list.count());
    for (int row = 0; row < list.count(); ++row)
        texts.append(list.item(row)->text());
    return texts;
}

} // namespace velmar
