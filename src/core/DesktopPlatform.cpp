#include "DesktopPlatform.h"

#include "CommonDialog.h"
#include "DesktopSpeech.h"
#include "FileFilter.h"
#include "MessageBox.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>

#include <chrono>
#include <cmath>

DesktopPlatform::DesktopPlatform(DesktopSpeech* speech)
    : speech_(speech) {
    reseedFromClock();
    // Qt's file dialog keeps its folder history in the user's settings, where on a shared school
    // account the next pupil would find it. Pointed at a folder that cannot exist, the settings
    // stay in memory for the life of the process.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
}

Platform::Answer DesktopPlatform::message(const QString& text, const QString& title,
                                          Buttons buttons, Icon icon, const QRect& keepClear) {
    const bool yesNo = buttons == Buttons::YesNo;
    // Held by a guard: the box is a child of the active window, which may go away while the
    // box is open (the program ending), taking the box with it.
    QPointer<QMessageBox> box =
        newMessageBox(text, title, buttons, icon, QApplication::activeWindow(), keepClear);
    box->exec();
    if (box.isNull())
        return yesNo ? Answer::No : Answer::Ok;
    const bool yes = box->clickedButton() == box->button(QMessageBox::Yes);
    delete box.data();
    if (!yesNo)
        return Answer::Ok;
    return yes ? Answer::Yes : Answer::No;
}

bool DesktopPlatform::showOpen(CommonDialog& settings) {
    QPointer<QFileDialog> dialog = new QFileDialog(QApplication::activeWindow());
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    // The same dialog names a file to save to, which need not exist yet.
    dialog->setFileMode(QFileDialog::AnyFile);
    const QStringList filters = qtNameFilters(settings.Filter);
    dialog->setNameFilters(filters);
    if (settings.FilterIndex >= 1 && settings.FilterIndex <= filters.size())
        dialog->selectNameFilter(filters.at(settings.FilterIndex - 1));
    if (!settings.FileName.isEmpty())
        dialog->selectFile(settings.FileName);
    const bool accepted = dialog->exec() == QDialog::Accepted && !dialog.isNull();
    QString chosen;
    if (accepted && !dialog->selectedFiles().isEmpty())
        chosen = dialog->selectedFiles().constFirst();
    delete dialog.data();
    if (chosen.isEmpty())
        return false;
    settings.FileName = chosen;
    return true;
}

void DesktopPlatform::showModal(QDialog& window) {
    window.exec();
}

double DesktopPlatform::random() {
    // The top 53 bits make a double in [0, 1) exactly, never 1.
    return std::ldexp(static_cast<double>(generator_() >> 11), -53);
}

void DesktopPlatform::reseedFromClock() {
    generator_.seed(static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

void DesktopPlatform::say(const QString& text) {
    if (speech_)
        speech_->say(text);
}

void DesktopPlatform::endProgram() {
    QCoreApplication::exit(0);
}
