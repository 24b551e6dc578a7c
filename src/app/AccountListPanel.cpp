#include "AccountListPanel.h"

#include "AccountCard.h"
#include "data/AccountRepository.h"
#include "data/BalanceMode.h"
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

namespace {

constexpr int kShortcutCount = 10;
constexpr int kItemVerticalPadding = 14;

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
    , m_list(new QListWidget(this))
    , m_summaryLabel(new QLabel(this))
    , m_rebuilder(
          new LedgerWatch(state, LedgerPart::Accounts | LedgerPart::Transactions, [this] { rebuildNow(); }, this))
{
    setObjectName(QStringLiteral("accountListPanel"));
    setMinimumWidth(260);
    setMaximumWidth(500);

    m_list->setObjectName(QStringLiteral("accountList"));
    m_list->setMinimumWidth(260);
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
    layout->addWidget(m_list, 1);
    layout->addWidget(m_summaryLabel, 0);
    refreshStyle();

}

void AccountListPanel::rebuild(Balances balances)
{
    if (balances == Balances::Later)
        rebuildNow(balances);
    else if (m_rebuilder->isPending())
        m_rebuilder->flush();
    else
        rebuildNow();
}

void AccountListPanel::requestRebuild()
{
    m_rebuilder->request();
}

void AccountListPanel::rebuildNow(Balances read)
{
    const QList<Account> accounts = m_state->accountRepository->listActive();
    const BalanceMode mode = dashboardBalanceMode(*m_state->preferencesRepository);
    QHash<QString, qint64> balances;
    if (read == Balances::Now)
        balances = m_state->transactionRepository->balances(mode);

    m_list->clear();
    const int width = m_list->viewport()->width();
    QList<CurrencyAmount> totals;
    for (const Account& account : accounts) {
        const qint64 balance = balances.value(account.id);
        auto* card = new AccountCard(account, read == Balances::Now ? std::optional(balance) : std::nullopt);
        auto* item = new QListWidgetItem;
        item->setData(Qt::UserRole, account.id);
        // The items' style sheet pads them 7 pixels above and below: less room clips the name's descenders.
        item->setSizeHint(QSize(width, card->sizeHint().height() + kItemVerticalPadding));
        m_list->insertItem(m_list->count(), item);
        m_list->setItemWidget(item, card);
        // The stored balance: what is owed subtracts from the total.
        totals.append({account.currency, balance});
    }

    rebuildShortcuts();
    if (accounts.isEmpty())
        m_summaryLabel->setText(tr("No accounts"));
    else if (read == Balances::Now)
        m_summaryLabel->setText(formatMoneyTotals(sumByCurrency(totals), balanceLabel(mode)));
    else
        m_summaryLabel->clear();
    setCurrentAccount(m_state->currentAccountId);
    emit rebuilt(int(accounts.size()));
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
    m_list->setStyleSheet(listStyleSheet());
    m_summaryLabel->setStyleSheet(summaryStyleSheet());
}

QString AccountListPanel::listStyleSheet() const
{
    return QStringLiteral("QListWidget {  background-color: %1;  border: none;  outline: none;  padding: 6px 0;  "
                          "font-size: %7pt;}QListWidget::item {  color: %2;  padding: 7px 14px;  border: none;}"
                          "QListWidget::item:hover {  background-color: %3;  color: %4;}"
                          "QListWidget::item:selected {  background-color: %5;  color: %4;}"
                          "QListWidget::item:disabled {  color: %6;  padding: 10px 14px 4px 14px;  "
                          "background: transparent;}")
        .arg(colorName("#152420", "#EDF3EF"), colorName("#8FAF9F", "#4A6358"), colorName("#1E3530", "#E2EDE7"),
             colorName("#FFFFFF", "#12211B"), colorName("#26574A", "#D2E5DC"), colorName("#5A7A6E", "#6E8A7E"),
             QString::number(scaledAppFont().pointSize()));
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
