#pragma once

#include "MODULE11.h"
#include "Platform.h"
#include "WindowSlot.h"

#include <QObject>
#include <QString>

class QDialog;
struct CommonDialog;
class frmWizard;
class Main;
class Form1;
class Form5;

// The running program: the state its windows share, the four windows (each at most once), the
// platform they talk to, and how the program ends.
class Program : public QObject {
    Q_OBJECT

public:
    // The title of a message box that has none of its own.
    static inline const QString Title = QStringLiteral("Tovrin");

    explicit Program(Platform& platform);
    ~Program() override;

    MODULE11 shared;

    // The folder of the readme.txt installed with the program, read when the current folder has
    // none; empty for none.
    QString installedReadmeFolder;

    WindowSlot<frmWizard> wizard{*this};
    WindowSlot<Main> practice{*this};
    WindowSlot<Form1> recall{*this};
    WindowSlot<Form5> readme{*this};

    // Once the program has ended these show nothing: a message answers No (or OK), the file
    // dialog is cancelled and a modal window returns at once.
    Platform::Answer message(const QString& text, const QString& title = Title,
                             Platform::Buttons buttons = Platform::Buttons::Ok,
                             Platform::Icon icon = Platform::Icon::None,
                             const QRect& keepClear = {});
    bool showOpen(CommonDialog& dialog);
    void showModal(QDialog& window);
    double random();
    void reseedFromClock();
    // Says `word` aloud without waiting, cutting off what is still being said.
    void say(const QString& word);
    // Cuts off what is still being said.
    void stopSaying();

    // Ends the program at once: every window closes, every event loop is left, nothing is asked.
    void end();
    bool hasEnded() const { return ended_; }

    // Told by a window slot when its window has closed. The program ends once no window is open
    // after the current handler is done, so closing one window and showing another does not end it.
    void windowClosed();

private:
    void endIfNoWindowIsOpen();
    bool anyWindowOpen() const;

    Platform& platform_;
    bool ended_ = false;
};
