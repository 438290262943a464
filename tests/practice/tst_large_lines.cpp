// The practice window's three large lines show any word of 1 to 20 characters, and any attempt,
// whole: the font shrinks for a long one just enough, and only then.

#include "TestSession.h"
#include "practice/Main.h"
#include "screens/FittingLabel.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

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

} // namespace

class LargeLinesTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { verifyNoWindowLeft(); }

    void everyLineShowsItsWholeText_data() {
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

    // The lines as they are while the Wrong message is open.
    void everyLineShowsItsWholeText() {
        QFETCH(QString, word);
        QFETCH(QString, attempt);
        QFETCH(bool, wordShrinks);
        TestSession session;
        session.program.shared.WordList[1] = word;
        session.program.shared.WordCount = 2;
        session.platform.answer(Platform::Answer::Ok);
        Main* practice = nullptr;
        session.platform.answer(Platform::Answer::Ok, [&] {
            QCOMPARE(practice->TypedWord->text(), word);
            for (FittingLabel* line : {practice->Word, practice->TypedWord, practice->CorrectWord})
                verifyWhole(line);
            QCOMPARE(widthAt(practice->TypedWord->font(), practice->TypedWord) >
                         practice->TypedWord->contentsRect().width(),
                     wordShrinks);
        });
        practice = session.program.practice.use();
        QVERIFY(practice);
        practice->show();
        practice->TWord->setText(attempt);
        practice->Command1->click();
        QCOMPARE(session.platform.unusedAnswers(), 0);
    }
};

QTEST_MAIN(LargeLinesTest)
#include "tst_large_lines.moc"
