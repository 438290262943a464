// What the user sees of the four windows: each control as it is created, borders, keys and focus,
// what a screen reader hears, and that no caption, in any language and any state, nor any word or
// attempt on the practice window's large lines, is cut off or runs under another control.

#include "TestSession.h"
#include "core/Translations.h"
#include "practice/Main.h"
#include "practice/MistakeMarking.h"
#include "screens/FittingLabel.h"
#include "screens/PracticeScreen.h"
#include "screens/ReadmeScreen.h"
#include "screens/RecallScreen.h"
#include "screens/Twips.h"
#include "screens/WizardScreen.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// What is wrong with the caption of `control`, if anything: it needs more room than the style
// leaves it, or, for a word-wrapped label, it runs under another control (labels lie beneath the
// others, which hide any of their text).
QString captionFault(QWidget* control) {
    const QFontMetrics metrics = control->fontMetrics();
    QSize needed, room;
    QRect drawn;
    if (auto* label = qobject_cast<QLabel*>(control)) {
        room = label->contentsRect().size();
        drawn = metrics.boundingRect(label->contentsRect(),
                                     Qt::TextWordWrap | int(label->alignment()), label->text());
        needed = label->wordWrap() ? drawn.size() : metrics.size(0, label->text());
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        auto* push = qobject_cast<QPushButton*>(button);
        if (push && push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
        room = button->style()
                   ->subElementRect(push ? QStyle::SE_PushButtonContents
                                         : QStyle::SE_RadioButtonContents,
                                    &option, button)
                   .size();
        needed = metrics.size(Qt::TextShowMnemonic, button->text());
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        room = frame->style()
                   ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame)
                   .intersected(frame->rect())
                   .size();
        needed = metrics.size(Qt::TextShowMnemonic, frame->title());
    }
    for (QWidget* other :
         control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!other->inherits("QLabel") && other->isVisible() && qobject_cast<QLabel*>(control) &&
            other->geometry().intersects(drawn.translated(control->pos())))
            return control->objectName() + " runs under " + other->objectName();
    if (needed.boundedTo(room) != needed)
        return control->objectName() + " needs " + QDebug::toString(needed) + ", has " +
               QDebug::toString(room);
    return {};
}

// Every fixed text of the windows in every state of a tour through them (captions, what a screen
// reader hears, messages and their titles), and every caption that does not fit its control.
struct ShownTexts {
    QStringList texts;
    QStringList faults;
};

ShownTexts tourTexts() {
    ShownTexts shown;
    const auto visit = [&shown](QWidget* window, const QString& state) {
        shown.texts << window->windowTitle() << window->accessibleDescription();
        for (QWidget* control : window->findChildren<QWidget*>()) {
            // The large lines show words, which no language changes.
            if (control->objectName().isEmpty() || control->objectName().startsWith("qt_") ||
                control->inherits("FittingLabel"))
                continue;
            shown.texts << control->accessibleName() << control->accessibleDescription();
            // A box holds what was typed; only the captions are fixed.
            if (!control->inherits("QLineEdit") && !control->inherits("QAbstractScrollArea"))
                shown.texts << control->property(control->inherits("QGroupBox") ? "title" : "text")
                                   .toString();
            if (const QString fault = captionFault(control); !fault.isEmpty())
                shown.faults.append(state + ": " + fault);
        }
    };
    for (const ScriptedPlatform::Message& message : tourWindows(visit))
        shown.texts << message.text << message.title;
    return shown;
}

} // namespace

class ScreensTest : public QObject {
    Q_OBJECT

    QPointer<ScreenWindow> window;
    // The folder the tour's readme viewer reads readme.txt from.
    QTemporaryDir folder;
    ShownTexts english;

    // Builds the window named `name` and shows it, so that its style and fonts are the real ones.
    ScreenWindow* open(const QString& name) {
        if (name == "frmWizard")
            window = new WizardScreen;
        else if (name == "Main")
            window = new PracticeScreen;
        else if (name == "Form1")
            window = new RecallScreen;
        else
            window = new ReadmeScreen;
        window->show();
        QCoreApplication::processEvents();
        return window;
    }

private slots:
    void initTestCase() {
        QVERIFY(QDir::setCurrent(folder.path()));
        writeFile("readme.txt", "How to use Tovrin");
        english = tourTexts();
    }

    void cleanup() {
        if (window)
            window->close();
        verifyNoWindowLeft();
    }

    void windows_data() {
        QTest::addColumn<QStringList>("controls");
        // The controls that Tab stops at, in order (a group of options once, at its chosen
        // option); the first has the focus on opening.
        QTest::addColumn<QStringList>("order");
        // A text box, and the buttons that Enter and Escape press from it (none: nothing).
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("keys");
        // Each control as created, as "name 'caption' points[b for bold] left,top,width,height in
        // twips", then what a screen reader names it where that is not its caption, in quotes, and
        // its description; the window first, with its size and a fixed border ("fixed").
        QTest::newRow("frmWizard")
            << QStringList{"frmWizard 'Tovrin' 8.25 6690x5775 fixed Word list wizard",
                           "Frame1(0) 'Step 1' 8.25 120,120,6375,4815",
                           "Option1 'Load an existing list' 8.25 2160,3000,3495,495",
                           "Option2 'Create a new list' 8.25 2160,3360,3495,495",
                           "Option3 'View the Readme file' 8.25 2160,3720,3495,495",
                           "Label6 'Do you want to:' 8.25 1320,2760,3375,375 centred",
                           "Label3 'Tip: double-click a choice to go straight on.' 8.25 "
                           "1200,4320,4095,495 centred",
                           "Label1 'Dear Teacher or Parent,' 8.25 240,360,3375,495",
                           "Label2 'This program enables you to type in up to 30 spelling words "
                           "for the day's "
                           "spelling practice.  Press the 'Next' button to continue.  The program "
                           "allows you to "
                           "enter up to 30 words which can have up to 20 letters each.' 13.5 "
                           "240,720,5775,2415",
                           "Frame1(1) 'Step 2' 8.25 960,120,6375,4815",
                           "Word '' 12b 2160,2760,3612,492 \"Type in Word\"",
                           "Command1 '&Next Word' 8.25 2400,3600,1812,492",
                           "Label5 'Type in Word' 8.25 720,2880,1935,495",
                           "Label4 'Words must be between 2 and 20 letters long.  Press 'Next' "
                           "after you have "
                           "entered all of your words.' 8.25 720,360,4935,615 centred",
                           "Frame1(2) 'Step 3' 8.25 120,600,6375,4815",
                           "Option5 'No' 8.25 2760,4080,1215,375 Are the words correct",
                           "Option4 'Yes' 8.25 2760,3600,1455,375 Are the words correct",
                           "CheckWords '' 8.25 120,240,6135,2895 read-only \"Words in the list\"",
                           "Label7 'Are the words correct' 8.25 120,3360,6135,495 centred",
                           "butBack '< Back' 8.25 1920,5160,1215,495",
                           "butHelp 'Help' 8.25 120,5160,1215,495",
                           "butCancel 'Cancel' 8.25 5280,5160,1215,495",
                           "butNext 'Next >' 8.25 3600,5160,1215,495"}
            << QStringList{"butBack", "butNext", "butCancel",  "butHelp", "Command1",
                           "Word",    "Option2", "CheckWords", "Option4"}
            << "Word"
            << "Command1 butCancel";
        QTest::newRow("Main")
            << QStringList{"Main 'Tovrin' 8.25b 6420x6210 Spelling practice",
                           "Command1 '&Done' 8.25b 2880,5520,972,492",
                           "TWord '' 12 1680,4920,3972,492 \"Type the Word Here\"",
                           "Label1 'Type the Word Here' 8.25b 600,4920,1212,732",
                           "CorrectWord '' 39b 120,2880,6252,1212 centred \"Your attempt marked\"",
                           "TypedWord '' 39b 120,1440,6252,1332 centred \"Correct word\"",
                           "Word '' 39b 120,120,6132,1212 centred \"Word to practise\""}
            << QStringList{"TWord", "Command1"} << "TWord"
            << "Command1 ";
        QTest::newRow("Form1")
            << QStringList{"Form1 'Tovrin' 8.25b 4965x3315 Recall the word",
                           "Command1 '&DONE' 8.25b 1680,2160,972,372",
                           "TypedWord '' 12b 480,1320,3732,492 \"Now type the complete word from "
                           "memory.\"",
                           "Label1 'Now type the complete word from memory.' 12b 480,240,3612,972"}
            << QStringList{"TypedWord", "Command1"} << "TypedWord"
            << "Command1 ";
        QTest::newRow("Form5")
            << QStringList{"Form5 'Form5' 8.25b 6420x6225",
                           "Text1 'Text1' 12 0,0,4212,4332 read-only \"readme.txt\""}
            << QStringList{"Text1"} << "Text1"
            << " ";
    }

    // Each window and its controls as created, its tab order and first focus, what Enter and
    // Escape press from a text box (a window without a cancel button stays open on Escape), and
    // whether it can be resized.
    void windows() {
        QFETCH(QStringList, controls);
        QFETCH(QStringList, order);
        QFETCH(QString, box);
        QFETCH(QString, keys);
        open(QTest::currentDataTag());
        QMap<QString, QString> created;
        for (QWidget* each : QList<QWidget*>{window} + window->findChildren<QWidget*>()) {
            if (each->objectName().isEmpty() || each->objectName().startsWith("qt_"))
                continue;
            const QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(each);
            const QRect r = each->geometry();
            const char* property = each->isWindow()                   ? "windowTitle"
                                   : each->inherits("QGroupBox")      ? "title"
                                   : each->inherits("QPlainTextEdit") ? "plainText"
                                                                      : "text";
            const QString place =
                each->isWindow()
                    ? QStringLiteral("%1x%2%3")
                          .arg(r.width())
                          .arg(r.height())
                          .arg(each->minimumSize() == each->maximumSize() ? " fixed" : "")
                    : QStringLiteral("%1,%2,%3,%4")
                          .arg(r.x())
                          .arg(r.y())
                          .arg(r.width())
                          .arg(r.height());
            const QString name = heard->text(QAccessible::Name);
            const QString caption = each->property(property).toString();
            QString line = QStringLiteral("%1 '%2' %3%4 %5")
                               .arg(each->objectName(), caption)
                               .arg(each->font().pointSizeF())
                               .arg(each->font().bold() ? "b" : "", place);
            if (each->inherits("QLabel") &&
                (static_cast<QLabel*>(each)->alignment() & Qt::AlignHCenter))
                line += " centred";
            if (each->property("readOnly").toBool())
                line += " read-only";
            if (name != QString(caption).remove(u'&'))
                line += " \"" + name + "\"";
            if (!heard->text(QAccessible::Description).isEmpty())
                line += " " + heard->text(QAccessible::Description);
            created.insert(each->objectName(), line);
        }
        // The places given in twips, as the screen has them in pixels.
        for (QString& line : controls) {
            const QRegularExpression twips("(\\d+)([,x])(\\d+)(?:,(\\d+),(\\d+))?");
            const QRegularExpressionMatch at =
                twips.match(line, line.indexOf(QRegularExpression("\\d+[,x]\\d+")));
            QStringList pixels;
            for (int group : {1, 3, 4, 5})
                if (!at.captured(group).isEmpty())
                    pixels.append(QString::number(twipsToPixels(at.captured(group).toInt())));
            line.replace(at.capturedStart(), at.capturedLength(), pixels.join(at.captured(2)));
        }
        QStringList inOrder;
        for (const QString& line : std::as_const(controls))
            inOrder.append(created.take(line.section(u' ', 0, 0)));
        QCOMPARE(inOrder, controls);
        QCOMPARE(created.keys(), QStringList());

        // Every control that gets the focus, for however short a time, as Tab goes once round the
        // window and Shift+Tab back: a screen reader would announce each one.
        QVERIFY(activate(window));
        QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
        QStringList met;
        QObject watcher;
        connect(qApp, &QApplication::focusChanged, &watcher,
                [&met](QWidget*, QWidget* now) { met.append(now ? now->objectName() : "none"); });
        for (qsizetype press = 0; press < order.size(); ++press)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (qsizetype press = 0; press < order.size(); ++press)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        const QStringList round = order.mid(1) + order.mid(0, 1);
        const QStringList back(order.crbegin(), order.crend());
        QCOMPARE(met, order.size() == 1 ? QStringList() : round + back);

        QStringList clicked;
        for (QPushButton* each : window->findChildren<QPushButton*>())
            connect(each, &QPushButton::clicked, this,
                    [&clicked, each] { clicked.append(each->objectName()); });
        ::control<QWidget>(window, box)->setFocus();
        QTest::keyClick(::control<QWidget>(window, box), Qt::Key_Return);
        clicked.append(" ");
        QTest::keyClick(::control<QWidget>(window, box), Qt::Key_Escape);
        QCOMPARE(clicked.join(QString()), keys);
        QVERIFY(window->isVisible());
    }

    // The wizard stacks its pages in one place: the page in front hides the others completely.
    void wizardPagesHideThePagesBeneath() {
        auto* wizard = qobject_cast<WizardScreen*>(open("frmWizard"));
        for (QGroupBox* front : wizard->Frame1) {
            for (QGroupBox* each : wizard->Frame1)
                each->move(wizard->Frame1[0]->pos());
            front->raise();
            // A page lying under another takes no focus.
            for (QGroupBox* each : wizard->Frame1)
                QCOMPARE(each->isEnabled(), each == front);
            QCOMPARE(
                wizard->grab(front->geometry()).toImage().convertToFormat(QImage::Format_RGB32),
                front->grab().toImage().convertToFormat(QImage::Format_RGB32));
        }
    }

    void inEveryLanguage_data() {
        // The desktop's languages, most wanted first, and the language the program takes.
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("language");
        // Texts that read as in English: the same word in that language.
        QTest::addColumn<QStringList>("same");
        // The end of a pass with 1 error on 3 words, each number with its own plural; Qt's own Yes.
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("yes");
        QTest::newRow("English before German") << QStringList{"en-GB", "de"} << "" << QStringList()
                                               << "You Made 1 Errors on the 3 words.  More Practice"
                                               << "&Yes";
        QTest::newRow("German of Austria")
            << QStringList{"de-AT"} << "de" << QStringList()
            << u"Du hast 1 Fehler bei 3 Wörtern gemacht.  Noch einmal üben?"_qs << "&Ja";
        QTest::newRow("French after Japanese")
            << QStringList{"ja", "fr"} << "fr" << QStringList{"STOP"}
            << u"Tu as fait 1 faute sur 3 mots.  Encore un peu d’entraînement\u00A0?"_qs << "&Oui";
        QTest::newRow("Spanish") << QStringList{"es"} << "es" << QStringList{"No"}
                                 << u"Cometiste 1 error en 3 palabras.  ¿Practicar más?"_qs
                                 << u"&Sí"_qs;
        QTest::newRow("Italian") << QStringList{"it"} << "it" << QStringList{"No", "STOP"}
                                 << "Hai fatto 1 errore su 3 parole.  Vuoi esercitarti ancora?"
                                 << u"&Sì"_qs;
        QTest::newRow("Dutch") << QStringList{"nl"} << "nl" << QStringList{"STOP"}
                               << "Je hebt 1 fout gemaakt bij 3 woorden.  Nog meer oefenen?"
                               << "&Ja";
    }

    // Every window, in every state a user meets it in, in each language: each caption fits its
    // control and none of the fixed texts, nor any message, is left in English, but for names
    // ("Tovrin", "readme.txt") and words that read the same.
    void inEveryLanguage() {
        QFETCH(QStringList, desktop);
        QFETCH(QString, language);
        QFETCH(QStringList, same);
        QFETCH(QString, summary);
        QFETCH(QString, yes);
        const Translations translations(desktop);
        QCOMPARE(translations.language(), language);
        QCOMPARE(Main::passSummary(1, 3), summary);
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes);
        QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);
        const ShownTexts shown = tourTexts();
        QVERIFY2(shown.faults.isEmpty(), qPrintable(shown.faults.join("; ")));
        QCOMPARE(shown.texts.size(), english.texts.size());
        same << "Tovrin"
             << "readme.txt"
             << "";
        for (qsizetype i = 0; i < shown.texts.size(); ++i)
            QVERIFY2(language.isEmpty() == (shown.texts.at(i) == english.texts.at(i)) ||
                         same.contains(english.texts.at(i)),
                     qPrintable(english.texts.at(i)));
    }

    void largeLinesShowTheirWholeText_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("attempt");
        QTest::newRow("one letter") << QString("a") << QString("b");
        QTest::newRow("twenty wide letters") << QString(20, 'W') << QString(19, 'W') + "V";
        QTest::newRow("a long wrong attempt") << "cat"
                                              << "catastrophically wrong, and typed on and on";
        QTest::newRow("accents and emoji")
            << u"cafe\u0301\U0001F600na\u00EFve"_qs << u"caf\u00E9\U0001F600naive"_qs;
    }

    // The practice window's three large lines as a wrong attempt leaves them, the word, the word
    // again and the marked attempt, each whole: at its own size if it fits there, else a little
    // smaller than the size that would not fit.
    void largeLinesShowTheirWholeText() {
        QFETCH(QString, word);
        QFETCH(QString, attempt);
        auto* practice = qobject_cast<PracticeScreen*>(open("Main"));
        practice->Word->setText(word);
        practice->TypedWord->setText(word);
        practice->CorrectWord->setText(markAttempt(word, attempt));
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
