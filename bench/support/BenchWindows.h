#pragma once

// Widget helpers of the benchmark programs, header-only so that the bare Qt
// program of bench_startup can use them without linking the ledger.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>

#include <cstdio>

// Before the application object: widget benchmarks run offscreen unless told
// otherwise, and screens keep their layout in a settings store under `home`,
// never the user's.
inline void prepareWidgetBench(const QTemporaryDir& home)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
}

// Shows the widget and waits (at most five seconds) until its window is exposed,
// so that what is timed next paints for real.
inline void showExposed(QWidget* widget)
{
    widget->show();
    QElapsedTimer exposing;
    exposing.start();
    while (!(widget->windowHandle() && widget->windowHandle()->isExposed()) && exposing.elapsed() < 5000)
        QCoreApplication::processEvents();
}

// Installed on the application: once a widget of a `Window` has painted (the
// window's whole first paint pass), says "shown" on standard output and quits.
template <typename Window>
class ShownProbe : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!m_shown && event->type() == QEvent::Paint && widget && qobject_cast<Window*>(widget->window())) {
            m_shown = true;
            // Posted, not timed: it runs once this paint pass is done, before
            // anything the window queues behind its own first paint.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [] {
                    std::fputs("shown\n", stdout);
                    std::fflush(stdout);
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool m_shown = false;
};
