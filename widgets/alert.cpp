#include "widgets/alert.h"

#include <QApplication>

namespace velmar {

void ShowAlert(QWidget* owner, QMessageBox::Icon icon, const QString& title, const QString& sentence)
{
    QApplication::beep();
    QMessageBox box(icon, title, sentence, QMessageBox::Ok, owner);
    box.exec();
}

} // namespace velmar
