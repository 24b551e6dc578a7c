#include "AccountFormDialog.h"

#include "FormHelpers.h"

#include "data/Clock.h"
#include "data/Identifiers.h"
#include "data/Money.h"
#include "register/TypedInputCheck.h"
#include "widgets/Appearance.h"
#include "widgets/SmartAmountField.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QVBoxLayout>

namespace {

qint64 signedForType(qint64 amount, AccountType type)
{
    return isLiabilityAccount(type) ? -amount : amount;
}

} // namespace

AccountFormDialog::AccountFormDialog(QWidget* parent)
    : QDialog(parent)
{
    m_account.id = newId();
    setWindowTitle(tr("New Account"));
    buildForm();
}

AccountFormDialog::AccountFormDialog(const Account& account, const std::optional<Transaction>& openingBalance,
                                     QWidget* parent)
    : QDialog(parent)
    , m_account(account)
    , m_editing(true)
{
    setWindowTitle(tr("Edit Account"));
    buildForm();
    fillFromAccount(openingBalance);
}

QString AccountFormDialog::typeName(AccountType type)
{
    switch (type) {
    case AccountType::Checking:
        return tr("Checking");
    case AccountType::Savings:
        return tr("Savings");
    case AccountType::CreditCard:
        return tr("Credit Card");
    case AccountType::Cash:
        return tr("Cash");
    case AccountType::Investment:
        return tr("Investment");
    case AccountType::Loan:
        return tr("Loan");
    case AccountType::Other:
        break;
    }
    return tr("Other");
}

void AccountFormDialog::buildForm()
{
    auto* layout = new QVBoxLayout(this);

    m_openingNote = named(new QLabel(tr("This account already has an opening balance. Changing the amount or date "
                                        "shifts every balance after it."),
                                     this),
                          "openingBalanceNoteLabel");
    m_openingNote->setWordWrap(true);
    m_openingNote->setStyleSheet(QStringLiteral("color: %1; padding: 8px;").arg(negativeAmountColor().name()));
    m_openingNote->hide();
    layout->addWidget(m_openingNote);

    auto* form = new QFormLayout;
    layout->addLayout(form);

    m_nameEdit = named(new QLineEdit(this), "nameEdit");
    m_nameEdit->setPlaceholderText(tr("Account name"));
    form->addRow(tr("&Name:"), m_nameEdit);

    m_typeCombo = named(new QComboBox(this), "typeCombo");
    for (const AccountType type : {AccountType::Checking, AccountType::Savings, AccountType::CreditCard,
                                   AccountType::Cash, AccountType::Investment, AccountType::Loan, AccountType::Other})
        m_typeCombo->addItem(typeName(type), accountTypeToString(type));
    form->addRow(tr("&Type:"), m_typeCombo);

    m_currencyCombo = named(new QComboBox(this), "currencyCombo");
    for (Currency currency : {Currency::USD, Currency::EUR, Currency::GBP, Currency::CAD, Currency::AUD, Currency::JPY})
        m_currencyCombo->addItem(QStringLiteral("%1 (%2)").arg(currencyCode(currency), currencySymbol(currency)),
                                 currencyCode(currency));
    form->addRow(tr("&Currency:"), m_currencyCombo);

    m_balanceField = named(new SmartAmountField(this), "startingBalanceField");
    m_balanceField->keepToTypedLimit(SmartAmountField::Signs::Either);
    m_balanceField->setCurrency(chosenCurrency());
    m_balanceLabel = named(new QLabel(tr("Starting &Balance:"), this), "startingBalanceLabel");
    m_balanceLabel->setBuddy(m_balanceField);
    form->addRow(m_balanceLabel, m_balanceField);
    m_inputCheck = new TypedInputCheck(this);
    m_inputCheck->watch(m_balanceField);

    const QLocale locale;
    m_asOfEdit = named(new QDateEdit(Clock::today(), this), "asOfDateEdit");
    m_asOfEdit->setDisplayFormat(locale.dateFormat(QLocale::ShortFormat));
    m_asOfEdit->setCalendarPopup(true);
    m_asOfEdit->setLocale(locale);
    m_asOfEdit->calendarWidget()->setFirstDayOfWeek(localeFirstDayOfWeek());
    form->addRow(tr("&As of:"), m_asOfEdit);

    m_institutionEdit = named(new QLineEdit(this), "institutionEdit");
    m_institutionEdit->setPlaceholderText(tr("Bank name (optional)"));
    form->addRow(tr("&Institution:"), m_institutionEdit);

    m_numberEdit = named(new QLineEdit(this), "accountNumberEdit");
    m_numberEdit->setMaxLength(4);
    m_numberEdit->setPlaceholderText(tr("Last 4 digits (optional)"));
    form->addRow(tr("Account &Number:"), m_numberEdit);

    m_problemLabel = inputProblemLabel(this);
    layout->addWidget(m_problemLabel);
    auto* buttons = named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this), "buttonBox");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    setMinimumWidth(400);
    m_nameEdit->setFocus();

    connect(m_currencyCombo, &QComboBox::currentIndexChanged, this, &AccountFormDialog::onCurrencyChanged);
    connect(m_typeCombo, &QComboBox::currentIndexChanged, this, &AccountFormDialog::onTypeChanged);
}

void AccountFormDialog::fillFromAccount(const std::optional<Transaction>& openingBalance)
{
    m_nameEdit->setText(m_account.name);
    selectData(m_typeCombo, accountTypeToString(m_account.accountType));
    selectData(m_currencyCombo, currencyCode(m_account.currency));

    const qint64 stored = openingBalance ? openingBalance->amount : m_account.startingBalance;
    m_balanceField->setMinorUnits(signedForType(stored, m_account.accountType));
    if (openingBalance) {
        m_asOfEdit->setDate(openingBalance->date);
        m_openingNote->show();
    }
    m_initialStartingBalance = startingBalanceCents();
    m_initialAsOfDate = asOfDate();

    m_institutionEdit->setText(m_account.institution);
    m_numberEdit->setText(m_account.accountNumberLast4);
}

void AccountFormDialog::accept()
{
    if (m_inputCheck->allRead(m_problemLabel))
        QDialog::accept();
}

AccountType AccountFormDialog::chosenType() const
{
    return accountTypeFromString(m_typeCombo->currentData().toString());
}

Currency AccountFormDialog::chosenCurrency() const
{
    return currencyFromCode(m_currencyCombo->currentData().toString());
}

void AccountFormDialog::onCurrencyChanged()
{
    m_balanceField->setCurrency(chosenCurrency());
}

void AccountFormDialog::onTypeChanged()
{
    m_balanceLabel->setText(isLiabilityAccount(chosenType()) ? tr("Starting &Balance (Amount Owed):")
                                                             : tr("Starting &Balance:"));
}

qint64 AccountFormDialog::startingBalanceCents() const
{
    return signedForType(m_balanceField->minorUnits(), chosenType());
}

QDate AccountFormDialog::asOfDate() const
{
    return m_asOfEdit->date();
}

bool AccountFormDialog::openingBalanceChanged() const
{
    return startingBalanceCents() != m_initialStartingBalance || asOfDate() != m_initialAsOfDate;
}

Account AccountFormDialog::account() const
{
    Account result = m_account;
    const QDateTime now = Clock::nowUtc();
    if (!m_editing) {
        result.createdAt = now;
        result.startingBalance = startingBalanceCents();
    }
    result.name = m_nameEdit->text().trimmed();
    result.accountType = chosenType();
    result.currency = chosenCurrency();
    result.institution = m_institutionEdit->text().trimmed();
    result.accountNumberLast4 = m_numberEdit->text().trimmed();
    result.updatedAt = now;
    result.syncStatus = SyncStatus::Pending;
    return result;
}
