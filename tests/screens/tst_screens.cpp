// What the user sees of the four windows as they are created: their controls, captions and
// places, fonts, keys, and that no caption is cut off.

#include "TestSession.h"
#include "screens/PracticeScreen.h"
#include "screens/ReadmeScreen.h"
#include "screens/RecallScreen.h"
#include "screens/Twips.h"
#include "screens/WizardScreen.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

namespace {

enum Trait { Plain = 0, Chosen = 1, Centred = 2 };

const QStringList Windows{"frmWizard", "Main", "Form1", "Form5"};

ScreenWindow* build(const QString& window) {
    if (window == "frmWizard")
        return new WizardScreen;
    if (window == "Main")
        return new PracticeScreen;
    if (window == "Form1")
        return new RecallScreen;
    if (window == "Form5")
        return new ReadmeScreen;
    return nullptr;
}

QRect fromTwips(const QRect& twips) {
    return twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}

QString textOf(const QWidget* control) {
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    if (auto* line = qobject_cast<const QLineEdit*>(control))
        return line->text();
    if (auto* box = qobject_cast<const QPlainTextEdit*>(control))
        return box->toPlainText();
    return {};
}

// What the text of `control` needs and what its style leaves for it; an empty `needed` when the
// control has no caption of its own. For a label also where its text lies, in its own coordinates.
struct Fit {
    QSize needed;
    QSize available;
    QRect drawn = {};
};

Fit fitOf(QWidget* control) {
    const QFontMetrics metrics = control->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(control)) {
        const int margin = label->margin();
        const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        if (!label->wordWrap())
            return {metrics.size(0, label->text()), room.size()};
        const int flags = Qt::TextWordWrap | int(label->alignment());
        const QRect drawn = metrics.boundingRect(room, flags, label->text());
        return {drawn.size(), room.size(), drawn};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        QStyle::SubElement contents = QStyle::SE_RadioButtonContents;
        if (auto* push = qobject_cast<QPushButton*>(button)) {
            contents = QStyle::SE_PushButtonContents;
            if (push->isDefault())
                option.features |= QStyleOptionButton::DefaultButton;
            if (push->autoDefault())
                option.features |= QStyleOptionButton::AutoDefaultButton;
        }
        const QRect room = button->style()->subElementRect(contents, &option, button);
        return {metrics.size(Qt::TextShowMnemonic, button->text()), room.size()};
    }
    if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                           QStyle::SC_GroupBoxLabel, frame);
        return {metrics.size(Qt::TextShowMnemonic, frame->title()),
                title.intersected(frame->rect()).size()};
    }
    return {};
}

} // namespace

class ScreensTest : public QObject {
    Q_OBJECT

    QPointer<ScreenWindow> window;

    // Builds `name` and shows it, so that its style and fonts are the real ones.
    ScreenWindow* open(const QString& name) {
        window = build(name);
        if (!window)
            QTest::qFail(qPrintable("no window " + name), __FILE__, __LINE__);
        else
            window->show();
        QCoreApplication::processEvents();
        return window;
    }

    static void addWindowRows() {
        QTest::addColumn<QString>("name");
        for (const QString& name : Windows)
            QTest::newRow(qPrintable(name)) << name;
    }

private slots:
    void cleanup() {
        if (window)
            window->close();
        verifyNoWindowLeft();
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("className");
        // A null caption stands for any text that is not empty.
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<int>("traits");
        const auto row = [](const char* name, const char* container, const char* control,
                            const char* className, const QString& caption, QRect twips,
                            int traits = Plain) {
            QTest::addRow("%s %s", name, control)
                << QString(name) << QString(container) << QString(control) << QString(className)
                << caption << twips << traits;
        };
        const char* step1 = "Frame1(0)";
        const char* step2 = "Frame1(1)";
        const char* step3 = "Frame1(2)";
        row("frmWizard", "", step1, "QGroupBox", "Step 1", {120, 120, 6375, 4815});
        row("frmWizard", step1, "Option1", "QRadioButton", "Load an existing list",
            {2160, 3000, 3495, 495});
        row("frmWizard", step1, "Option2", "QRadioButton", "Create a new list",
            {2160, 3360, 3495, 495}, Chosen);
        row("frmWizard", step1, "Option3", "QRadioButton", "View the Readme file",
            {2160, 3720, 3495, 495});
        row("frmWizard", step1, "Label6", "QLabel", "Do you want to:", {1320, 2760, 3375, 375},
            Centred);
        row("frmWizard", step1, "Label3", "QLabel", QString(), {1200, 4320, 4095, 495}, Centred);
        row("frmWizard", step1, "Label1", "QLabel", "Dear Teacher or Parent,",
            {240, 360, 3375, 495});
        row("frmWizard", step1, "Label2", "QLabel",
            "This program enables you to type in up to 30 spelling words for the day's spelling "
            "practice.  Press the 'Next' button to continue.  The program allows you to enter up "
            "to 30 words which can have up to 20 letters each.",
            {240, 720, 5775, 2415});
        row("frmWizard", "", step2, "QGroupBox", "Step 2", {960, 120, 6375, 4815});
        row("frmWizard", step2, "Word", "QLineEdit", "", {2160, 2760, 3612, 492});
        row("frmWizard", step2, "Command1", "QPushButton", "&Next Word", {2400, 3600, 1812, 492});
        row("frmWizard", step2, "Label5", "QLabel", "Type in Word", {720, 2880, 1935, 495});
        row("frmWizard", step2, "Label4", "QLabel",
            "Words must be between 2 and 20 letters long.  Press 'Next' after you have entered "
            "all of your words.",
            {720, 360, 4935, 615}, Centred);
        row("frmWizard", "", step3, "QGroupBox", "Step 3", {120, 600, 6375, 4815});
        row("frmWizard", step3, "Option5", "QRadioButton", "No", {2760, 4080, 1215, 375});
        row("frmWizard", step3, "Option4", "QRadioButton", "Yes", {2760, 3600, 1455, 375}, Chosen);
        row("frmWizard", step3, "CheckWords", "QPlainTextEdit", "", {120, 240, 6135, 2895});
        row("frmWizard", step3, "Label7", "QLabel", "Are the words correct", {120, 3360, 6135, 495},
            Centred);
        row("frmWizard", "", "butBack", "QPushButton", "< Back", {1920, 5160, 1215, 495});
        row("frmWizard", "", "butHelp", "QPushButton", "Help", {120, 5160, 1215, 495});
        row("frmWizard", "", "butCancel", "QPushButton", "Cancel", {5280, 5160, 1215, 495});
        row("frmWizard", "", "butNext", "QPushButton", "Next >", {3600, 5160, 1215, 495});

        row("Main", "", "Command1", "QPushButton", "&Done", {2880, 5520, 972, 492});
        row("Main", "", "TWord", "QLineEdit", "", {1680, 4920, 3972, 492});
        row("Main", "", "Label1", "QLabel", "Type the Word Here", {600, 4920, 1212, 732});
        row("Main", "", "CorrectWord", "QLabel", "", {120, 2880, 6252, 1212}, Centred);
        row("Main", "", "TypedWord", "QLabel", "", {120, 1440, 6252, 1332}, Centred);
        row("Main", "", "Word", "QLabel", "", {120, 120, 6132, 1212}, Centred);

        row("Form1", "", "Command1", "QPushButton", "&DONE", {1680, 2160, 972, 372});
        row("Form1", "", "TypedWord", "QLineEdit", "", {480, 1320, 3732, 492});
        row("Form1", "", "Label1", "QLabel", "Now type the complete word from memory.",
            {480, 240, 3612, 972});

        row("Form5", "", "Text1", "QPlainTextEdit", "Text1", {0, 0, 4212, 4332});
    }

    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QString, control);
        QFETCH(QString, className);
        QFETCH(QString, caption);
        QFETCH(QRect, twips);
        QFETCH(int, traits);

        open(name);
        auto* widget = ::control<QWidget>(window, control);
        QVERIFY(widget);
        QVERIFY2(widget->inherits(qPrintable(className)), widget->metaObject()->className());
        QWidget* expectedParent =
            container.isEmpty() ? window.data() : ::control<QWidget>(window, container);
        QCOMPARE(widget->parentWidget(), expectedParent);
        if (caption.isNull())
            QVERIFY(!textOf(widget).isEmpty());
        else
            QCOMPARE(textOf(widget), caption);
        QCOMPARE(widget->geometry(), fromTwips(twips));

        if (auto* option = qobject_cast<QRadioButton*>(widget))
            QCOMPARE(option->isChecked(), bool(traits & Chosen));
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            const Qt::Alignment across = traits & Centred ? Qt::AlignHCenter : Qt::AlignLeft;
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, across);
        }
    }

    void windows_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("twips");
        QTest::addColumn<bool>("fixed");
        QTest::newRow("frmWizard") << "frmWizard"
                                   << "Tovrin" << QSize(6690, 5775) << true;
        QTest::newRow("Main") << "Main"
                              << "Tovrin" << QSize(6420, 6210) << false;
        QTest::newRow("Form1") << "Form1"
                               << "Tovrin" << QSize(4965, 3315) << false;
        QTest::newRow("Form5") << "Form5"
                               << "Form5" << QSize(6420, 6225) << false;
    }

    void windows() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QSize, twips);
        QFETCH(bool, fixed);

        open(name);
        QCOMPARE(window->objectName(), name);
        QCOMPARE(window->windowTitle(), caption);
        const QSize client = twipsSize(twips.width(), twips.height());
        QCOMPARE(window->size(), client);

        const Qt::WindowFlags minMax = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
        QCOMPARE(window->windowFlags() & minMax, fixed ? Qt::WindowFlags() : minMax);
        window->resize(client + QSize(40, 30));
        QCOMPARE(window->size(), fixed ? client : client + QSize(40, 30));
        window->resize(client - QSize(40, 30));
        QCOMPARE(window->size(), fixed ? client : client - QSize(40, 30));
    }

    void fonts_data() {
        QTest::addColumn<QString>("name");
        // Empty for the window's own font.
        QTest::addColumn<QString>("control");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        const auto row = [](const char* name, const char* control, qreal points, bool bold) {
            QTest::addRow("%s %s", name, *control ? control : "window")
                << QString(name) << QString(control) << points << bold;
        };
        row("frmWizard", "Label2", 13.5, false);
        row("frmWizard", "Word", 12, true);
        row("Main", "", 8.25, true);
        row("Main", "Word", 39, true);
        row("Main", "TypedWord", 39, true);
        row("Main", "CorrectWord", 39, true);
        row("Main", "TWord", 12, false);
        row("Form1", "", 8.25, true);
        row("Form1", "TypedWord", 12, true);
        row("Form1", "Label1", 12, true);
        row("Form5", "", 8.25, true);
        row("Form5", "Text1", 12, false);
    }

    void fonts() {
        QFETCH(QString, name);
        QFETCH(QString, control);
        QFETCH(qreal, points);
        QFETCH(bool, bold);

        open(name);
        QWidget* widget = control.isEmpty() ? window.data() : ::control<QWidget>(window, control);
        QVERIFY(widget);
        QCOMPARE(widget->font().pointSizeF(), points);
        QCOMPARE(widget->font().bold(), bold);
        QCOMPARE(QFontInfo(widget->font()).bold(), bold);
    }

    void tabOrder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("frmWizard")
            << "frmWizard"
            << QStringList{"butBack", "butNext", "butCancel", "butHelp",    "Command1", "Word",
                           "Option3", "Option2", "Option1",   "CheckWords", "Option4",  "Option5"};
        QTest::newRow("Main") << "Main" << QStringList{"TWord", "Command1"};
        QTest::newRow("Form1") << "Form1" << QStringList{"TypedWord", "Command1"};
    }

    void tabOrder() {
        QFETCH(QString, name);
        QFETCH(QStringList, order);

        open(name);
        auto* first = ::control<QWidget>(window, order.first());
        QVERIFY(first);
        QCOMPARE(window->focusWidget(), first);
        QStringList met;
        QWidget* next = first;
        do {
            if (order.contains(next->objectName()) && !met.contains(next->objectName())) {
                QVERIFY2(next->focusPolicy() & Qt::TabFocus, qPrintable(next->objectName()));
                met.append(next->objectName());
            }
            next = next->nextInFocusChain();
        } while (next && next != first);
        QCOMPARE(met, order);
    }

    void accessKeys_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QKeyCombination>("key");
        QTest::newRow("frmWizard Next Word") << "frmWizard"
                                             << "Command1" << (Qt::ALT | Qt::Key_N);
        QTest::newRow("Main Done") << "Main"
                                   << "Command1" << (Qt::ALT | Qt::Key_D);
        QTest::newRow("Form1 DONE") << "Form1"
                                    << "Command1" << (Qt::ALT | Qt::Key_D);
    }

    void accessKeys() {
        QFETCH(QString, name);
        QFETCH(QString, button);
        QFETCH(QKeyCombination, key);

        open(name);
        auto* pressed = ::control<QPushButton>(window, button);
        QVERIFY(pressed);
        QCOMPARE(QKeySequence::mnemonic(pressed->text()), QKeySequence(key));
        QVERIFY(window->isActiveWindow());
        // The key presses the button at once; its click follows once the button has shown
        // itself pressed for a moment.
        QSignalSpy presses(pressed, &QAbstractButton::pressed);
        QTest::keyClick(window->focusWidget(), key.key(), key.keyboardModifiers());
        QCOMPARE(presses.size(), 1);
    }

    void enterPressesTheDefaultButton_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("button");
        QTest::newRow("frmWizard") << "frmWizard"
                                   << "Word"
                                   << "Command1";
        QTest::newRow("Main") << "Main"
                              << "TWord"
                              << "Command1";
        QTest::newRow("Form1") << "Form1"
                               << "TypedWord"
                               << "Command1";
    }

    // While a button has the focus Enter presses that one; from a box it presses the default.
    void enterPressesTheDefaultButton() {
        QFETCH(QString, name);
        QFETCH(QString, box);
        QFETCH(QString, button);

        open(name);
        auto* typing = ::control<QWidget>(window, box);
        QVERIFY(typing);
        typing->setFocus();
        QStringList defaults;
        QStringList clicked;
        for (QPushButton* each : window->findChildren<QPushButton*>()) {
            if (each->isDefault())
                defaults.append(each->objectName());
            connect(each, &QPushButton::clicked, this,
                    [&clicked, each] { clicked.append(each->objectName()); });
        }
        QCOMPARE(defaults, QStringList{button});
        QTest::keyClick(typing, Qt::Key_Return);
        QCOMPARE(clicked, QStringList{button});
    }

    void escape_data() {
        QTest::addColumn<QString>("name");
        // Empty when the window has no cancel button.
        QTest::addColumn<QString>("cancel");
        QTest::newRow("frmWizard") << "frmWizard"
                                   << "butCancel";
        QTest::newRow("Main") << "Main"
                              << "";
        QTest::newRow("Form1") << "Form1"
                               << "";
        QTest::newRow("Form5") << "Form5"
                               << "";
    }

    void escape() {
        QFETCH(QString, name);
        QFETCH(QString, cancel);

        open(name);
        QStringList clicked;
        for (QPushButton* button : window->findChildren<QPushButton*>())
            connect(button, &QPushButton::clicked, this,
                    [&clicked, button] { clicked.append(button->objectName()); });
        QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
        QCOMPARE(clicked, cancel.isEmpty() ? QStringList() : QStringList{cancel});
        QVERIFY(window->isVisible());
    }

    void textBoxes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("wraps");
        QTest::addColumn<bool>("verticalBarAlways");
        QTest::newRow("review") << "frmWizard"
                                << "CheckWords" << true << true;
        QTest::newRow("readme") << "Form5"
                                << "Text1" << false << false;
    }

    void textBoxes() {
        QFETCH(QString, name);
        QFETCH(QString, box);
        QFETCH(bool, wraps);
        QFETCH(bool, verticalBarAlways);

        open(name);
        auto* text = ::control<QPlainTextEdit>(window, box);
        QVERIFY(text);
        QCOMPARE(text->lineWrapMode(),
                 wraps ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        if (verticalBarAlways)
            QVERIFY(text->verticalScrollBar()->isVisible());
        text->setPlainText(QStringLiteral("spelling ").repeated(40));
        QCoreApplication::processEvents();
        QCOMPARE(text->horizontalScrollBar()->maximum() > 0, !wraps);
        QCOMPARE(text->document()->firstBlock().layout()->lineCount() > 1, wraps);
    }

    void labelsLieBeneathOtherControls_data() { addWindowRows(); }

    // A label that overlaps a box or a button must not take the clicks meant for it.
    void labelsLieBeneathOtherControls() {
        QFETCH(QString, name);

        open(name);
        QStringList covered;
        for (QLabel* label : window->findChildren<QLabel*>()) {
            QWidget* container = label->parentWidget();
            for (QWidget* sibling : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                const QRect overlap = label->geometry() & sibling->geometry();
                if (qobject_cast<QLabel*>(sibling) || overlap.isEmpty())
                    continue;
                QWidget* hit = container->childAt(overlap.center());
                if (hit != sibling && !sibling->isAncestorOf(hit))
                    covered.append(label->objectName() + " covers " + sibling->objectName());
            }
        }
        QVERIFY2(covered.isEmpty(), qPrintable(covered.join("; ")));
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
        QTest::addColumn<QString>("name");
        // Empty to check every control as created, else the one control given `text`.
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        // The readme viewer has no caption to cut off: its text box scrolls.
        for (const char* name : {"frmWizard", "Main", "Form1"})
            QTest::addRow("%s as created", name) << QString(name) << ""
                                                 << "";
        for (const char* caption : {"Next >", "Finish", "Finished", "Restart"})
            QTest::addRow("butNext \"%s\"", caption) << "frmWizard"
                                                     << "butNext" << caption;
        for (const char* prompt : {"Type in Word 1", "Type in Word 31"})
            QTest::addRow("Label5 \"%s\"", prompt) << "frmWizard"
                                                   << "Label5" << prompt;
    }

    void textsFit() {
        QFETCH(QString, name);
        QFETCH(QString, control);
        QFETCH(QString, text);

        open(name);
        QList<QWidget*> checked;
        if (control.isEmpty()) {
            for (QWidget* widget : window->findChildren<QWidget*>())
                if (widget->inherits("QLabel") || widget->inherits("QAbstractButton") ||
                    widget->inherits("QGroupBox"))
                    checked.append(widget);
        } else {
            auto* widget = ::control<QWidget>(window, control);
            QVERIFY(widget);
            if (auto* label = qobject_cast<QLabel*>(widget))
                label->setText(text);
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                button->setText(text);
            checked.append(widget);
        }
        QVERIFY(!checked.isEmpty());

        QStringList clipped;
        QStringList covered;
        for (QWidget* widget : std::as_const(checked)) {
            const Fit fit = fitOf(widget);
            // Labels lie beneath the other controls, which hide any of their text running under.
            const QRect drawn = fit.drawn.translated(widget->pos());
            for (QObject* sibling : widget->parent()->children()) {
                auto* other = qobject_cast<QWidget*>(sibling);
                if (other && !other->inherits("QLabel") && other->isVisible() &&
                    other->geometry().intersects(drawn))
                    covered.append(
                        QStringLiteral("%1 \"%2\" runs under %3")
                            .arg(widget->objectName(), textOf(widget), other->objectName()));
            }
            if (fit.needed.width() > fit.available.width() ||
                fit.needed.height() > fit.available.height())
                clipped.append(QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
                                   .arg(widget->objectName(), textOf(widget))
                                   .arg(fit.needed.width())
                                   .arg(fit.needed.height())
                                   .arg(fit.available.width())
                                   .arg(fit.available.height()));
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join("; ")));
        QEXPECT_FAIL("Main as created",
                     "\"Type the Word\" fits on one line of Label1 and ends under the TWord box",
                     Continue);
        QVERIFY2(covered.isEmpty(), qPrintable(covered.join("; ")));
    }
};

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
