#pragma once

#include "core/CommonDialog.h"
#include "core/Platform.h"
#include "core/Program.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <functional>
#include <random>

// A program on a platform of the test's own, and a user who plays it from a script. Steps are
// separated by ";", each a verb and, after ":", its argument:
//   start                   the program starts
//   next back cancel esc    the wizard's buttons; esc is the Escape key
//   o1 .. o5                a click on Option1 .. Option5; dbl1 .. a double-click; ax1 .. the
//                           screen reader's Toggle action
//   add:W  box:W            W in the wizard's word box, then "&Next Word" pressed (add) or not;
//                           box:W puts W in the recall window's box where that is open
//   list:W W  count:N       the shared list holds these words; WordCount is N
//   practice                the practice window opens
//   t:W  r:W                W typed and Done pressed in the practice window (t) or the recall
//                           window (r)
//   f5                      the repeat key pressed and held in the recall window where that is
//                           open, else in the practice window
//   rand:X,Y  e:N           the next random numbers; the error count is N
//   put:N=B dir:N fifo:N    a file of the bytes B, a folder or a FIFO named N; a name that starts
//                           with @ lies in the installed guide's folder
//   guide:L                 the installed guide is read in the language L
//   close:N  visit:N        the window named N is closed with its close box; `visit` is called
//                           with the window the state N names; seen:N calls it while the next box
//                           is open
// A message box with OK alone is answered at once; one with Yes and No takes the next step, "yes"
// or "no"; a file dialog takes "file:N" or "nofile". While a box is open the steps "seen", "!"
// (the program ends) and those marked with a leading "!" that follow are played first. The
// recall window plays the steps that follow until it has closed. A request that the script does
// not answer fails the test and is answered with No, a cancelled dialog or the window closed, so
// that no test ever blocks.
class TestSession final : public Platform {
public:
    struct Message {
        QString text, title;
        Buttons buttons;
        Icon icon;
        // The practice window's lines while the box was open.
        QString seen;
    };

    Program program{*this};
    QString installedFolder;
    std::function<void(QWidget* window, const QString& state)> visit;

    void play(const QString& script);
    // Every message so far, each as a short code with what the practice window showed while it
    // was open: "save?", "wrong[cat|cat|c-t|cot]", "sum(1,3)". Each code stands for one exact
    // text, title, set of buttons and icon; a message that fits none fails the test. The current
    // folder is named "." and the installed guide's "@".
    QString told() const;

    // All that the program asked of the platform. Random numbers come from `randoms`, then from a
    // fixed seed, so that every run draws the same; a reseed is only counted.
    QList<Message> messages;
    QList<CommonDialog> fileDialogs;
    QList<double> randoms;
    qsizetype reseeds = 0;
    // Every text said, in order; an empty one where speech was cut off.
    QStringList said;
    bool ended = false;

    Answer message(const QString& text, const QString& title, Buttons buttons, Icon icon,
                   const QRect& keepClear) override;
    bool showOpen(CommonDialog& dialog) override;
    void showModal(QDialog& window) override;
    double random() override;
    void reseedFromClock() override { ++reseeds; }
    void say(const QString& text) override { said << text; }
    void endProgram() override { ended = true; }

private:
    void step(const QString& step);
    QStringList steps_;
    std::mt19937_64 generator_{20261206};
};

// Fails the test if a window is left open.
void verifyNoWindowLeft();

// The windows in each state a user meets them in, the practice with the longest word among them:
// `visit` is called with each window and a name for its state ("wizard-2-typing"). Returns every
// message shown on the way.
QList<TestSession::Message>
tourWindows(const std::function<void(QWidget* window, const QString& state)>& visit);

// Adds a data row for each line of `table` but blank ones: its name, then its columns, separated by
// " ¦ ", each a QByteArray. Escapes stand for what a line cannot hold: \r \n \t \\ \xHH (a byte),
// \uHHHH \UHHHHHHHH (a character, in UTF-8) and \*N(T), T N times over.
void addRows(const char* table);

// Creates or replaces the file at `path` with exactly `bytes`.
void writeFile(const QString& path, const QByteArray& bytes);
// The file's bytes, or "(missing)".
QByteArray readFile(const QString& path);
