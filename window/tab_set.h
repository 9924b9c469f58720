#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

class QTabBar;

namespace velmar {

// A tab strip that asks before it changes its selected tab. The change handler
// gets the new position and an allow flag that starts true; the strip selects
// the new tab only when the handler returns normally with the flag still true.
// It asks when the user picks another tab (mouse, keyboard or wheel), when the
// program sets the selected position to a different value, and when the
// program replaces the whole tab list (the strip then forgets its selection
// and selects 0). An error thrown by the handler leaves the selection as it
// was; it reaches the program's caller, or the general error report when the
// user asked for the change.
class TabSet : public QWidget {
    Q_OBJECT

public:
    using ChangeHandler = std::function<void(int newTab, bool& allowChange)>;

    explicit TabSet(QWidget* parent = nullptr);

    void setChangeHandler(ChangeHandler handler);

    // Replaces the captions; selects tab 0 unless the list is empty.
    void setTabs(const QStringList& captions);
    const QStringList& tabs() const { return captions_; }
    int count() const { return static_cast<int>(captions_.size()); }

    // Renames one tab without changing the selection. Throws std::out_of_range
    // for a position that holds no tab.
    void setTabText(int position, const QString& caption);
    QString tabText(int position) const;

    // The selected position, -1 when no tab is selected.
    int tabIndex() const { return tabIndex_; }
    // Throws std::out_of_range ("Tab index out of bounds") below -1 or beyond
    // the last tab.
    void setTabIndex(int position);

    // The selected tab's caption, empty when no tab is selected.
    QString selectedCaption() const;

    // A change the user asks for by key: the tab `step` places on from the
    // selected one, wrapping round at either end, or the first or last tab.
    // An error of the handler is reported, as for a click.
    void selectNeighbour(int step);
    void selectFirst();
    void selectLast();

    // The least height that shows the tabs whole in the current style and font.
    int styleTabHeight() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void requestUserChange(int position);
    void requestChange(int position);
    void onBarCurrentChanged(int barIndex);
    void showSelection();

    QTabBar* bar_;
    QStringList captions_;
    ChangeHandler changeHandler_;
    int tabIndex_ = -1;
    int barShownIndex_ = -1;
    bool updatingBar_ = false;
};

} // namespace velmar
