#include "widgets/alert.h"

#include "widgets/event_sound.h"

namespace velmar {

void ShowAlert(QWidget* owner, QMessageBox::Icon icon, const QString& title, const QString& sentence)
{
    PlayMessageSound(icon);
    QMessageBox box(icon, title, sentence, QMessageBox::Ok, owner);
    box.exec();
}

} // namespace velmar
