#pragma once

#include <QDialog>
#include <QStringList>

#include <optional>

class QAbstractButton;
class QListWidget;

namespace velmar {

struct FontChoice;

// "Arrange Category Order": puts the category tabs into any order.
class Tfrm_ArrangeUnits : public QDialog {
    Q_OBJECT

public:
    // Lists the captions in tab order, nothing selected. Reset lists
    // `resetOrder` again: the display names the tab strip was first filled from.
    Tfrm_ArrangeUnits(QWidget* owner, const QStringList& tabCaptions, QStringList resetOrder,
                      const FontChoice& textFont);

    // The captions in the order the list now shows.
    QStringList Order() const;

private:
    void BuildButtons();
    void ShowOrder(const QStringList& captions);
    void MoveSelectedBy(int step);

    void lst_UnitsClick();
    void btn_MoveUpClick();
    void btn_MoveDnClick();
    void btn_ResetClick();
    void cmd_SortClick();

    QStringList resetOrder_;
    QListWidget* lst_Units = nullptr;
    QAbstractButton* btn_MoveUp = nullptr;
    QAbstractButton* btn_MoveDn = nullptr;
};

// Shows the dialog modally over `owner`; the new tab order on OK, nothing on
// Cancel. The caller replaces its tab list even when the order is unchanged.
std::optional<QStringList> RunArrangeCategoryDialog(QWidget* owner, const QStringList& tabCaptions,
                                                    const QStringList& resetOrder, const FontChoice& textFont);

} // namespace velmar
