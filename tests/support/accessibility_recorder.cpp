#include "tests/support/accessibility_recorder.h"

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <algorithm>

namespace velmar::test_support {
namespace {

AccessibilityRecorder* recording = nullptr;

} // namespace

AccessibilityRecorder::AccessibilityRecorder()
    : accessibility_(QGuiApplicationPrivate::platformIntegration()->accessibility())
{
    if (accessibility_ == nullptr)
        return;
    recording = this;
    QAccessible::installUpdateHandler(&record);
    accessibility_->setActive(true);
}

AccessibilityRecorder::~AccessibilityRecorder()
{
    if (accessibility_ == nullptr)
        return;
    accessibility_->setActive(false);
    QAccessible::installUpdateHandler(nullptr);
    recording = nullptr;
}

int AccessibilityRecorder::count(const QObject* object, QAccessible::Event type) const
{
    return static_cast<int>(std::count_if(events_.begin(), events_.end(), [&](const Event& event) {
        return event.Object == object && event.Type == type;
    }));
}

void AccessibilityRecorder::record(QAccessibleEvent* event)
{
    if (recording == nullptr)
        return;
    bool childSelected = false;
    if (event->child() >= 0) {
        const QAccessibleInterface* child = event->accessibleInterface();
        childSelected = child != nullptr && child->state().selected;
    }
    recording->events_.push_back({event->object(), event->type(), event->child(), childSelected});
}

} // namespace velmar::test_support
