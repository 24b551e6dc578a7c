// The floor of bench_startup: a bare Qt program that shows an empty
// QMainWindow and says "shown" once it has painted.

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

namespace {

class ShownProbe : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!m_shown && event->type() == QEvent::Paint && widget && qobject_cast<QMainWindow*>(widget->window())) {
            m_shown = true;
            QTimer::singleShot(0, qApp, [] {
                std::fputs("shown\n", stdout);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_shown = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ShownProbe probe;
    app.installEventFilter(&probe);
    QMainWindow window;
    window.show();
    return app.exec();
}
