#pragma once

#include <QListWidget>
#include <QStringList>

namespace velmar {

// A single-selection list of unit names. Positions count from 0; -1 means no
// selection. Only a selection the user makes with mouse or keyboard raises
// selectionChangedByUser(); what the program sets raises nothing.
class UnitListBox : public QListWidget {
    Q_OBJECT

public:
    explicit UnitListBox(QWidget* parent = nullptr);

    // Replaces the items; the list is left without a selection.
    void setItems(const QStringList& names);
    QStringList items() const;

    int selectedPosition() const;
    // A position outside the list (-1 included) leaves it without a selection.
    void setSelectedPosition(int position);

signals:
    void selectionChangedByUser();

protected:
    void changeEvent(QEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    void fitItemHeights();

    bool changingByProgram_ = false;
};

} // namespace velmar
