#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// What a generated ledger looks like. The defaults are a heavy household ledger:
// ten years of entries over ten accounts, one of which holds half of them.
struct LedgerShape
{
    // Every transactions row, opening balances, transfer legs and deleted rows included.
    int transactions = 100000;
    int accounts = 10;
    // Rows of the first account; the others share the rest evenly.
    int bigAccountTransactions = 50000;
    int payees = 5000;
    // Parents and children together: a fifth are parents with four children each.
    int categories = 60;
    // Shares of the ordinary rows, in thousandths.
    int splitPerMille = 20;
    int transferPerMille = 30;
    int deletedPerMille = 5;
    int pendingPerMille = 10;
    quint32 seed = 20240305;
    QDate lastDate = QDate(2024, 12, 31);
    int years = 10;
};

// What the generator wrote, for the benchmarks to aim at.
struct GeneratedLedger
{
    QStringList accountIds;  // in sort order; the first is the big account
    QStringList categoryIds; // parents first
    QStringList payees;      // by popularity: the first are used most
    int transactionRows = 0;
    int liveRows = 0;
    int splitTransactions = 0;
    int splitLines = 0;
    int transferPairs = 0;
    int deletedRows = 0;
    // A word that begins a large share of payees ("Mar" matches Market, Mart, Marina...).
    QString commonPrefix;
    // A word that stands in one payee only, used a handful of times.
    QString rarePrefix;
};

// Writes a realistic ledger with plain SQL into an open, migrated, empty
// database, in one transaction. The same shape and seed give the same rows,
// ids included, on every run.
class LedgerGenerator
{
public:
    explicit LedgerGenerator(const LedgerShape& shape = LedgerShape());

    bool generate(QSqlDatabase& db, GeneratedLedger* ledger) const;

private:
    LedgerShape m_shape;
};
