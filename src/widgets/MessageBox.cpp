#include "MessageBox.h"

#include "DialogSeams.h"

#include <QAbstractButton>
#include <QPushButton>

namespace {

// A queued standard answer or choice index.
struct Answer
{
    QMessageBox::StandardButton button = QMessageBox::NoButton;
    int choice = -1;
};

DialogSeams::AnswerQueue<Answer> g_answers;
QString g_lastTitle;
QString g_lastText;

std::optional<Answer> takeAnswer(const QString& title, const QString& text)
{
    std::optional<Answer> answer = g_answers.take();
    if (!answer && DialogSeams::isUnattended())
        DialogSeams::refuseUnanswered("message box", title);
    if (answer) {
        g_lastTitle = title;
        g_lastText = text;
    }
    return answer;
}

} // namespace

QMessageBox::StandardButton MessageBox::show(QMessageBox::Icon icon, QWidget* parent, const QString& title,
                                             const QString& text, QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    if (const std::optional<Answer> answer = takeAnswer(title, text))
        return answer->button;

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

void MessageBox::about(QWidget* parent, const QString& title, const QString& text)
{
    if (takeAnswer(title, text))
        return;
    QMessageBox::about(parent, title, text);
}

int MessageBox::choose(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
                       const QList<Button>& buttons, int defaultIndex)
{
    if (const std::optional<Answer> answer = takeAnswer(title, text))
        return answer->choice;

    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton*> added;
    for (const Button& button : buttons) {
        if (button.standard != QMessageBox::NoButton)
            added.append(box.addButton(button.standard));
        else
            added.append(box.addButton(button.text, button.role));
    }
    if (defaultIndex >= 0 && defaultIndex < added.size())
        box.setDefaultButton(qobject_cast<QPushButton*>(added.at(defaultIndex)));
    box.exec();
    return static_cast<int>(added.indexOf(box.clickedButton()));
}

void MessageBox::setNextAnswer(QMessageBox::StandardButton button)
{
    g_answers.push(Answer{button, -1});
}

void MessageBox::setNextChoice(int index)
{
    g_answers.push(Answer{QMessageBox::NoButton, index});
}

void MessageBox::clearNextAnswer()
{
    g_answers.clear();
}

QString MessageBox::lastTitle()
{
    return g_lastTitle;
}

QString MessageBox::lastText()
{
    return g_lastText;
}
