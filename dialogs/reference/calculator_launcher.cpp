#include "dialogs/reference/calculator_launcher.h"

#include <QProcess>
#include <QStandardPaths>

#include "widgets/alert.h"

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
    ShowAlert(owner, QMessageBox::Critical, QStringLiteral("Error"),
              QStringLiteral("Unable to start the Windows Calculator."));
}

} // namespace velmar
