#pragma once

#include <QMessageBox>

namespace velmar {

// Plays the desktop's sound for a message of this kind from the freedesktop
// sound theme ("dialog-error", "dialog-warning", "dialog-information";
// "dialog-question" otherwise), or the plain beep where no sound service
// runs or the theme lacks the sound.
void PlayMessageSound(QMessageBox::Icon kind);

} // namespace velmar
