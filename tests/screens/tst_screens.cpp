// What the user sees of the four windows: each control as it is created, the wizard's stacked
// pages, and that no caption, in any language and in any state, nor any word or attempt on the
// practice window's large lines, is cut off or runs under another control.

#include "TestSession.h"
#include "core/Translations.h"
#include "practice/Main.h"
#include "practice/MistakeMarking.h"
#include "screens/FittingLabel.h"
#include "screens/PracticeScreen.h"
#include "screens/ReadmeScreen.h"
#include "screens/RecallScreen.h"
#include "screens/WizardScreen.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QtTest>

extern const char* const Controls;

namespace {

// What is wrong with the caption of `control`, if anything: it needs more room than the style
// leaves it, or a label's text runs under another control (labels lie beneath the others).
QString captionFault(QWidget* control) {
    const QFontMetrics metrics = control->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(control)) {
        const QRect drawn = metrics.boundingRect(
            label->contentsRect(), Qt::TextWordWrap | int(label->alignment()), label->text());
        for (QWidget* other :
             control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!other->inherits("QLabel") && other->isVisible() &&
                other->geometry().intersects(drawn.translated(label->pos())))
                return label->objectName() + " runs under " + other->objectName();
        return label->contentsRect().contains(drawn) ? QString()
                                                     : label->objectName() + " is cut off";
    }
    QSize room;
    QString text;
    if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = text = frame->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        room = frame->style()
                   ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame)
                   .size();
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        text = button->text();
        const bool push = button->inherits("QPushButton");
        room = button->style()
                   ->subElementRect(push ? QStyle::SE_PushButtonContents
                                         : QStyle::SE_RadioButtonContents,
                                    &option, button)
                   .size();
    }
    const QSize needed = metrics.size(Qt::TextShowMnemonic, text);
    return needed.boundedTo(room) == needed ? QString() : control->objectName() + " is cut off";
}

// Every fixed text of the windows in a tour of them (captions, what a screen reader hears,
// messages and their titles), and every caption that does not fit.
QStringList tourTexts(QStringList& faults) {
    QStringList texts;
    for (const TestSession::Message& message :
         tourWindows([&](QWidget*window, const QString&state) {
             texts << window->windowTitle() << window->accessibleDescription();
             for (QWidget* control : window->findChildren<QWidget*>()) {
                 // A box holds what was typed, a large line a word: only the captions are fixed.
                 if (control->objectName().isEmpty() || control->objectName().startsWith("qt_") ||
                     control->inherits("FittingLabel") || control->inherits("QLineEdit") ||
                     control->inherits("QAbstractScrollArea"))
                     continue;
                 texts << control->accessibleName()
                       << control->property(control->inherits("QGroupBox") ? "title" : "text")
                              .toString();
                 if (const QString fault = captionFault(control); !fault.isEmpty())
                     faults << state + ": " + fault;
             }
         }))
        texts << message.text << message.title;
    return texts;
}

} // namespace

class ScreensTest : public QObject {
    Q_OBJECT

    QPointer<ScreenWindow> window;
    // The folder the tour's readme viewer reads readme.txt from.
    QTemporaryDir folder;
    QStringList english;

    // Builds the window named `name` and shows it, so that its style and fonts are the real ones.
    ScreenWindow* open(const QString& name) {
        window = name == "frmWizard" ? static_cast<ScreenWindow*>(new WizardScreen)
                 : name == "Main"    ? static_cast<ScreenWindow*>(new PracticeScreen)
                 : name == "Form1"   ? static_cast<ScreenWindow*>(new RecallScreen)
                                     : new ReadmeScreen;
        window->show();
        return window;
    }

private slots:
    void initTestCase() {
        QVERIFY(QDir::setCurrent(folder.path()));
        writeFile("readme.txt", "How to use Tovrin");
        QStringList faults;
        english = tourTexts(faults);
    }

    void cleanup() {
        if (window)
            window->close();
        verifyNoWindowLeft();
    }

    void controls_data() {
        QTest::addColumn<QByteArray>("expected");
        addRows(Controls);
    }
    // Each control as created: caption, font, place, look and what a screen reader hears of it.
    void controls() {
        QFETCH(QByteArray, expected);
        const QString window = QTest::currentDataTag();
        QWidget* each = open(window);
        const QString name = QString::fromUtf8(expected).section(u' ', 0, 0);
        if (name != window)
            each = control<QWidget>(each, name);
        const QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(each);
        const QString caption = each->property(each->isWindow()                   ? "windowTitle"
                                               : each->inherits("QGroupBox")      ? "title"
                                               : each->inherits("QPlainTextEdit") ? "plainText"
                                                                                  : "text")
                                    .toString();
        const QRect r = each->geometry();
        QStringList seen{name, "'" + caption + "'",
                         QString::number(each->font().pointSizeF()) +
                             (each->font().bold() ? "b" : ""),
                         each->isWindow() ? QStringLiteral("%1x%2").arg(r.width()).arg(r.height())
                                          : QStringLiteral("%1,%2,%3,%4")
                                                .arg(r.x())
                                                .arg(r.y())
                                                .arg(r.width())
                                                .arg(r.height())};
        if (each->minimumSize() == each->maximumSize())
            seen << "fixed";
        if (each->property("alignment").toInt() & Qt::AlignHCenter)
            seen << "centred";
        if (each->property("readOnly").toBool())
            seen << "read-only";
        if (heard->text(QAccessible::Name) != QString(caption).remove(u'&'))
            seen << "\"" + heard->text(QAccessible::Name) + "\"";
        seen << heard->text(QAccessible::Description);
        QCOMPARE(seen.join(u' ').trimmed(), QString::fromUtf8(expected));
    }

    // The wizard stacks its pages in one place: the page in front hides the others completely,
    // and a page lying under another takes no focus.
    void wizardPagesHideThePagesBeneath() {
        auto* wizard = qobject_cast<WizardScreen*>(open("frmWizard"));
        for (QGroupBox* front : wizard->Frame1) {
            for (QGroupBox* each : wizard->Frame1)
                each->move(wizard->Frame1[0]->pos());
            front->raise();
            for (QGroupBox* each : wizard->Frame1)
                QCOMPARE(each->isEnabled(), each == front);
            QCOMPARE(
                wizard->grab(front->geometry()).toImage().convertToFormat(QImage::Format_RGB32),
                front->grab().toImage().convertToFormat(QImage::Format_RGB32));
        }
    }

    void inEveryLanguage_data() {
        // The desktop's languages, most wanted first, and the language the program takes; texts
        // that read as in English, the same word in that language; the end of a pass with 1 error
        // on 3 words, each number with its own plural; Qt's own Yes.
        for (const char* column : {"desktop", "language", "same", "summary", "yes"})
            QTest::addColumn<QByteArray>(column);
        addRows(R"(
            English before German ¦ en-GB,de ¦  ¦  ¦ You Made 1 Errors on the 3 words.  More Practice ¦ &Yes
            German of Austria ¦ de-AT ¦ de ¦  ¦ Du hast 1 Fehler bei 3 Wörtern gemacht.  Noch einmal üben? ¦ &Ja
            French after Japanese ¦ ja,fr ¦ fr ¦ STOP ¦ Tu as fait 1 faute sur 3 mots.  Encore un peu d’entraînement\u00A0? ¦ &Oui
            Spanish ¦ es ¦ es ¦ No ¦ Cometiste 1 error en 3 palabras.  ¿Practicar más? ¦ &Sí
            Italian ¦ it ¦ it ¦ No,STOP ¦ Hai fatto 1 errore su 3 parole.  Vuoi esercitarti ancora? ¦ &Sì
            Dutch ¦ nl ¦ nl ¦ STOP ¦ Je hebt 1 fout gemaakt bij 3 woorden.  Nog meer oefenen? ¦ &Ja
            )");
    }
    // Every window in every state a user meets it in, in each language: each caption fits and
    // none of the fixed texts, nor any message, is left in English but for names ("Tovrin",
    // "readme.txt") and words that read the same.
    void inEveryLanguage() {
        QFETCH(QByteArray, desktop);
        QFETCH(QByteArray, language);
        QFETCH(QByteArray, same);
        QFETCH(QByteArray, summary);
        QFETCH(QByteArray, yes);
        const Translations translations(QString::fromUtf8(desktop).split(u','));
        QCOMPARE(translations.language(), QString::fromUtf8(language));
        QCOMPARE(Main::passSummary(1, 3), QString::fromUtf8(summary));
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), QString::fromUtf8(yes));
        QStringList faults;
        const QStringList texts = tourTexts(faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
        QCOMPARE(texts.size(), english.size());
        const QStringList unchanged =
            QString::fromUtf8(same).split(u',') + QStringList{"Tovrin", "readme.txt", ""};
        for (qsizetype i = 0; i < texts.size(); ++i)
            QVERIFY2(language.isEmpty() == (texts.at(i) == english.at(i)) ||
                         unchanged.contains(english.at(i)),
                     qPrintable(english.at(i)));
    }

    void largeLinesShowTheirWholeText_data() {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<QByteArray>("attempt");
        addRows(R"(
            one letter ¦ a ¦ b
            twenty wide letters ¦ WWWWWWWWWWWWWWWWWWWW ¦ WWWWWWWWWWWWWWWWWWWV
            a long wrong attempt ¦ cat ¦ catastrophically wrong, and typed on and on
            accents and emoji ¦ cafe\u0301\U0001F600na\u00EFve ¦ caf\u00E9\U0001F600naive
            )");
    }
    // The practice window's three large lines as a wrong attempt leaves them, each whole: at its
    // own size if it fits there, else a little smaller than the size that would not fit.
    void largeLinesShowTheirWholeText() {
        QFETCH(QByteArray, word);
        QFETCH(QByteArray, attempt);
        auto* practice = qobject_cast<PracticeScreen*>(open("Main"));
        practice->Word->setText(QString::fromUtf8(word));
        practice->TypedWord->setText(QString::fromUtf8(word));
        practice->CorrectWord->setText(
            markAttempt(QString::fromUtf8(word), QString::fromUtf8(attempt)));
        for (FittingLabel* line : {practice->Word, practice->TypedWord, practice->CorrectWord}) {
            const auto width = [line](const QFont& font) {
                return QFontMetricsF(font, line).horizontalAdvance(line->text());
            };
            const qreal room = line->contentsRect().width();
            QFont larger = line->fittedFont();
            larger.setPointSizeF(larger.pointSizeF() * 1.03);
            QVERIFY2(width(line->fittedFont()) <= room, qPrintable(line->text()));
            QVERIFY2(width(line->font()) <= room ? line->fittedFont() == line->font()
                                                 : width(larger) > room,
                     qPrintable(line->text()));
            // Text cut off at a side would leave ink, dark on the light background, at that edge.
            const QImage picture = line->grab().toImage();
            for (int y = 0; y < picture.height(); ++y)
                QVERIFY(qGray(picture.pixel(0, y)) >= 160 &&
                        qGray(picture.pixel(picture.width() - 1, y)) >= 160);
        }
    }
};

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
