#pragma once

#include <QAccessible>
#include <QList>
#include <QString>

// What a screen reader is told. A test that imports the recording bridge
// (Q_IMPORT_PLUGIN(AccessibleEventsPlugin)) gets every accessibility event that Qt sends, on any
// platform, the headless one included; each is kept as the reader would see it at that moment.
struct AccessibleEvent {
    QAccessible::Event type;
    QAccessible::Role role;
    QString name;
    QString description;
    // Its text, as a reader that reads text (not only names) gets it.
    QString text;
};

// The events recorded so far, oldest first; a test clears them before the step it looks at.
QList<AccessibleEvent>& accessibleEvents();

// What a screen reader hears for `object`: its role, name, description and text.
AccessibleEvent accessibleState(QObject* object);
