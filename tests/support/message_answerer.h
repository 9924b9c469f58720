#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

#include <functional>

#include "tests/support/modal_watcher.h"

namespace velmar::test_support {

// A message box as the user saw it.
struct ShownMessage {
    QString Title;
    QString Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> Buttons; // NoButton for a button of its own
    const QWidget* Owner = nullptr;             // only to compare with, gone with the box
};

// While alive, records each message box that opens and answers it with its
// OK button. `inspect`, when given, sees each box first, while it is open.
// Any other modal window is a failure.
class MessageAnswerer {
public:
    explicit MessageAnswerer(std::function<void(const QMessageBox&)> inspect = {});

    QList<ShownMessage> shown;

private:
    void Answer(QWidget& modal);

    std::function<void(const QMessageBox&)> inspect_;
    ModalWatcher watcher_;
};

} // namespace velmar::test_support
