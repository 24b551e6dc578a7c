#include "MainWindow.h"

#include "state/AppState.h"

MainWindow::MainWindow(AppState* state, QWidget* parent)
    : QMainWindow(parent)
    , m_state(state)
{
    setWindowTitle(QStringLiteral("Orvalen Vellumry"));
    resize(1100, 720);
}
