#pragma once

#include <QStringList>

#include "window/fault_report.h"

namespace velmar {

// Records the general error reports while it lives, instead of showing modal boxes.
class FaultRecorder {
public:
    FaultRecorder()
        : previous_(SetFaultReporter([this](QWidget*, const QString& text) { messages.append(text); }))
    { }
    ~FaultRecorder() { SetFaultReporter(std::move(previous_)); }
    FaultRecorder(const FaultRecorder&) = delete;
    FaultRecorder& operator=(const FaultRecorder&) = delete;

    QStringList messages;

private:
    FaultReporter previous_;
};

} // namespace velmar
