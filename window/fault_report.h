#pragma once

#include <QString>

#include <exception>
#include <functional>

class QWidget;

namespace velmar {

// Shows an error that ended an event: the message gets a full stop and is
// shown in a box captioned with the application title, with an error icon
// and an OK button.
void ReportFault(QWidget* parent, const QString& message);

// Replaces what ReportFault does with the text it would show (tests record
// it instead of showing a modal box); returns the reporter it replaced. An
// empty reporter restores the message box.
using FaultReporter = std::function<void(QWidget* parent, const QString& message)>;
FaultReporter SetFaultReporter(FaultReporter reporter);

// Runs one event handler. Qt's event machinery is not exception-safe, so an
// error the handler does not catch ends here: it is reported and the program
// goes on.
template <typename Handler>
void runReportingFaults(QWidget* parent, Handler&& handler) noexcept
{
    try {
        handler();
    } catch (const std::exception& error) {
        ReportFault(parent, QString::fromUtf8(error.what()));
    } catch (...) {
        ReportFault(parent, QStringLiteral("Unknown error"));
    }
}

} // namespace velmar
