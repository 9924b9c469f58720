#pragma once

#include <QStringList>

class QListWidget;

namespace velmar {

// The selected row of a single-selection list, -1 when nothing is selected.
int SelectedRow(const QListWidget& list);

// The texts of the list's items, top to bottom.
QStringList ItemTexts(const QListWidget& list);

} // namespace velmar
