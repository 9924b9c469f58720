#pragma once

class QTabBar;

namespace velmar {

// Shows a screen reader which tab of `bar` is selected. Qt's own tab bar
// interface marks none of its tabs selected, so Orca cannot say which
// category is shown; this gives the bar an interface whose tabs are
// selectable, the shown one selected (and focused while the bar has the
// focus), named by the bar's accessible tab names or else its captions, and
// pressed as a click would select them. The bar itself announces each newly
// shown tab; this adds the announcement that the tab shown before is no
// longer selected.
//
// Call it once for a bar, before anything else connects to the bar's
// currentChanged: a handler that takes a change back inside that signal then
// has both moves announced in the order they happened.
void ExposeTabSelection(QTabBar& bar);

} // namespace velmar
