#include "AccountListPanel.h"

#include "AccountCard.h"
#include "AccountItemDelegate.h"
#include "data/AccountRepository.h"
#include "data/BalanceMode.h"
#include "data/Database.h"
#include "data/Money.h"
#include "data/TransactionRepository.h"
#include "state/AppState.h"
#include "widgets/Appearance.h"
#include "widgets/LedgerWatch.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QShortcut>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int kShortcutCount = 10;

QString colorName(const char* dark, const char* light)
{
    return QColor(QLatin1String(isDarkPalette() ? dark : light)).name();
}

QString balanceLabel(BalanceMode mode)
{
    switch (mode) {
    case BalanceMode::Cleared:
        return AccountListPanel::tr("Cleared");
    case BalanceMode::AsOfToday:
        return AccountListPanel::tr("Today");
    case BalanceMode::Current:
        break;
    }
    return AccountListPanel::tr("Total");
}

QString accountIdOf(const QListWidgetItem* item)
{
    return item ? item->data(Qt::UserRole).toString() : QString();
}

} // namespace

AccountListPanel::AccountListPanel(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_listFrame(new QWidget(this))
    , m_list(new QListWidget(m_listFrame))
    , m_delegate(new AccountItemDelegate(m_list))
    , m_summaryLabel(new QLabel(this))
    , m_rebuilder(
          new LedgerWatch(state, LedgerPart::Accounts | LedgerPart::Transactions, [this] { followLedger(); }, this))
{
    // The watch says when to follow the ledger; these say how much of it changed.
    connect(state->transactionRepository, &TransactionRepository::transactionsChanged, this,
            [this](const QString& accountId) {
                if (accountId.isEmpty())
                    m_rebuildNeeded = true;
                else if (!m_changedAccounts.contains(accountId))
                    m_changedAccounts.append(accountId);
            });
    const auto rebuildNeeded = [this] { m_rebuildNeeded = true; };
    connect(state->accountRepository, &AccountRepository::accountsChanged, this, rebuildNeeded);
    connect(state->database, &Database::ledgerReset, this, rebuildNeeded);

    setObjectName(QStringLiteral("accountListPanel"));
    setMinimumWidth(260);
    setMaximumWidth(500);

    // The list's look comes from palettes, its delegate and this frame, which
    // pads it (cards and scroll bar) 6 pixels above and below in its colour: a
    // style sheet would style every card's every label, the dearest part of
    // the window's first paint.
    m_listFrame->setObjectName(QStringLiteral("accountListFrame"));
    m_listFrame->setAutoFillBackground(true);
    m_listFrame->setBackgroundRole(QPalette::Base);
    auto* frameLayout = new QVBoxLayout(m_listFrame);
    frameLayout->setContentsMargins(0, 6, 0, 6);
    frameLayout->setSpacing(0);
    frameLayout->addWidget(m_list);

    m_list->setObjectName(QStringLiteral("accountList"));
    m_list->setMinimumWidth(260);
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setItemDelegate(m_delegate);
    m_list->viewport()->setAttribute(Qt::WA_Hover);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    // The cards follow the list's width, scroll bar or not.
    m_list->installEventFilter(this);
    m_list->viewport()->installEventFilter(this);

    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (const QString id = accountIdOf(item); !id.isEmpty())
            emit accountActivated(id);
    });
    connect(m_list, &QListWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        emit contextMenuRequested(m_list->viewport()->mapToGlobal(pos), accountIdOf(m_list->itemAt(pos)));
    });
    connect(m_list->model(), &QAbstractItemModel::rowsMoved, this, &AccountListPanel::persistOrder);

    m_summaryLabel->setObjectName(QStringLiteral("summaryLabel"));
    applyFontRole(m_summaryLabel, 1);
    m_summaryLabel->setAlignment(Qt::AlignCenter);
    m_summaryLabel->setFixedHeight(32);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_listFrame, 1);
    layout->addWidget(m_summaryLabel, 0);
    refreshStyle();

}

void AccountListPanel::rebuild(Balances balances)
{
    m_rebuildNeeded = true;
    if (balances == Balances::Later)
        rebuildNow(balances);
    else if (m_rebuilder->isPending())
        m_rebuilder->flush();
    else
        rebuildNow();
}

void AccountListPanel::requestRebuild()
{
    m_rebuildNeeded = true;
    m_rebuilder->request();
}

void AccountListPanel::followLedger()
{
    // Nothing recorded means a change these signals do not name: rebuild.
    if (m_rebuildNeeded || !m_balancesShown || m_changedAccounts.isEmpty())
        rebuildNow();
    else
        refreshBalances(std::exchange(m_changedAccounts, {}));
}

void AccountListPanel::refreshBalances(const QStringList& accountIds)
{
    const QHash<QString, MoneySum> read = m_state->transactionRepository->balances(accountIds, m_mode);
    for (int row = 0; row < m_list->count(); ++row) {
        const QString id = accountIdOf(m_list->item(row));
        const auto balance = read.constFind(id);
        if (balance == read.cend())
            continue;
        m_balances.insert(id, *balance);
        if (auto* card = qobject_cast<AccountCard*>(m_list->itemWidget(m_list->item(row))))
            card->setBalance(*balance);
    }
    showTotals();
    emit rebuilt(int(m_accounts.size()));
}

void AccountListPanel::showTotals()
{
    QList<CurrencyAmount> totals;
    // The stored balance: what is owed subtracts from the total.
    for (const Account& account : std::as_const(m_accounts))
        totals.append({account.currency, m_balances.value(account.id)});
    if (m_accounts.isEmpty()) {
        m_summaryLabel->setText(tr("No accounts"));
    } else if (m_balancesShown) {
        const QList<CurrencyAmount> sums = sumByCurrency(totals);
        for (const CurrencyAmount& sum : sums) {
            if (!sum.second.fits())
                MoneySum::logOutOfRange(QStringLiteral("The total in %1").arg(currencyCode(sum.first)));
        }
        m_summaryLabel->setText(formatMoneyTotals(sums, balanceLabel(m_mode)));
    } else {
        m_summaryLabel->clear();
    }
}

void AccountListPanel::rebuildNow(Balances read)
{
    m_rebuildNeeded = false;
    m_changedAccounts.clear();
    m_accounts = m_state->accountRepository->listActive();
    m_mode = dashboardBalanceMode(*m_state->preferencesRepository);
    m_balancesShown = read == Balances::Now;
    m_balances.clear();
    if (m_balancesShown)
        m_balances = m_state->transactionRepository->balances(m_mode);

    m_list->clear();
    const int width = m_list->viewport()->width();
    for (const Account& account : std::as_const(m_accounts)) {
        const MoneySum balance = m_balances.value(account.id);
        // Made in the viewport, where the item would move it.
        auto* card = new AccountCard(account, m_balancesShown ? std::optional(balance) : std::nullopt,
                                     m_list->viewport());
        auto* item = new QListWidgetItem;
        item->setData(Qt::UserRole, account.id);
        // Less room than the delegate's padding clips the name's descenders.
        item->setSizeHint(QSize(width, card->sizeHint().height() + AccountItemDelegate::kPadding.top()
                                           + AccountItemDelegate::kPadding.bottom()));
        m_list->insertItem(m_list->count(), item);
        m_list->setItemWidget(item, card);
    }

    rebuildShortcuts();
    showTotals();
    setCurrentAccount(m_state->currentAccountId);
    emit rebuilt(int(m_accounts.size()));
}

void AccountListPanel::setCurrentAccount(const QString& accountId)
{
    if (accountId.isEmpty())
        return;
    for (int row = 0; row < m_list->count(); ++row) {
        if (accountIdOf(m_list->item(row)) == accountId) {
            m_list->setCurrentRow(row);
            return;
        }
    }
}

void AccountListPanel::persistOrder()
{
    QList<QPair<QString, int>> orders;
    for (int row = 0; row < m_list->count(); ++row) {
        if (const QString id = accountIdOf(m_list->item(row)); !id.isEmpty())
            orders.append({id, row});
    }
    // Its change signal rebuilds the list in the new order.
    m_state->accountRepository->updateSortOrders(orders);
}

void AccountListPanel::refitItems()
{
    const int width = m_list->viewport()->width();
    if (width < 1)
        return;
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem* item = m_list->item(row);
        if (item->sizeHint().width() != width)
            item->setSizeHint(QSize(width, item->sizeHint().height()));
    }
}

void AccountListPanel::rebuildShortcuts()
{
    qDeleteAll(m_shortcuts);
    m_shortcuts.clear();
    const int count = qMin(m_list->count(), kShortcutCount);
    for (int row = 0; row < count; ++row) {
        // Alt+1 .. Alt+9, then Alt+0 for the tenth.
        const int digit = (row + 1) % kShortcutCount;
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_0 + digit)), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this,
                [this, id = accountIdOf(m_list->item(row))] { emit accountActivated(id); });
        m_shortcuts.append(shortcut);
    }
}

void AccountListPanel::refreshStyle()
{
    const QColor background(colorName("#152420", "#EDF3EF"));
    // The frame's and the viewport's background. Not the window colour: the
    // list's scroll bar keeps the window's.
    QPalette palette = m_listFrame->palette();
    palette.setColor(QPalette::Base, background);
    m_listFrame->setPalette(palette);
    QFont font = m_list->font();
    font.setPointSize(scaledAppFont().pointSize());
    m_list->setFont(font);
    m_delegate->setColors(QColor(colorName("#1E3530", "#E2EDE7")), QColor(colorName("#26574A", "#D2E5DC")));
    m_list->viewport()->update();
    m_summaryLabel->setStyleSheet(summaryStyleSheet());
}

QString AccountListPanel::summaryStyleSheet() const
{
    return QStringLiteral("background: %1; color: %2; border-top: 1px solid %3; padding: 4px;")
        .arg(colorName("#152420", "#EDF3EF"), colorName("#8FAF9F", "#4A6358"), colorName("#1E3028", "#D8E0DB"));
}

bool AccountListPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
        refitItems();
    return QWidget::eventFilter(watched, event);
}
