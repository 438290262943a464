#include "TestSession.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QStringList>

void verifyNoWindowLeft() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList left;
    for (const QWidget* widget : QApplication::topLevelWidgets())
        left.append(widget->objectName().isEmpty()
                        ? QString::fromLatin1(widget->metaObject()->className())
                        : widget->objectName());
    if (!left.isEmpty())
        QTest::qFail(
            qPrintable(QStringLiteral("windows left open: ") + left.join(QLatin1String(", "))),
            __FILE__, __LINE__);
}
