#include "SampleDataService.h"

#include "data/Clock.h"
#include "data/Database.h"
#include "data/Identifiers.h"
#include "data/SqlRows.h"
#include "data/SqlValues.h"

#include <QSqlQuery>
#include <QVariant>

#include <array>
#include <iterator>

namespace {

// The demonstration texts. Category names must read exactly like the default
// categories' names in every language, since the lookup goes by name.
constexpr char kPayeeOpeningBalance[] = QT_TRANSLATE_NOOP("SampleDataService", "Opening Balance");
constexpr char kPayeeBrightpathInc[] = QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc");
constexpr char kMemoBiweeklyPaycheck[] = QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck");
constexpr char kPayeePinecrestApartments[] = QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments");
constexpr char kMemoFebruaryRent[] = QT_TRANSLATE_NOOP("SampleDataService", "February rent");
constexpr char kPayeeGreenleafMarket[] = QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market");
constexpr char kMemoWeeklyGroceries[] = QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries");
constexpr char kPayeeHilltopGas[] = QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas");
constexpr char kMemoFillUp[] = QT_TRANSLATE_NOOP("SampleDataService", "Fill up");
constexpr char kPayeeLakesideUtilities[] = QT_TRANSLATE_NOOP("SampleDataService", "Lakeside Utilities");
constexpr char kMemoElectricBill[] = QT_TRANSLATE_NOOP("SampleDataService", "Electric bill");
constexpr char kMemoWaterBill[] = QT_TRANSLATE_NOOP("SampleDataService", "Water bill");
constexpr char kPayeeStreamlineTV[] = QT_TRANSLATE_NOOP("SampleDataService", "Streamline TV");
constexpr char kMemoMonthlyStreaming[] = QT_TRANSLATE_NOOP("SampleDataService", "Monthly streaming");
constexpr char kPayeeMaplewoodDiner[] = QT_TRANSLATE_NOOP("SampleDataService", "Maplewood Diner");
constexpr char kMemoDinnerOut[] = QT_TRANSLATE_NOOP("SampleDataService", "Dinner out");
constexpr char kPayeeClearviewInsurance[] = QT_TRANSLATE_NOOP("SampleDataService", "Clearview Insurance");
constexpr char kMemoAutoInsurance[] = QT_TRANSLATE_NOOP("SampleDataService", "Auto insurance");
constexpr char kPayeeHopeCommunityChurch[] = QT_TRANSLATE_NOOP("SampleDataService", "Hope Community Church");
constexpr char kMemoMonthlyDonation[] = QT_TRANSLATE_NOOP("SampleDataService", "Monthly donation");
constexpr char kPayeeTransferToSavings[] = QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings");
constexpr char kMemoMonthlySavings[] = QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings");
constexpr char kMemoMarchRent[] = QT_TRANSLATE_NOOP("SampleDataService", "March rent");
constexpr char kPayeeNetConnectISP[] = QT_TRANSLATE_NOOP("SampleDataService", "NetConnect ISP");
constexpr char kMemoInternetService[] = QT_TRANSLATE_NOOP("SampleDataService", "Internet service");
constexpr char kMemoLunch[] = QT_TRANSLATE_NOOP("SampleDataService", "Lunch");
constexpr char kPayeeRidgelinePharmacy[] = QT_TRANSLATE_NOOP("SampleDataService", "Ridgeline Pharmacy");
constexpr char kMemoPrescriptions[] = QT_TRANSLATE_NOOP("SampleDataService", "Prescriptions");
constexpr char kMemoCoffeePastry[] = QT_TRANSLATE_NOOP("SampleDataService", "Coffee & pastry");
constexpr char kPayeeRiverbendCreditUnion[] = QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union");
constexpr char kMemoInterestPayment[] = QT_TRANSLATE_NOOP("SampleDataService", "Interest payment");
constexpr char kPayeeTransferFromChecking[] = QT_TRANSLATE_NOOP("SampleDataService", "Transfer from Checking");
constexpr char kPayeeDashDelivery[] = QT_TRANSLATE_NOOP("SampleDataService", "Dash Delivery");
constexpr char kMemoFoodDelivery[] = QT_TRANSLATE_NOOP("SampleDataService", "Food delivery");
constexpr char kPayeeGadgetWorld[] = QT_TRANSLATE_NOOP("SampleDataService", "Gadget World");
constexpr char kMemoPhoneCase[] = QT_TRANSLATE_NOOP("SampleDataService", "Phone case");
constexpr char kPayeeCloudWatchPlus[] = QT_TRANSLATE_NOOP("SampleDataService", "CloudWatch Plus");
constexpr char kMemoCloudStoragePlan[] = QT_TRANSLATE_NOOP("SampleDataService", "Cloud storage plan");
constexpr char kPayeePaymentThankYou[] = QT_TRANSLATE_NOOP("SampleDataService", "Payment - Thank You");
constexpr char kMemoCreditCardPayment[] = QT_TRANSLATE_NOOP("SampleDataService", "Credit card payment");
constexpr char kPayeeStellarCoffee[] = QT_TRANSLATE_NOOP("SampleDataService", "Stellar Coffee");
constexpr char kMemoCoffeeBeans[] = QT_TRANSLATE_NOOP("SampleDataService", "Coffee beans");
constexpr char kPayeeBookNestOnline[] = QT_TRANSLATE_NOOP("SampleDataService", "BookNest Online");
constexpr char kMemoProgrammingBooks[] = QT_TRANSLATE_NOOP("SampleDataService", "Programming books");
constexpr char kPayeeTechVault[] = QT_TRANSLATE_NOOP("SampleDataService", "TechVault");
constexpr char kMemoUSBHub[] = QT_TRANSLATE_NOOP("SampleDataService", "USB hub");
constexpr char kCategorySalaryWages[] = QT_TRANSLATE_NOOP("SampleDataService", "Salary / Wages");
constexpr char kCategoryHousing[] = QT_TRANSLATE_NOOP("SampleDataService", "Housing");
constexpr char kCategoryRentMortgagePayment[] = QT_TRANSLATE_NOOP("SampleDataService", "Rent/Mortgage Payment");
constexpr char kCategoryGroceries[] = QT_TRANSLATE_NOOP("SampleDataService", "Groceries");
constexpr char kCategoryTransportation[] = QT_TRANSLATE_NOOP("SampleDataService", "Transportation");
constexpr char kCategoryGasFuel[] = QT_TRANSLATE_NOOP("SampleDataService", "Gas/Fuel");
constexpr char kCategoryUtilities[] = QT_TRANSLATE_NOOP("SampleDataService", "Utilities");
constexpr char kCategoryElectric[] = QT_TRANSLATE_NOOP("SampleDataService", "Electric");
constexpr char kCategoryWater[] = QT_TRANSLATE_NOOP("SampleDataService", "Water");
constexpr char kCategoryEntertainment[] = QT_TRANSLATE_NOOP("SampleDataService", "Entertainment");
constexpr char kCategoryStreaming[] = QT_TRANSLATE_NOOP("SampleDataService", "Streaming");
constexpr char kCategoryDiningRestaurants[] = QT_TRANSLATE_NOOP("SampleDataService", "Dining & Restaurants");
constexpr char kCategoryInsurance[] = QT_TRANSLATE_NOOP("SampleDataService", "Insurance");
constexpr char kCategoryAuto[] = QT_TRANSLATE_NOOP("SampleDataService", "Auto");
constexpr char kCategoryCharitableDonations[] = QT_TRANSLATE_NOOP("SampleDataService", "Charitable Donations");
constexpr char kCategoryInternet[] = QT_TRANSLATE_NOOP("SampleDataService", "Internet");
constexpr char kCategoryMedicalExpenses[] = QT_TRANSLATE_NOOP("SampleDataService", "Medical Expenses");
constexpr char kCategoryInterestIncome[] = QT_TRANSLATE_NOOP("SampleDataService", "Interest Income");
constexpr char kCategoryShopping[] = QT_TRANSLATE_NOOP("SampleDataService", "Shopping");
constexpr char kCategoryElectronics[] = QT_TRANSLATE_NOOP("SampleDataService", "Electronics");
constexpr char kCategorySubscriptions[] = QT_TRANSLATE_NOOP("SampleDataService", "Subscriptions");
constexpr char kCategoryEducationExpenses[] = QT_TRANSLATE_NOOP("SampleDataService", "Education Expenses");
constexpr char kAccountMainChecking[] = QT_TRANSLATE_NOOP("SampleDataService", "Main Checking");
constexpr char kAccountSavings[] = QT_TRANSLATE_NOOP("SampleDataService", "Savings");
constexpr char kAccountVisaRewards[] = QT_TRANSLATE_NOOP("SampleDataService", "Visa Rewards");
constexpr char kInstitutionSummitBank[] = QT_TRANSLATE_NOOP("SampleDataService", "Summit Bank");
constexpr char kMemoMonthlyRent[] = QT_TRANSLATE_NOOP("SampleDataService", "Monthly rent");

enum class Acct { Checking, Savings, Visa };
// open: neither flag; cleared: cleared only; reconciled: both.
enum class State { Open, Cleared, Reconciled };

QString accountId(Acct account)
{
    switch (account) {
    case Acct::Savings: return QStringLiteral("sample-acct-savings");
    case Acct::Visa: return QStringLiteral("sample-acct-visa");
    case Acct::Checking: break;
    }
    return QStringLiteral("sample-acct-checking");
}

struct SampleAccount
{
    Acct account;
    const char* name;
    const char* type;
    const char* institution;
    const char* last4;
};

// In sort order. The opening balances are ordinary transactions, not starting balances.
constexpr SampleAccount kAccounts[] = {
    {Acct::Checking, kAccountMainChecking, "checking", kPayeeRiverbendCreditUnion, "4521"},
    {Acct::Savings, kAccountSavings, "savings", kPayeeRiverbendCreditUnion, "8834"},
    {Acct::Visa, kAccountVisaRewards, "credit_card", kInstitutionSummitBank, "7712"},
};

struct SampleTransaction
{
    Acct account;
    int day;                // offset from today
    const char* payee;
    const char* memo;       // nullptr: no memo
    qint64 cents;
    const char* parent;     // nullptr: look the category up by its name alone
    const char* category;   // nullptr: no category (transfers, card payments)
    const char* check;
    State state;
    int transferPair;       // the two legs of a pair share a number; 0 for ordinary rows
};

constexpr SampleTransaction kTransactions[] = {
    {Acct::Checking, -61, kPayeeOpeningBalance, nullptr, 250000,
     nullptr, nullptr, nullptr, State::Reconciled, 0},
    {Acct::Savings, -46, kPayeeOpeningBalance, nullptr, 1000000,
     nullptr, nullptr, nullptr, State::Reconciled, 0},
    {Acct::Visa, -61, kPayeeOpeningBalance, nullptr, 0,
     nullptr, nullptr, nullptr, State::Reconciled, 0},
    {Acct::Checking, -60, kPayeeBrightpathInc, kMemoBiweeklyPaycheck, 285000,
     nullptr, kCategorySalaryWages, nullptr, State::Reconciled, 0},
    {Acct::Checking, -59, kPayeePinecrestApartments, kMemoFebruaryRent, -145000,
     kCategoryHousing, kCategoryRentMortgagePayment, "1041", State::Reconciled, 0},
    {Acct::Checking, -57, kPayeeGreenleafMarket, kMemoWeeklyGroceries, -8745,
     nullptr, kCategoryGroceries, nullptr, State::Reconciled, 0},
    {Acct::Checking, -55, kPayeeHilltopGas, kMemoFillUp, -4523,
     kCategoryTransportation, kCategoryGasFuel, nullptr, State::Reconciled, 0},
    {Acct::Checking, -53, kPayeeLakesideUtilities, kMemoElectricBill, -11280,
     kCategoryUtilities, kCategoryElectric, nullptr, State::Reconciled, 0},
    {Acct::Checking, -51, kPayeeLakesideUtilities, kMemoWaterBill, -4590,
     kCategoryUtilities, kCategoryWater, nullptr, State::Reconciled, 0},
    {Acct::Checking, -49, kPayeeStreamlineTV, kMemoMonthlyStreaming, -1599,
     kCategoryEntertainment, kCategoryStreaming, nullptr, State::Reconciled, 0},
    {Acct::Checking, -47, kPayeeGreenleafMarket, kMemoWeeklyGroceries, -9230,
     nullptr, kCategoryGroceries, nullptr, State::Reconciled, 0},
    {Acct::Checking, -46, kPayeeBrightpathInc, kMemoBiweeklyPaycheck, 285000,
     nullptr, kCategorySalaryWages, nullptr, State::Reconciled, 0},
    {Acct::Checking, -44, kPayeeMaplewoodDiner, kMemoDinnerOut, -4275,
     nullptr, kCategoryDiningRestaurants, nullptr, State::Reconciled, 0},
    {Acct::Checking, -42, kPayeeHilltopGas, kMemoFillUp, -3980,
     kCategoryTransportation, kCategoryGasFuel, nullptr, State::Reconciled, 0},
    {Acct::Checking, -40, kPayeeClearviewInsurance, kMemoAutoInsurance, -12500,
     kCategoryInsurance, kCategoryAuto, nullptr, State::Reconciled, 0},
    {Acct::Checking, -38, kPayeeGreenleafMarket, kMemoWeeklyGroceries, -7650,
     nullptr, kCategoryGroceries, nullptr, State::Reconciled, 0},
    {Acct::Checking, -35, kPayeeHopeCommunityChurch, kMemoMonthlyDonation, -10000,
     nullptr, kCategoryCharitableDonations, "1042", State::Reconciled, 0},
    {Acct::Checking, -33, kPayeeBrightpathInc, kMemoBiweeklyPaycheck, 285000,
     nullptr, kCategorySalaryWages, nullptr, State::Reconciled, 0},
    {Acct::Checking, -30, kPayeeTransferToSavings, kMemoMonthlySavings, -50000,
     nullptr, nullptr, nullptr, State::Reconciled, 1},
    {Acct::Checking, -29, kPayeePinecrestApartments, kMemoMarchRent, -145000,
     kCategoryHousing, kCategoryRentMortgagePayment, "1043", State::Cleared, 0},
    {Acct::Checking, -27, kPayeeGreenleafMarket, kMemoWeeklyGroceries, -10120,
     nullptr, kCategoryGroceries, nullptr, State::Cleared, 0},
    {Acct::Checking, -25, kPayeeHilltopGas, kMemoFillUp, -4100,
     kCategoryTransportation, kCategoryGasFuel, nullptr, State::Cleared, 0},
    {Acct::Checking, -23, kPayeeNetConnectISP, kMemoInternetService, -7999,
     kCategoryUtilities, kCategoryInternet, nullptr, State::Cleared, 0},
    {Acct::Checking, -21, kPayeeLakesideUtilities, kMemoElectricBill, -10870,
     kCategoryUtilities, kCategoryElectric, nullptr, State::Cleared, 0},
    {Acct::Checking, -19, kPayeeBrightpathInc, kMemoBiweeklyPaycheck, 285000,
     nullptr, kCategorySalaryWages, nullptr, State::Cleared, 0},
    {Acct::Checking, -17, kPayeeGreenleafMarket, kMemoWeeklyGroceries, -8890,
     nullptr, kCategoryGroceries, nullptr, State::Cleared, 0},
    {Acct::Checking, -15, kPayeeStreamlineTV, kMemoMonthlyStreaming, -1599,
     kCategoryEntertainment, kCategoryStreaming, nullptr, State::Cleared, 0},
    {Acct::Checking, -13, kPayeeMaplewoodDiner, kMemoLunch, -2340,
     nullptr, kCategoryDiningRestaurants, nullptr, State::Cleared, 0},
    {Acct::Checking, -11, kPayeeHilltopGas, kMemoFillUp, -4250,
     kCategoryTransportation, kCategoryGasFuel, nullptr, State::Cleared, 0},
    {Acct::Checking, -8, kPayeeGreenleafMarket, kMemoWeeklyGroceries, -11540,
     nullptr, kCategoryGroceries, nullptr, State::Open, 0},
    {Acct::Checking, -6, kPayeeBrightpathInc, kMemoBiweeklyPaycheck, 285000,
     nullptr, kCategorySalaryWages, nullptr, State::Open, 0},
    {Acct::Checking, -5, kPayeeRidgelinePharmacy, kMemoPrescriptions, -3520,
     nullptr, kCategoryMedicalExpenses, nullptr, State::Open, 0},
    {Acct::Checking, -4, kPayeeHilltopGas, kMemoFillUp, -4680,
     kCategoryTransportation, kCategoryGasFuel, nullptr, State::Open, 0},
    {Acct::Checking, -2, kPayeeGreenleafMarket, kMemoWeeklyGroceries, -9475,
     nullptr, kCategoryGroceries, nullptr, State::Open, 0},
    {Acct::Checking, -1, kPayeeMaplewoodDiner, kMemoCoffeePastry, -1285,
     nullptr, kCategoryDiningRestaurants, nullptr, State::Open, 0},
    {Acct::Checking, 0, kPayeeTransferToSavings, kMemoMonthlySavings, -50000,
     nullptr, nullptr, nullptr, State::Open, 2},
    {Acct::Savings, -45, kPayeeRiverbendCreditUnion, kMemoInterestPayment, 820,
     nullptr, kCategoryInterestIncome, nullptr, State::Cleared, 0},
    {Acct::Savings, -30, kPayeeTransferFromChecking, kMemoMonthlySavings, 50000,
     nullptr, nullptr, nullptr, State::Cleared, 1},
    {Acct::Savings, -15, kPayeeRiverbendCreditUnion, kMemoInterestPayment, 875,
     nullptr, kCategoryInterestIncome, nullptr, State::Cleared, 0},
    {Acct::Savings, 0, kPayeeTransferFromChecking, kMemoMonthlySavings, 50000,
     nullptr, nullptr, nullptr, State::Open, 2},
    {Acct::Visa, -55, kPayeeDashDelivery, kMemoFoodDelivery, -3275,
     nullptr, kCategoryDiningRestaurants, nullptr, State::Cleared, 0},
    {Acct::Visa, -50, kPayeeGadgetWorld, kMemoPhoneCase, -2999,
     kCategoryShopping, kCategoryElectronics, nullptr, State::Cleared, 0},
    {Acct::Visa, -45, kPayeeCloudWatchPlus, kMemoCloudStoragePlan, -999,
     nullptr, kCategorySubscriptions, nullptr, State::Cleared, 0},
    {Acct::Visa, -40, kPayeeDashDelivery, kMemoFoodDelivery, -2850,
     nullptr, kCategoryDiningRestaurants, nullptr, State::Cleared, 0},
    {Acct::Visa, -35, kPayeePaymentThankYou, kMemoCreditCardPayment, 10123,
     nullptr, nullptr, nullptr, State::Cleared, 0},
    {Acct::Visa, -30, kPayeeStellarCoffee, kMemoCoffeeBeans, -1895,
     nullptr, kCategoryGroceries, nullptr, State::Cleared, 0},
    {Acct::Visa, -25, kPayeeBookNestOnline, kMemoProgrammingBooks, -4599,
     nullptr, kCategoryEducationExpenses, nullptr, State::Cleared, 0},
    {Acct::Visa, -20, kPayeeDashDelivery, kMemoFoodDelivery, -2650,
     nullptr, kCategoryDiningRestaurants, nullptr, State::Open, 0},
    {Acct::Visa, -15, kPayeePaymentThankYou, kMemoCreditCardPayment, 12993,
     nullptr, nullptr, nullptr, State::Open, 0},
    {Acct::Visa, -10, kPayeeTechVault, kMemoUSBHub, -3499,
     kCategoryShopping, kCategoryElectronics, nullptr, State::Open, 0},
    {Acct::Visa, -5, kPayeeDashDelivery, kMemoFoodDelivery, -3190,
     nullptr, kCategoryDiningRestaurants, nullptr, State::Open, 0},
    {Acct::Visa, -2, kPayeeCloudWatchPlus, kMemoCloudStoragePlan, -999,
     nullptr, kCategorySubscriptions, nullptr, State::Open, 0},
};

struct SampleRecurring
{
    const char* payee;
    const char* memo;
    qint64 cents;
    const char* parent;
    const char* category;
    const char* frequency;
    int nextDueInDays;
};

constexpr SampleRecurring kRecurring[] = {
    {kPayeePinecrestApartments, kMemoMonthlyRent, -145000, kCategoryHousing,
     kCategoryRentMortgagePayment, "monthly", 1},
    {kPayeeBrightpathInc, kMemoBiweeklyPaycheck, 285000, nullptr, kCategorySalaryWages, "biweekly", 8},
    {kPayeeTransferToSavings, kMemoMonthlySavings, -50000, nullptr, nullptr, "monthly", 1},
};

// "sample-<kind>-" and eight hex digits of a fresh random id.
QString sampleId(const char* kind)
{
    return QStringLiteral("sample-%1-%2").arg(QLatin1String(kind), newId().left(8));
}

QVariant translatedOrNull(const char* text)
{
    return text ? QVariant(SampleDataService::tr(text)) : QVariant(QMetaType::fromType<QString>());
}

QVariant latin1OrNull(const char* text)
{
    return SqlValues::textOrNull(text ? QString::fromLatin1(text) : QString());
}

// Runs a prepared statement again with new values; the result is ignored on purpose.
void execWith(QSqlQuery& query, const QVariantList& values)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(int(i), values.at(i));
    query.exec();
}

} // namespace

SampleDataService::SampleDataService(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

bool SampleDataService::hasSampleData() const
{
    return SqlRows::first<bool>(m_database->database(),
                                QStringLiteral("SELECT 1 FROM accounts WHERE id LIKE 'sample-%' LIMIT 1"), {},
                                [](const QSqlQuery&) { return true; })
        .has_value();
}

void SampleDataService::loadSampleData()
{
    buildCategoryLookup();
    const QString now = SqlValues::nowText();
    const QDate today = Clock::today();
    insertAccounts(now);
    insertTransactions(now, today);
    insertRecurring(now, today);
    m_database->announceLedgerReset();
}

bool SampleDataService::clearSampleData()
{
    // Children before parents, so the foreign keys do not refuse the account delete
    // because of sample rows. A row the user added to a sample account under an id
    // of their own still makes the account delete fail, and keeps all three.
    static const char* const kStatements[] = {
        "DELETE FROM split_lines WHERE id LIKE 'sample-%'",
        "DELETE FROM reconciliations WHERE id LIKE 'sample-%'",
        "DELETE FROM recurring_transactions WHERE id LIKE 'sample-%'",
        "DELETE FROM transactions WHERE id LIKE 'sample-%'",
        "DELETE FROM accounts WHERE id LIKE 'sample-%'",
        "DELETE FROM sync_queue WHERE entity_id LIKE 'sample-%'",
    };
    bool cleared = true;
    for (const char* statement : kStatements) {
        QSqlQuery query(m_database->database());
        if (!query.exec(QString::fromLatin1(statement))) {
            SqlValues::logFailure(QStringLiteral("SampleDataService::clearSampleData"), query);
            cleared = false;
        }
    }
    m_database->announceLedgerReset();
    return cleared;
}

void SampleDataService::buildCategoryLookup()
{
    m_categoryIds.clear();
    QSqlQuery query(m_database->database());
    if (!SqlRows::select(query, QStringLiteral("SELECT c.id, c.name, p.name AS parent_name FROM categories c "
                                               "LEFT JOIN categories p ON c.parent_id = p.id "
                                               "WHERE c.deleted_at IS NULL")))
        return;
    while (query.next()) {
        const QString id = SqlValues::text(query, 0);
        const QString name = SqlValues::text(query, 1);
        const QString parentName = SqlValues::text(query, 2);
        m_categoryIds.insert(name, id);
        if (!parentName.isEmpty())
            m_categoryIds.insert(parentName + QLatin1Char('/') + name, id);
    }
}

QString SampleDataService::lookupCategory(const char* name, const char* parentName) const
{
    if (!name)
        return QString();
    const QString translatedName = tr(name);
    if (parentName) {
        // Plain joining: names that hold a slash themselves ("Rent/Mortgage Payment") still match.
        const auto it = m_categoryIds.constFind(tr(parentName) + QLatin1Char('/') + translatedName);
        if (it != m_categoryIds.cend())
            return it.value();
    }
    return m_categoryIds.value(translatedName);
}

void SampleDataService::insertAccounts(const QString& now)
{
    QSqlQuery query(m_database->database());
    query.prepare(QStringLiteral(
        "INSERT INTO accounts (id, name, account_type, currency, institution, account_number_last4, "
        "starting_balance, sort_order, is_shared, version, sync_status, created_at, updated_at) "
        "VALUES (?, ?, ?, 'USD', ?, ?, ?, ?, 0, 1, 'pending', ?, ?)"));
    int sortOrder = 0;
    for (const SampleAccount& account : kAccounts) {
        execWith(query, {accountId(account.account), tr(account.name), QString::fromLatin1(account.type),
                         tr(account.institution), QString::fromLatin1(account.last4), 0, sortOrder++, now, now});
    }
}

void SampleDataService::insertTransactions(const QString& now, QDate today)
{
    // Every id is known before the first insert, so that each leg of a transfer
    // can name its partner: the legs of a transfer point at each other, which is
    // what deleting one leg relies on to take the other with it.
    std::array<QString, std::size(kTransactions)> ids;
    for (QString& id : ids)
        id = sampleId("txn");
    const auto partnerOf = [](std::size_t row) {
        for (std::size_t other = 0; other < std::size(kTransactions); ++other) {
            if (other != row && kTransactions[other].transferPair == kTransactions[row].transferPair)
                return other;
        }
        return row;
    };

    QSqlQuery query(m_database->database());
    query.prepare(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, cleared, "
        "reconciled, transfer_link_id, transfer_dest_account_id, is_split, version, sync_status, created_at, "
        "updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, 'pending', ?, ?)"));
    const QVariant noText(QMetaType::fromType<QString>());
    for (std::size_t row = 0; row < std::size(kTransactions); ++row) {
        const SampleTransaction& entry = kTransactions[row];
        QVariant linkId = noText;
        QVariant destinationId = noText;
        if (entry.transferPair != 0) {
            const std::size_t partner = partnerOf(row);
            linkId = ids[partner];
            destinationId = accountId(kTransactions[partner].account);
        }
        execWith(query, {ids[row], accountId(entry.account), SqlValues::dateText(today.addDays(entry.day)),
                         tr(entry.payee), translatedOrNull(entry.memo), QVariant::fromValue<qint64>(entry.cents),
                         SqlValues::textOrNull(lookupCategory(entry.category, entry.parent)),
                         latin1OrNull(entry.check), SqlValues::flag(entry.state != State::Open),
                         SqlValues::flag(entry.state == State::Reconciled), linkId, destinationId, 0, now, now});
    }
}

void SampleDataService::insertRecurring(const QString& now, QDate today)
{
    QSqlQuery query(m_database->database());
    query.prepare(QStringLiteral(
        "INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, category_id, frequency, "
        "start_date, next_due_date, auto_post, is_active, version, sync_status, created_at, updated_at) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 1, 1, 'pending', ?, ?)"));
    const QString startDate = SqlValues::dateText(today.addDays(-60));
    for (const SampleRecurring& entry : kRecurring) {
        execWith(query, {sampleId("rec"), accountId(Acct::Checking), tr(entry.payee), tr(entry.memo),
                         QVariant::fromValue<qint64>(entry.cents),
                         SqlValues::textOrNull(lookupCategory(entry.category, entry.parent)),
                         QString::fromLatin1(entry.frequency), startDate,
                         SqlValues::dateText(today.addDays(entry.nextDueInDays)), now, now});
    }
}
