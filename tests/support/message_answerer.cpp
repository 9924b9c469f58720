#include "tests/support/message_answerer.h"

#include <QAbstractButton>
#include <QTest>

#include <utility>

#include <gtest/gtest.h>

namespace velmar::test_support {

MessageAnswerer::MessageAnswerer(std::function<void(const QMessageBox&)> inspect)
    : inspect_(std::move(inspect))
    , watcher_([this](QWidget& modal) { Answer(modal); })
{ }

void MessageAnswerer::Answer(QWidget& modal)
{
    auto* box = qobject_cast<QMessageBox*>(&modal);
    if (box == nullptr) {
        ADD_FAILURE() << "expected a message box, got " << modal.metaObject()->className();
        modal.close();
        return;
    }
    if (inspect_)
        inspect_(*box);
    QList<QMessageBox::StandardButton> buttons;
    for (QAbstractButton* button : box->buttons())
        buttons.append(box->standardButton(button));
    shown.append({box->windowTitle(), box->text(), box->icon(), buttons, box->parentWidget()});
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    if (ok != nullptr)
        QTest::mouseClick(ok, Qt::LeftButton);
    else
        box->close();
}

} // namespace velmar::test_support
