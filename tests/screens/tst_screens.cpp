// What the user sees of the four windows: their sizes and fonts, and that no caption, in any
// language and in any state, nor any word or attempt on the practice window's large lines, is cut
// off or runs under another control.

#include "TestSession.h"
#include "core/Translations.h"
#include "practice/Main.h"
#include "screens/FittingLabel.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QtTest>

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
        room =
            button->style()
                ->subElementRect(button->inherits("QPushButton") ? QStyle::SE_PushButtonContents
                                                                 : QStyle::SE_RadioButtonContents,
                                 &option, button)
                .size();
    }
    const QSize needed = metrics.size(Qt::TextShowMnemonic, text);
    return needed.boundedTo(room) == needed ? QString() : control->objectName() + " is cut off";
}

// What is wrong with a large line, if anything: its text must be whole, at the line's own size if
// it fits there, else a little smaller than the size that would not fit.
QString lineFault(FittingLabel* line) {
    const auto width = [line](const QFont& font) {
        return QFontMetricsF(font, line).horizontalAdvance(line->text());
    };
    const qreal room = line->contentsRect().width();
    QFont larger = line->fittedFont();
    larger.setPointSizeF(larger.pointSizeF() * 1.03);
    // Text cut off at a side would leave ink, dark on the light background, at that edge.
    const QImage picture = line->grab().toImage();
    bool inked = false;
    for (int y = 0; y < picture.height(); ++y)
        inked = inked || qGray(picture.pixel(0, y)) < 160 ||
                qGray(picture.pixel(picture.width() - 1, y)) < 160;
    const bool fitted =
        width(line->font()) <= room ? line->fittedFont() == line->font() : width(larger) > room;
    return width(line->fittedFont()) <= room && fitted && !inked
               ? QString()
               : line->objectName() + " does not show '" + line->text() + "' whole";
}

// A control's font size (b for bold), and whether it is centred, read-only or a text box whose
// long lines run on unwrapped.
QString look(QWidget* control) {
    QStringList seen{QString::number(control->font().pointSizeF()) +
                     (control->font().bold() ? "b" : "")};
    if (control->property("alignment").toInt() & Qt::AlignHCenter)
        seen << "centred";
    if (control->property("readOnly").toBool())
        seen << "read-only";
    if (auto* box = qobject_cast<QPlainTextEdit*>(control);
        box && box->lineWrapMode() == QPlainTextEdit::NoWrap)
        seen << "unwrapped";
    return seen.join(u',');
}

// A tour of the windows in the current language: every fixed text met on the way (captions, what
// a screen reader hears, messages and their titles), every caption that does not fit and every
// large line that does not show its text whole, and the look of each window as first met: its
// size if it cannot be resized, its font and each control whose look differs from that.
struct Tour {
    QStringList texts, faults;
    QMap<QString, QString> looks;

    Tour() {
        for (const TestSession::Message& message :
             tourWindows([this](QWidget*window, const QString&state) { see(window, state); }))
            texts << message.text << message.title;
    }

    void see(QWidget* window, const QString& state) {
        texts << window->windowTitle() << window->accessibleDescription();
        // A window that may be resized is placed, and may be made smaller, beside another. Its
        // colours are the dialog face's or, as a page's are, the text boxes' own.
        const QPalette colours = window->palette();
        QStringList seen{
            window->objectName(),
            window->minimumSize() == window->maximumSize()
                ? QStringLiteral("%1x%2").arg(window->width()).arg(window->height())
                : "sizable",
            colours.window() == colours.base() && colours.windowText() == colours.text() ? "page"
                                                                                         : "face",
            look(window)};
        // Where Tab goes, around the window.
        QStringList tabs;
        for (QWidget* next = window->nextInFocusChain(); next != window;
             next = next->nextInFocusChain())
            if ((next->focusPolicy() & Qt::TabFocus) && !next->objectName().startsWith("qt_"))
                tabs << next->objectName();
        seen << "tab:" + tabs.join(u'>');
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (control->objectName().isEmpty() || control->objectName().startsWith("qt_"))
                continue;
            if (look(control) != look(window))
                seen << control->objectName() + "=" + look(control);
            if (auto* line = qobject_cast<FittingLabel*>(control);
                line && !lineFault(line).isEmpty())
                faults << state + ": " + lineFault(line);
            // A box holds what was typed, a large line a word: only the captions are fixed.
            if (control->inherits("FittingLabel") || control->inherits("QLineEdit") ||
                control->inherits("QAbstractScrollArea"))
                continue;
            texts
                << control->accessibleName()
                << control->property(control->inherits("QGroupBox") ? "title" : "text").toString();
            if (const QString fault = captionFault(control); !fault.isEmpty())
                faults << state + ": " + fault;
        }
        if (!looks.contains(window->objectName()))
            looks.insert(window->objectName(), seen.join(u' '));
    }
};

} // namespace

class ScreensTest : public QObject {
    Q_OBJECT

    // The folder the tour's readme viewer reads readme.txt from.
    QTemporaryDir folder;
    std::unique_ptr<Tour> english;

private slots:
    void initTestCase() {
        QVERIFY(QDir::setCurrent(folder.path()));
        writeFile("readme.txt", "How to use Tovrin");
        // A theme whose text boxes' text is not the windows' own.
        QPalette theme = QApplication::palette();
        theme.setColor(QPalette::Text, Qt::darkBlue);
        QApplication::setPalette(theme);
        english = std::make_unique<Tour>();
    }

    // Each window's font, colours and order of Tab, and each control that differs from that font
    // or is centred or read-only; the wizard's size, which cannot be changed.
    void looks() {
        QCOMPARE(english->looks.values(),
                 QStringList(
                     {"Form1 sizable page 8.25b tab:Command1>TypedWord Label1=12b TypedWord=12b",
                      "Form5 sizable page 8.25b tab:Text1 Text1=12,read-only,unwrapped",
                      "Main sizable page 8.25b tab:Command1>TWord Word=39b,centred "
                      "TypedWord=39b,centred CorrectWord=39b,centred TWord=12",
                      "frmWizard 446x385 face 8.25 tab:Option1>CheckWords>Option4>Option5>butBack>"
                      "butNext>butCancel>butHelp>Command1>Word>Option3>Option2 Label2=13.5 "
                      "Label3=8.25,centred Label6=8.25,centred Label4=8.25,centred Word=12b "
                      "Label7=8.25,centred CheckWords=8.25,read-only"}));
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
        const Tour tour;
        QVERIFY2(tour.faults.isEmpty(), qPrintable(tour.faults.join("; ")));
        const QStringList& english = this->english->texts;
        QCOMPARE(tour.texts.size(), english.size());
        const QStringList unchanged =
            QString::fromUtf8(same).split(u',') + QStringList{"Tovrin", "readme.txt", ""};
        for (qsizetype i = 0; i < english.size(); ++i)
            QVERIFY2(language.isEmpty() == (tour.texts.at(i) == english.at(i)) ||
                         unchanged.contains(english.at(i)),
                     qPrintable(english.at(i)));
    }
};

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
