#include "window/unit_list_box.h"

#include <QEvent>
#include <QHelpEvent>
#include <QScopedValueRollback>
#include <QStyle>
#include <QToolTip>

#include <algorithm>

#include "widgets/list_rows.h"
#include "widgets/readable_colour.h"

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
    scrollToSelection();
}

void UnitListBox::scrollToSelection()
{
    // Items added just before are laid out only later: scrolling needs their places now.
    executeDelayedItemsLayout();
    scrollToTop();
    const int position = selectedPosition();
    if (position >= 0)
        scrollToItem(item(position), EnsureVisible);
}

void UnitListBox::changeEvent(QEvent* event)
{
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitItemHeights();
}

// A list that grows or shrinks keeps its selected unit in view: at start-up
// the lists get their final size only after the remembered units are selected.
void UnitListBox::resizeEvent(QResizeEvent* event)
{
    QListWidget::resizeEvent(event);
    const int position = selectedPosition();
    if (position >= 0)
        scrollToItem(item(position), EnsureVisible);
}

bool UnitListBox::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QListWidget::viewportEvent(event);
    const auto& help = static_cast<const QHelpEvent&>(*event);
    const QListWidgetItem* pointed = itemAt(help.pos());
    const int textMargin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const bool cutOff
        = pointed != nullptr && fontMetrics().horizontalAdvance(pointed->text()) > viewport()->width() - 2 * textMargin;
    if (cutOff)
        QToolTip::showText(help.globalPos(), pointed->text(), viewport(), visualItemRect(pointed));
    else
        QToolTip::hideText();
    return true;
}

// The full highlight marks the list the keys act on. Without the focus the
// selected unit keeps a tint of it, half way to the list's background, with
// the list's own text colour: still plainly the chosen unit while the user
// types in the input box, yet unlike the list in use. Either fill is darkened,
// or lightened, until its text reads, with room to spare for the smoothed
// edges of thin glyphs, which never reach the full text colour.
void UnitListBox::initViewItemOption(QStyleOptionViewItem* option) const
{
    QListWidget::initViewItemOption(option);
    QPalette& colours = option->palette;
    QColor fill = colours.color(QPalette::Highlight);
    if (!hasFocus()) {
        const QColor base = colours.color(QPalette::Base);
        fill = QColor::fromRgbF((fill.redF() + base.redF()) / 2, (fill.greenF() + base.greenF()) / 2,
                                (fill.blueF() + base.blueF()) / 2);
        colours.setColor(QPalette::HighlightedText, colours.color(QPalette::Text));
    }
    const QColor text = colours.color(QPalette::HighlightedText);
    const QColor away = ContrastRatio(text, Qt::black) > ContrastRatio(text, Qt::white) ? Qt::black : Qt::white;
    constexpr double GlyphEdgeRoom = 1.5;
    colours.setColor(QPalette::Highlight, ReadableOn(fill, text, away, ReadableContrast + GlyphEdgeRoom));
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
