#pragma once

class QListWidget;
class QWidget;

namespace velmar::test_support {

// Presses the child button of that name with the mouse.
void ClickButton(QWidget& window, const char* objectName);

// Clicks a row of the list with the mouse, scrolling it into view first.
void ClickRow(QListWidget& list, int row);

// Double-clicks a row: the list receives a click, then the double click, as
// from a real mouse.
void DoubleClickRow(QListWidget& list, int row);

} // namespace velmar::test_support
