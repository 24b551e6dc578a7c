#pragma once

#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <optional>

class TransactionRepository;

// "yyyy-MM-dd|minor units|payee". A row whose key is already in the account is
// the same transaction imported again; the payee's letter case counts.
QString duplicateKey(const QDate& date, qint64 amount, const QString& payee);

// What the rows of a file will ask an account's DuplicateKeys, known before the
// account's rows are read, so that only the rows that can answer are held: an
// account of millions of rows costs the memory of the file, not of the account.
// Kept as hashes: a row that only shares a hash with a question is held for
// nothing, and no row that answers one is ever left out.
class ExpectedKeys
{
public:
    void add(const QDate& date, qint64 amount, const QString& payee, const QString& checkNumber);
    bool isEmpty() const { return m_keys.isEmpty(); }

private:
    friend class DuplicateKeys;
    static size_t keyHash(const QDate& date, qint64 amount, const QString& payee);
    static size_t numberHash(size_t keyHash, const QString& checkNumber);

    QSet<size_t> m_keys;
    QSet<size_t> m_numbers; // of the rows that carry a check number
};

// The rows an import counts as already in an account: the account's live rows
// and those the import stored. Rows match by duplicate key, except that two rows
// whose check numbers are both given and differ are never the same transaction:
// checks 220 and 221 written to one payee on one day for one amount are two
// payments. A row without a check number matches any row of its key, as before.
class DuplicateKeys
{
public:
    // The account's live rows, as far as they can answer the questions that
    // `expected` gives. It is called when the first row is read: an import into
    // an empty account works out no questions. `betweenSteps` is called after
    // every kRowsPerStep rows, so that a read of millions lets the window repaint.
    static DuplicateKeys ofAccount(const TransactionRepository& transactions, const QString& accountId,
                                   const std::function<ExpectedKeys()>& expected,
                                   const std::function<void()>& betweenSteps);
    static constexpr int kRowsPerStep = 10000;

    void insert(const QString& key, const QString& checkNumber);
    bool contains(const QString& key, const QString& checkNumber) const;
    // How many keys without a check number, and check numbers, it holds.
    qsizetype size() const;

private:
    // A live row of the account, held only when it can answer an expected
    // question: of a key, one row with a check number tells that the key is
    // there, and further ones only the numbers that will be asked for.
    void insertExisting(const QDate& date, qint64 amount, const QString& payee, const QString& checkNumber,
                        const ExpectedKeys& expected);

    // Most rows carry no check number: they cost one set entry, as a plain key did.
    QSet<QString> m_withoutNumber;
    QHash<QString, QStringList> m_numbers;
};
