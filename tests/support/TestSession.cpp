#include "TestSession.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QStringList>

void endSession(std::unique_ptr<TestSession>& session) {
    const int unused = session ? session->platform.unusedAnswers() : 0;
    session.reset();
    verifyNoWindowLeft();
    if (unused != 0)
        QTest::qFail(
            qPrintable(QStringLiteral("%1 scripted answers were never asked for").arg(unused)),
            __FILE__, __LINE__);
}

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

bool activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}
