#include "command_refusal.h"

#include <QApplication>
#include <QMessageBox>

namespace velmar {

void RefuseCommand(QWidget* owner, const QString& sentence)
{
    QApplication::beep();
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), sentence, QMessageBox::Ok, owner);
    box.exec();
}

} // namespace velmar
