#pragma once

#include <QAccessible>

#include <vector>

class QObject;
class QPlatformAccessibility;

namespace velmar::test_support {

// While alive, records what a screen reader is told through Qt's
// accessibility hook, with accessibility switched on as a screen reader
// switches it on. One recorder at a time.
class AccessibilityRecorder {
public:
    struct Event {
        QObject* Object;
        QAccessible::Event Type;
        int Child; // -1: the object itself
        // Whether the child was selected as the event went out, which is
        // what the desktop's bridge reads then.
        bool ChildSelected;
    };

    AccessibilityRecorder();
    ~AccessibilityRecorder();
    AccessibilityRecorder(const AccessibilityRecorder&) = delete;
    AccessibilityRecorder& operator=(const AccessibilityRecorder&) = delete;

    // False on a platform without accessibility: nothing is recorded.
    bool isAvailable() const { return accessibility_ != nullptr; }

    void clear() { events_.clear(); }
    const std::vector<Event>& events() const { return events_; }
    // The events of this type about `object` itself or any of its children.
    int count(const QObject* object, QAccessible::Event type) const;

private:
    static void record(QAccessibleEvent* event);

    QPlatformAccessibility* accessibility_;
    std::vector<Event> events_;
};

} // namespace velmar::test_support
