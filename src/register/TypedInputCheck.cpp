#include "TypedInputCheck.h"

#include "widgets/Appearance.h"
#include "widgets/DateField.h"
#include "widgets/DateInput.h"
#include "widgets/SmartAmountField.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

TypedInputCheck::TypedInputCheck(QObject* parent)
    : QObject(parent)
{
}

void TypedInputCheck::watch(SmartAmountField* field)
{
    watchField(field);
    if (auto* edit = field->findChild<QLineEdit*>())
        connect(edit, &QLineEdit::textEdited, this, [this, field] { m_notUnderstood.remove(field); });
}

void TypedInputCheck::watch(DateField* field)
{
    watchField(field);
    connect(field, &QLineEdit::textEdited, this, [this, field] { m_notUnderstood.remove(field); });
}

void TypedInputCheck::watchField(QWidget* field)
{
    m_fields.append(field);
    field->installEventFilter(this);
    connect(field, &QObject::destroyed, this, [this, field] { m_notUnderstood.remove(field); });
}

bool TypedInputCheck::eventFilter(QObject* watched, QEvent* event)
{
    // Both are seen before the field puts its last value or date back.
    const bool enter = event->type() == QEvent::KeyPress
                       && (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return
                           || static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
    if ((enter || event->type() == QEvent::FocusOut) && watched->isWidgetType())
        takeText(static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
}

void TypedInputCheck::takeText(QWidget* field)
{
    if (auto* amount = qobject_cast<SmartAmountField*>(field)) {
        const QString text = amount->cleanText().trimmed();
        if (text.isEmpty()) {
            amount->setValue(0.0);
            m_notUnderstood.remove(field);
        } else if (!amount->typedMinorUnits()) {
            m_notUnderstood.insert(field, {text, amount->value(), {}});
        }
    } else if (auto* date = qobject_cast<DateField*>(field)) {
        const QString text = date->text().trimmed();
        if (!text.isEmpty() && !parseTypedDate(text).isValid())
            m_notUnderstood.insert(field, {text, 0.0, date->date()});
    }
}

bool TypedInputCheck::stillStands(const QWidget* field, const Noted& noted) const
{
    if (const auto* amount = qobject_cast<const SmartAmountField*>(field))
        return noted.value == amount->value();
    if (const auto* date = qobject_cast<const DateField*>(field))
        return noted.date == date->date();
    return false;
}

QString TypedInputCheck::putBack(QWidget* field, const QString& text) const
{
    if (auto* amount = qobject_cast<SmartAmountField*>(field)) {
        if (auto* edit = amount->findChild<QLineEdit*>()) {
            edit->setText(amount->prefix() + text);
            edit->setSelection(static_cast<int>(amount->prefix().size()), static_cast<int>(text.size()));
        }
        field->setFocus(Qt::OtherFocusReason);
        return amountNotUnderstood(text);
    }
    auto* date = qobject_cast<DateField*>(field);
    date->setText(text);
    date->selectAll();
    field->setFocus(Qt::OtherFocusReason);
    return dateNotUnderstood(text);
}

bool TypedInputCheck::findNotUnderstood(QString* message)
{
    for (const QPointer<QWidget>& field : std::as_const(m_fields)) {
        // A field switched off (an amount that follows split lines, an end
        // date not asked for) gives nothing to the result.
        if (!field || !field->isEnabled())
            continue;
        takeText(field);
        const auto noted = m_notUnderstood.constFind(field.data());
        if (noted == m_notUnderstood.cend())
            continue;
        if (!stillStands(field, *noted)) {
            m_notUnderstood.erase(noted);
            continue;
        }
        *message = putBack(field, noted->text);
        return true;
    }
    return false;
}

bool TypedInputCheck::allRead(QLabel* problem)
{
    QString message;
    const bool refused = findNotUnderstood(&message);
    showInputProblem(problem, message);
    return !refused;
}

QString TypedInputCheck::amountNotUnderstood(const QString& text)
{
    return tr("Amount not understood: %1").arg(text);
}

QString TypedInputCheck::dateNotUnderstood(const QString& text)
{
    return tr("Date not understood: %1").arg(text);
}

QLabel* inputProblemLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("inputProblemLabel"));
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(negativeAmountColor().name()));
    label->hide();
    return label;
}

void showInputProblem(QLabel* label, const QString& message)
{
    label->setText(message);
    label->setVisible(!message.isEmpty());
}
