#pragma once

#include <QLineEdit>
#include <QString>
#include <QStringList>

class QWidget;

// Thin wrappers around the input dialogs: the real Qt dialog, or the answer a
// test queued. `ok` tells whether the user pressed OK.
class InputDialog
{
public:
    static QString getText(QWidget* parent, const QString& title, const QString& label,
                           QLineEdit::EchoMode echo = QLineEdit::Normal, const QString& text = QString(),
                           bool* ok = nullptr);
    static QString getItem(QWidget* parent, const QString& title, const QString& label, const QStringList& items,
                           int current = 0, bool editable = false, bool* ok = nullptr);

    // Test seam: the next input dialog returns `text` with OK (for a list, the
    // chosen item's text), or is cancelled.
    static void setNextText(const QString& text);
    static void setNextCancel();
    static void clearNextAnswer();
    // What the last dialog answered through the seam asked.
    static QString lastTitle();
    static QString lastLabel();
    static QStringList lastItems();
    static QLineEdit::EchoMode lastEchoMode();
};
