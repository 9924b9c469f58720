#include "calculator_launcher.h"

#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

namespace velmar {

bool StartDesktopCalculator()
{
    for (const char* name : DesktopCalculators) {
        const QString program = QStandardPaths::findExecutable(QLatin1String(name));
        if (!program.isEmpty() && QProcess::startDetached(program, {}))
            return true;
    }
    return false;
}

void StartCalculator(QWidget* owner)
{
    if (StartDesktopCalculator())
        return;
    QApplication::beep();
    QMessageBox message(QMessageBox::Critical, QStringLiteral("Error"),
                        QStringLiteral("Unable to start the Windows Calculator."), QMessageBox::Ok, owner);
    message.exec();
}

} // namespace velmar
