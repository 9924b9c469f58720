#include "dialogs/arrange_units_dialog.h"

#include <QCollator>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

#include "dialogs/category_list.h"
#include "dialogs/dialog_look.h"
#include "dialogs/glyph_caption_button.h"
#include "dialogs/reference/help_topics.h"
#include "widgets/list_rows.h"
#include "widgets/window_modal.h"

namespace velmar {

Tfrm_ArrangeUnits::Tfrm_ArrangeUnits(QWidget* owner, const QStringList& tabCaptions, QStringList resetOrder,
                                     const FontChoice& textFont)
    : QDialog(owner)
    , resetOrder_(std::move(resetOrder))
{
    MakeFixedDialog(*this, tr("Arrange Category Order"), QSize(297, 268));
    lst_Units = MakeCategoryList(*this, tr("Arrange the Unit Categories in any order:"), tabCaptions, textFont);
    lst_Units->setAccessibleDescription(tr("The category tabs in their order; Alt+U and Alt+D move the selected "
                                           "category up and down, Alt+S sorts the list."));
    connect(lst_Units, &QListWidget::itemSelectionChanged, this, &Tfrm_ArrangeUnits::lst_UnitsClick);
    BuildButtons();
    lst_UnitsClick();
}

void Tfrm_ArrangeUnits::BuildButtons()
{
    using Place = GlyphCaptionButton::GlyphPlace;
    const auto makeFlatButton
        = [this](const QString& objectName, const QString& caption, const QIcon& glyph, Place place, QRect geometry) {
              auto* button = new GlyphCaptionButton(caption, glyph, place, this);
              button->setObjectName(objectName);
              button->setFont(DialogControlFont());
              button->setGeometry(geometry);
              return button;
          };
    btn_MoveUp = makeFlatButton(QStringLiteral("btn_MoveUp"), tr("&Up"), style()->standardIcon(QStyle::SP_ArrowUp),
                                Place::AboveCaption, QRect(248, 24, 41, 49));
    btn_MoveDn = makeFlatButton(QStringLiteral("btn_MoveDn"), tr("&Down"), style()->standardIcon(QStyle::SP_ArrowDown),
                                Place::BelowCaption, QRect(248, 80, 41, 49));
    const QIcon sortGlyph
        = QIcon::fromTheme(QStringLiteral("view-sort-ascending"), style()->standardIcon(QStyle::SP_FileDialogListView));
    QAbstractButton* cmd_Sort = makeFlatButton(QStringLiteral("cmd_Sort"), tr("&Sort"), sortGlyph, Place::AboveCaption,
                                               QRect(248, 176, 41, 49));
    connect(btn_MoveUp, &QAbstractButton::clicked, this, &Tfrm_ArrangeUnits::btn_MoveUpClick);
    connect(btn_MoveDn, &QAbstractButton::clicked, this, &Tfrm_ArrangeUnits::btn_MoveDnClick);
    connect(cmd_Sort, &QAbstractButton::clicked, this, &Tfrm_ArrangeUnits::cmd_SortClick);

    QPushButton* btn_Help = MakeHelpButton(this, QRect(8, 233, 25, 27));
    connect(btn_Help, &QPushButton::clicked, this, [] { ShowHelpTopic(QStringLiteral("ArrangeCategoryOrderScreen")); });
    QPushButton* btn_Cancel = MakeCancelButton(*this, QRect(56, 233, 73, 27));
    QPushButton* btn_Reset
        = MakeResetButton(*this, QRect(136, 233, 73, 27), tr("Puts the categories back in their original order."));
    connect(btn_Reset, &QPushButton::clicked, this, &Tfrm_ArrangeUnits::btn_ResetClick);
    QPushButton* btn_OK = MakeOkButton(*this, QRect(216, 233, 73, 27));

    setTabOrder(lst_Units, btn_Help);
    setTabOrder(btn_Help, btn_Cancel);
    setTabOrder(btn_Cancel, btn_Reset);
    setTabOrder(btn_Reset, btn_OK);
}

QStringList Tfrm_ArrangeUnits::Order() const
{
    return ItemTexts(*lst_Units);
}

void Tfrm_ArrangeUnits::ShowOrder(const QStringList& captions)
{
    lst_Units->clear();
    lst_Units->addItems(captions);
    lst_UnitsClick();
}

void Tfrm_ArrangeUnits::MoveSelectedBy(int step)
{
    const int from = SelectedRow(*lst_Units);
    const int to = from + step;
    if (from < 0 || to < 0 || to >= lst_Units->count())
        return;
    QListWidgetItem* moving = lst_Units->item(from);
    QListWidgetItem* other = lst_Units->item(to);
    const QString movingText = moving->text();
    moving->setText(other->text());
    other->setText(movingText);
    lst_Units->setCurrentRow(to);
}

void Tfrm_ArrangeUnits::lst_UnitsClick()
{
    const int selected = SelectedRow(*lst_Units);
    btn_MoveUp->setEnabled(selected > 0);
    btn_MoveDn->setEnabled(selected >= 0 && selected < lst_Units->count() - 1);
}

void Tfrm_ArrangeUnits::btn_MoveUpClick()
{
    MoveSelectedBy(-1);
}

void Tfrm_ArrangeUnits::btn_MoveDnClick()
{
    MoveSelectedBy(+1);
}

void Tfrm_ArrangeUnits::btn_ResetClick()
{
    ShowOrder(resetOrder_);
}

void Tfrm_ArrangeUnits::cmd_SortClick()
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QStringList captions = Order();
    std::stable_sort(captions.begin(), captions.end(),
                     [&collator](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    ShowOrder(captions);
}

std::optional<QStringList> RunArrangeCategoryDialog(QWidget* owner, const QStringList& tabCaptions,
                                                    const QStringList& resetOrder, const FontChoice& textFont)
{
    Tfrm_ArrangeUnits dialog(owner, tabCaptions, resetOrder, textFont);
    if (RunWindowModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.Order();
}

} // namespace velmar
