#include "tests/support/widget_clicks.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace velmar::test_support {
namespace {

QPoint CentreOfRow(QListWidget& list, int row)
{
    list.scrollToItem(list.item(row));
    return list.visualItemRect(list.item(row)).center();
}

} // namespace

void ClickButton(QWidget& window, const char* objectName)
{
    auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(objectName));
    ASSERT_NE(button, nullptr) << objectName;
    QTest::mouseClick(button, Qt::LeftButton);
}

void ClickRow(QListWidget& list, int row)
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, CentreOfRow(list, row));
}

void DoubleClickRow(QListWidget& list, int row)
{
    ClickRow(list, row);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, CentreOfRow(list, row));
}

} // namespace velmar::test_support
