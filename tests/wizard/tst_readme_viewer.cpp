// The readme viewer: its text box fills the window at any size and keeps the text it was
// created with.

#include "TestSession.h"
#include "wizard/Form5.h"

#include <QPlainTextEdit>
#include <QtTest>

class ReadmeViewerTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { verifyNoWindowLeft(); }

    void theTextBoxFillsTheWindow_data() {
        QTest::addColumn<QSize>("size");
        QTest::addRow("larger") << QSize(900, 700);
        QTest::addRow("smaller than the box was designed") << QSize(120, 90);
        QTest::addRow("one pixel") << QSize(1, 1);
    }

    void theTextBoxFillsTheWindow() {
        QFETCH(QSize, size);
        TestSession session;
        session.program.shared.ReadmeText = QStringLiteral("How to use Tovrin\r\n");
        Form5* viewer = session.program.readme.use();
        QVERIFY(viewer);
        QCOMPARE(viewer->Text1->geometry(), viewer->rect());
        QCOMPARE(viewer->Text1->toPlainText(), "How to use Tovrin\n");

        viewer->show();
        viewer->resize(size);
        QCOMPARE(viewer->Text1->geometry(), viewer->rect());

        // The text is read once, when the viewer is created.
        session.program.shared.ReadmeText = QStringLiteral("changed");
        QCOMPARE(session.program.readme.use(), viewer);
        QCOMPARE(viewer->Text1->toPlainText(), "How to use Tovrin\n");
        viewer->close();
    }
};

QTEST_MAIN(ReadmeViewerTest)
#include "tst_readme_viewer.moc"
