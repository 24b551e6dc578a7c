#pragma once

#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// "yyyy-MM-dd|minor units|payee". A row whose key is already in the account is
// the same transaction imported again; the payee's letter case counts.
QString duplicateKey(const QDate& date, qint64 amount, const QString& payee);

// The rows an import counts as already in an account: the account's live rows
// and those the import stored. Rows match by duplicate key, except that two rows
// whose check numbers are both given and differ are never the same transaction:
// checks 220 and 221 written to one payee on one day for one amount are two
// payments. A row without a check number matches any row of its key, as before.
class DuplicateKeys
{
public:
    void reserve(qsizetype size);
    void insert(const QString& key, const QString& checkNumber);
    bool contains(const QString& key, const QString& checkNumber) const;

private:
    // Most rows carry no check number: they cost one set entry, as a plain key did.
    QSet<QString> m_withoutNumber;
    QHash<QString, QStringList> m_numbers;
};
