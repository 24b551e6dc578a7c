#include "SearchScreen.h"

#include "SearchResultsModel.h"

#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/Clock.h"
#include "data/SearchFilter.h"
#include "data/TransactionRepository.h"
#include "register/TransactionActions.h"
#include "register/TransactionDetailsDialog.h"
#include "state/AppState.h"
#include "widgets/ElidedComboBox.h"
#include "widgets/LedgerWatch.h"
#include "widgets/ModalDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// What the filter row leaves each combo box when the window opens 800 pixels
// wide at the default font.
constexpr int kFilterComboLetters = 6;

} // namespace

SearchScreen::SearchScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    m_searchEdit = new QLineEdit(this);
    m_searchEdit->setObjectName(QStringLiteral("searchEdit"));
    m_searchEdit->setPlaceholderText(tr("Search payee, memo, check number..."));
    m_searchEdit->setClearButtonEnabled(true);
    layout->addWidget(m_searchEdit);
    buildFilterRow(layout);

    m_resultsModel = new SearchResultsModel(this);
    m_resultsView = new QTableView(this);
    m_resultsView->setObjectName(QStringLiteral("resultsView"));
    m_resultsView->setModel(m_resultsModel);
    m_resultsView->setAlternatingRowColors(true);
    m_resultsView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_resultsView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_resultsView->verticalHeader()->hide();
    m_resultsView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (const int column : {RegisterModel::PayeeColumn, RegisterModel::CategoryColumn, RegisterModel::MemoColumn})
        m_resultsView->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
    m_resultsView->setColumnHidden(RegisterModel::BalanceColumn, true);
    m_resultsView->setContextMenuPolicy(Qt::CustomContextMenu);
    layout->addWidget(m_resultsView, 1);

    m_searchTimer = new QTimer(this);
    m_searchTimer->setObjectName(QStringLiteral("searchTimer"));
    m_searchTimer->setSingleShot(true);
    m_searchTimer->setInterval(300);
    connect(m_searchEdit, &QLineEdit::textChanged, m_searchTimer, qOverload<>(&QTimer::start));
    connect(m_searchTimer, &QTimer::timeout, this, &SearchScreen::performSearch);
    connect(m_resultsView, &QTableView::doubleClicked, this, &SearchScreen::onDoubleClicked);
    connect(m_resultsView, &QTableView::customContextMenuRequested, this, &SearchScreen::onContextMenu);

    // Rows changed elsewhere (the register, a sync) must not linger here.
    new LedgerWatch(m_state, LedgerPart::Transactions, [this] { performSearch(); }, this);
}

void SearchScreen::buildFilterRow(QVBoxLayout* layout)
{
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Account:"), this));
    m_accountCombo = addFilterCombo("accountCombo");
    m_accountCombo->addItem(tr("All Accounts"), QString());
    row->addWidget(m_accountCombo);
    row->addWidget(new QLabel(tr("Category:"), this));
    m_categoryCombo = addFilterCombo("categoryCombo");
    m_categoryCombo->addItem(tr("All Categories"), QString());
    row->addWidget(m_categoryCombo);
    m_dateRangeCheck = new QCheckBox(tr("Date range:"), this);
    m_dateRangeCheck->setObjectName(QStringLiteral("dateRangeCheck"));
    row->addWidget(m_dateRangeCheck);
    const QDate today = Clock::today();
    m_dateFromEdit = addDateEdit("dateFromEdit");
    m_dateFromEdit->setDate(today.addMonths(-1));
    row->addWidget(m_dateFromEdit);
    row->addWidget(new QLabel(tr("to"), this));
    m_dateToEdit = addDateEdit("dateToEdit");
    m_dateToEdit->setDate(today);
    row->addWidget(m_dateToEdit);
    m_clearedOnlyCheck = new QCheckBox(tr("Cleared only"), this);
    m_clearedOnlyCheck->setObjectName(QStringLiteral("clearedOnlyCheck"));
    row->addWidget(m_clearedOnlyCheck);
    row->addStretch();
    layout->addLayout(row);

    connect(m_accountCombo, &QComboBox::currentIndexChanged, this, &SearchScreen::performSearch);
    connect(m_categoryCombo, &QComboBox::currentIndexChanged, this, &SearchScreen::performSearch);
    connect(m_dateRangeCheck, &QCheckBox::toggled, this, [this](bool checked) {
        m_dateFromEdit->setEnabled(checked);
        m_dateToEdit->setEnabled(checked);
        performSearch();
    });
    connect(m_clearedOnlyCheck, &QCheckBox::toggled, this, &SearchScreen::performSearch);
}

QComboBox* SearchScreen::addFilterCombo(const char* name)
{
    auto* combo = new ElidedComboBox(this);
    combo->setObjectName(QLatin1String(name));
    // As wide as a short name, not the longest: an account or category named at
    // length would otherwise widen the window past its size. A longer choice
    // shows cut with "…"; the open list still shows every name whole.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(kFilterComboLetters);
    return combo;
}

QDateEdit* SearchScreen::addDateEdit(const char* name)
{
    auto* edit = new QDateEdit(this);
    edit->setObjectName(QLatin1String(name));
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    edit->setEnabled(false);
    connect(edit, &QDateEdit::dateChanged, this, [this] {
        if (m_dateRangeCheck->isChecked())
            performSearch();
    });
    return edit;
}

void SearchScreen::populateFilterCombos()
{
    {
        const QSignalBlocker accounts(m_accountCombo);
        const QSignalBlocker categories(m_categoryCombo);
        m_accountCombo->clear();
        m_accountCombo->addItem(tr("All Accounts"), QString());
        for (const Account& account : m_state->accountRepository->listActive())
            m_accountCombo->addItem(account.name, account.id);
        m_categoryCombo->clear();
        m_categoryCombo->addItem(tr("All Categories"), QString());
        for (const Category& category : m_state->categoryRepository->listAll())
            m_categoryCombo->addItem(category.name, category.id);
    }
    performSearch();
}

void SearchScreen::focusSearchField()
{
    m_searchEdit->setFocus(Qt::OtherFocusReason);
    m_searchEdit->selectAll();
}

void SearchScreen::performSearch()
{
    SearchFilter filter;
    filter.accountId = m_accountCombo->currentData().toString();
    filter.categoryId = m_categoryCombo->currentData().toString();
    if (m_dateRangeCheck->isChecked()) {
        filter.dateFrom = m_dateFromEdit->date();
        filter.dateTo = m_dateToEdit->date();
    }
    // Unchecked means cleared and uncleared alike, not uncleared only.
    if (m_clearedOnlyCheck->isChecked())
        filter.cleared = true;
    QList<RegisterRow> rows = m_state->transactionRepository->search(m_searchEdit->text().trimmed(), filter);
    QHash<QString, Currency> currencies;
    for (const RegisterRow& row : std::as_const(rows)) {
        if (currencies.contains(row.accountId))
            continue;
        const std::optional<Account> account = m_state->accountRepository->findById(row.accountId);
        currencies.insert(row.accountId, account ? account->currency : Currency::USD);
    }
    m_resultsModel->setResults(std::move(rows), currencies);
}

void SearchScreen::onDoubleClicked(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    const QString id = m_resultsModel->transactionAt(index.row()).id;
    emit editTransactionRequested(id);
    runRowAction(id, [this](const Transaction& t) { return TransactionActions::editTransaction(m_state, t, this); });
}

void SearchScreen::onContextMenu(const QPoint& pos)
{
    const QModelIndex index = m_resultsView->indexAt(pos);
    if (!index.isValid())
        return;
    const RegisterRow transaction = m_resultsModel->transactionAt(index.row());
    const QString id = transaction.id;
    AppState* state = m_state;
    QMenu menu(this);
    const auto add = [&](const QString& text, const RowAction& action) {
        menu.addAction(text, this, [this, id, action] { runRowAction(id, action); });
    };
    add(tr("Show &Details..."), [this](const Transaction& t) { return showDetails(t); });
    add(transaction.isSplit ? tr("Edit &Splits...") : tr("&Split Transaction..."),
        [this, state](const Transaction& t) { return TransactionActions::editSplits(state, t, this); });
    add(tr("&Edit in Dialog..."),
        [this, state](const Transaction& t) { return TransactionActions::editTransaction(state, t, this); });
    add(tr("D&uplicate..."),
        [this, state](const Transaction& t) { return TransactionActions::duplicateTransaction(state, t, this); });
    if (!transaction.reconciled) {
        add(transaction.cleared ? tr("Mark &Uncleared") : tr("Mark &Cleared"),
            [state](const Transaction& t) { return TransactionActions::toggleCleared(state, t); });
    }
    menu.addSeparator();
    add(tr("&Delete..."),
        [this, state](const Transaction& t) { return TransactionActions::deleteWithConfirmation(state, t, this); });
    menu.exec(m_resultsView->viewport()->mapToGlobal(pos));
}

void SearchScreen::runRowAction(const QString& transactionId, const RowAction& action)
{
    // The row shown may be older than the ledger (a sync can land while the menu
    // is open), and the actions write back the whole transaction: act on the
    // stored one, or on nothing when it is gone.
    const std::optional<Transaction> stored = liveTransaction(transactionId);
    if (!stored || action(*stored))
        performSearch();
}

std::optional<Transaction> SearchScreen::liveTransaction(const QString& transactionId) const
{
    std::optional<Transaction> stored = m_state->transactionRepository->findById(transactionId);
    if (stored && stored->deletedAt)
        return std::nullopt;
    return stored;
}

bool SearchScreen::showDetails(const Transaction& transaction)
{
    TransactionDetailsDialog details(m_state, transaction, this);
    ModalDialog::exec(&details);
    // The dialog may have changed the cleared mark: go on from the stored row.
    const std::optional<Transaction> current = liveTransaction(transaction.id);
    if (current && !details.deleted() && details.editRequested())
        TransactionActions::editTransaction(m_state, *current, this);
    else if (current && !details.deleted() && details.duplicateRequested())
        TransactionActions::duplicateTransaction(m_state, *current, this);
    return true;
}
