#include "AccessibleEvents.h"

#include <QAccessibleBridge>
#include <QAccessibleBridgePlugin>

namespace {

AccessibleEvent describe(QAccessible::Event type, QAccessibleInterface* target) {
    if (!target || !target->isValid())
        return {type, QAccessible::NoRole, {}, {}, {}};
    QAccessibleTextInterface* text = target->textInterface();
    return {type, target->role(), target->text(QAccessible::Name),
            target->text(QAccessible::Description),
            text ? text->text(0, text->characterCount()) : QString()};
}

class RecordingBridge : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override {
        accessibleEvents().append(describe(event->type(), event->accessibleInterface()));
    }
};

} // namespace

// Qt hands every accessibility event to the bridges it finds among its plugins, whether or not a
// screen reader has asked for them; this one is linked into the test that imports it.
class AccessibleEventsPlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "AccessibleEvents.json")

public:
    // Qt keeps the bridges it creates for the life of the process and never deletes them.
    QAccessibleBridge* create(const QString&) override {
        static RecordingBridge bridge;
        return &bridge;
    }
};

QList<AccessibleEvent>& accessibleEvents() {
    static QList<AccessibleEvent> events;
    return events;
}

AccessibleEvent accessibleState(QObject* object) {
    return describe(QAccessible::InvalidEvent, QAccessible::queryAccessibleInterface(object));
}

#include "AccessibleEvents.moc"
