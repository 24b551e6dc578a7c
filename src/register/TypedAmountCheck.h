#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QLabel;
class QWidget;
class SmartAmountField;

// Holds a dialog's amount fields to the register's reading of typed amounts
// (readTypedAmount). A spin box left with text it cannot take puts its last
// value back without a word; this notes such text when the field is left, so
// that the dialog can refuse to close on it rather than save the old value.
// A field left empty means 0.
class TypedAmountCheck : public QObject
{
    Q_OBJECT

public:
    explicit TypedAmountCheck(QObject* parent = nullptr);

    void watch(SmartAmountField* field);
    // The first watched field, in the order watched, whose text is no amount,
    // with that text put back into it and selected; null when every field reads.
    SmartAmountField* findNotUnderstood(QString* text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the field holds as it is left: empty becomes 0, text that is no amount is noted.
    void takeText(SmartAmountField* field);

    QList<QPointer<SmartAmountField>> m_fields;
    struct Noted
    {
        QString text;
        double value = 0.0;
    };
    QHash<const QObject*, Noted> m_notUnderstood;
};

// The hidden line under a dialog's fields where it says which amount it did
// not understand, in the colour of a warning.
QLabel* amountProblemLabel(QWidget* parent);
