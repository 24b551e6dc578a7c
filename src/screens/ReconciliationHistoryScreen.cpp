#include "ReconciliationHistoryScreen.h"

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/ReconciliationRepository.h"
#include "state/AppState.h"
#include "widgets/Appearance.h"
#include "widgets/LedgerWatch.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidgetItem* moneyItem(qint64 stored, bool liability, Currency currency)
{
    auto* item = new QTableWidgetItem(formatMoneySigned(stored, liability, currency));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if ((liability ? -stored : stored) < 0)
        item->setForeground(negativeAmountColor());
    return item;
}

} // namespace

ReconciliationHistoryScreen::ReconciliationHistoryScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(12);

    m_titleLabel = new QLabel(tr("Reconciliation History"), this);
    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    applyFontRole(m_titleLabel, 5);
    layout->addWidget(m_titleLabel);
    auto* subtitle = new QLabel(tr("Past reconciliations for this account."), this);
    subtitle->setStyleSheet(mutedTextStyleSheet());
    layout->addWidget(subtitle);
    layout->addSpacing(8);

    m_table = new QTableWidget(0, 4, this);
    m_table->setObjectName(QStringLiteral("historyTable"));
    m_table->setHorizontalHeaderLabels(
        {tr("Statement Date"), tr("Statement Balance"), tr("Reconciled Balance"), tr("Completed")});
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    header->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    layout->addWidget(m_table, 1);

    m_emptyLabel = new QLabel(
        tr("No reconciliations yet. Reconcile your account from the register to see the history here."), this);
    m_emptyLabel->setObjectName(QStringLiteral("emptyLabel"));
    m_emptyLabel->setAlignment(Qt::AlignCenter);
    m_emptyLabel->setWordWrap(true);
    m_emptyLabel->setStyleSheet(mutedTextStyleSheet(QStringLiteral(" padding: 32px;")));
    m_emptyLabel->hide();
    // It takes the hidden table's place, so the title stays at the top.
    layout->addWidget(m_emptyLabel, 1);

    new LedgerWatch(m_state, LedgerPart::Reconciliations | LedgerPart::Accounts, [this] { load(); }, this);
}

void ReconciliationHistoryScreen::setAccount(const QString& accountId)
{
    m_accountId = accountId;
    load();
}

void ReconciliationHistoryScreen::load()
{
    if (m_accountId.isEmpty())
        return;
    const std::optional<Account> account = m_state->accountRepository->findById(m_accountId);
    if (account)
        m_titleLabel->setText(tr("Reconciliation History — %1").arg(account->name));
    const QList<Reconciliation> reconciliations = m_state->reconciliationRepository->listByAccount(m_accountId);
    m_table->setVisible(!reconciliations.isEmpty());
    m_emptyLabel->setVisible(reconciliations.isEmpty());
    if (reconciliations.isEmpty())
        return;

    const bool liability = account && isLiabilityAccount(account->accountType);
    const Currency currency = account ? account->currency : Currency::USD;
    m_table->setRowCount(int(reconciliations.size()));
    for (int row = 0; row < reconciliations.size(); ++row) {
        const Reconciliation& r = reconciliations.at(row);
        m_table->setItem(row, 0, new QTableWidgetItem(r.statementDate.toString(QStringLiteral("MMM d, yyyy"))));
        m_table->setItem(row, 1, moneyItem(r.statementBalance, liability, currency));
        m_table->setItem(row, 2, moneyItem(r.reconciledBalance, liability, currency));
        m_table->setItem(row, 3, new QTableWidgetItem(
                                     r.completedAt.toLocalTime().toString(QStringLiteral("MMM d, yyyy h:mm ap"))));
    }
}
