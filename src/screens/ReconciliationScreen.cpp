#include "ReconciliationScreen.h"

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/ReconciliationService.h"
#include "data/TransactionRepository.h"
#include "register/TransactionActions.h"
#include "register/TypedInputCheck.h"
#include "state/AppState.h"
#include "widgets/Appearance.h"
#include "widgets/DateField.h"
#include "widgets/MessageBox.h"
#include "widgets/LedgerWatch.h"
#include "widgets/SmartAmountField.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QLabel* captionLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLabel* valueLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    applyFontRole(label, 7);
    return label;
}

void addSummaryRow(QGridLayout* grid, int row, QLabel* caption, QLabel* value)
{
    grid->addWidget(caption, row, 0);
    grid->addWidget(value, row, 1);
}

void addRule(QGridLayout* grid, int row, QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, row, 0, 1, 2);
}

QList<QKeySequence> keysOf(QKeySequence::StandardKey standard, Qt::Key extra)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    // The same key twice would make the shortcut ambiguous, and then dead.
    if (!keys.contains(QKeySequence(extra)))
        keys.append(QKeySequence(extra));
    return keys;
}

} // namespace

ReconciliationScreen::ReconciliationScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    auto* layout = new QHBoxLayout(this);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(buildSummaryPanel());
    splitter->addWidget(buildTransactionPanel());
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter);

    addCommand(QStringLiteral("addAction"), keysOf(QKeySequence::New, Qt::Key_Insert),
               &ReconciliationScreen::addTransaction);
    addCommand(QStringLiteral("editAction"), {QKeySequence(Qt::Key_F2)},
               &ReconciliationScreen::editSelectedTransaction);
    addCommand(QStringLiteral("deleteAction"), keysOf(QKeySequence::Delete, Qt::Key_Delete),
               &ReconciliationScreen::deleteSelectedTransaction);

    m_watch = new LedgerWatch(m_state, LedgerPart::Transactions, [this] { fillTable(); }, this);
    m_watch->setAccount(QString());
}

QWidget* ReconciliationScreen::buildSummaryPanel()
{
    auto* panel = new QWidget(this);
    panel->setFixedWidth(310);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(16, 16, 16, 16);

    auto* title = new QLabel(tr("Reconcile Account"), panel);
    applyFontRoleWithWeight(title, 3, 700);
    layout->addWidget(title);
    layout->addSpacing(16);

    layout->addWidget(new QLabel(tr("Statement Date:"), panel));
    m_statementDateField = new DateField(panel);
    m_statementDateField->setObjectName(QStringLiteral("statementDateField"));
    layout->addWidget(m_statementDateField);
    layout->addSpacing(8);

    m_statementBalanceCaption = new QLabel(tr("Statement Balance:"), panel);
    m_statementBalanceCaption->setObjectName(QStringLiteral("statementBalanceCaptionLabel"));
    layout->addWidget(m_statementBalanceCaption);
    m_statementBalanceField = new SmartAmountField(panel);
    m_statementBalanceField->setObjectName(QStringLiteral("statementBalanceField"));
    // A statement balance is a figure the bank keeps, as large as any the ledger holds.
    m_statementBalanceField->keepToStoredLimit(SmartAmountField::Signs::Either);
    layout->addWidget(m_statementBalanceField);
    m_inputCheck = new TypedInputCheck(this);
    m_inputCheck->watch(m_statementDateField);
    m_inputCheck->watch(m_statementBalanceField);
    m_problemLabel = inputProblemLabel(panel);
    layout->addWidget(m_problemLabel);
    layout->addSpacing(16);
    connect(m_statementBalanceField, &SmartAmountField::valueChanged, this, &ReconciliationScreen::updateDifference);
    // Past 2^46 whole units two balances a cent apart can be one double, which
    // the spin box does not announce as a change.
    if (auto* edit = m_statementBalanceField->findChild<QLineEdit*>())
        connect(edit, &QLineEdit::textEdited, this, &ReconciliationScreen::updateDifference);

    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 0);

    auto* previousCaption = captionLabel(tr("Previous Balance"), panel);
    m_previousBalanceLabel = valueLabel("previousBalanceLabel", panel);
    m_depositsCaption = captionLabel(tr("Cleared Deposits"), panel);
    m_depositsCaption->setObjectName(QStringLiteral("depositsCaptionLabel"));
    m_depositsLabel = valueLabel("depositsLabel", panel);
    m_withdrawalsCaption = captionLabel(tr("Cleared Withdrawals"), panel);
    m_withdrawalsCaption->setObjectName(QStringLiteral("withdrawalsCaptionLabel"));
    m_withdrawalsLabel = valueLabel("withdrawalsLabel", panel);
    m_clearedBalanceLabel = valueLabel("clearedBalanceLabel", panel);
    auto* statementCaption = captionLabel(tr("Statement Balance"), panel);
    m_statementBalanceLabel = valueLabel("statementBalanceLabel", panel);
    auto* differenceCaption = captionLabel(tr("Difference"), panel);
    applyFontRoleWithWeight(differenceCaption, 0, 700);
    m_differenceLabel = valueLabel("differenceLabel", panel);
    applyFontRoleWithWeight(m_differenceLabel, 7, 700);
    for (QLabel* muted : {previousCaption, m_previousBalanceLabel, statementCaption, m_statementBalanceLabel})
        muted->setStyleSheet(mutedTextStyleSheet());

    addSummaryRow(grid, 0, previousCaption, m_previousBalanceLabel);
    addSummaryRow(grid, 1, m_depositsCaption, m_depositsLabel);
    addSummaryRow(grid, 2, m_withdrawalsCaption, m_withdrawalsLabel);
    addRule(grid, 3, panel);
    addSummaryRow(grid, 4, captionLabel(tr("Cleared Balance"), panel), m_clearedBalanceLabel);
    addSummaryRow(grid, 5, statementCaption, m_statementBalanceLabel);
    addRule(grid, 6, panel);
    addSummaryRow(grid, 7, differenceCaption, m_differenceLabel);
    layout->addLayout(grid);
    layout->addStretch();

    m_finishButton = new QPushButton(tr("Finish Reconciliation"), panel);
    m_finishButton->setObjectName(QStringLiteral("finishButton"));
    m_finishButton->setEnabled(false);
    layout->addWidget(m_finishButton);
    auto* cancelButton = new QPushButton(tr("Cancel"), panel);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    layout->addWidget(cancelButton);
    connect(m_finishButton, &QPushButton::clicked, this, &ReconciliationScreen::finish);
    connect(cancelButton, &QPushButton::clicked, this, &ReconciliationScreen::cancelled);
    return panel;
}

QWidget* ReconciliationScreen::buildTransactionPanel()
{
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 8, 8, 4);
    buttons->setSpacing(8);
    const auto addButton = [&](const QString& text, const QString& toolTip, const char* name,
                               void (ReconciliationScreen::*slot)()) {
        auto* button = new QPushButton(text, panel);
        button->setObjectName(QLatin1String(name));
        button->setToolTip(toolTip);
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, slot);
    };
    addButton(tr("Add Transaction"),
              tr("Add a transaction (%1)").arg(QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText)),
              "addButton", &ReconciliationScreen::addTransaction);
    addButton(tr("Edit"), tr("Edit selected transaction (F2)"), "editButton",
              &ReconciliationScreen::editSelectedTransaction);
    addButton(tr("Delete"), tr("Delete selected transaction (Del)"), "deleteButton",
              &ReconciliationScreen::deleteSelectedTransaction);
    buttons->addStretch();
    layout->addLayout(buttons);

    m_table = new QTableWidget(0, 5, panel);
    m_table->setObjectName(QStringLiteral("transactionTable"));
    m_table->setHorizontalHeaderLabels({QString(), tr("Date"), tr("Payee"), tr("Amount"), tr("Clr")});
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    header->resizeSection(0, 30);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    header->setSectionResizeMode(3, QHeaderView::Fixed);
    header->resizeSection(3, 100);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->installEventFilter(this);
    layout->addWidget(m_table, 1);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int, int column) {
        if (column != 0)
            editSelectedTransaction();
    });
    return panel;
}

void ReconciliationScreen::addCommand(const QString& name, const QList<QKeySequence>& keys,
                                      void (ReconciliationScreen::*slot)())
{
    auto* action = new QAction(this);
    action->setObjectName(name);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, slot);
}

void ReconciliationScreen::start(const QString& accountId)
{
    const std::optional<Account> account = m_state->accountRepository->findById(accountId);
    if (!account)
        return;
    // Only a loaded account can be finished: without one nothing would match a statement.
    m_accountId = accountId;
    m_watch->setAccount(accountId);
    m_currency = account->currency;
    m_statementBalanceField->setCurrency(m_currency);
    m_liability = isLiabilityAccount(account->accountType);
    m_statementBalanceCaption->setText(m_liability ? tr("Statement Balance Owed:") : tr("Statement Balance:"));
    m_depositsCaption->setText(m_liability ? tr("Cleared Payments") : tr("Cleared Deposits"));
    m_withdrawalsCaption->setText(m_liability ? tr("Cleared Charges") : tr("Cleared Withdrawals"));

    const ReconciliationStart begun = m_state->reconciliationService->start(*account);
    m_previousBalance = begun.previousBalance;
    if (begun.statementDate)
        m_statementDateField->setDate(*begun.statementDate);
    fillTable();
}

void ReconciliationScreen::fillTable()
{
    if (m_accountId.isEmpty())
        return;
    QHash<QString, bool> remembered;
    for (int row = 0; row < m_transactions.size(); ++row)
        remembered.insert(m_transactions.at(row).id, m_ticked.at(row));

    m_transactions = m_state->transactionRepository->listUnreconciled(m_accountId);
    m_ticked.clear();
    for (const Transaction& t : std::as_const(m_transactions))
        m_ticked.append(remembered.value(t.id, t.cleared));

    m_table->setRowCount(0);
    m_table->setRowCount(int(m_transactions.size()));
    for (int row = 0; row < m_transactions.size(); ++row)
        fillRow(row);
    updateDifference();
}

void ReconciliationScreen::fillRow(int row)
{
    const Transaction& t = m_transactions.at(row);
    auto* tick = new QCheckBox(m_table);
    tick->setChecked(m_ticked.at(row));
    connect(tick, &QCheckBox::toggled, this, [this, row](bool on) {
        m_ticked[row] = on;
        onTransactionToggled(row);
    });
    m_table->setCellWidget(row, 0, tick);
    m_table->setItem(row, 1, new QTableWidgetItem(t.date.toString(QStringLiteral("MM/dd/yyyy"))));
    m_table->setItem(row, 2, new QTableWidgetItem(t.payee));
    auto* amount = new QTableWidgetItem(formatMoney(t.amount, m_currency));
    amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (t.amount < 0)
        amount->setForeground(negativeAmountColor());
    m_table->setItem(row, 3, amount);
    m_table->setItem(row, 4, new QTableWidgetItem(t.cleared ? QStringLiteral("C") : QString()));
}

void ReconciliationScreen::onTransactionToggled(int)
{
    updateDifference();
}

qint64 ReconciliationScreen::statementBalance() const
{
    return ReconciliationService::storedStatementBalance(m_statementBalanceField->minorUnits(),
                                                         m_liability);
}

QList<Transaction> ReconciliationScreen::tickedTransactions() const
{
    QList<Transaction> ticked;
    for (int row = 0; row < m_transactions.size(); ++row) {
        if (m_ticked.at(row))
            ticked.append(m_transactions.at(row));
    }
    return ticked;
}

void ReconciliationScreen::updateDifference()
{
    const ReconciliationFigures figures =
        ReconciliationService::figures(m_previousBalance, tickedTransactions(), statementBalance());
    const auto show = [this](QLabel* label, const MoneySum& value) {
        label->setText(formatMoneySigned(value, m_liability, m_currency));
    };
    show(m_previousBalanceLabel, figures.previousBalance);
    show(m_depositsLabel, figures.clearedDeposits);
    show(m_withdrawalsLabel, figures.clearedWithdrawals);
    show(m_clearedBalanceLabel, figures.clearedBalance);
    show(m_statementBalanceLabel, figures.statementBalance);
    show(m_differenceLabel, figures.difference);
    const QColor colour = figures.difference.isZero() ? positiveAmountColor() : negativeAmountColor();
    m_differenceLabel->setStyleSheet(QStringLiteral("color: %1;").arg(colour.name()));
    m_finishButton->setEnabled(!m_accountId.isEmpty() && figures.difference.isZero());
}

void ReconciliationScreen::finish()
{
    if (!m_finishButton->isEnabled() || !m_inputCheck->allRead(m_problemLabel))
        return;
    if (!m_state->reconciliationService->finish(m_accountId, m_statementDateField->parsedDate(), statementBalance(),
                                                m_previousBalance, tickedTransactions())) {
        MessageBox::warning(this, tr("Reconciliation Not Saved"),
                            tr("The reconciliation could not be saved, and nothing was changed. Please try again."));
        return;
    }
    MessageBox::information(this, tr("Reconciliation Complete"), tr("Account reconciled successfully."));
    emit reconciliationCompleted();
}

int ReconciliationScreen::currentRow() const
{
    const int row = m_table->currentRow();
    return row >= 0 && row < m_transactions.size() ? row : -1;
}

void ReconciliationScreen::addTransaction()
{
    if (m_accountId.isEmpty())
        return;
    TransactionActions::newTransaction(m_state, m_accountId, nullptr, this);
    fillTable();
}

void ReconciliationScreen::editSelectedTransaction()
{
    const int row = currentRow();
    if (row < 0)
        return;
    TransactionActions::editTransaction(m_state, m_transactions.at(row), this);
    fillTable();
}

void ReconciliationScreen::deleteSelectedTransaction()
{
    const int row = currentRow();
    if (row < 0)
        return;
    TransactionActions::deleteWithConfirmation(m_state, m_transactions.at(row), this);
    fillTable();
}

bool ReconciliationScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_table || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Space && key != Qt::Key_C && key != Qt::Key_R)
        return QWidget::eventFilter(watched, event);
    const int row = currentRow();
    // The check box's own signal flips the tick and recomputes the difference.
    if (row >= 0)
        qobject_cast<QCheckBox*>(m_table->cellWidget(row, 0))->toggle();
    return true;
}
