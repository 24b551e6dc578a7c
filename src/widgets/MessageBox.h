#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

class QWidget;

// Thin wrappers around the message boxes. They show the real Qt dialog; a test
// queues the answers of the next boxes, which are then returned without showing
// anything, and reads back what the boxes would have said.
class MessageBox
{
public:
    static QMessageBox::StandardButton critical(QWidget* parent, const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton warning(QWidget* parent, const QString& title, const QString& text,
                                               QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                               QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton information(QWidget* parent, const QString& title, const QString& text,
                                                   QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                                   QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
                                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    // The application's About box (rich text). A queued answer of any kind closes it.
    static void about(QWidget* parent, const QString& title, const QString& text);

    // A button of a box with buttons of its own: either its own text with a
    // role, or a standard button (its text translated by Qt).
    struct Button
    {
        QString text;
        QMessageBox::ButtonRole role = QMessageBox::AcceptRole;
        QMessageBox::StandardButton standard = QMessageBox::NoButton;
    };
    // Returns the index of the clicked button in `buttons`, or -1 when the box
    // was closed without one.
    static int choose(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                      const QList<Button>& buttons, int defaultIndex = 0);

    // Test seam. The next standard box returns `button`; the next choose()
    // returns `index`. Answers are taken in the order they were queued.
    static void setNextAnswer(QMessageBox::StandardButton button);
    static void setNextChoice(int index);
    static void clearNextAnswer();
    // Title and text of the last box answered through the seam.
    static QString lastTitle();
    static QString lastText();

private:
    static QMessageBox::StandardButton show(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                            const QString& text, QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton);
};
