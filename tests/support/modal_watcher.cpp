#include "tests/support/modal_watcher.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

namespace velmar::test_support {

ModalWatcher::ModalWatcher(std::function<void(QWidget& modal)> answer)
    : answer_(std::move(answer))
{
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
}

void ModalWatcher::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr)
        return;
    if (modal == unanswered_) {
        ADD_FAILURE() << "the answer left " << modal->metaObject()->className() << " open";
        modal->close();
        return;
    }
    unanswered_ = modal;
    ++answered_;
    answer_(*modal);
}

} // namespace velmar::test_support
