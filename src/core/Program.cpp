#include "Program.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>

Program::Program(Platform& platform)
    : platform_(platform) {
    // The program decides for itself when it ends: the wizard closes before the practice window
    // opens, and that must not end it.
    QGuiApplication::setQuitOnLastWindowClosed(false);
}

Program::~Program() {
    // Windows closed earlier wait for deferred deletion; let them go while the program still
    // exists. Open ones are deleted by their slots.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Platform::Answer Program::message(const QString& text, const QString& title,
                                  Platform::Buttons buttons, Platform::Icon icon,
                                  const QRect& keepClear) {
    if (ended_)
        return buttons == Platform::Buttons::YesNo ? Platform::Answer::No : Platform::Answer::Ok;
    return platform_.message(text, title, buttons, icon, keepClear);
}

bool Program::showOpen(CommonDialog& dialog) {
    return !ended_ && platform_.showOpen(dialog);
}

void Program::showModal(QDialog& window) {
    if (!ended_)
        platform_.showModal(window);
}

double Program::random() {
    return platform_.random();
}

void Program::reseedFromClock() {
    platform_.reseedFromClock();
}

void Program::say(const QString& word) {
    platform_.say(word);
}

void Program::stopSaying() {
    platform_.say(QString());
}

void Program::end() {
    if (ended_)
        return;
    ended_ = true;
    readme.close();
    recall.close();
    practice.close();
    wizard.close();
    platform_.endProgram();
}

void Program::windowClosed() {
    QMetaObject::invokeMethod(this, &Program::endIfNoWindowIsOpen, Qt::QueuedConnection);
}

void Program::endIfNoWindowIsOpen() {
    if (!anyWindowOpen())
        end();
}

bool Program::anyWindowOpen() const {
    return wizard.isOpen() || practice.isOpen() || recall.isOpen() || readme.isOpen();
}
