// The yardstick: a Qt program that only shows a window of the viewer's client size with one line of text,
// so that it pays the start of the fonts as the viewer does.

#include "bench/startup/FirstPaint.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(707, 499);
    QLabel text(QStringLiteral("Откройте файл для просмотра"), &window);
    text.move(4, 4);
    FirstPaint probe;
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
