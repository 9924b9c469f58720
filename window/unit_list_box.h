#pragma once

#include <QListWidget>
#include <QStringList>

namespace velmar {

// A single-selection list of unit names. Positions count from 0; -1 means no
// selection. Only a selection the user makes with mouse or keyboard raises
// selectionChangedByUser(); what the program sets raises nothing. The
// selected unit is drawn in the highlight colour only while the list has the
// focus, and a name cut off by the list's width shows whole as a tooltip.
class UnitListBox : public QListWidget {
    Q_OBJECT

public:
    explicit UnitListBox(QWidget* parent = nullptr);

    // Replaces the items; the list is left without a selection.
    void setItems(const QStringList& names);
    QStringList items() const;

    int selectedPosition() const;
    // A position outside the list (-1 included) leaves it without a
    // selection. Either way the list scrolls to show the selected unit whole,
    // as near the top as it can, or to the top without one.
    void setSelectedPosition(int position);

signals:
    void selectionChangedByUser();

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void initViewItemOption(QStyleOptionViewItem* option) const override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    void fitItemHeights();
    void scrollToSelection();

    bool changingByProgram_ = false;
};

} // namespace velmar
