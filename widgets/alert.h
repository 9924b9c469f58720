#pragma once

#include <QMessageBox>

class QString;
class QWidget;

namespace velmar {

// Plays the sound of its kind and shows a modal message box over `owner` (or alone in the
// middle of the screen without one) with the icon, the title, `sentence` and
// one OK button; returns once the user has closed it.
void ShowAlert(QWidget* owner, QMessageBox::Icon icon, const QString& title, const QString& sentence);

} // namespace velmar
