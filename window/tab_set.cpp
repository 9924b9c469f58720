#include "window/tab_set.h"

#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

#include "window/fault_report.h"
#include "window/tab_set_accessibility.h"

namespace velmar {
namespace {

// Tab captions are category names, never access keys.
QString withoutAccessKey(QString caption)
{
    return caption.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

TabSet::TabSet(QWidget* parent)
    : QWidget(parent)
    , bar_(new QTabBar(this))
{
    bar_->setShape(QTabBar::RoundedSouth);
    bar_->setExpanding(false);
    bar_->setElideMode(Qt::ElideNone);
    bar_->setUsesScrollButtons(true);
    // The scroll arrows are for the mouse; in the Tab key's round they would
    // stand between the strip and the input box.
    for (QToolButton* scrollButton : bar_->findChildren<QToolButton*>())
        scrollButton->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_);
    setFocusProxy(bar_);
    bar_->installEventFilter(this);
    ExposeTabSelection(*bar_);
    // The bar changes its current tab by itself on clicks, arrow keys and the
    // wheel; each such change is asked for, and taken back when refused.
    connect(bar_, &QTabBar::currentChanged, this, &TabSet::onBarCurrentChanged);
}

void TabSet::setChangeHandler(ChangeHandler handler)
{
    changeHandler_ = std::move(handler);
}

void TabSet::setTabs(const QStringList& captions)
{
    captions_ = captions;
    {
        QScopedValueRollback<bool> updating(updatingBar_, true);
        while (bar_->count() > 0)
            bar_->removeTab(0);
        for (const QString& caption : captions_)
            bar_->addTab(withoutAccessKey(caption));
        barShownIndex_ = bar_->currentIndex();
    }
    tabIndex_ = -1;
    if (!captions_.isEmpty())
        requestChange(0);
}

void TabSet::setTabText(int position, const QString& caption)
{
    if (position < 0 || position >= count())
        throw std::out_of_range("Tab index out of bounds");
    captions_[position] = caption;
    bar_->setTabText(position, withoutAccessKey(caption));
}

QString TabSet::tabText(int position) const
{
    return captions_.value(position);
}

void TabSet::setTabIndex(int position)
{
    if (position < -1 || position >= count())
        throw std::out_of_range("Tab index out of bounds");
    if (position != tabIndex_)
        requestChange(position);
}

QString TabSet::selectedCaption() const
{
    return tabText(tabIndex_);
}

void TabSet::selectNeighbour(int step)
{
    if (count() == 0)
        return;
    const int from = std::max(tabIndex_, 0);
    requestUserChange(((from + step) % count() + count()) % count());
}

void TabSet::selectFirst()
{
    if (count() > 0)
        requestUserChange(0);
}

void TabSet::selectLast()
{
    if (count() > 0)
        requestUserChange(count() - 1);
}

// Measured on a bar like this one holding one tab, so that it holds before
// the tabs are set.
int TabSet::styleTabHeight() const
{
    QTabBar probe;
    probe.setShape(bar_->shape());
    probe.setFont(bar_->font());
    probe.addTab(QStringLiteral("Xg"));
    return probe.minimumSizeHint().height();
}

bool TabSet::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == bar_ && event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.modifiers() == Qt::NoModifier && key.key() == Qt::Key_Home) {
            selectFirst();
            return true;
        }
        if (key.modifiers() == Qt::NoModifier && key.key() == Qt::Key_End) {
            selectLast();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TabSet::requestUserChange(int position)
{
    if (position != tabIndex_)
        runReportingFaults(this, [&] { requestChange(position); });
}

void TabSet::requestChange(int position)
{
    bool allowChange = true;
    if (changeHandler_)
        changeHandler_(position, allowChange);
    if (!allowChange)
        return;
    tabIndex_ = position;
    showSelection();
}

void TabSet::onBarCurrentChanged(int barIndex)
{
    if (updatingBar_)
        return;
    // The bar already shows the new tab: showing the old one while asking
    // would tell a screen reader of three moves for one key press.
    if (barIndex >= 0)
        requestUserChange(barIndex);
    showSelection();
}

// The bar cannot show "no tab": without a selection it keeps the tab it showed.
void TabSet::showSelection()
{
    if (tabIndex_ >= 0)
        barShownIndex_ = tabIndex_;
    QScopedValueRollback<bool> updating(updatingBar_, true);
    bar_->setCurrentIndex(barShownIndex_);
}

} // namespace velmar
