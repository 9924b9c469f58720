#include "modal_watcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
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

void ClickButton(QWidget& window, const char* objectName)
{
    auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(objectName));
    ASSERT_NE(button, nullptr) << objectName;
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace velmar::test_support
