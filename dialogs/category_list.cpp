#include "dialogs/category_list.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>

#include "dialogs/dialog_look.h"
#include "widgets/font_choice.h"

namespace velmar {

QListWidget* MakeCategoryList(QDialog& dialog, const QString& prompt, const QStringList& captions,
                              const FontChoice& textFont)
{
    auto* Label1 = new QLabel(prompt, &dialog);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(DialogControlFont());
    Label1->move(8, 8);
    Label1->adjustSize();

    auto* lst_Units = new QListWidget(&dialog);
    lst_Units->setObjectName(QStringLiteral("lst_Units"));
    lst_Units->setGeometry(8, 24, 233, 201);
    lst_Units->setSelectionMode(QAbstractItemView::SingleSelection);
    lst_Units->setUniformItemSizes(true);
    lst_Units->addItems(captions);
    ShowInFont(*lst_Units, textFont);
    lst_Units->setAccessibleName(prompt); // screen readers name the list by its prompt
    return lst_Units;
}

} // namespace velmar
