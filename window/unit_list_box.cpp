#include "window/unit_list_box.h"

#include <QEvent>
#include <QScopedValueRollback>

#include <algorithm>

#include "widgets/list_rows.h"

namespace velmar {
namespace {

// Rows are 16 pixels high at the design font and grow with larger fonts.
constexpr int DesignItemHeight = 16;

} // namespace

UnitListBox::UnitListBox(QWidget* parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!changingByProgram_)
            emit selectionChangedByUser();
    });
}

void UnitListBox::setItems(const QStringList& names)
{
    QScopedValueRollback<bool> byProgram(changingByProgram_, true);
    clear();
    addItems(names);
    fitItemHeights();
}

QStringList UnitListBox::items() const
{
    return ItemTexts(*this);
}

int UnitListBox::selectedPosition() const
{
    return SelectedRow(*this);
}

void UnitListBox::setSelectedPosition(int position)
{
    QScopedValueRollback<bool> byProgram(changingByProgram_, true);
    if (position >= 0 && position < count()) {
        setCurrentRow(position, QItemSelectionModel::ClearAndSelect);
    } else {
        clearSelection();
        setCurrentIndex(QModelIndex());
    }
}

void UnitListBox::changeEvent(QEvent* event)
{
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitItemHeights();
}

// Qt lets a held Ctrl deselect the selected row; a unit, once chosen, is only
// ever replaced by another.
QItemSelectionModel::SelectionFlags UnitListBox::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (command.testFlag(QItemSelectionModel::Deselect))
        return QItemSelectionModel::NoUpdate;
    return command;
}

void UnitListBox::fitItemHeights()
{
    const int height = std::max(DesignItemHeight, fontMetrics().height());
    for (int row = 0; row < count(); ++row)
        item(row)->setSizeHint(QSize(0, height));
}

} // namespace velmar
