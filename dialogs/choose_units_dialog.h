#pragma once

#include <QDialog>
#include <QStringList>

#include <optional>

class QListWidget;

namespace velmar {

struct FontChoice;

// "Choose Category": picks the category to show from the list of tab captions.
class Tfrm_ChooseUnits : public QDialog {
    Q_OBJECT

public:
    // Lists the captions in tab order with the shown tab's caption selected.
    Tfrm_ChooseUnits(QWidget* owner, const QStringList& tabCaptions, int currentTab, const FontChoice& textFont);

    // The selected tab position, -1 when nothing is selected.
    int SelectedTab() const;

private:
    void lst_UnitsDblClick();

    QListWidget* lst_Units = nullptr;
};

// Shows the dialog modally over `owner`; on OK the tab position to select,
// nothing on Cancel or when no category is selected.
std::optional<int> RunChooseCategoryDialog(QWidget* owner, const QStringList& tabCaptions, int currentTab,
                                           const FontChoice& textFont);

} // namespace velmar
