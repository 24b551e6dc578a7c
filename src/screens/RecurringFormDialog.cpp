#include "RecurringFormDialog.h"

#include "FormHelpers.h"

#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Identifiers.h"
#include "data/Money.h"
#include "data/TransactionRepository.h"
#include "register/TypedInputCheck.h"
#include "state/AppState.h"
#include "widgets/DateField.h"
#include "widgets/ModalDialog.h"
#include "widgets/SmartAmountField.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDebug>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringListModel>
#include <QVBoxLayout>


namespace {

void fillDayCombo(QComboBox* combo, const QString& lastDay, int selectedDay)
{
    for (int day = 1; day <= 31; ++day)
        combo->addItem(QString::number(day), day);
    combo->addItem(lastDay, 0);
    selectData(combo, selectedDay);
}

} // namespace

RecurringFormDialog::RecurringFormDialog(AppState* state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
{
    setWindowTitle(tr("New Recurring Transaction"));
    buildForm();
    fillAccounts();
    fillCategories();
    m_startDateField->setDate(Clock::today());
    m_paymentRadio->setChecked(true);
}

RecurringFormDialog::RecurringFormDialog(AppState* state, const RecurringTransaction& record, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_openedRecord(record)
    , m_editing(true)
{
    setWindowTitle(tr("Edit Recurring Transaction"));
    buildForm();
    fillAccounts();
    fillCategories();
    fillFromRecord();
}

RecurringFormDialog* RecurringFormDialog::createFromSeed(AppState* state, const RecurringTransaction& seed,
                                                         QWidget* parent)
{
    auto* dialog = new RecurringFormDialog(state, seed, parent);
    dialog->m_editing = false;
    dialog->m_createdFromSeed = true;
    dialog->setWindowTitle(tr("Memorize Transaction"));
    return dialog;
}

std::optional<RecurringTransaction> RecurringFormDialog::memorize(AppState* state, const RecurringTransaction& seed,
                                                                  QWidget* parent)
{
    RecurringFormDialog* dialog = createFromSeed(state, seed, parent);
    std::optional<RecurringTransaction> record;
    if (ModalDialog::exec(dialog) == QDialog::Accepted)
        record = dialog->recurring();
    dialog->deleteLater();
    return record;
}

void RecurringFormDialog::buildForm()
{
    auto* layout = new QVBoxLayout(this);
    m_form = new QFormLayout;
    m_form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    layout->addLayout(m_form);

    m_accountCombo = named(new QComboBox(this), "accountCombo");
    m_form->addRow(tr("Account:"), m_accountCombo);

    auto* typeRow = new QHBoxLayout;
    m_paymentRadio = named(new QRadioButton(tr("Payment"), this), "paymentRadio");
    m_depositRadio = named(new QRadioButton(tr("Deposit"), this), "depositRadio");
    m_paymentRadio->setChecked(true);
    auto* typeGroup = new QButtonGroup(this);
    typeGroup->addButton(m_paymentRadio);
    typeGroup->addButton(m_depositRadio);
    typeRow->addWidget(m_paymentRadio);
    typeRow->addWidget(m_depositRadio);
    typeRow->addStretch();
    m_form->addRow(tr("Type:"), typeRow);

    m_payeeEdit = named(new QLineEdit(this), "payeeEdit");
    m_payeeEdit->setPlaceholderText(tr("Start typing to search payees..."));
    m_payeeModel = new QStringListModel(this);
    auto* payeeCompleter = new QCompleter(m_payeeModel, this);
    payeeCompleter->setCaseSensitivity(Qt::CaseInsensitive);
    payeeCompleter->setFilterMode(Qt::MatchContains);
    payeeCompleter->setCompletionMode(QCompleter::PopupCompletion);
    payeeCompleter->setMaxVisibleItems(10);
    m_payeeEdit->setCompleter(payeeCompleter);
    m_form->addRow(tr("Payee:"), m_payeeEdit);

    // The sign comes from Payment or Deposit.
    m_amountField = named(new SmartAmountField(this), "amountField");
    m_amountField->keepToTypedLimit(SmartAmountField::Signs::NotNegative);
    m_form->addRow(tr("Amount:"), m_amountField);

    m_categoryCombo = named(new QComboBox(this), "categoryCombo");
    m_categoryCombo->setEditable(true);
    m_categoryCombo->setInsertPolicy(QComboBox::NoInsert);
    m_categoryCombo->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    m_categoryCombo->completer()->setFilterMode(Qt::MatchContains);
    m_categoryCombo->completer()->setCompletionMode(QCompleter::PopupCompletion);
    m_form->addRow(tr("Category:"), m_categoryCombo);

    m_memoEdit = named(new QLineEdit(this), "memoEdit");
    m_memoEdit->setPlaceholderText(tr("Optional"));
    m_form->addRow(tr("Memo:"), m_memoEdit);

    m_frequencyCombo = named(new QComboBox(this), "frequencyCombo");
    const std::pair<QString, RecurringFrequency> frequencies[] = {
        {tr("Daily"), RecurringFrequency::Daily},
        {tr("Weekly"), RecurringFrequency::Weekly},
        {tr("Bi-weekly"), RecurringFrequency::Biweekly},
        {tr("Monthly"), RecurringFrequency::Monthly},
        {tr("Semi-monthly"), RecurringFrequency::Semimonthly},
        {tr("Quarterly"), RecurringFrequency::Quarterly},
        {tr("Semi-annual"), RecurringFrequency::SemiAnnual},
        {tr("Annual"), RecurringFrequency::Annual},
    };
    for (const auto& [text, frequency] : frequencies)
        m_frequencyCombo->addItem(text, frequencyToString(frequency));
    selectData(m_frequencyCombo, frequencyToString(RecurringFrequency::Monthly));
    m_form->addRow(tr("Frequency:"), m_frequencyCombo);

    m_intervalSpin = named(new QSpinBox(this), "intervalSpinBox");
    m_intervalSpin->setRange(1, 99);
    m_intervalSpin->setValue(1);
    m_form->addRow(tr("Repeat every:"), m_intervalSpin);

    m_firstDayCombo = named(new QComboBox(this), "firstDayCombo");
    fillDayCombo(m_firstDayCombo, tr("Last day"), 1);
    m_form->addRow(tr("First day:"), m_firstDayCombo);
    m_secondDayCombo = named(new QComboBox(this), "secondDayCombo");
    fillDayCombo(m_secondDayCombo, tr("Last day"), 15);
    m_form->addRow(tr("Second day:"), m_secondDayCombo);

    m_startDateField = named(new DateField(this), "startDateField");
    m_form->addRow(tr("Start Date:"), m_startDateField);

    auto* endRow = new QHBoxLayout;
    m_hasEndDateCheck = named(new QCheckBox(tr("Has end date"), this), "hasEndDateCheckBox");
    m_endDateField = named(new DateField(this), "endDateField");
    m_endDateField->setEnabled(false);
    endRow->addWidget(m_hasEndDateCheck);
    endRow->addWidget(m_endDateField, 1);
    m_form->addRow(tr("End Date:"), endRow);

    m_autoPostCheck = named(new QCheckBox(tr("Auto-post when due"), this), "autoPostCheckBox");
    m_form->addRow(QString(), m_autoPostCheck);
    m_leadDaysSpin = named(new QSpinBox(this), "leadDaysSpinBox");
    m_leadDaysSpin->setRange(0, 60);
    m_leadDaysSpin->setSuffix(tr(" days"));
    m_leadDaysSpin->setEnabled(false);
    m_form->addRow(tr("Enter in advance:"), m_leadDaysSpin);

    m_activeCheck = named(new QCheckBox(tr("Active"), this), "activeCheckBox");
    m_activeCheck->setChecked(true);
    m_form->addRow(QString(), m_activeCheck);

    m_inputCheck = new TypedInputCheck(this);
    m_inputCheck->watch(m_amountField);
    m_inputCheck->watch(m_startDateField);
    m_inputCheck->watch(m_endDateField);
    m_problemLabel = inputProblemLabel(this);
    layout->addWidget(m_problemLabel);

    layout->addSpacing(12);
    auto* buttons = named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this), "buttonBox");
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_hasEndDateCheck, &QCheckBox::toggled, m_endDateField, &QWidget::setEnabled);
    connect(m_autoPostCheck, &QCheckBox::toggled, m_leadDaysSpin, &QWidget::setEnabled);
    connect(m_frequencyCombo, &QComboBox::currentIndexChanged, this, &RecurringFormDialog::onFrequencyChanged);
    connect(m_intervalSpin, &QSpinBox::valueChanged, this, &RecurringFormDialog::updateRepeatSuffix);
    connect(m_accountCombo, &QComboBox::currentIndexChanged, this, &RecurringFormDialog::onAccountChanged);
    onFrequencyChanged();

    setMinimumWidth(480);
    m_payeeEdit->setFocus();
}

void RecurringFormDialog::accept()
{
    if (m_inputCheck->allRead(m_problemLabel))
        QDialog::accept();
}

void RecurringFormDialog::fillAccounts()
{
    for (const Account& account : m_state->accountRepository->listActive())
        m_accountCombo->addItem(account.name, account.id);
}

void RecurringFormDialog::fillCategories()
{
    const QList<Category> categories = m_state->categoryRepository->listAll();
    QHash<QString, QString> names;
    for (const Category& category : categories)
        names.insert(category.id, category.name);
    m_categoryCombo->addItem(tr("(none)"), QString());
    for (const Category& category : categories) {
        const auto parent = names.constFind(category.parentId);
        const QString text = parent == names.cend() ? category.name
                                                    : QStringLiteral("%1 > %2").arg(*parent, category.name);
        m_categoryCombo->addItem(text, category.id);
    }
}

void RecurringFormDialog::fillFromRecord()
{
    const RecurringTransaction& record = m_openedRecord;
    const std::optional<Account> account = m_state->accountRepository->findById(record.accountId);
    // The account saves with the form: a record of an account that is no longer
    // listed (deleted, or not yet pulled) keeps it unless the user picks another.
    if (!record.accountId.isEmpty() && m_accountCombo->findData(record.accountId) < 0)
        m_accountCombo->addItem(account ? account->name : record.accountId, record.accountId);
    selectData(m_accountCombo, record.accountId);
    (record.amount < 0 ? m_paymentRadio : m_depositRadio)->setChecked(true);
    m_payeeEdit->setText(record.payee);
    if (account)
        m_amountField->setCurrency(account->currency);
    m_amountField->setSizeOf(record.amount);
    m_memoEdit->setText(record.memo);
    selectCategory(record.categoryId);
    selectData(m_frequencyCombo, frequencyToString(record.frequency));
    m_intervalSpin->setValue(record.intervalCount);
    selectData(m_firstDayCombo, record.semimonthlyDay1);
    selectData(m_secondDayCombo, record.semimonthlyDay2);
    onFrequencyChanged();
    m_startDateField->setDate(record.startDate);
    if (record.endDate) {
        m_hasEndDateCheck->setChecked(true);
        m_endDateField->setDate(*record.endDate);
    }
    m_autoPostCheck->setChecked(record.autoPost);
    m_leadDaysSpin->setValue(record.leadDays);
    m_leadDaysSpin->setEnabled(record.autoPost);
    m_activeCheck->setChecked(record.isActive);
}

void RecurringFormDialog::selectCategory(const QString& categoryId)
{
    if (categoryId.isEmpty())
        return;
    // A category deleted since (its row stays, soft-deleted) is not listed; it
    // gets an item of its own, or saving the form would drop it unasked.
    if (m_categoryCombo->findData(categoryId) < 0) {
        const QString path = m_state->categoryRepository->categoryPath(categoryId);
        m_categoryCombo->addItem(path.isEmpty() ? categoryId : path, categoryId);
    }
    selectData(m_categoryCombo, categoryId);
}

void RecurringFormDialog::onAccountChanged()
{
    const QString accountId = m_accountCombo->currentData().toString();
    if (accountId.isEmpty())
        return;
    m_payeeModel->setStringList(m_state->transactionRepository->payeesForAccount(accountId));
    const std::optional<Account> account = m_state->accountRepository->findById(accountId);
    if (account)
        m_amountField->setCurrency(account->currency);
}

RecurringFrequency RecurringFormDialog::chosenFrequency() const
{
    return frequencyFromString(m_frequencyCombo->currentData().toString());
}

void RecurringFormDialog::onFrequencyChanged()
{
    const bool semimonthly = chosenFrequency() == RecurringFrequency::Semimonthly;
    m_form->setRowVisible(m_intervalSpin, !semimonthly);
    m_form->setRowVisible(m_firstDayCombo, semimonthly);
    m_form->setRowVisible(m_secondDayCombo, semimonthly);
    updateRepeatSuffix();
}

void RecurringFormDialog::updateRepeatSuffix()
{
    const QString unit = repeatUnit(chosenFrequency(), m_intervalSpin->value());
    m_intervalSpin->setSuffix(unit.isEmpty() ? QString() : QLatin1Char(' ') + unit);
}

QString RecurringFormDialog::repeatUnit(RecurringFrequency frequency, int count)
{
    const bool one = count == 1;
    switch (frequency) {
    case RecurringFrequency::Daily: return one ? tr("day") : tr("days");
    case RecurringFrequency::Weekly: return one ? tr("week") : tr("weeks");
    case RecurringFrequency::Monthly: return one ? tr("month") : tr("months");
    case RecurringFrequency::Quarterly: return one ? tr("quarter") : tr("quarters");
    case RecurringFrequency::Annual: return one ? tr("year") : tr("years");
    case RecurringFrequency::Biweekly:
    case RecurringFrequency::Semimonthly:
    case RecurringFrequency::SemiAnnual: break;
    }
    return QString();
}

RecurringTransaction RecurringFormDialog::recurring() const
{
    RecurringTransaction result = m_openedRecord;
    const QDateTime now = Clock::nowUtc();
    if (!m_editing) {
        result.id = newId();
        result.createdAt = now;
    }
    result.accountId = m_accountCombo->currentData().toString();
    result.payee = m_payeeEdit->text().trimmed();
    const qint64 magnitude = m_amountField->minorUnits();
    result.amount = m_paymentRadio->isChecked() ? -magnitude : magnitude;
    result.categoryId = m_categoryCombo->currentData().toString();
    result.memo = m_memoEdit->text().trimmed();
    result.frequency = chosenFrequency();
    result.intervalCount = m_intervalSpin->value();
    result.semimonthlyDay1 = m_firstDayCombo->currentData().toInt();
    result.semimonthlyDay2 = m_secondDayCombo->currentData().toInt();

    const QDate typed = m_startDateField->parsedDate();
    qInfo().noquote() << "RecurringFormDialog::recurring() — m_editMode=" << m_editing
                      << "isCreateFromSeed=" << m_createdFromSeed << "widget.date=" << dateTextForLog(typed)
                      << "m_original.startDate=" << dateTextForLog(m_openedRecord.startDate)
                      << "m_original.nextDueDate=" << dateTextForLog(m_openedRecord.nextDueDate);
    result.endDate = m_hasEndDateCheck->isChecked() ? std::optional<QDate>(m_endDateField->parsedDate())
                                                    : std::nullopt;
    // A changed start date restarts the schedule there.
    if (!m_editing || typed != m_openedRecord.startDate) {
        result.startDate = typed;
        result.nextDueDate = typed;
    }
    if (isBrokenRecurringDate(result.startDate)) {
        qWarning().noquote() << "RecurringFormDialog: rejecting invalid startDate" << dateTextForLog(result.startDate)
                             << "— falling back to today";
        result.startDate = Clock::today();
    }
    if (isBrokenRecurringDate(result.nextDueDate)) {
        qWarning().noquote() << "RecurringFormDialog: rejecting invalid nextDueDate"
                             << dateTextForLog(result.nextDueDate) << "— falling back to startDate"
                             << dateTextForLog(result.startDate);
        result.nextDueDate = result.startDate;
    }

    result.autoPost = m_autoPostCheck->isChecked();
    result.leadDays = result.autoPost ? m_leadDaysSpin->value() : 0;
    result.isActive = m_activeCheck->isChecked();
    result.syncStatus = SyncStatus::Pending;
    result.updatedAt = now;
    if (m_editing)
        result.version = m_openedRecord.version + 1;
    return result;
}
