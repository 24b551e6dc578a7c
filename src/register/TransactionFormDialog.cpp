#include "TransactionFormDialog.h"

#include "CategoryItems.h"
#include "SplitLinesWidget.h"
#include "TypedInputCheck.h"

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/Category.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/Identifiers.h"
#include "data/LedgerConstants.h"
#include "data/LocalEdit.h"
#include "data/PayeeAutofill.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "data/TransferService.h"
#include "state/AppState.h"
#include "widgets/Appearance.h"
#include "widgets/DateField.h"
#include "widgets/SmartAmountField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>


namespace {

QDate g_lastEnteredDate;

constexpr int kPayeePage = 0;
constexpr int kTransferPage = 1;

// Case-insensitive "contains" completion in a popup, as every choice list here offers.
void setContainsCompletion(QCompleter* completer)
{
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
}

int findExactText(const QComboBox* combo, const QString& text)
{
    return combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

} // namespace

TransactionFormDialog::TransactionFormDialog(AppState* state, const Transaction& transaction, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_accountId(transaction.accountId)
    , m_record(transaction)
    , m_editing(true)
{
    setWindowTitle(tr("Edit Transaction"));
    setupUi();
    populateCategories();
    loadTransaction(transaction);
    if (isOpeningBalancePayee(transaction.payee))
        m_openingBalanceNote->show();
}

TransactionFormDialog::TransactionFormDialog(AppState* state, const QString& accountId, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_accountId(accountId)
{
    setWindowTitle(tr("New Transaction"));
    setupUi();
    populateCategories();
    m_dateField->setDate(g_lastEnteredDate.isValid() ? g_lastEnteredDate : Clock::today());
}

QDate TransactionFormDialog::lastEnteredDate()
{
    return g_lastEnteredDate;
}

void TransactionFormDialog::setupUi()
{
    auto* layout = new QVBoxLayout(this);
    m_openingBalanceNote =
        new QLabel(tr("This is the account's opening balance. Changing the amount or date shifts every balance "
                      "after it."),
                   this);
    m_openingBalanceNote->setObjectName(QStringLiteral("openingBalanceNote"));
    m_openingBalanceNote->setWordWrap(true);
    m_openingBalanceNote->setStyleSheet(QStringLiteral("color: %1; padding: 8px; border-radius: 4px;")
                                            .arg(negativeAmountColor().name()));
    m_openingBalanceNote->hide();
    layout->addWidget(m_openingBalanceNote);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    layout->addLayout(form);

    const std::optional<Account> account = m_state->accountRepository->findById(m_accountId);
    const bool liability = account && isLiabilityAccount(account->accountType);
    if (account)
        m_currency = account->currency;

    auto* types = new QWidget(this);
    auto* typesLayout = new QHBoxLayout(types);
    typesLayout->setContentsMargins(0, 0, 0, 0);
    m_outflowRadio = new QRadioButton(liability ? tr("Charge") : tr("Payment"), types);
    m_outflowRadio->setObjectName(QStringLiteral("outflowRadio"));
    m_inflowRadio = new QRadioButton(liability ? tr("Payment") : tr("Deposit"), types);
    m_inflowRadio->setObjectName(QStringLiteral("inflowRadio"));
    m_transferRadio = new QRadioButton(tr("Transfer"), types);
    m_transferRadio->setObjectName(QStringLiteral("transferRadio"));
    typesLayout->addWidget(m_outflowRadio);
    typesLayout->addWidget(m_inflowRadio);
    typesLayout->addWidget(m_transferRadio);
    typesLayout->addStretch();
    m_outflowRadio->setChecked(true);
    form->addRow(tr("Type:"), types);

    m_dateField = new DateField(this);
    m_dateField->setObjectName(QStringLiteral("dateField"));
    form->addRow(tr("Date:"), m_dateField);
    m_inputCheck = new TypedInputCheck(this);
    m_inputCheck->watch(m_dateField);

    addPayeeRow(form, account);
    m_amountField = new SmartAmountField(this);
    m_amountField->setObjectName(QStringLiteral("amountField"));
    m_amountField->keepToTypedLimit(SmartAmountField::Signs::NotNegative);
    if (account)
        m_amountField->setCurrency(m_currency);
    m_inputCheck->watch(m_amountField);
    form->addRow(tr("Amount:"), m_amountField);

    addCategoryRow(form);
    m_splitLinesWidget = new SplitLinesWidget(m_state, this);
    m_splitLinesWidget->setObjectName(QStringLiteral("splitLinesWidget"));
    m_splitLinesWidget->setCurrency(m_currency);
    m_splitLinesWidget->hide();
    connect(m_splitLinesWidget, &SplitLinesWidget::changed, this, [this] {
        if (m_splitMode)
            m_amountField->setMinorUnits(m_splitLinesWidget->total());
    });
    form->addRow(m_splitLinesWidget);

    m_memoEdit = new QLineEdit(this);
    m_memoEdit->setObjectName(QStringLiteral("memoEdit"));
    m_memoEdit->setPlaceholderText(tr("Optional"));
    form->addRow(tr("Memo:"), m_memoEdit);
    m_checkNumberEdit = new QLineEdit(this);
    m_checkNumberEdit->setObjectName(QStringLiteral("checkNumberEdit"));
    m_checkNumberEdit->setPlaceholderText(tr("Optional"));
    form->addRow(tr("Check #:"), m_checkNumberEdit);
    m_clearedCheck = new QCheckBox(tr("Cleared"), this);
    m_clearedCheck->setObjectName(QStringLiteral("clearedCheck"));
    form->addRow(m_clearedCheck);
    m_problemLabel = inputProblemLabel(this);
    layout->addWidget(m_problemLabel);

    layout->addSpacing(12);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    setMinimumWidth(480);
    m_payeeEdit->setFocus(Qt::OtherFocusReason);
    updateSplitUi();
}

void TransactionFormDialog::addPayeeRow(QFormLayout* form, const std::optional<Account>& account)
{
    m_payeeEdit = new QLineEdit(this);
    m_payeeEdit->setObjectName(QStringLiteral("payeeEdit"));
    m_payeeEdit->setPlaceholderText(tr("Start typing to search payees..."));
    QStringList payees = m_state->transactionRepository->payeesForAccount(m_accountId);
    m_transferTargetCombo = new QComboBox(this);
    m_transferTargetCombo->setObjectName(QStringLiteral("transferTargetCombo"));
    for (const QString& marker : m_state->transferService->payeeMarkers(m_accountId)) {
        if (!payees.contains(marker))
            payees.append(marker);
    }
    for (const Account& other : m_state->accountRepository->listActive()) {
        if (account && other.id != m_accountId && other.currency == account->currency)
            m_transferTargetCombo->addItem(other.name, other.id);
    }
    m_payeeCompleter = new QCompleter(payees, this);
    setContainsCompletion(m_payeeCompleter);
    m_payeeCompleter->setMaxVisibleItems(10);
    m_payeeEdit->setCompleter(m_payeeCompleter);
    connect(m_payeeCompleter, qOverload<const QString&>(&QCompleter::activated), this,
            &TransactionFormDialog::onPayeeSelected);

    m_payeeLabel = new QLabel(tr("Payee:"), this);
    m_payeeStack = new QStackedWidget(this);
    m_payeeStack->insertWidget(kPayeePage, m_payeeEdit);
    m_payeeStack->insertWidget(kTransferPage, m_transferTargetCombo);
    form->addRow(m_payeeLabel, m_payeeStack);
    if (m_transferTargetCombo->count() == 0) {
        m_transferRadio->setEnabled(false);
        m_transferRadio->setToolTip(tr("No other account in this currency to transfer into"));
    }
    connect(m_transferRadio, &QRadioButton::toggled, this, &TransactionFormDialog::updateTransferMode);
}

void TransactionFormDialog::addCategoryRow(QFormLayout* form)
{
    auto* categoryRow = new QHBoxLayout;
    categoryRow->setContentsMargins(0, 0, 0, 0);
    m_categoryCombo = new QComboBox(this);
    m_categoryCombo->setObjectName(QStringLiteral("categoryCombo"));
    m_categoryCombo->setEditable(true);
    m_categoryCombo->setInsertPolicy(QComboBox::NoInsert);
    setContainsCompletion(m_categoryCombo->completer());
    connect(m_categoryCombo->completer(), qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& text) {
                const int index = findExactText(m_categoryCombo, text);
                if (index >= 0)
                    m_categoryCombo->setCurrentIndex(index);
            });
    m_splitButton = new QPushButton(tr("Split..."), this);
    m_splitButton->setObjectName(QStringLiteral("splitButton"));
    m_splitButton->setToolTip(tr("Split this transaction across multiple categories with their own amounts and memos."));
    connect(m_splitButton, &QPushButton::clicked, this, &TransactionFormDialog::onEnterSplit);
    m_singleCategoryButton = new QPushButton(tr("Use single category"), this);
    m_singleCategoryButton->setObjectName(QStringLiteral("singleCategoryButton"));
    m_singleCategoryButton->setToolTip(tr("Drop the split and return to a single-category transaction."));
    connect(m_singleCategoryButton, &QPushButton::clicked, this, &TransactionFormDialog::onClearSplit);
    categoryRow->addWidget(m_categoryCombo, 1);
    categoryRow->addWidget(m_splitButton);
    categoryRow->addWidget(m_singleCategoryButton);
    form->addRow(tr("Category:"), categoryRow);
}

void TransactionFormDialog::populateCategories()
{
    m_categoryCombo->clear();
    m_categoryCombo->addItem(tr("(none)"), QString());
    addCategoryItems(m_categoryCombo, m_state->categoryRepository->listAll());
    m_categoryCombo->setCurrentIndex(0);
}

void TransactionFormDialog::ensureCategoryListed(const QString& categoryId)
{
    if (categoryId.isEmpty() || m_categoryCombo->findData(categoryId) >= 0)
        return;
    const std::optional<Category> category = m_state->categoryRepository->findById(categoryId);
    if (!category)
        return;
    QString text = category->name;
    if (!category->parentId.isEmpty()) {
        if (const std::optional<Category> parent = m_state->categoryRepository->findById(category->parentId))
            text = QStringLiteral("%1 > %2").arg(parent->name, category->name);
    }
    if (category->deletedAt)
        text = tr("%1 (deleted)").arg(text);
    m_categoryCombo->addItem(text, categoryId);
}

void TransactionFormDialog::selectCategory(const QString& categoryId)
{
    const int index = m_categoryCombo->findData(categoryId);
    if (index >= 0)
        m_categoryCombo->setCurrentIndex(index);
}

void TransactionFormDialog::loadSplitLines(const QString& transactionId)
{
    const QList<SplitLine> lines = m_state->splitLineRepository->listByTransaction(transactionId);
    if (lines.isEmpty())
        return;
    m_splitMode = true;
    m_splitLinesWidget->setLines(lines);
}

void TransactionFormDialog::loadTransaction(const Transaction& transaction)
{
    m_dateField->setDate(transaction.date);
    m_payeeEdit->setText(transaction.payee);
    const bool transfer = !transaction.transferLinkId.isEmpty();
    if (transfer) {
        m_transferRadio->setChecked(true);
        updateTransferMode();
        int index = m_transferTargetCombo->findData(transaction.transferDestAccountId);
        if (index < 0) {
            const std::optional<Account> other = m_state->accountRepository->findById(transaction.transferDestAccountId);
            m_transferTargetCombo->addItem(other ? other->name : tr("(account no longer available)"),
                                           transaction.transferDestAccountId);
            index = m_transferTargetCombo->count() - 1;
        }
        m_transferTargetCombo->setCurrentIndex(index);
        m_transferTargetCombo->setEnabled(false);
        m_outflowRadio->setEnabled(false);
        m_inflowRadio->setEnabled(false);
    }
    // An edit never turns a plain transaction into a transfer or back.
    m_transferRadio->setEnabled(false);

    m_amountField->setSizeOf(transaction.amount);
    m_memoEdit->setText(transaction.memo);
    m_checkNumberEdit->setText(transaction.checkNumber);
    m_clearedCheck->setChecked(transaction.cleared);
    if (!transfer)
        (transaction.amount < 0 ? m_outflowRadio : m_inflowRadio)->setChecked(true);
    if (!transaction.categoryId.isEmpty()) {
        ensureCategoryListed(transaction.categoryId);
        selectCategory(transaction.categoryId);
    }
    if (transaction.isSplit)
        loadSplitLines(transaction.id);
    updateSplitUi();
}

void TransactionFormDialog::prefill(const Transaction& seed)
{
    if (seed.date.isValid())
        m_dateField->setDate(seed.date);
    if (!seed.payee.isEmpty())
        m_payeeEdit->setText(seed.payee);
    if (!seed.checkNumber.isEmpty())
        m_checkNumberEdit->setText(seed.checkNumber);
    if (!seed.memo.isEmpty())
        m_memoEdit->setText(seed.memo);
    if (seed.amount != 0) {
        m_amountField->setSizeOf(seed.amount);
        (seed.amount < 0 ? m_outflowRadio : m_inflowRadio)->setChecked(true);
    }
    if (!seed.categoryId.isEmpty()) {
        ensureCategoryListed(seed.categoryId);
        selectCategory(seed.categoryId);
    }
    if (seed.isSplit && !seed.id.isEmpty())
        loadSplitLines(seed.id);
    updateSplitUi();
}

void TransactionFormDialog::updateTransferMode()
{
    const bool transfer = m_transferRadio->isChecked();
    m_payeeStack->setCurrentIndex(transfer ? kTransferPage : kPayeePage);
    m_payeeLabel->setText(transfer ? tr("Account:") : tr("Payee:"));
    m_categoryCombo->setEnabled(!transfer && !m_splitMode);
    m_splitButton->setEnabled(!transfer);
}

void TransactionFormDialog::updateSplitUi()
{
    m_categoryCombo->setEnabled(!m_splitMode && !m_transferRadio->isChecked());
    if (m_splitMode)
        m_categoryCombo->setEditText(tr("\u2014Split\u2014"));
    else if (m_categoryCombo->currentIndex() >= 0)
        m_categoryCombo->setEditText(m_categoryCombo->itemText(m_categoryCombo->currentIndex()));
    m_splitButton->setVisible(!m_splitMode);
    m_singleCategoryButton->setVisible(m_splitMode);
    m_splitLinesWidget->setVisible(m_splitMode);
    m_amountField->setEnabled(!m_splitMode);
    if (m_splitMode) {
        m_amountField->setMinorUnits(m_splitLinesWidget->total());
        resize(std::max(width(), 640), std::max(height(), 540));
    }
}

QString TransactionFormDialog::currentCategoryId() const
{
    // Text typed into the combo that names no category gives no category.
    const int index = findExactText(m_categoryCombo, m_categoryCombo->currentText());
    return index >= 0 ? m_categoryCombo->itemData(index).toString() : QString();
}

bool TransactionFormDialog::isOutflow() const
{
    return m_outflowRadio->isChecked();
}

void TransactionFormDialog::onEnterSplit()
{
    m_splitMode = true;
    const qint64 cents = m_amountField->minorUnits();
    QList<SplitLine> lines;
    if (cents > 0) {
        SplitLine line;
        line.categoryId = currentCategoryId();
        line.amount = cents;
        lines.append(line);
    }
    m_splitLinesWidget->setLines(lines);
    updateSplitUi();
}

void TransactionFormDialog::onClearSplit()
{
    m_splitMode = false;
    updateSplitUi();
}

void TransactionFormDialog::onPayeeSelected(const QString& payee)
{
    const std::optional<PayeeAutofill> fill =
        payeeAutofill(*m_state->transactionRepository, *m_state->categoryRepository, payee, m_accountId);
    if (!fill)
        return;
    m_amountField->setSizeOf(fill->amount);
    (fill->amount < 0 ? m_outflowRadio : m_inflowRadio)->setChecked(true);
    m_memoEdit->setText(fill->memo);
    if (!fill->categoryId.isEmpty())
        selectCategory(fill->categoryId);
}

void TransactionFormDialog::accept()
{
    // In split mode the amount field, switched off, follows the lines' total;
    // the lines are what was typed.
    QString message;
    const bool refused = m_inputCheck->findNotUnderstood(&message)
                         || (m_splitMode && m_splitLinesWidget->findNotUnderstood(&message));
    showInputProblem(m_problemLabel, message);
    if (!refused)
        QDialog::accept();
}

Transaction TransactionFormDialog::transaction()
{
    Transaction result = m_record;
    if (m_editing) {
        stampLocalEdit(result);
    } else {
        result.id = newId();
        result.accountId = m_accountId;
        result.createdAt = Clock::nowUtc();
        result.updatedAt = result.createdAt;
        result.syncStatus = SyncStatus::Pending;
    }
    result.date = m_dateField->parsedDate();

    // An edited transfer keeps its payee and its direction.
    const bool editedTransfer = !m_record.transferLinkId.isEmpty();
    const bool newTransfer = !editedTransfer && m_transferRadio->isChecked();
    if (newTransfer)
        result.payee = kTransferPayeePrefix + m_transferTargetCombo->currentText();
    else if (!editedTransfer)
        result.payee = m_payeeEdit->text().trimmed();

    qint64 cents = 0;
    if (m_splitMode) {
        cents = m_splitLinesWidget->total();
        if (isOutflow())
            cents = -cents;
    } else {
        cents = m_amountField->minorUnits();
        // A new transfer always leaves this account.
        const bool negative = editedTransfer ? m_record.amount < 0 : newTransfer || isOutflow();
        if (negative)
            cents = -cents;
    }
    result.amount = cents;
    result.isSplit = m_splitMode;
    result.categoryId = m_splitMode ? QString() : currentCategoryId();
    result.memo = m_memoEdit->text().trimmed();
    result.checkNumber = m_checkNumberEdit->text().trimmed();
    result.cleared = m_clearedCheck->isChecked();
    g_lastEnteredDate = result.date;
    return result;
}

QList<SplitLine> TransactionFormDialog::splitLines() const
{
    if (!m_splitMode)
        return {};
    return m_splitLinesWidget->lines(isOutflow() ? -1 : 1);
}
