#include "LedgerGenerator.h"

#include "data/Identifiers.h"
#include "data/SqlTransaction.h"
#include "data/SqlValues.h"
#include "data/TransactionRepository.h"

#include <QDebug>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>
#include <QUuid>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

struct AccountKind
{
    const char* name;
    const char* type;
    bool writesChecks;
    bool liability;
};

const AccountKind kAccountKinds[] = {
    {"Everyday Checking", "checking", true, false},  {"Joint Checking", "checking", true, false},
    {"High-Yield Savings", "savings", false, false}, {"Visa Rewards", "credit_card", false, true},
    {"Travel Mastercard", "credit_card", false, true}, {"Cash Wallet", "cash", false, false},
    {"Brokerage", "investment", false, false},       {"Car Loan", "loan", false, true},
    {"Emergency Fund", "savings", false, false},     {"Vacation Savings", "savings", false, false},
};

struct CategoryFamily
{
    const char* parent;
    const char* type;
    const char* children[4];
};

// The first family is income; every other family is spending.
const CategoryFamily kFamilies[] = {
    {"Income", "income", {"Salary", "Bonus", "Interest", "Dividends"}},
    {"Housing", "expense", {"Rent", "Repairs", "Furniture", "Property Tax"}},
    {"Food", "expense", {"Groceries", "Restaurants", "Coffee", "Takeout"}},
    {"Transportation", "expense", {"Fuel", "Parking", "Transit", "Car Service"}},
    {"Utilities", "expense", {"Electric", "Water", "Internet", "Phone"}},
    {"Health", "expense", {"Doctor", "Pharmacy", "Dental", "Fitness"}},
    {"Entertainment", "expense", {"Streaming", "Movies", "Concerts", "Games"}},
    {"Shopping", "expense", {"Clothing", "Electronics", "Books", "Home Goods"}},
    {"Insurance", "expense", {"Auto", "Home", "Life", "Health Plan"}},
    {"Personal", "expense", {"Haircut", "Gifts", "Charity", "Subscriptions"}},
    {"Education", "expense", {"Tuition", "Supplies", "Courses", "Daycare"}},
    {"Travel", "expense", {"Flights", "Hotels", "Car Rental", "Tours"}},
};
constexpr int kChildrenPerFamily = 4;

// Payee names are made of a name word and a business kind, and past their
// product, a neighbourhood: "Marina Bakery", "Oakwood Market Eastside".
const char* const kNameWords[] = {
    "Maple", "Marina", "Oakwood", "Cedar", "Harbor", "Summit", "Riverside", "Golden", "Blue Ridge", "Pioneer",
    "Sunrise", "Silver", "Redwood", "Lakeside", "Union", "Main Street", "Granite", "Willow", "Beacon", "Liberty",
    "Northside", "Evergreen", "Pacific", "Atlas", "Meadow", "Copper", "Orchard", "Prairie", "Highland", "Bayview",
    "Martin's", "Stone", "Crescent", "Hilltop", "Valley", "Ironwood", "Park", "Sterling", "Juniper", "Coastal",
    "Heritage", "Maria's", "Fairview", "Brookside", "Canyon", "Kingston", "Metro", "Tri-County", "Marlow", "Aspen"};
const char* const kBusinessKinds[] = {
    "Market", "Bakery", "Pharmacy", "Hardware", "Cafe", "Diner", "Auto Repair", "Dental", "Pet Supply", "Books",
    "Fitness", "Cleaners", "Florist", "Grill", "Pizza", "Mart", "Liquors", "Optical", "Outfitters", "Electric",
    "Plumbing", "Insurance", "Credit Union", "Cinema", "Salon", "Garden Center", "Tire", "Deli", "Apparel", "Toys",
    "Music", "Furniture", "Clinic", "Tavern", "Bistro", "Coffee", "Fuel", "Supermarket", "Wireless", "Travel"};
const char* const kNeighbourhoods[] = {"Eastside", "Westgate", "Downtown", "Uptown", "Airport", "Mall"};
const char* const kMemos[] = {"monthly", "reimbursable", "gift for Sam", "split with roommate", "invoice 4411",
                              "annual renewal", "birthday dinner", "work trip", "school supplies", "tax deductible",
                              "price match", "returned item", "auto-pay", "cash back", "late fee waived"};

template <typename T, std::size_t N>
constexpr int countOf(const T (&)[N])
{
    return static_cast<int>(N);
}

const QString kRarePayee = QStringLiteral("Quillfeather Bindery");
constexpr int kRarePayeeUses = 3;

enum class RowKind { Opening, Ordinary, TransferLeg };

struct Row
{
    RowKind kind = RowKind::Ordinary;
    QString id;
    int account = 0;
    QDate date;
    int secondOfDay = 0;
    QString payee;
    QString memo;
    qint64 amount = 0;
    int category = -1;
    QString checkNumber;
    bool cleared = false;
    bool reconciled = false;
    int linkedRow = -1;
    bool split = false;
    bool deleted = false;
    bool pending = false;
};

struct PayeeTraits
{
    int category = 0;
    qint64 typicalAmount = 0; // signed
};

QVariant nullText()
{
    return QVariant(QMetaType::fromType<QString>());
}

// A version 4 UUID drawn from the seeded generator, so that ids repeat between runs.
QString seededId(QRandomGenerator& rng)
{
    const quint32 a = rng.generate();
    const quint32 b = rng.generate();
    const quint32 c = rng.generate();
    const quint32 d = rng.generate();
    const QUuid uuid(a, static_cast<ushort>(b >> 16), static_cast<ushort>((b & 0x0FFF) | 0x4000),
                     static_cast<uchar>(((c >> 24) & 0x3F) | 0x80), static_cast<uchar>(c >> 16),
                     static_cast<uchar>(c >> 8), static_cast<uchar>(c), static_cast<uchar>(d >> 24),
                     static_cast<uchar>(d >> 16), static_cast<uchar>(d >> 8), static_cast<uchar>(d));
    return idText(uuid);
}

QString timestamp(const QDate& date, int secondOfDay)
{
    return SqlValues::timestampText(QDateTime(date, QTime(0, 0).addSecs(secondOfDay), QTimeZone::utc()));
}

bool run(QSqlQuery& query, const char* what)
{
    if (query.exec())
        return true;
    qWarning().noquote() << "LedgerGenerator:" << what << "failed:" << query.lastError().text();
    return false;
}

class Builder
{
public:
    Builder(const LedgerShape& shape, GeneratedLedger* ledger)
        : m_shape(shape)
        , m_ledger(ledger)
        , m_rng(shape.seed)
        , m_firstDate(shape.lastDate.addYears(-shape.years))
    {
    }

    void plan();
    bool write(QSqlDatabase& db);

private:
    QString accountName(int account) const;
    const AccountKind* accountKind(int account) const;
    void planCategories();
    void planPayees();
    void planRows();
    void planTransfers();
    int pickPayee();
    qint64 vary(qint64 typical);

    bool writeAccounts(QSqlDatabase& db);
    bool writeCategories(QSqlDatabase& db);
    bool writeTransactions(QSqlDatabase& db);

    const LedgerShape& m_shape;
    GeneratedLedger* m_ledger;
    QRandomGenerator m_rng;
    QDate m_firstDate;
    QStringList m_categoryNames;
    QList<int> m_categoryParent; // index into the ids, -1 for a parent
    QList<bool> m_categoryIncome;
    QList<int> m_spendingChildren;
    QList<int> m_incomeChildren;
    QList<PayeeTraits> m_payeeTraits;
    QList<Row> m_rows;
    QList<QList<int>> m_lines; // per row: split line amounts' categories, parallel to m_lineAmounts
    QList<QList<qint64>> m_lineAmounts;
};

QString Builder::accountName(int account) const
{
    if (const AccountKind* kind = accountKind(account))
        return QLatin1String(kind->name);
    return QStringLiteral("Account %1").arg(account + 1);
}

const AccountKind* Builder::accountKind(int account) const
{
    return account < countOf(kAccountKinds) ? &kAccountKinds[account] : nullptr;
}

void Builder::planCategories()
{
    const int families = std::max(1, m_shape.categories / (kChildrenPerFamily + 1));
    for (int f = 0; f < families; ++f) {
        const CategoryFamily& family = kFamilies[f % countOf(kFamilies)];
        const QString suffix = f < countOf(kFamilies) ? QString() : QStringLiteral(" %1").arg(f + 1);
        m_categoryNames.append(QLatin1String(family.parent) + suffix);
        m_categoryParent.append(-1);
        m_categoryIncome.append(f == 0);
    }
    for (int f = 0; f < families; ++f) {
        const CategoryFamily& family = kFamilies[f % countOf(kFamilies)];
        for (int c = 0; c < kChildrenPerFamily && m_categoryNames.size() < m_shape.categories; ++c) {
            (f == 0 ? m_incomeChildren : m_spendingChildren).append(static_cast<int>(m_categoryNames.size()));
            m_categoryNames.append(QLatin1String(family.children[c]));
            m_categoryParent.append(f);
            m_categoryIncome.append(f == 0);
        }
    }
    for (int i = 0; i < m_categoryNames.size(); ++i)
        m_ledger->categoryIds.append(seededId(m_rng));
}

void Builder::planPayees()
{
    const int words = countOf(kNameWords);
    const int kinds = countOf(kBusinessKinds);
    QStringList names;
    for (int i = 0; names.size() < m_shape.payees - 1; ++i) {
        QString name = QLatin1String(kNameWords[i % words]) + QLatin1Char(' ') +
                       QLatin1String(kBusinessKinds[(i / words) % kinds]);
        const int round = i / (words * kinds);
        if (round > 0)
            name += QLatin1Char(' ') + QLatin1String(kNeighbourhoods[(round - 1) % countOf(kNeighbourhoods)]);
        if (round > countOf(kNeighbourhoods))
            name += QStringLiteral(" %1").arg(round);
        names.append(name);
    }
    // Popularity must not follow the enumeration, or the first name words would
    // take every popular payee.
    for (qsizetype i = names.size() - 1; i > 0; --i)
        names.swapItemsAt(i, m_rng.bounded(static_cast<int>(i + 1)));
    names.append(kRarePayee);
    m_ledger->payees = names;

    for (int i = 0; i < names.size(); ++i) {
        PayeeTraits traits;
        // About one payee in twenty pays money in (an employer, a bank).
        const bool income = m_rng.bounded(20) == 0 && !m_incomeChildren.isEmpty();
        const QList<int>& choices = income || m_spendingChildren.isEmpty() ? m_incomeChildren : m_spendingChildren;
        traits.category = choices.isEmpty() ? 0 : choices.at(m_rng.bounded(static_cast<int>(choices.size())));
        // Spending spreads over three orders of magnitude: coffee to rent.
        traits.typicalAmount = income ? 20000 + m_rng.bounded(400000)
                                      : -static_cast<qint64>(std::exp(std::log(300.0) + m_rng.generateDouble() * std::log(1000.0)));
        m_payeeTraits.append(traits);
    }
}

int Builder::pickPayee()
{
    // A few payees get most of the entries, as in a real register.
    const double u = m_rng.generateDouble();
    const int popular = m_shape.payees - 1; // the rare payee is placed by hand
    return std::min(popular - 1, static_cast<int>(popular * std::pow(u, 2.5)));
}

qint64 Builder::vary(qint64 typical)
{
    const qint64 amount = static_cast<qint64>(static_cast<double>(typical) * (0.7 + 0.6 * m_rng.generateDouble()));
    return amount == 0 ? -1 : amount;
}

void Builder::planRows()
{
    const int accounts = std::max(1, m_shape.accounts);
    QList<int> quota(accounts, 0);
    quota[0] = accounts == 1 ? m_shape.transactions : std::min(m_shape.bigAccountTransactions, m_shape.transactions);
    const int rest = m_shape.transactions - quota[0];
    for (int a = 1; a < accounts; ++a)
        quota[a] = rest / (accounts - 1) + (a - 1 < rest % (accounts - 1) ? 1 : 0);

    const int days = static_cast<int>(m_firstDate.daysTo(m_shape.lastDate));
    for (int a = 0; a < accounts; ++a) {
        m_ledger->accountIds.append(seededId(m_rng));
        const AccountKind* kind = accountKind(a);
        int nextCheck = 1001;
        for (int i = 0; i < quota[a]; ++i) {
            Row row;
            row.account = a;
            row.secondOfDay = m_rng.bounded(86400);
            if (i == 0) {
                row.kind = RowKind::Opening;
                row.id = openingBalanceTransactionId(m_ledger->accountIds.at(a));
                row.date = m_firstDate;
                row.payee = QStringLiteral("Opening Balance");
                row.amount = (kind && kind->liability ? -1 : 1) * (10000 + m_rng.bounded(500000));
                row.cleared = row.reconciled = true;
                m_rows.append(row);
                continue;
            }
            row.id = seededId(m_rng);
            row.date = m_firstDate.addDays(1 + m_rng.bounded(days));
            const int payee = pickPayee();
            row.payee = m_ledger->payees.at(payee);
            row.category = m_payeeTraits.at(payee).category;
            row.amount = vary(m_payeeTraits.at(payee).typicalAmount);
            if (m_rng.bounded(5) == 0)
                row.memo = QLatin1String(kMemos[m_rng.bounded(countOf(kMemos))]);
            if (kind && kind->writesChecks && row.amount < 0 && m_rng.bounded(12) == 0)
                row.checkNumber = QString::number(nextCheck++);
            const qint64 age = row.date.daysTo(m_shape.lastDate);
            row.reconciled = age > 75;
            row.cleared = age > 45 || m_rng.bounded(2) == 0;
            row.pending = m_rng.bounded(1000) < m_shape.pendingPerMille;
            m_rows.append(row);
        }
    }

    // The rare payee on a handful of ordinary rows (fewer in a tiny ledger).
    for (int placed = 0, tries = 0; placed < kRarePayeeUses && tries < 1000; ++tries) {
        Row& row = m_rows[m_rng.bounded(static_cast<int>(m_rows.size()))];
        if (row.kind != RowKind::Ordinary || row.payee == kRarePayee)
            continue;
        row.payee = kRarePayee;
        ++placed;
    }
}

void Builder::planTransfers()
{
    if (m_shape.accounts < 2)
        return;
    const int pairs = static_cast<int>(static_cast<qint64>(m_rows.size()) * m_shape.transferPerMille / 2000);
    QList<QList<int>> byAccount(m_shape.accounts);
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).kind == RowKind::Ordinary && m_rows.at(i).payee != kRarePayee)
            byAccount[m_rows.at(i).account].append(i);
    }
    for (int p = 0; p < pairs; ++p) {
        const int from = m_rng.bounded(m_shape.accounts);
        int to = m_rng.bounded(m_shape.accounts - 1);
        if (to >= from)
            ++to;
        if (byAccount.at(from).isEmpty() || byAccount.at(to).isEmpty())
            continue;
        const int a = byAccount[from].takeAt(m_rng.bounded(static_cast<int>(byAccount.at(from).size())));
        const int b = byAccount[to].takeAt(m_rng.bounded(static_cast<int>(byAccount.at(to).size())));
        const qint64 amount = 5000 + m_rng.bounded(200000);
        Row& out = m_rows[a];
        Row& in = m_rows[b];
        out.kind = in.kind = RowKind::TransferLeg;
        out.payee = QStringLiteral("Transfer to %1").arg(accountName(to));
        in.payee = QStringLiteral("Transfer from %1").arg(accountName(from));
        out.amount = -amount;
        in.amount = amount;
        in.date = out.date;
        out.category = in.category = -1;
        out.memo.clear();
        out.checkNumber.clear();
        in.memo.clear();
        in.checkNumber.clear();
        out.linkedRow = b;
        in.linkedRow = a;
        ++m_ledger->transferPairs;
    }
}

void Builder::plan()
{
    planCategories();
    planPayees();
    planRows();
    planTransfers();

    m_lines.resize(m_rows.size());
    m_lineAmounts.resize(m_rows.size());
    for (int i = 0; i < m_rows.size(); ++i) {
        Row& row = m_rows[i];
        if (row.kind != RowKind::Ordinary)
            continue;
        if (m_rng.bounded(1000) < m_shape.deletedPerMille) {
            row.deleted = true;
            continue;
        }
        if (m_rng.bounded(1000) >= m_shape.splitPerMille || m_spendingChildren.isEmpty() || qAbs(row.amount) < 10)
            continue;
        // Two to four lines that add up to the amount, each with the amount's sign.
        row.split = true;
        row.category = -1;
        const int count = 2 + m_rng.bounded(3);
        qint64 left = row.amount;
        for (int l = 0; l < count; ++l) {
            const qint64 part = l == count - 1 ? left : row.amount / count;
            left -= part;
            m_lines[i].append(m_spendingChildren.at(m_rng.bounded(static_cast<int>(m_spendingChildren.size()))));
            m_lineAmounts[i].append(part);
        }
    }
}

bool Builder::writeAccounts(QSqlDatabase& db)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, starting_balance, sort_order, "
                                 "version, sync_status, server_id, created_at, updated_at) "
                                 "VALUES (?, ?, ?, 'USD', 0, ?, 1, 'synced', ?, ?, ?)"));
    const QString created = timestamp(m_firstDate, 0);
    for (int a = 0; a < m_ledger->accountIds.size(); ++a) {
        const AccountKind* kind = accountKind(a);
        query.bindValue(0, m_ledger->accountIds.at(a));
        query.bindValue(1, accountName(a));
        query.bindValue(2, kind ? QLatin1String(kind->type) : QLatin1String("other"));
        query.bindValue(3, a);
        query.bindValue(4, seededId(m_rng));
        query.bindValue(5, created);
        query.bindValue(6, created);
        if (!run(query, "account insert"))
            return false;
    }
    return true;
}

bool Builder::writeCategories(QSqlDatabase& db)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO categories (id, name, category_type, parent_id, is_default, version, "
                                 "sync_status, created_at, updated_at) VALUES (?, ?, ?, ?, 1, 1, 'synced', ?, ?)"));
    const QString created = timestamp(m_firstDate, 0);
    for (int c = 0; c < m_categoryNames.size(); ++c) {
        const int parent = m_categoryParent.at(c);
        query.bindValue(0, m_ledger->categoryIds.at(c));
        query.bindValue(1, m_categoryNames.at(c));
        query.bindValue(2, m_categoryIncome.at(c) ? QStringLiteral("income") : QStringLiteral("expense"));
        query.bindValue(3, parent < 0 ? nullText() : QVariant(m_ledger->categoryIds.at(parent)));
        query.bindValue(4, created);
        query.bindValue(5, created);
        if (!run(query, "category insert"))
            return false;
    }
    return true;
}

bool Builder::writeTransactions(QSqlDatabase& db)
{
    // Rows go in the order they were entered, as they would in a real file.
    QList<int> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) {
        const Row& x = m_rows.at(a);
        const Row& y = m_rows.at(b);
        return x.date != y.date ? x.date < y.date : x.secondOfDay < y.secondOfDay;
    });

    QSqlQuery insert(db);
    insert.prepare(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, cleared, "
        "reconciled, transfer_link_id, transfer_dest_account_id, is_split, recurring_id, version, sync_status, "
        "server_id, created_at, updated_at, deleted_at) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '', ?, ?, ?, ?, ?, ?)"));
    QSqlQuery line(db);
    line.prepare(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, "
                                "updated_at) VALUES (?, ?, ?, ?, '', ?, ?)"));

    for (const int index : order) {
        const Row& row = m_rows.at(index);
        const QString created = timestamp(row.date, row.secondOfDay);
        const bool pending = row.pending || row.deleted;
        const QString accountId = m_ledger->accountIds.at(row.account);
        insert.bindValue(0, row.id);
        insert.bindValue(1, accountId);
        insert.bindValue(2, SqlValues::dateText(row.date));
        insert.bindValue(3, row.payee);
        insert.bindValue(4, row.memo.isNull() ? QStringLiteral("") : row.memo);
        insert.bindValue(5, row.amount);
        insert.bindValue(6, row.category < 0 ? nullText() : QVariant(m_ledger->categoryIds.at(row.category)));
        insert.bindValue(7, row.checkNumber.isNull() ? QStringLiteral("") : row.checkNumber);
        insert.bindValue(8, row.cleared ? 1 : 0);
        insert.bindValue(9, row.reconciled ? 1 : 0);
        const Row* other = row.linkedRow < 0 ? nullptr : &m_rows.at(row.linkedRow);
        insert.bindValue(10, other ? other->id : QStringLiteral(""));
        insert.bindValue(11, other ? m_ledger->accountIds.at(other->account) : QStringLiteral(""));
        insert.bindValue(12, row.split ? 1 : 0);
        insert.bindValue(13, row.deleted ? 2 : 1);
        insert.bindValue(14, pending ? QStringLiteral("pending") : QStringLiteral("synced"));
        insert.bindValue(15, row.pending ? nullText() : QVariant(seededId(m_rng)));
        insert.bindValue(16, created);
        insert.bindValue(17, created);
        insert.bindValue(18, row.deleted ? QVariant(timestamp(row.date.addDays(3), row.secondOfDay)) : nullText());
        if (!run(insert, "transaction insert"))
            return false;
        ++m_ledger->transactionRows;
        if (row.deleted)
            ++m_ledger->deletedRows;

        const QList<int>& categories = m_lines.at(index);
        for (int l = 0; l < categories.size(); ++l) {
            line.bindValue(0, seededId(m_rng));
            line.bindValue(1, row.id);
            line.bindValue(2, m_ledger->categoryIds.at(categories.at(l)));
            line.bindValue(3, m_lineAmounts.at(index).at(l));
            line.bindValue(4, created);
            line.bindValue(5, created);
            if (!run(line, "split line insert"))
                return false;
            ++m_ledger->splitLines;
        }
        if (!categories.isEmpty())
            ++m_ledger->splitTransactions;
    }
    m_ledger->liveRows = m_ledger->transactionRows - m_ledger->deletedRows;
    return true;
}

bool Builder::write(QSqlDatabase& db)
{
    SqlTransaction transaction(db);
    return transaction.isActive() && writeAccounts(db) && writeCategories(db) && writeTransactions(db)
           && transaction.commit();
}

} // namespace

LedgerGenerator::LedgerGenerator(const LedgerShape& shape)
    : m_shape(shape)
{
}

bool LedgerGenerator::generate(QSqlDatabase& db, GeneratedLedger* ledger) const
{
    *ledger = GeneratedLedger();
    // Every account needs its opening row, payees their popular and rare ones.
    if (m_shape.accounts < 1 || m_shape.transactions < m_shape.accounts || m_shape.payees < 2
        || m_shape.categories < kChildrenPerFamily + 1 || m_shape.years < 1 || !m_shape.lastDate.isValid()) {
        qWarning("LedgerGenerator: the shape asks for an impossible ledger");
        return false;
    }
    ledger->commonPrefix = QStringLiteral("Mar");
    ledger->rarePrefix = kRarePayee.left(5);
    Builder builder(m_shape, ledger);
    builder.plan();
    return builder.write(db);
}
