#pragma once

#include "DuplicateKeys.h"
#include "QifParser.h"

#include "data/Money.h"
#include "data/Transaction.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>
#include <map>
#include <optional>

class AccountRepository;
class TransactionRepository;
struct ImportResult;

// A QIF file records a transfer once in each account: the leg in A names [B] and
// the leg in B names [A]. An import links the two legs when it finds both. A leg
// whose other leg is not found keeps the other account's name at the start of its
// memo, "[→ B] memo", so that a later import holding that leg can still link it.
QString transferHintLabel(const QString& accountName);
// The label alone for an empty memo, else the label, a blank and the memo.
QString addTransferHint(const QString& memo, const QString& accountName);

struct TransferHint
{
    QString accountName;
    QString rest; // the memo without the hint
};
// Nothing unless the memo begins with a hint naming some account.
std::optional<TransferHint> parseTransferHint(const QString& memo);

// A leg that names its own account moves nothing.
bool isSelfTransfer(const QifRecord& record);

// One parsed record on its way into the ledger.
struct QifWorkRecord
{
    QifRecord record;
    QString targetAccountId; // empty: its source account is not imported
    int partnerIndex = -1;   // the other leg of its transfer in the work list
    // The transaction's id, known before either leg is stored; empty for a
    // record without a partner, whose id is made as it is stored.
    QString newId;
    // Set once the target is known: the amount in the target currency's minor
    // units, the payee as stored, and whether the row is in the target already
    // (or goes there from an earlier record of the same import).
    qint64 amount = 0;
    QString payee;
    bool duplicate = false;
};

// Pairs the two legs of each transfer among the records: same date, opposite
// amounts, each leg's source account named by the other, different target
// accounts. Among several candidates the earliest in the list wins. Sets both
// records' partnerIndex and returns the number of pairs. Duplicates, unmapped
// records and self-transfers take no part.
int pairTransfers(QList<QifWorkRecord>& work);

// A row of an earlier import whose memo still waits for its other leg.
struct TransferHintCandidate
{
    QString transactionId;
    QString accountId;
    QString hintName;
    QDate date;
    qint64 amount = 0;
};

// What one import knows of one of the accounts it touches.
struct TargetAccountState
{
    // The live rows the import's records may repeat, and the rows this import stored.
    DuplicateKeys keys;
    // The live rows that carry a hint and no link and that one of the import's
    // legs may link to, filed by date, amount and hinted name; each list keeps
    // the order in which the rows were listed.
    QHash<QString, QList<TransferHintCandidate>> candidates;
    QHash<QString, Transaction> hinted;
};

// The first candidate a leg of `sourceAccount` with this date and amount links
// to: the opposite amount on the same day, hinting at the leg's account.
std::optional<TransferHintCandidate> findHintCandidate(const TargetAccountState& state,
                                                       const QString& sourceAccount, const QDate& date,
                                                       qint64 amount);

// Decides, record by record as the import stores them, how each transfer leg is
// linked: to its partner in the same import, to a hinted row of an earlier import,
// or not at all, with the hint in its memo. It never leaves a link to a row that
// is not stored: when a leg is not stored, its stored partner loses the link again.
class QifTransferLinker
{
public:
    // `targets` maps lower-case source account names to account ids; `work` must
    // outlive the linker and keep its size. `betweenSteps` is called now and
    // then while an account's rows are read.
    QifTransferLinker(TransactionRepository* transactions, AccountRepository* accounts,
                      const QHash<QString, QString>& targets, const QList<QifWorkRecord>& work,
                      std::function<void()> betweenSteps);

    // Nothing for an account that does not exist (soft-deleted ones do).
    std::optional<Currency> currency(const QString& accountId);
    // Loaded on first use, from the account's live rows as they are then; of
    // them only those that one of the records may look up. Every mapped
    // record's amount and payee must be set before the first state is loaded.
    TargetAccountState& state(const QString& accountId);

    // How a leg was linked, from prepare() until the leg is written.
    struct Plan
    {
        bool linkedToPartner = false;
        // The row of an earlier import that the leg links to, written once the leg is.
        std::optional<Transaction> earlierRow;
        QString candidateKey;
    };

    // Before work[index] is stored as `transaction`: sets its link or its memo
    // hint. False when the import must stop (see abortReason()).
    bool prepare(int index, Transaction& transaction, Plan& plan);
    // work[index] was stored as `transaction`: writes the other side of a link to
    // an earlier row and counts the links completed. False when the import must stop.
    bool stored(int index, const Transaction& transaction, const Plan& plan, ImportResult& result);
    // work[index] will not be stored: a partner stored before it is turned back into
    // an unpaired row with its hint. False when the import must stop.
    bool dropped(int index);

    const QString& abortReason() const { return m_abortReason; }

private:
    // What the records look up in the account: their keys in their target and,
    // for transfer legs, the rows of an earlier import they may link to. Worked
    // out for every account at once when the first account with rows is read.
    struct Lookups
    {
        ExpectedKeys keys;
        QSet<size_t> candidateKeys; // hashes
    };
    const Lookups& lookups(const QString& accountId);

    bool linkToEarlierRow(const QifWorkRecord& leg, Transaction& transaction, Plan& plan);
    bool fail(const QString& reason);

    TransactionRepository* m_transactions;
    AccountRepository* m_accounts;
    const QHash<QString, QString>& m_targets;
    const QList<QifWorkRecord>& m_work;
    std::function<void()> m_betweenSteps;
    QHash<QString, std::optional<Currency>> m_currencies;
    std::optional<QHash<QString, Lookups>> m_lookups; // by account id
    // By account id; a map keeps references to a state valid while others load.
    std::map<QString, TargetAccountState> m_states;
    // First legs stored with a link, by the index of the leg still to come.
    QHash<int, Transaction> m_awaitingPartner;
    QSet<int> m_droppedLegs;
    QString m_abortReason;
};
