// The floor of bench_startup: a bare Qt program that shows an empty
// QMainWindow and says "shown" once it has painted. Given a width and a height,
// the window has that size (the program's first window is 1280x900).

#include "BenchWindows.h"

#include <QApplication>
#include <QMainWindow>
#include <QString>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ShownProbe<QMainWindow> probe;
    app.installEventFilter(&probe);
    QMainWindow window;
    if (argc == 3)
        window.resize(QString::fromLocal8Bit(argv[1]).toInt(), QString::fromLocal8Bit(argv[2]).toInt());
    window.show();
    return app.exec();
}
