#pragma once

class QString;
class QWidget;

namespace velmar {

// Refuses a command: sounds the error beep and shows the modal "Error" box
// with an error icon, one OK button and `sentence`.
void RefuseCommand(QWidget* owner, const QString& sentence);

} // namespace velmar
