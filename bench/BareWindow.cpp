// The yardstick for start-up: the least a Qt Widgets program does to show a window. The label
// keeps the default font, which comes through fontconfig just as Tovrin's fonts do.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Tovrin"));
    label.show();
    return QApplication::exec();
}
