#include "TypedAmountCheck.h"

#include "widgets/Appearance.h"
#include "widgets/SmartAmountField.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

TypedAmountCheck::TypedAmountCheck(QObject* parent)
    : QObject(parent)
{
}

void TypedAmountCheck::watch(SmartAmountField* field)
{
    m_fields.append(field);
    field->installEventFilter(this);
    const auto forget = [this, field] { m_notUnderstood.remove(field); };
    connect(field, &QObject::destroyed, this, forget);
    if (auto* edit = field->findChild<QLineEdit*>())
        connect(edit, &QLineEdit::textEdited, this, forget);
}

bool TypedAmountCheck::eventFilter(QObject* watched, QEvent* event)
{
    // Both are seen before the spin box puts its last value back.
    const bool enter = event->type() == QEvent::KeyPress
                       && (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return
                           || static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
    if (enter || event->type() == QEvent::FocusOut) {
        if (auto* field = qobject_cast<SmartAmountField*>(watched))
            takeText(field);
    }
    return QObject::eventFilter(watched, event);
}

void TypedAmountCheck::takeText(SmartAmountField* field)
{
    const QString text = field->cleanText().trimmed();
    if (text.isEmpty()) {
        field->setValue(0.0);
        m_notUnderstood.remove(field);
    } else if (!readTypedAmount(text, field->currency())) {
        // The value is the one the spin box is about to put back.
        m_notUnderstood.insert(field, {text, field->value()});
    }
}

SmartAmountField* TypedAmountCheck::findNotUnderstood(QString* text)
{
    for (const QPointer<SmartAmountField>& field : std::as_const(m_fields)) {
        if (!field)
            continue;
        takeText(field);
        const auto noted = m_notUnderstood.constFind(field.data());
        if (noted == m_notUnderstood.cend())
            continue;
        // A value set since from elsewhere (a payee's last amount) replaced it.
        if (noted->value != field->value()) {
            m_notUnderstood.erase(noted);
            continue;
        }
        *text = noted->text;
        if (auto* edit = field->findChild<QLineEdit*>()) {
            edit->setText(field->prefix() + *text);
            edit->setSelection(static_cast<int>(field->prefix().size()), static_cast<int>(text->size()));
        }
        field->setFocus(Qt::OtherFocusReason);
        return field;
    }
    return nullptr;
}

QLabel* amountProblemLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("amountProblemLabel"));
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(negativeAmountColor().name()));
    label->hide();
    return label;
}
