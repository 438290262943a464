// What the user sees of the four windows as they are created: borders, keys and focus, text boxes,
// stacking, and that no caption is cut off.

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

private slots:
    void cleanup() {
        if (window)
            window->close();
        verifyNoWindowLeft();
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

    void enterAndEscape_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("box");
        // Empty where the key presses no button.
        QTest::addColumn<QString>("enter");
        QTest::addColumn<QString>("escape");
        QTest::newRow("frmWizard") << "frmWizard"
                                   << "Word"
                                   << "Command1"
                                   << "butCancel";
        QTest::newRow("Main") << "Main"
                              << "TWord"
                              << "Command1"
                              << "";
        QTest::newRow("Form1") << "Form1"
                               << "TypedWord"
                               << "Command1"
                               << "";
        QTest::newRow("Form5") << "Form5"
                               << "Text1"
                               << ""
                               << "";
    }

    // From a text box Enter presses the window's default button and Escape its cancel button;
    // a window without a cancel button stays open.
    void enterAndEscape() {
        QFETCH(QString, name);
        QFETCH(QString, box);
        QFETCH(QString, enter);
        QFETCH(QString, escape);

        open(name);
        auto* typing = ::control<QWidget>(window, box);
        QVERIFY(typing);
        typing->setFocus();
        QStringList clicked;
        for (QPushButton* each : window->findChildren<QPushButton*>())
            connect(each, &QPushButton::clicked, this,
                    [&clicked, each] { clicked.append(each->objectName()); });
        const auto pressed = [&clicked](const QString& button) {
            const QStringList expected = button.isEmpty() ? QStringList() : QStringList{button};
            const bool same = clicked == expected;
            clicked.clear();
            return same;
        };
        QTest::keyClick(typing, Qt::Key_Return);
        QVERIFY(pressed(enter));
        QTest::keyClick(typing, Qt::Key_Escape);
        QVERIFY(pressed(escape));
        QVERIFY(window->isVisible());
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
        QVERIFY2(covered.isEmpty(), qPrintable(covered.join("; ")));
    }
};

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
