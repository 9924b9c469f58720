#include "dialogs/choose_units_dialog.h"

#include <QListWidget>
#include <QPushButton>

#include "dialogs/category_list.h"
#include "dialogs/dialog_look.h"
#include "dialogs/reference/help_topics.h"
#include "widgets/list_rows.h"
#include "widgets/window_modal.h"

namespace velmar {

Tfrm_ChooseUnits::Tfrm_ChooseUnits(QWidget* owner, const QStringList& tabCaptions, int currentTab,
                                   const FontChoice& textFont)
    : QDialog(owner)
{
    MakeFixedDialog(*this, tr("Choose Category"), QSize(249, 269));

    lst_Units = MakeCategoryList(*this, tr("Choose a Unit Category:"), tabCaptions, textFont);
    lst_Units->setCurrentRow(currentTab);
    lst_Units->setAccessibleDescription(tr("The category tabs in their order; OK or a double-click shows the "
                                           "selected category."));
    connect(lst_Units, &QListWidget::itemDoubleClicked, this, &Tfrm_ChooseUnits::lst_UnitsDblClick);

    QPushButton* btn_Cancel = MakeCancelButton(*this, QRect(88, 233, 73, 27));
    QPushButton* btn_OK = MakeOkButton(*this, QRect(168, 233, 73, 27));
    QPushButton* btn_Help = MakeHelpButton(this, QRect(8, 233, 25, 27));
    connect(btn_Help, &QPushButton::clicked, this, [] { ShowHelpTopic(QStringLiteral("ChooseUnitCategoryScreen")); });

    setTabOrder(lst_Units, btn_Cancel);
    setTabOrder(btn_Cancel, btn_OK);
    setTabOrder(btn_OK, btn_Help);
}

int Tfrm_ChooseUnits::SelectedTab() const
{
    return SelectedRow(*lst_Units);
}

void Tfrm_ChooseUnits::lst_UnitsDblClick()
{
    accept();
}

std::optional<int> RunChooseCategoryDialog(QWidget* owner, const QStringList& tabCaptions, int currentTab,
                                           const FontChoice& textFont)
{
    Tfrm_ChooseUnits dialog(owner, tabCaptions, currentTab, textFont);
    if (RunWindowModal(dialog) != QDialog::Accepted || dialog.SelectedTab() < 0)
        return std::nullopt;
    return dialog.SelectedTab();
}

} // namespace velmar
