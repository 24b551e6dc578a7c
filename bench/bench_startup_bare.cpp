// The floor of bench_startup: a bare Qt program that shows an empty
// QMainWindow and says "shown" once it has painted.

#include "BenchWindows.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ShownProbe<QMainWindow> probe;
    app.installEventFilter(&probe);
    QMainWindow window;
    window.show();
    return app.exec();
}
