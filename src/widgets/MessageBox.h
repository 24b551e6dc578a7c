#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// Thin wrappers around the standard message boxes. They show the real Qt dialog;
// a test can queue the answer of the next box, which is then returned without
// showing anything, and read back what the box would have said.
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

    // Test seam: the next box returns `button` at once instead of showing.
    static void setNextAnswer(QMessageBox::StandardButton button);
    static void clearNextAnswer();
    // Title and text of the last box answered through the seam.
    static QString lastTitle();
    static QString lastText();

private:
    static QMessageBox::StandardButton show(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                            const QString& text, QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton);
};
