#include "MessageBox.h"

namespace {
QMessageBox::StandardButton g_nextAnswer = QMessageBox::NoButton;
QString g_lastTitle;
QString g_lastText;
}

QMessageBox::StandardButton MessageBox::show(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                             const QString& text, QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    if (g_nextAnswer != QMessageBox::NoButton) {
        const QMessageBox::StandardButton answer = g_nextAnswer;
        g_nextAnswer = QMessageBox::NoButton;
        g_lastTitle = title;
        g_lastText = text;
        return answer;
    }

    QMessageBox box(icon, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton MessageBox::critical(QWidget* parent, const QString& title, const QString& text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    return show(QMessageBox::Critical, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton MessageBox::warning(QWidget* parent, const QString& title, const QString& text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton)
{
    return show(QMessageBox::Warning, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton MessageBox::information(QWidget* parent, const QString& title, const QString& text,
                                                    QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton)
{
    return show(QMessageBox::Information, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton MessageBox::question(QWidget* parent, const QString& title, const QString& text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    return show(QMessageBox::Question, parent, title, text, buttons, defaultButton);
}

void MessageBox::setNextAnswer(QMessageBox::StandardButton button)
{
    g_nextAnswer = button;
}

void MessageBox::clearNextAnswer()
{
    g_nextAnswer = QMessageBox::NoButton;
}

QString MessageBox::lastTitle()
{
    return g_lastTitle;
}

QString MessageBox::lastText()
{
    return g_lastText;
}
