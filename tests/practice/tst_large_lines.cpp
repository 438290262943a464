// The practice window's three large lines show any word of 1 to 20 characters, and any attempt,
// whole: the font shrinks for a long one just enough, and only then.

#include "TestSession.h"
#include "core/Characters.h"
#include "practice/Main.h"
#include "screens/FittingLabel.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

// Whether anything is drawn in column `x` of `image`: the text is dark on a light background.
bool inkInColumn(const QImage& image, int x) {
    for (int y = 0; y < image.height(); ++y)
        if (qGray(image.pixel(x, y)) < 160)
            return true;
    return false;
}

// Checks that `line` shows its whole text, at its own size if that fits and otherwise at a size
// only a little smaller than one that would not.
void verifyWhole(FittingLabel* line) {
    const QString text = line->text();
    const qreal room = line->contentsRect().width();
    const auto width = [line, &text](const QFont& font) {
        return QFontMetricsF(font, line).horizontalAdvance(text);
    };
    const QFont design = line->font();
    const QFont fitted = line->fittedFont();
    QVERIFY2(width(fitted) <= room, qPrintable(text));
    QVERIFY(QFontMetricsF(fitted, line).height() <= line->contentsRect().height());
    if (width(design) <= room) {
        QCOMPARE(fitted.pointSizeF(), design.pointSizeF());
    } else {
        QVERIFY(fitted.pointSizeF() < design.pointSizeF());
        QFont larger = fitted;
        larger.setPointSizeF(fitted.pointSizeF() * 1.03);
        QVERIFY2(width(larger) > room, qPrintable(text));
    }
    // Text cut off at a side would leave ink at that edge.
    const QImage picture = line->grab().toImage();
    QVERIFY2(!inkInColumn(picture, 0), qPrintable(text));
    QVERIFY2(!inkInColumn(picture, picture.width() - 1), qPrintable(text));
}

} // namespace

class LargeLinesTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { verifyNoWindowLeft(); }

    void everyLineShowsItsWholeText_data() {
        QTest::addColumn<QString>("word");
        // Letters hidden first, from the front.
        QTest::addColumn<int>("hidden");
        QTest::addColumn<QString>("attempt");
        // Whether the whole word is wider than its line at the design size.
        QTest::addColumn<bool>("wordShrinks");
        QTest::newRow("one letter") << "a" << 0 << "b" << false;
        QTest::newRow("short word") << "cat" << 0 << "cot" << false;
        QTest::newRow("twenty narrow letters")
            << QString(20, 'i') << 0 << QString(19, 'i') << false;
        QTest::newRow("twenty wide letters")
            << QString(20, 'W') << 0 << QString(19, 'W') + "V" << true;
        QTest::newRow("twenty letters, nine hidden")
            << "internationalization" << 9 << "internationalisation" << true;
        QTest::newRow("long wrong attempt")
            << "cat" << 0 << "catastrophically wrong, and typed on and on and on" << false;
        QTest::newRow("accents and emoji")
            << u"cafe\u0301\U0001F600na\u00EFve"_qs << 0 << u"caf\u00E9\U0001F600naive"_qs << false;
    }

    void everyLineShowsItsWholeText() {
        QFETCH(QString, word);
        QFETCH(int, hidden);
        QFETCH(QString, attempt);
        QFETCH(bool, wordShrinks);

        TestSession session;
        MODULE11& shared = session.program.shared;
        shared.WordList[1] = word;
        shared.WordCount = 2;
        const auto letters = double(characterCount(word));
        QList<double> randoms{0.0};
        for (int position = 1; position <= hidden; ++position)
            randoms.append((position - 0.5) / letters);
        session.platform.queueRandom(randoms);
        session.platform.answer(Platform::Answer::Ok);
        Main* practice = session.program.practice.use();
        QVERIFY(practice);
        practice->show();
        for (int right = 0; right < hidden; ++right) {
            practice->TWord->setText(word);
            session.platform.answer(Platform::Answer::Ok);
            practice->Command1->click();
        }
        QCOMPARE(practice->Word->text().count(' '), hidden);

        practice->TWord->setText(attempt);
        session.platform.answer(Platform::Answer::Ok, [&] {
            QCOMPARE(practice->TypedWord->text(), word);
            for (FittingLabel* line : {practice->Word, practice->TypedWord, practice->CorrectWord})
                verifyWhole(line);
            QCOMPARE(QFontMetricsF(practice->TypedWord->font(), practice).horizontalAdvance(word) >
                         practice->TypedWord->contentsRect().width(),
                     wordShrinks);
        });
        practice->Command1->click();
        QCOMPARE(session.platform.unusedAnswers(), 0);
    }
};

QTEST_MAIN(LargeLinesTest)
#include "tst_large_lines.moc"
