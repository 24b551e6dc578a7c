#include "InputDialog.h"

#include "DialogSeams.h"

#include <QInputDialog>

namespace {

struct Answer
{
    bool accepted = false;
    QString text;
};

DialogSeams::AnswerQueue<Answer> g_answers;
QString g_lastTitle;
QString g_lastLabel;
QStringList g_lastItems;
QLineEdit::EchoMode g_lastEcho = QLineEdit::Normal;

std::optional<Answer> takeAnswer(const QString& title, const QString& label, const QStringList& items,
                                 QLineEdit::EchoMode echo)
{
    std::optional<Answer> answer = g_answers.take();
    if (!answer && DialogSeams::isUnattended())
        DialogSeams::refuseUnanswered("input dialog", title);
    if (answer) {
        g_lastTitle = title;
        g_lastLabel = label;
        g_lastItems = items;
        g_lastEcho = echo;
    }
    return answer;
}

QString answered(const Answer& answer, bool* ok)
{
    if (ok)
        *ok = answer.accepted;
    return answer.accepted ? answer.text : QString();
}

} // namespace

QString InputDialog::getText(QWidget* parent, const QString& title, const QString& label, QLineEdit::EchoMode echo,
                             const QString& text, bool* ok)
{
    if (const std::optional<Answer> answer = takeAnswer(title, label, {}, echo))
        return answered(*answer, ok);
    return QInputDialog::getText(parent, title, label, echo, text, ok);
}

QString InputDialog::getItem(QWidget* parent, const QString& title, const QString& label, const QStringList& items,
                             int current, bool editable, bool* ok)
{
    if (const std::optional<Answer> answer = takeAnswer(title, label, items, QLineEdit::Normal))
        return answered(*answer, ok);
    return QInputDialog::getItem(parent, title, label, items, current, editable, ok);
}

void InputDialog::setNextText(const QString& text)
{
    g_answers.push(Answer{true, text});
}

void InputDialog::setNextCancel()
{
    g_answers.push(Answer());
}

void InputDialog::clearNextAnswer()
{
    g_answers.clear();
}

QString InputDialog::lastTitle()
{
    return g_lastTitle;
}

QString InputDialog::lastLabel()
{
    return g_lastLabel;
}

QStringList InputDialog::lastItems()
{
    return g_lastItems;
}

QLineEdit::EchoMode InputDialog::lastEchoMode()
{
    return g_lastEcho;
}
