#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

// What a form or screen shows once it refused typed text it could not read:
// its problem line, then the text selected where the focus went back to
// ("Amount not understood: 12,34 | 12,34"). Empty when the line is hidden.
inline QString refusalShown(const QWidget* form)
{
    const auto* label = form->findChild<QLabel*>(QStringLiteral("inputProblemLabel"));
    if (!label || !label->isVisible())
        return QString();
    // A spin box keeps the focus itself and hands the keys to its line edit.
    QWidget* focus = form->focusWidget();
    auto* edit = qobject_cast<QLineEdit*>(focus);
    if (!edit && focus)
        edit = focus->findChild<QLineEdit*>();
    return QStringList({label->text(), edit ? edit->selectedText() : QStringLiteral("(no focus)")})
        .join(QLatin1String(" | "));
}

// Types over the refused text, selected where the focus went back to.
inline void typeOverRefused(const QWidget* form, const QString& text)
{
    QTest::keyClicks(form->focusWidget(), text);
}

// The text a refusal is expected to show: the message, then what it quotes.
inline QString expectedRefusal(const QString& message)
{
    return message.isEmpty() ? QString() : message + QStringLiteral(" | ") + message.section(QStringLiteral(": "), 1);
}
