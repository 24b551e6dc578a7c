#pragma once

#include "widgets/ThemeManager.h"

#include <QString>
#include <QStringList>

#include <functional>

class AppState;
class MainWindow;
class QAbstractButton;
class QWidget;

// Opens every window and dialog the main window can open, on the sample data,
// in the light and the dark theme, and hands each to a visitor while it is
// shown: capture() renders them into PNG files "<name>-<theme>.png", the
// pictures the README shows; the tests look at the same windows' texts.
// Windows are opened the way the menus and buttons open them; forms are
// answered through the dialog seam, so nothing waits for a person.
class ScreenshotTour
{
public:
    // Called with each window or form as it is shown, and the name of its picture.
    using Visitor = std::function<void(QWidget* window, const QString& name)>;

    // `state` holds an open ledger; the tour loads the sample data into it.
    explicit ScreenshotTour(AppState* state);

    // The file names written into `directory`, in the order they were taken.
    QStringList capture(const QString& directory);
    // Opens every window in `theme` and hands each to `visitor`.
    void visit(ThemeManager::Theme theme, const Visitor& visitor);
    // What could not be opened or written; empty when every picture was taken.
    QStringList failures() const { return m_failures; }

private:
    void tourTheme(ThemeManager::Theme theme);
    void captureWindows(MainWindow* window);
    void captureForms(MainWindow* window);
    void captureBoxes(MainWindow* window);
    // Opens a tool window with `open` and takes the window that came up.
    void takeWindow(MainWindow* window, const QString& name, const std::function<void()>& open);
    // Takes the modal form `open` shows, then cancels it.
    void takeForm(const QString& name, const std::function<void()>& open);
    void take(QWidget* widget, const QString& name);
    void click(QWidget* parent, const char* buttonName, const QString& picture);

    AppState* m_state;
    Visitor m_visitor;
    QStringList m_failures;
};
