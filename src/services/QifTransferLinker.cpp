#include "QifTransferLinker.h"

#include "ImportResult.h"
#include "ImportService.h"

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/LocalEdit.h"
#include "data/SqlValues.h"
#include "data/TransactionRepository.h"
#include "data/TransferService.h"

#include <QDebug>
#include <QStringBuilder>

namespace {

constexpr QStringView kHintOpening = u"[\u2192 ";

// Names compare ignoring case, the way QString::compare does.
QString legKey(const QDate& date, qint64 amount, const QString& ownName, const QString& otherName)
{
    return SqlValues::dateText(date) % QLatin1Char('|') % QString::number(amount) % QLatin1Char('|')
           % ownName.toCaseFolded() % QLatin1Char('|') % otherName.toCaseFolded();
}

// A leg files under its own date, amount and names...
QString ownLegKey(const QifWorkRecord& leg)
{
    return legKey(leg.record.date, leg.record.amount, leg.record.sourceAccount, leg.record.transferAccount);
}

// ...and looks for its partner under the mirror image: opposite amount, names swapped.
QString partnerLegKey(const QifWorkRecord& leg)
{
    return legKey(leg.record.date, -leg.record.amount, leg.record.transferAccount, leg.record.sourceAccount);
}

QString candidateKey(const QDate& date, qint64 amount, const QString& hintName)
{
    return legKey(date, amount, hintName, QString());
}

bool canPair(const QifWorkRecord& leg)
{
    return leg.partnerIndex < 0 && !leg.duplicate && !leg.record.transferAccount.isEmpty()
           && !leg.record.sourceAccount.isEmpty() && !leg.targetAccountId.isEmpty() && !isSelfTransfer(leg.record);
}

// The legs filed under one key, in list order; `next` skips those no later leg can use.
struct LegBucket
{
    QList<int> indexes;
    qsizetype next = 0;
};

} // namespace

QString transferHintLabel(const QString& accountName)
{
    return kHintOpening % accountName % QLatin1Char(']');
}

QString addTransferHint(const QString& memo, const QString& accountName)
{
    const QString label = transferHintLabel(accountName);
    return memo.isEmpty() ? label : label % QLatin1Char(' ') % memo;
}

std::optional<TransferHint> parseTransferHint(const QString& memo)
{
    if (!memo.startsWith(kHintOpening))
        return std::nullopt;
    const qsizetype close = memo.indexOf(QLatin1Char(']'), kHintOpening.size());
    if (close <= kHintOpening.size())
        return std::nullopt;
    TransferHint hint;
    hint.accountName = memo.mid(kHintOpening.size(), close - kHintOpening.size());
    hint.rest = memo.mid(close + 1);
    if (hint.rest.startsWith(QLatin1Char(' ')))
        hint.rest.remove(0, 1);
    return hint;
}

bool isSelfTransfer(const QifRecord& record)
{
    return !record.transferAccount.isEmpty() && !record.sourceAccount.isEmpty()
           && record.transferAccount.compare(record.sourceAccount, Qt::CaseInsensitive) == 0;
}

int pairTransfers(QList<QifWorkRecord>& work)
{
    // One pass files every leg, one more finds each partner: no leg is compared
    // with more than the few that share its date, amount and names.
    QHash<QString, LegBucket> legs;
    for (int j = 0; j < work.size(); ++j) {
        if (canPair(work.at(j)))
            legs[ownLegKey(work.at(j))].indexes.append(j);
    }
    int pairs = 0;
    for (int i = 0; i < work.size(); ++i) {
        if (!canPair(work.at(i)))
            continue;
        const auto found = legs.find(partnerLegKey(work.at(i)));
        if (found == legs.end())
            continue;
        LegBucket& bucket = *found;
        // Legs up to i, and legs already paired, are of no use to i nor to any later leg.
        while (bucket.next < bucket.indexes.size()
               && (bucket.indexes.at(bucket.next) <= i || work.at(bucket.indexes.at(bucket.next)).partnerIndex >= 0))
            ++bucket.next;
        for (qsizetype k = bucket.next; k < bucket.indexes.size(); ++k) {
            const int j = bucket.indexes.at(k);
            if (work.at(j).partnerIndex >= 0 || work.at(j).targetAccountId == work.at(i).targetAccountId)
                continue;
            work[i].partnerIndex = j;
            work[j].partnerIndex = i;
            ++pairs;
            break;
        }
    }
    return pairs;
}

std::optional<TransferHintCandidate> findHintCandidate(const TargetAccountState& state,
                                                       const QString& sourceAccount, const QDate& date,
                                                       qint64 amount)
{
    if (sourceAccount.isEmpty())
        return std::nullopt;
    const auto found = state.candidates.constFind(candidateKey(date, -amount, sourceAccount));
    if (found == state.candidates.cend() || found->isEmpty())
        return std::nullopt;
    return found->first();
}

QifTransferLinker::QifTransferLinker(TransactionRepository* transactions, AccountRepository* accounts,
                                     const QHash<QString, QString>& targets, const QList<QifWorkRecord>& work,
                                     std::function<void()> betweenSteps)
    : m_transactions(transactions)
    , m_accounts(accounts)
    , m_targets(targets)
    , m_work(work)
    , m_betweenSteps(std::move(betweenSteps))
{
}

std::optional<Currency> QifTransferLinker::currency(const QString& accountId)
{
    const auto known = m_currencies.constFind(accountId);
    if (known != m_currencies.cend())
        return *known;
    std::optional<Currency> currency;
    if (const std::optional<Account> account = m_accounts->findById(accountId))
        currency = account->currency;
    m_currencies.insert(accountId, currency);
    return currency;
}

const QifTransferLinker::Lookups& QifTransferLinker::lookups(const QString& accountId)
{
    if (!m_lookups) {
        QHash<QString, Lookups>& all = m_lookups.emplace();
        for (const QifWorkRecord& record : m_work) {
            if (record.targetAccountId.isEmpty())
                continue;
            all[record.targetAccountId].keys.add(record.record.date, record.amount, record.payee,
                                                 record.record.checkNumber);
            // As linkToEarlierRow looks: the leg's amount, opposite, under the leg's account.
            const QifRecord& leg = record.record;
            if (leg.transferAccount.isEmpty() || leg.sourceAccount.isEmpty() || isSelfTransfer(leg))
                continue;
            const QString other = m_targets.value(leg.transferAccount.toLower());
            if (!other.isEmpty() && other != record.targetAccountId)
                all[other].candidateKeys.insert(qHash(candidateKey(leg.date, -record.amount, leg.sourceAccount)));
        }
    }
    static const Lookups none;
    const auto found = m_lookups->constFind(accountId);
    return found == m_lookups->cend() ? none : *found;
}

TargetAccountState& QifTransferLinker::state(const QString& accountId)
{
    const auto known = m_states.find(accountId);
    if (known != m_states.end())
        return known->second;
    TargetAccountState& state = m_states[accountId];
    if (accountId.isEmpty())
        return state;
    // What the records look up is worked out only once an account has rows:
    // an import into new or empty accounts does without.
    if (!m_lookups || !lookups(accountId).keys.isEmpty()) {
        bool hasRows = false;
        state.keys = DuplicateKeys::ofAccount(
            *m_transactions, accountId,
            [&] {
                hasRows = true;
                return lookups(accountId).keys;
            },
            m_betweenSteps);
        if (!hasRows)
            return state;
    }
    const QSet<size_t>& candidateKeys = lookups(accountId).candidateKeys;
    if (candidateKeys.isEmpty())
        return state;
    m_transactions->forEachUnlinkedWithMemo(accountId, kHintOpening.toString(), [&](const Transaction& row) {
        const std::optional<TransferHint> hint = parseTransferHint(row.memo);
        if (!hint)
            return;
        const QString key = candidateKey(row.date, row.amount, hint->accountName);
        if (!candidateKeys.contains(qHash(key)))
            return;
        state.candidates[key].append({row.id, row.accountId, hint->accountName, row.date, row.amount});
        state.hinted.insert(row.id, row);
    });
    return state;
}

bool QifTransferLinker::prepare(int index, Transaction& transaction, Plan& plan)
{
    plan = Plan();
    const QifWorkRecord& leg = m_work.at(index);
    const int partnerIndex = leg.partnerIndex;
    // A partner that was not stored leaves this leg as if it had none.
    if (partnerIndex >= 0 && !m_droppedLegs.contains(partnerIndex)) {
        const QString& partnerTarget = m_work.at(partnerIndex).targetAccountId;
        const std::optional<Currency> own = currency(transaction.accountId);
        const std::optional<Currency> other = currency(partnerTarget);
        if (own && other && *own == *other) {
            transaction.transferLinkId = m_work.at(partnerIndex).newId;
            transaction.transferDestAccountId = partnerTarget;
            plan.linkedToPartner = true;
        } else {
            qWarning() << "QIF import: refusing mixed-currency transfer between" << transaction.accountId << "and"
                       << partnerTarget;
            transaction.memo = addTransferHint(transaction.memo, leg.record.transferAccount);
        }
        return true;
    }
    if (leg.record.transferAccount.isEmpty() || isSelfTransfer(leg.record))
        return true;
    return linkToEarlierRow(leg, transaction, plan);
}

bool QifTransferLinker::linkToEarlierRow(const QifWorkRecord& leg, Transaction& transaction, Plan& plan)
{
    const QString other = m_targets.value(leg.record.transferAccount.toLower());
    const std::optional<Currency> ownCurrency = currency(transaction.accountId);
    const std::optional<Currency> otherCurrency = other.isEmpty() ? std::nullopt : currency(other);
    std::optional<TransferHintCandidate> candidate;
    if (other != transaction.accountId && ownCurrency && otherCurrency && *ownCurrency == *otherCurrency)
        candidate = findHintCandidate(state(other), leg.record.sourceAccount, transaction.date, transaction.amount);
    if (!candidate) {
        transaction.memo = addTransferHint(transaction.memo, leg.record.transferAccount);
        return true;
    }

    Transaction row = state(other).hinted.value(candidate->transactionId);
    const std::optional<TransferHint> hint = parseTransferHint(row.memo);
    if (!hint)
        return fail(QStringLiteral("retroactive candidate lost its hint"));
    row.memo = hint->rest;
    TransferService::link(transaction, row);
    plan.earlierRow = row;
    plan.candidateKey = candidateKey(candidate->date, candidate->amount, candidate->hintName);
    return true;
}

bool QifTransferLinker::stored(int index, const Transaction& transaction, const Plan& plan, ImportResult& result)
{
    if (plan.earlierRow) {
        Transaction row = *plan.earlierRow;
        stampLocalEdit(row);
        if (!m_transactions->update(row))
            return fail(QStringLiteral("failed to update retroactive partner"));
        TargetAccountState& other = state(row.accountId);
        // Used up: one earlier row links at most once.
        other.candidates[plan.candidateKey].removeIf(
            [&row](const TransferHintCandidate& candidate) { return candidate.transactionId == row.id; });
        other.hinted.remove(row.id);
        ++result.transfersLinked;
        ++result.transfersLinkedToPrevious;
    }
    if (plan.linkedToPartner) {
        const int partnerIndex = m_work.at(index).partnerIndex;
        if (partnerIndex > index) {
            m_awaitingPartner.insert(partnerIndex, transaction);
        } else {
            m_awaitingPartner.remove(index);
            ++result.transfersLinked;
        }
    }
    return true;
}

bool QifTransferLinker::dropped(int index)
{
    m_droppedLegs.insert(index);
    const auto waiting = m_awaitingPartner.constFind(index);
    if (waiting == m_awaitingPartner.cend())
        return true;
    Transaction partner = *waiting;
    m_awaitingPartner.erase(waiting);
    // The partner row is this import's own, still pending: it changes in place.
    partner.transferLinkId.clear();
    partner.transferDestAccountId.clear();
    partner.memo = addTransferHint(partner.memo, m_work.at(m_work.at(index).partnerIndex).record.transferAccount);
    if (!m_transactions->update(partner))
        return fail(QStringLiteral("failed to unlink the partner of a transfer leg that was not stored"));
    return true;
}

bool QifTransferLinker::fail(const QString& reason)
{
    m_abortReason = reason;
    return false;
}
