#include "window/tab_set_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QTabBar>

#include <algorithm>
#include <utility>
#include <vector>

namespace velmar {
namespace {

// A tab's caption as the bar shows it: "&&" is a shown ampersand, a single
// '&' only marks the access key.
QString ShownCaption(const QString& text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && ++i == text.size())
            break;
        shown += text[i];
    }
    return shown;
}

QString TabName(const QTabBar& bar, int position)
{
    const QString name = bar.accessibleTabName(position);
    return name.isEmpty() ? ShownCaption(bar.tabText(position)) : name;
}

// Tells a screen reader that the tab shown before a change is no longer
// selected; the bar announces only the tab it shows now. Its presence also
// marks the bars that get the interfaces below.
class DeselectionAnnouncer : public QObject {
public:
    explicit DeselectionAnnouncer(QTabBar& bar)
        : QObject(&bar)
        , bar_(bar)
        , shown_(bar.currentIndex())
    {
        connect(&bar, &QTabBar::currentChanged, this, &DeselectionAnnouncer::onCurrentChanged);
    }

private:
    void onCurrentChanged(int current)
    {
        const int previous = std::exchange(shown_, current);
        if (previous == current || previous < 0 || previous >= bar_.count() || !QAccessible::isActive())
            return;
        QAccessibleEvent deselected(&bar_, QAccessible::SelectionRemove);
        deselected.setChild(previous);
        QAccessible::updateAccessibility(&deselected);
    }

    QTabBar& bar_;
    int shown_;
};

bool IsExposed(const QTabBar& bar)
{
    return std::ranges::any_of(bar.children(), [](const QObject* child) {
        return dynamic_cast<const DeselectionAnnouncer*>(child) != nullptr;
    });
}

// One tab of the bar as a page tab; the tab the bar shows is the selected one.
class TabInterface : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabInterface(QTabBar& bar, int position)
        : bar_(&bar)
        , position_(position)
    { }

    bool isValid() const override { return bar_ && position_ < bar_->count(); }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bar_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && isValid() ? TabName(*bar_, position_) : QString();
    }

    void setText(QAccessible::Text, const QString&) override { }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect onBar = bar_->tabRect(position_);
        return {bar_->mapToGlobal(onBar.topLeft()), onBar.size()};
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        // The bar's own state says whether the tabs can be reached at all.
        state = parent()->state();
        const bool shown = position_ == bar_->currentIndex();
        state.selectable = true;
        state.selected = shown;
        state.focused = state.focused && shown;
        state.disabled = state.disabled || !bar_->isTabEnabled(position_);
        state.invisible = state.invisible || !bar_->isTabVisible(position_);
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    // Pressed as a click selects: the bar changes its tab, and whoever
    // watches the bar may still refuse the change.
    void doAction(const QString& actionName) override
    {
        if (isValid() && actionName == pressAction())
            bar_->setCurrentIndex(position_);
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    bool isOn(const QTabBar& bar) const { return bar_ == &bar; }
    int position() const { return position_; }

private:
    QPointer<QTabBar> bar_;
    int position_;
};

// The bar as a page tab list: its tabs, then the scroll arrows Qt builds into it.
class TabStripInterface : public QAccessibleWidget {
public:
    explicit TabStripInterface(QTabBar& bar)
        : QAccessibleWidget(&bar, QAccessible::PageTabList)
    { }

    ~TabStripInterface() override
    {
        for (const QAccessible::Id id : tabIds_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return bar().count() + QAccessibleWidget::childCount(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0)
            return nullptr;
        if (index >= bar().count())
            return QAccessibleWidget::child(index - bar().count());
        if (index >= static_cast<int>(tabIds_.size()))
            tabIds_.resize(index + 1, 0);
        QAccessible::Id& id = tabIds_[index];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(new TabInterface(bar(), index));
        return QAccessible::accessibleInterface(id);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child == nullptr)
            return -1;
        if (child->object() != nullptr) {
            const int index = QAccessibleWidget::indexOfChild(child);
            return index < 0 ? -1 : bar().count() + index;
        }
        const auto* tab = dynamic_cast<const TabInterface*>(child);
        return tab != nullptr && tab->isOn(bar()) && tab->isValid() ? tab->position() : -1;
    }

    // The scroll arrows lie on top of the tabs at the bar's end, so the
    // children are tried last first.
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int index = childCount() - 1; index >= 0; --index) {
            QAccessibleInterface* candidate = child(index);
            if (candidate != nullptr && !candidate->state().invisible && candidate->rect().contains(x, y))
                return candidate;
        }
        return nullptr;
    }

    QAccessibleInterface* focusChild() const override
    {
        return bar().hasFocus() && bar().currentIndex() >= 0 ? child(bar().currentIndex()) : nullptr;
    }

    // As Qt names a tab bar: by the tab it shows.
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && bar().currentIndex() >= 0)
            return TabName(bar(), bar().currentIndex());
        return QAccessibleWidget::text(kind);
    }

private:
    QTabBar& bar() const { return *static_cast<QTabBar*>(widget()); }

    mutable std::vector<QAccessible::Id> tabIds_;
};

QAccessibleInterface* CreateTabStripInterface(const QString& className, QObject* object)
{
    auto* bar = qobject_cast<QTabBar*>(object);
    if (className != QLatin1String("QTabBar") || bar == nullptr || !IsExposed(*bar))
        return nullptr;
    return new TabStripInterface(*bar);
}

} // namespace

void ExposeTabSelection(QTabBar& bar)
{
    // Qt asks the newest factory first, so this one comes before Qt's own
    // tab bar interface; once is enough for every bar.
    static const bool factoryInstalled = (QAccessible::installFactory(CreateTabStripInterface), true);
    Q_UNUSED(factoryInstalled);
    new DeselectionAnnouncer(bar);
}

} // namespace velmar
