#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class DateField;
class QLabel;
class QWidget;
class SmartAmountField;

// Holds a form's amount and date fields to the readings every typed amount and
// date goes through (readTypedAmount, parseTypedDate). Left with text it cannot
// read, an amount field puts its last value back and a date field its date,
// without a word; this notes such text as the field is left, so that the form
// can refuse to close on it rather than save what the field held before. An
// amount field left empty means 0; a date field left empty keeps its date.
class TypedInputCheck : public QObject
{
    Q_OBJECT

public:
    explicit TypedInputCheck(QObject* parent = nullptr);

    void watch(SmartAmountField* field);
    void watch(DateField* field);
    // The first enabled field, in the order watched, whose text reads as no
    // amount or date: that text is put back into it, selected, with the focus,
    // and `message` says what was not understood. False when every field reads.
    bool findNotUnderstood(QString* message);
    // The same, said on `problem` (hidden when every field reads); whether every field reads.
    bool allRead(QLabel* problem);

    static QString amountNotUnderstood(const QString& text);
    static QString dateNotUnderstood(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Noted
    {
        QString text;
        // What the field is about to put back; a change of it since means a
        // value set from elsewhere (a payee's last amount, a date key) replaced the text.
        double value = 0.0;
        QDate date;
    };

    void watchField(QWidget* field);
    // What the field holds as it is left: an empty amount becomes 0, text that
    // reads as no amount or date is noted.
    void takeText(QWidget* field);
    bool stillStands(const QWidget* field, const Noted& noted) const;
    QString putBack(QWidget* field, const QString& text) const;

    QList<QPointer<QWidget>> m_fields;
    QHash<const QObject*, Noted> m_notUnderstood;
};

// The hidden line under a form's fields where it says which amount or date it
// did not understand, in the colour of a warning.
QLabel* inputProblemLabel(QWidget* parent);
// Shows `message` on the line, or hides it when there is none.
void showInputProblem(QLabel* label, const QString& message);
