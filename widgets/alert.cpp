#include "widgets/alert.h"

#include "widgets/event_sound.h"
#include "widgets/window_modal.h"

namespace velmar {

void ShowAlert(QWidget* owner, QMessageBox::Icon icon, const QString& title, const QString& sentence)
{
    PlayMessageSound(icon);
    QMessageBox box(icon, title, sentence, QMessageBox::Ok, owner);
    RunWindowModal(box);
}

} // namespace velmar
