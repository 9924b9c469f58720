#include "window/fault_report.h"

#include <QMessageBox>

#include <utility>

#include "packaging/product.h"
#include "widgets/event_sound.h"
#include "widgets/window_modal.h"

namespace velmar {
namespace {

void showFaultBox(QWidget* parent, const QString& text)
{
    PlayMessageSound(QMessageBox::Critical);
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(ApplicationTitle), text, QMessageBox::Ok, parent);
    RunWindowModal(box);
}

FaultReporter& installedReporter()
{
    static FaultReporter reporter;
    return reporter;
}

} // namespace

void ReportFault(QWidget* parent, const QString& message)
{
    const QString text = message + QLatin1Char('.');
    if (const FaultReporter& reporter = installedReporter())
        reporter(parent, text);
    else
        showFaultBox(parent, text);
}

FaultReporter SetFaultReporter(FaultReporter reporter)
{
    return std::exchange(installedReporter(), std::move(reporter));
}

} // namespace velmar
