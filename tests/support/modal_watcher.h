#pragma once

#include <QPointer>
#include <QTimer>

#include <functional>

class QWidget;

namespace velmar::test_support {

// While alive, hands every modal window that opens (a dialog run by exec(),
// a message box) to `answer`, which must close it. A window left open is
// closed and reported as a failure, so no test blocks.
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(QWidget& modal)> answer);

    int answered() const { return answered_; }

private:
    void Poll();

    std::function<void(QWidget&)> answer_;
    QTimer timer_;
    QPointer<QWidget> unanswered_;
    int answered_ = 0;
};

} // namespace velmar::test_support
