// What the user sees of the four windows: borders, keys and focus, stacking, and that no caption,
// in any language, nor any word or attempt on the practice window's large lines, is cut off or
// runs under another control.

#include "AccessibleEvents.h"
#include "TestFiles.h"
#include "TestSession.h"
#include "WindowTour.h"
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
        const int margin = label->margin();
        const QRect inside = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        room = inside.size();
        if (label->wordWrap())
            drawn = metrics.boundingRect(inside, Qt::TextWordWrap | int(label->alignment()),
                                         label->text());
        needed = label->wordWrap() ? drawn.size() : metrics.size(0, label->text());
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        auto* push = qobject_cast<QPushButton*>(button);
        if (push && push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
        if (push && push->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
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
        option.textAlignment = frame->alignment();
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        room = frame->style()
                   ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame)
                   .intersected(frame->rect())
                   .size();
        needed = metrics.size(Qt::TextShowMnemonic, frame->title());
    }
    for (QWidget* other :
         control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!other->inherits("QLabel") && other->isVisible() &&
            other->geometry().intersects(drawn.translated(control->pos())))
            return control->objectName() + " runs under " + other->objectName();
    if (needed.boundedTo(room) != needed)
        return control->objectName() + " needs " + QDebug::toString(needed) + ", has " +
               QDebug::toString(room);
    return {};
}

qreal widthAt(const QFont& font, const FittingLabel* line) {
    return QFontMetricsF(font, line).horizontalAdvance(line->text());
}

// Checks that `line` shows its whole text, at its own size if that fits and otherwise at a size
// only a little smaller than one that would not.
void verifyWhole(FittingLabel* line) {
    const qreal room = line->contentsRect().width();
    const QFont fitted = line->fittedFont();
    QFont larger = fitted;
    larger.setPointSizeF(fitted.pointSizeF() * 1.03);
    QVERIFY2(widthAt(fitted, line) <= room, qPrintable(line->text()));
    QVERIFY(QFontMetricsF(fitted, line).height() <= line->contentsRect().height());
    if (widthAt(line->font(), line) <= room)
        QCOMPARE(fitted.pointSizeF(), line->font().pointSizeF());
    else
        QVERIFY2(widthAt(larger, line) > room, qPrintable(line->text()));
    // Text cut off at a side would leave ink, dark on the light background, at that edge.
    const QImage picture = line->grab().toImage();
    for (int x : {0, picture.width() - 1})
        for (int y = 0; y < picture.height(); ++y)
            QVERIFY2(qGray(picture.pixel(x, y)) >= 160, qPrintable(line->text()));
}

// Names that read the same in every language: the program's and its guide's file.
const QStringList Names{"Tovrin", "readme.txt"};

// What the tour of the windows shows: every fixed text (captions, labels, options, frames, what a
// screen reader hears, messages and their titles) with the place it was shown in, and every
// caption that does not fit its control.
struct ShownTexts {
    QStringList places;
    QStringList texts;
    QStringList faults;
};

ShownTexts tourTexts() {
    ShownTexts shown;
    const auto add = [&shown](const QString& place, const QString& text) {
        if (text.isEmpty())
            return;
        shown.places.append(place);
        shown.texts.append(text);
    };
    const auto visit = [&](QWidget* window, const QString& state) {
        add(state, window->windowTitle());
        add(state, window->accessibleDescription());
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const QString place = state + ' ' + control->objectName();
            if (control->objectName().isEmpty() || control->objectName().startsWith("qt_"))
                continue;
            add(place, control->accessibleName());
            add(place, control->accessibleDescription());
            // The large lines show words, which no language changes.
            if (control->inherits("FittingLabel"))
                continue;
            if (auto* label = qobject_cast<QLabel*>(control))
                add(place, label->text());
            else if (auto* button = qobject_cast<QAbstractButton*>(control))
                add(place, button->text());
            else if (auto* frame = qobject_cast<QGroupBox*>(control))
                add(place, frame->title());
            if (const QString fault = captionFault(control); !fault.isEmpty())
                shown.faults.append(state + ": " + fault);
        }
    };
    for (const ScriptedPlatform::Message& message : tourWindows(visit)) {
        add(QStringLiteral("message"), message.text);
        add(QStringLiteral("message"), message.title);
    }
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
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("twips");
        // A fixed dialog border rather than a sizable one.
        QTest::addColumn<bool>("fixed");
        // The controls that Tab stops at, in order (a group of options once, at its chosen
        // option); the first has the focus on opening.
        QTest::addColumn<QStringList>("order");
        // A text box, and the buttons that Enter and Escape press from it (none: nothing).
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("enter");
        QTest::addColumn<QString>("escape");
        const auto row = [](const char* name, const char* caption, QSize twips, bool fixed,
                            const QStringList& order, const char* box, const char* enter,
                            const char* escape) {
            QTest::newRow(name) << QString(caption) << twips << fixed << order << QString(box)
                                << QString(enter) << QString(escape);
        };
        row("frmWizard", "Tovrin", {6690, 5775}, true,
            {"butBack", "butNext", "butCancel", "butHelp", "Command1", "Word", "Option2",
             "CheckWords", "Option4"},
            "Word", "Command1", "butCancel");
        row("Main", "Tovrin", {6420, 6210}, false, {"TWord", "Command1"}, "TWord", "Command1", "");
        row("Form1", "Tovrin", {4965, 3315}, false, {"TypedWord", "Command1"}, "TypedWord",
            "Command1", "");
        row("Form5", "Form5", {6420, 6225}, false, {"Text1"}, "Text1", "", "");
    }

    // Each window's caption, size and border, its tab order and first focus, and what Enter and
    // Escape press from a text box; a window without a cancel button stays open on Escape.
    void windows() {
        QFETCH(QString, caption);
        QFETCH(QSize, twips);
        QFETCH(bool, fixed);
        QFETCH(QStringList, order);
        QFETCH(QString, box);
        QFETCH(QString, enter);
        QFETCH(QString, escape);
        open(QTest::currentDataTag());
        QCOMPARE(window->objectName(), QTest::currentDataTag());
        QCOMPARE(window->windowTitle(), caption);

        QVERIFY(activate(window));
        auto* first = ::control<QWidget>(window, order.first());
        QVERIFY(first);
        QCOMPARE(QApplication::focusWidget(), first);
        // Every control that gets the focus, for however short a time, as Tab goes once round the
        // window and Shift+Tab back: a screen reader would announce each one.
        QStringList met;
        QObject watcher;
        connect(qApp, &QApplication::focusChanged, &watcher,
                [&met](QWidget*, QWidget* now) { met.append(now ? now->objectName() : "none"); });
        const auto goRound = [&met, &order](Qt::Key key, Qt::KeyboardModifiers modifiers) {
            met.clear();
            for (qsizetype press = 0; press < order.size(); ++press)
                QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            return met;
        };
        // Round and back to the first, which a window with one control never leaves.
        QStringList round = order.mid(1);
        QStringList back(round.crbegin(), round.crend());
        if (!round.isEmpty()) {
            round.append(order.first());
            back.append(order.first());
        }
        QCOMPARE(goRound(Qt::Key_Tab, Qt::NoModifier), round);
        QCOMPARE(goRound(Qt::Key_Backtab, Qt::ShiftModifier), back);

        auto* typing = ::control<QWidget>(window, box);
        QVERIFY(typing);
        typing->setFocus();
        QStringList clicked;
        for (QPushButton* each : window->findChildren<QPushButton*>())
            connect(each, &QPushButton::clicked, this,
                    [&clicked, each] { clicked.append(each->objectName()); });
        QTest::keyClick(typing, Qt::Key_Return);
        QCOMPARE(clicked.join(' '), enter);
        clicked.clear();
        QTest::keyClick(typing, Qt::Key_Escape);
        QCOMPARE(clicked.join(' '), escape);
        QVERIFY(window->isVisible());

        const QSize client = twipsSize(twips.width(), twips.height());
        QCOMPARE(window->size(), client);
        const Qt::WindowFlags minMax = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
        QCOMPARE(window->windowFlags() & minMax, fixed ? Qt::WindowFlags() : minMax);
        for (const QSize change : {QSize(40, 30), QSize(-40, -30)}) {
            window->resize(client + change);
            QCOMPARE(window->size(), fixed ? client : client + change);
        }
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        // Left, top, width and height in twips, within its container.
        QTest::addColumn<QRect>("twips");
        const auto row = [](const char* name, const char* control, const QString& caption,
                            qreal points, bool bold, QRect twips) {
            QTest::addRow("%s %s", name, control)
                << QString(name) << QString(control) << caption << points << bold << twips;
        };
        const char* w = "frmWizard";
        row(w, "Frame1(0)", "Step 1", 8.25, false, {120, 120, 6375, 4815});
        row(w, "Option1", "Load an existing list", 8.25, false, {2160, 3000, 3495, 495});
        row(w, "Option2", "Create a new list", 8.25, false, {2160, 3360, 3495, 495});
        row(w, "Option3", "View the Readme file", 8.25, false, {2160, 3720, 3495, 495});
        row(w, "Label6", "Do you want to:", 8.25, false, {1320, 2760, 3375, 375});
        row(w, "Label3", "Tip: double-click a choice to go straight on.", 8.25, false,
            {1200, 4320, 4095, 495});
        row(w, "Label1", "Dear Teacher or Parent,", 8.25, false, {240, 360, 3375, 495});
        row(w, "Label2",
            "This program enables you to type in up to 30 spelling words for the day's spelling "
            "practice.  Press the 'Next' button to continue.  The program allows you to enter up "
            "to 30 words which can have up to 20 letters each.",
            13.5, false, {240, 720, 5775, 2415});
        row(w, "Frame1(1)", "Step 2", 8.25, false, {960, 120, 6375, 4815});
        row(w, "Word", "", 12, true, {2160, 2760, 3612, 492});
        row(w, "Command1", "&Next Word", 8.25, false, {2400, 3600, 1812, 492});
        row(w, "Label5", "Type in Word", 8.25, false, {720, 2880, 1935, 495});
        row(w, "Label4",
            "Words must be between 2 and 20 letters long.  Press 'Next' after you have entered "
            "all of your words.",
            8.25, false, {720, 360, 4935, 615});
        row(w, "Frame1(2)", "Step 3", 8.25, false, {120, 600, 6375, 4815});
        row(w, "Option5", "No", 8.25, false, {2760, 4080, 1215, 375});
        row(w, "Option4", "Yes", 8.25, false, {2760, 3600, 1455, 375});
        row(w, "CheckWords", "", 8.25, false, {120, 240, 6135, 2895});
        row(w, "Label7", "Are the words correct", 8.25, false, {120, 3360, 6135, 495});
        row(w, "butBack", "< Back", 8.25, false, {1920, 5160, 1215, 495});
        row(w, "butHelp", "Help", 8.25, false, {120, 5160, 1215, 495});
        row(w, "butCancel", "Cancel", 8.25, false, {5280, 5160, 1215, 495});
        row(w, "butNext", "Next >", 8.25, false, {3600, 5160, 1215, 495});
        row("Main", "Command1", "&Done", 8.25, true, {2880, 5520, 972, 492});
        row("Main", "TWord", "", 12, false, {1680, 4920, 3972, 492});
        row("Main", "Label1", "Type the Word Here", 8.25, true, {600, 4920, 1212, 732});
        row("Main", "CorrectWord", "", 39, true, {120, 2880, 6252, 1212});
        row("Main", "TypedWord", "", 39, true, {120, 1440, 6252, 1332});
        row("Main", "Word", "", 39, true, {120, 120, 6132, 1212});
        row("Form1", "Command1", "&DONE", 8.25, true, {1680, 2160, 972, 372});
        row("Form1", "TypedWord", "", 12, true, {480, 1320, 3732, 492});
        row("Form1", "Label1", "Now type the complete word from memory.", 12, true,
            {480, 240, 3612, 972});
        row("Form5", "Text1", "Text1", 12, false, {0, 0, 4212, 4332});
    }

    // Each control as the window is created: its caption or text, font and place.
    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, control);
        QFETCH(QString, caption);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        QFETCH(QRect, twips);
        open(name);
        auto* shown = ::control<QWidget>(window, control);
        QVERIFY(shown);
        const QVariant text = shown->property(shown->inherits("QGroupBox")        ? "title"
                                              : shown->inherits("QPlainTextEdit") ? "plainText"
                                                                                  : "text");
        QCOMPARE(text.toString(), caption);
        QCOMPARE(shown->font().pointSizeF(), points);
        QCOMPARE(shown->font().bold(), bold);
        QCOMPARE(shown->geometry(), twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    }

    void wizardPagesHideThePagesBeneath_data() {
        QTest::addColumn<int>("page");
        for (int page = 0; page < 3; ++page)
            QTest::addRow("step %d in front", page + 1) << page;
    }

    // The wizard stacks its pages in one place: the page in front hides the others completely.
    void wizardPagesHideThePagesBeneath() {
        QFETCH(int, page);
        auto* wizard = qobject_cast<WizardScreen*>(open("frmWizard"));
        QVERIFY(wizard);
        for (QGroupBox* each : wizard->Frame1)
            each->move(wizard->Frame1[0]->pos());
        QGroupBox* front = wizard->Frame1[page];
        front->raise();
        const auto picture = [](const QPixmap& grabbed) {
            return grabbed.toImage().convertToFormat(QImage::Format_RGB32);
        };
        QCOMPARE(picture(wizard->grab(front->geometry())), picture(front->grab()));
    }

    void textsFit_data() {
        // The desktop's languages, most wanted first, and the language the program takes.
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("language");
        // Texts that read as in English: the same word in that language.
        QTest::addColumn<QStringList>("same");
        // The end of a pass with 1 error on 3 words: each number with its own plural.
        QTest::addColumn<QString>("summary");
        // Qt's own Yes button.
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
    // control and none of the fixed texts, nor any message, is left in English.
    void textsFit() {
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
        QCOMPARE(shown.places, english.places);
        for (qsizetype i = 0; i < shown.texts.size(); ++i) {
            const QString& source = english.texts.at(i);
            if (language.isEmpty())
                QCOMPARE(shown.texts.at(i), source);
            else if (!same.contains(source) && !Names.contains(source))
                QVERIFY2(shown.texts.at(i) != source, qPrintable(shown.places.at(i)));
        }
    }

    void largeLinesShowTheirWholeText_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("attempt");
        // Whether the whole word is wider than its line at the design size.
        QTest::addColumn<bool>("wordShrinks");
        QTest::newRow("one letter") << QString("a") << QString("b") << false;
        QTest::newRow("twenty narrow letters") << QString(20, 'i') << QString(19, 'i') << false;
        QTest::newRow("twenty wide letters") << QString(20, 'W') << QString(19, 'W') + "V" << true;
        QTest::newRow("twenty letters")
            << QString("internationalization") << QString("internationalisation") << true;
        QTest::newRow("long wrong attempt")
            << QString("cat") << QString("catastrophically wrong, and typed on and on and on")
            << false;
        QTest::newRow("accents and emoji")
            << u"cafe\u0301\U0001F600na\u00EFve"_qs << u"caf\u00E9\U0001F600naive"_qs << false;
    }

    // The practice window's three large lines as a wrong attempt leaves them: the word, the word
    // again and the marked attempt.
    void largeLinesShowTheirWholeText() {
        QFETCH(QString, word);
        QFETCH(QString, attempt);
        QFETCH(bool, wordShrinks);
        auto* practice = qobject_cast<PracticeScreen*>(open("Main"));
        QVERIFY(practice);
        practice->Word->setText(word);
        practice->TypedWord->setText(word);
        practice->CorrectWord->setText(markAttempt(word, attempt));
        for (FittingLabel* line : {practice->Word, practice->TypedWord, practice->CorrectWord})
            verifyWhole(line);
        QCOMPARE(widthAt(practice->TypedWord->font(), practice->TypedWord) >
                     practice->TypedWord->contentsRect().width(),
                 wordShrinks);
    }

    void namedForScreenReaders_data() {
        QTest::addColumn<QString>("name");
        // Empty for the window itself.
        QTest::addColumn<QString>("control");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("spoken");
        QTest::addColumn<QString>("description");
        const auto row = [](const char* name, const char* control, QAccessible::Role role,
                            const char* spoken, const char* description = "") {
            QTest::addRow("%s %s", name, control) << QString(name) << QString(control) << role
                                                  << QString(spoken) << QString(description);
        };
        using R = QAccessible;
        row("frmWizard", "", R::Dialog, "Tovrin", "Word list wizard");
        row("frmWizard", "Frame1(0)", R::Grouping, "Step 1");
        row("frmWizard", "Option1", R::RadioButton, "Load an existing list");
        row("frmWizard", "Word", R::EditableText, "Type in Word");
        row("frmWizard", "Command1", R::Button, "Next Word");
        row("frmWizard", "CheckWords", R::EditableText, "Words in the list");
        row("frmWizard", "Option5", R::RadioButton, "No", "Are the words correct");
        row("Main", "", R::Dialog, "Tovrin", "Spelling practice");
        row("Main", "TWord", R::EditableText, "Type the Word Here");
        row("Main", "Command1", R::Button, "Done");
        row("Main", "Word", R::StaticText, "Word to practise");
        row("Main", "TypedWord", R::StaticText, "Correct word");
        row("Main", "CorrectWord", R::StaticText, "Your attempt marked");
        row("Form1", "", R::Dialog, "Tovrin", "Recall the word");
        row("Form1", "TypedWord", R::EditableText, "Now type the complete word from memory.");
        row("Form1", "Command1", R::Button, "DONE");
        row("Form5", "Text1", R::EditableText, "readme.txt");
    }

    // What a screen reader says of the windows and their controls: text boxes by what they ask
    // for, the large lines by what they show, buttons by their captions without the access key's
    // mark.
    void namedForScreenReaders() {
        QFETCH(QString, name);
        QFETCH(QString, control);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, spoken);
        QFETCH(QString, description);
        open(name);
        QWidget* target = control.isEmpty() ? window.data() : ::control<QWidget>(window, control);
        QVERIFY(target);
        const AccessibleEvent heard = accessibleState(target);
        QCOMPARE(heard.role, role);
        QCOMPARE(heard.name, spoken);
        QCOMPARE(heard.description, description);
    }

    void everyControlHasAName_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"frmWizard", "Main", "Form1", "Form5"})
            QTest::newRow(name) << QString(name);
    }

    // Nothing of a window is silent to a screen reader, a control added later included.
    void everyControlHasAName() {
        QFETCH(QString, name);
        open(name);
        QStringList silent;
        for (QWidget* each : window->findChildren<QWidget*>())
            if (!each->objectName().isEmpty() && !each->objectName().startsWith("qt_") &&
                accessibleState(each).name.isEmpty())
                silent.append(each->objectName());
        QVERIFY2(silent.isEmpty(), qPrintable(silent.join(", ")));
    }

    // The word box is named by its prompt, whatever number the prompt shows.
    void wordBoxFollowsItsPrompt() {
        auto* wizard = qobject_cast<WizardScreen*>(open("frmWizard"));
        QVERIFY(wizard);
        wizard->Label5->setText("Type in Word 31");
        QCOMPARE(accessibleState(wizard->Word).name, "Type in Word 31");
    }

    void largeLinesSpellTheirText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("whole word") << "cat"
                                    << "c a t";
        QTest::newRow("letters hidden") << " a  "
                                        << "blank a blank blank";
        QTest::newRow("marked attempt") << "c-t"
                                        << "c - t";
        QTest::newRow("accent and emoji") << u"e\u0301\U0001F600"_qs << u"e\u0301 \U0001F600"_qs;
        QTest::newRow("nothing") << ""
                                 << "";
    }

    // A hidden letter is drawn as a space; spelt out, a screen reader says where one is missing.
    void largeLinesSpellTheirText() {
        QFETCH(QString, text);
        QFETCH(QString, spoken);
        auto* practice = qobject_cast<PracticeScreen*>(open("Main"));
        QVERIFY(practice);
        practice->Word->setText(text);
        QCOMPARE(practice->Word->text(), text);
        QCOMPARE(accessibleState(practice->Word).text, spoken);
    }
};

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
