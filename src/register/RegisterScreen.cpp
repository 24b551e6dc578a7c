#include "RegisterScreen.h"

#include "RegisterChangeWatch.h"
#include "RegisterDelegate.h"
#include "RegisterEntryCommit.h"
#include "RegisterFilterDialog.h"
#include "RegisterModel.h"
#include "RegisterPlace.h"
#include "RegisterTableView.h"
#include "TransactionActions.h"

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/PreferencesRepository.h"
#include "data/TransactionRepository.h"
#include "state/AppState.h"
#include "widgets/Appearance.h"
#include "widgets/MessageBox.h"
#include "widgets/ModalDialog.h"
#include "widgets/ReloadCoalescer.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <utility>

namespace {

const QString kMutedColor = QStringLiteral("#6E8A7E");

const QString kSettingsGroup = QStringLiteral("register");
const QString kSortColumnKey = QStringLiteral("register/sortColumn");
const QString kSortOrderKey = QStringLiteral("register/sortOrder");
const QString kDismissedKey = QStringLiteral("reversedOpeningDismissed");

const QString kShowBalance = QStringLiteral("registerShowBalance");
const QString kTwoLine = QStringLiteral("registerTwoLine");
const QString kHighlightOverdrawn = QStringLiteral("registerHighlightOverdrawn");
const QString kNewestFirst = QStringLiteral("registerNewestFirst");

constexpr std::array<int, RegisterModel::ColumnCount> kDefaultWidths = {130, 60, 250, 180, 180, 100, 100, 35, 110};
constexpr int kRowHeight = 36;
constexpr int kTwoLineExtraHeight = 16;

QString widthKey(int column)
{
    return QStringLiteral("register/colWidth/%1").arg(column);
}

QString hiddenKey(int column)
{
    return QStringLiteral("register/colHidden/%1").arg(column);
}

QString colorStyle(const QString& color, const QString& extra = QString())
{
    return QStringLiteral("color: %1;%2").arg(color, extra);
}

} // namespace

RegisterScreen::RegisterScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(24, 24, 24, 24);
    buildHeader(outer);
    buildBanner(outer);

    m_model = new RegisterModel(this);
    m_delegate = new RegisterDelegate(state, this);
    m_commands = new RegisterRowCommands(state, this);
    buildTable();
    restoreColumnLayout();

    connect(m_state->preferencesRepository, &PreferencesRepository::changed, this, [this](const QString& key) {
        if (key != kNewestFirst)
            return;
        const bool newestFirst = m_state->preferencesRepository->getBool(kNewestFirst, false);
        m_table->sortByColumn(RegisterModel::DateColumn, newestFirst ? Qt::DescendingOrder : Qt::AscendingOrder);
    });
    connect(m_table, &QWidget::customContextMenuRequested, this, &RegisterScreen::onContextMenu);
    connect(m_table, &QAbstractItemView::clicked, this, &RegisterScreen::onCellClicked);
    connect(m_table, &QAbstractItemView::doubleClicked, this, &RegisterScreen::onCellDoubleClicked);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                if (current.isValid() && !(previous.isValid() && previous.row() == current.row()))
                    startEditingRow(current.row());
            });
    outer->addWidget(m_table, 1);
    buildStatusLine(outer);

    m_reloader = new ReloadCoalescer([this] { reloadIfStale(); }, this);
    m_changes = new RegisterChangeWatch(state, m_reloader, this);
}

void RegisterScreen::buildHeader(QVBoxLayout* outer)
{
    auto* header = new QHBoxLayout;
    header->setSpacing(16);
    m_titleLabel = new QLabel(this);
    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    applyFontRole(m_titleLabel, 5);
    header->addWidget(m_titleLabel);
    header->addStretch();
    m_clearedLabel = addFigureBlock(header, tr("Cleared"), false);
    m_clearedLabel->setObjectName(QStringLiteral("clearedLabel"));
    m_unclearedLabel = addFigureBlock(header, tr("Uncleared"), false);
    m_unclearedLabel->setObjectName(QStringLiteral("unclearedLabel"));
    m_balanceLabel = addFigureBlock(header, tr("Balance"), true);
    m_balanceLabel->setObjectName(QStringLiteral("balanceLabel"));

    m_newTransactionButton = new QPushButton(tr("&New Transaction"), this);
    m_newTransactionButton->setObjectName(QStringLiteral("newTransactionButton"));
    m_newTransactionButton->setFocusPolicy(Qt::ClickFocus);
    m_newTransactionButton->setToolTip(tr("Add a transaction using the full form"));
    applyAccentButtonStyle(m_newTransactionButton);
    connect(m_newTransactionButton, &QPushButton::clicked, this, &RegisterScreen::newTransactionDialog);
    header->addWidget(m_newTransactionButton);

    m_filterButton = new QPushButton(this);
    m_filterButton->setObjectName(QStringLiteral("filterButton"));
    m_filterButton->setFocusPolicy(Qt::ClickFocus);
    connect(m_filterButton, &QPushButton::clicked, this, &RegisterScreen::openFilterDialog);
    header->addWidget(m_filterButton);
    updateFilterButton();

    m_reconcileButton = new QPushButton(tr("&Reconcile"), this);
    m_reconcileButton->setObjectName(QStringLiteral("reconcileButton"));
    m_reconcileButton->setFocusPolicy(Qt::ClickFocus);
    connect(m_reconcileButton, &QPushButton::clicked, this, [this] { emit reconcileRequested(m_accountId); });
    header->addWidget(m_reconcileButton);
    outer->addLayout(header);

    m_subtitleLabel = new QLabel(this);
    m_subtitleLabel->setObjectName(QStringLiteral("subtitleLabel"));
    applyFontRole(m_subtitleLabel, 2);
    m_subtitleLabel->setStyleSheet(colorStyle(kMutedColor));
    outer->addWidget(m_subtitleLabel);
}

QLabel* RegisterScreen::addFigureBlock(QHBoxLayout* row, const QString& caption, bool bold)
{
    auto* block = new QVBoxLayout;
    block->setSpacing(4);
    auto* captionLabel = new QLabel(caption, this);
    applyFontRole(captionLabel, 2);
    captionLabel->setStyleSheet(colorStyle(kMutedColor));
    captionLabel->setAlignment(Qt::AlignCenter);
    block->addWidget(captionLabel);
    auto* value = new QLabel(this);
    if (bold)
        applyFontRoleWithWeight(value, 3, QFont::Bold);
    else
        applyFontRole(value, 3);
    value->setAlignment(Qt::AlignCenter);
    block->addWidget(value);
    row->addLayout(block);
    return value;
}

void RegisterScreen::buildBanner(QVBoxLayout* outer)
{
    m_bannerFrame = new QFrame(this);
    m_bannerFrame->setObjectName(QStringLiteral("bannerFrame"));
    m_bannerFrame->setFrameShape(QFrame::StyledPanel);
    m_bannerFrame->hide();
    auto* row = new QHBoxLayout(m_bannerFrame);
    row->setContentsMargins(12, 8, 12, 8);
    m_bannerLabel = new QLabel(m_bannerFrame);
    m_bannerLabel->setObjectName(QStringLiteral("bannerLabel"));
    m_bannerLabel->setWordWrap(true);
    row->addWidget(m_bannerLabel, 1);

    auto* creditButton = new QPushButton(tr("No, it is a credit"), m_bannerFrame);
    creditButton->setObjectName(QStringLiteral("creditButton"));
    creditButton->setFocusPolicy(Qt::ClickFocus);
    connect(creditButton, &QPushButton::clicked, this, &RegisterScreen::dismissOpeningBalanceBanner);
    row->addWidget(creditButton);
    auto* oweButton = new QPushButton(tr("Yes, I owe this"), m_bannerFrame);
    oweButton->setObjectName(QStringLiteral("oweButton"));
    oweButton->setFocusPolicy(Qt::ClickFocus);
    applyAccentButtonStyle(oweButton);
    connect(oweButton, &QPushButton::clicked, this, &RegisterScreen::fixOpeningBalance);
    row->addWidget(oweButton);

    outer->addWidget(m_bannerFrame);
    outer->addSpacing(8);
}

void RegisterScreen::buildTable()
{
    m_table = new RegisterTableView(this, this);
    m_table->setObjectName(QStringLiteral("registerTable"));
    m_table->setModel(m_model);
    m_table->setItemDelegate(m_delegate);
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setTabKeyNavigation(false);
    m_table->setFocusPolicy(Qt::StrongFocus);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->setShowGrid(false);
    m_table->installEventFilter(this);
    m_table->viewport()->installEventFilter(this);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);

    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(24);
    m_table->setSortingEnabled(true);
    header->setSortIndicatorShown(true);
    header->setContextMenuPolicy(Qt::CustomContextMenu);

    // Connected only now: turning sorting on sorts once, which is no choice of the user's.
    connect(header, &QHeaderView::customContextMenuRequested, this, &RegisterScreen::showHeaderContextMenu);
    connect(header, &QHeaderView::sectionResized, this,
            [this](int column, int, int newSize) { saveColumnWidth(column, newSize); });
    connect(m_model, &RegisterModel::sortChanged, this, &RegisterScreen::saveSortOrder);
}

void RegisterScreen::buildStatusLine(QVBoxLayout* outer)
{
    auto* bottom = new QHBoxLayout;
    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    applyFontRole(m_statusLabel, 0);
    const QString padding = QStringLiteral(" padding: 2px 4px;");
    m_statusLabel->setStyleSheet(colorStyle(kMutedColor, padding));
    bottom->addWidget(m_statusLabel);
    bottom->addStretch();

    const auto keys = [](const char* sequence) {
        return QKeySequence(QString::fromLatin1(sequence)).toString(QKeySequence::NativeText);
    };
    auto* hint = new QLabel(tr("%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  ': copy above")
                                .arg(keys("Ctrl+Return"), keys("Ctrl+D"), keys("Ctrl+M")),
                            this);
    applyFontRole(hint, 0);
    hint->setStyleSheet(colorStyle(isDarkPalette() ? QStringLiteral("#5A7A6E") : kMutedColor, padding));
    bottom->addWidget(hint);
    outer->addLayout(bottom);
}

void RegisterScreen::setAccount(const QString& accountId, Rows rows)
{
    // Whatever is typed belongs to the row of the account being left.
    discardOpenEditor();
    m_accountId = accountId;
    m_changes->setAccount(accountId);
    m_delegate->setAccountId(accountId);
    m_filter = RegisterFilter::fromJson(m_state->preferencesRepository->getString(registerFilterKey(accountId)));
    updateFilterButton();
    m_focusEntryRowWhenLoaded = rows == Rows::Later;
    if (rows == Rows::Now) {
        reload();
        focusEntryRow();
        return;
    }
    if (const std::optional<Account> account = m_state->accountRepository->findById(accountId)) {
        showHeader(*account);
        applyDisplayPreferences(*account);
    }
    for (QLabel* figure : {m_clearedLabel, m_unclearedLabel, m_balanceLabel})
        figure->clear();
    m_bannerFrame->hide();
    // Without an entry row nobody types into a register still on its way.
    m_model->setEntryRowVisible(false);
    m_model->setTransactions(RegisterRows());
}

void RegisterScreen::reload()
{
    // A change signal of this turn asked for a reload: this is it, run once, now.
    m_changes->markStale();
    m_reloader->flush();
}

void RegisterScreen::reloadIfStale()
{
    if (m_changes->isStale())
        reloadNow();
}

void RegisterScreen::showHeader(const Account& account)
{
    m_titleLabel->setText(account.name);
    QString subtitle = account.institution;
    if (!subtitle.isEmpty() && !account.accountNumberLast4.isEmpty())
        subtitle += QStringLiteral("  ·  *%1").arg(account.accountNumberLast4);
    m_subtitleLabel->setText(subtitle);
    m_subtitleLabel->setVisible(!subtitle.isEmpty());
}

void RegisterScreen::applyDisplayPreferences(const Account& account)
{
    const PreferencesRepository* preferences = m_state->preferencesRepository;
    setTwoLineMode(preferences->getBool(kTwoLine, false));
    const bool showBalance = preferences->getBool(kShowBalance, true);
    m_table->setColumnHidden(RegisterModel::BalanceColumn, !showBalance);
    const bool liability = isLiabilityAccount(account.accountType);
    m_model->setEmphasizeNegativeBalance(showBalance && !liability);
    m_model->setHighlightOverdrawn(preferences->getBool(kHighlightOverdrawn, true));
    m_model->setLiabilityAccount(liability);
    m_model->setCurrency(account.currency);
}

void RegisterScreen::reloadNow()
{
    if (m_accountId.isEmpty() || m_table->isEditing())
        return;
    const std::optional<Account> account = m_state->accountRepository->findById(m_accountId);
    if (!account)
        return;
    showHeader(*account);

    const RegisterPlace place(m_table, m_model);
    RegisterRows rows = m_state->transactionRepository->registerRows(m_accountId);
    const RegisterFigures figures = rows.figures();
    // Running balances stay those of the whole register.
    if (m_filter.activeCount() > 0)
        rows.removeIf([this](const RegisterRow& row) { return !m_filter.matches(row); });

    applyDisplayPreferences(*account);
    m_model->setEntryRowVisible(true);
    m_model->setTransactions(std::move(rows));
    m_changes->markShown();

    updateOpeningBalanceBanner(account->currency);
    showFigures(figures, isLiabilityAccount(account->accountType), account->currency);
    place.restore(m_table, m_model);
    if (std::exchange(m_focusEntryRowWhenLoaded, false))
        focusEntryRow();
}

void RegisterScreen::showOwnChange(const QStringList& ids)
{
    discardOpenEditor();
    // In place only over the whole register as last shown: a filtered one lacks
    // the rows a new row's balance builds on.
    const std::optional<Account> account = m_state->accountRepository->findById(m_accountId);
    if (m_changes->isStale() || m_filter.activeCount() > 0 || !account) {
        reload();
        return;
    }
    const bool liability = isLiabilityAccount(account->accountType);
    const RegisterPlace place(m_table, m_model);
    // As a reload does: what was typed into a row is dropped.
    m_model->setEditRow(-1);
    m_model->resetEntryBuffer();
    bool openingRowTouched = false;
    for (const QString& id : ids) {
        if (id.isEmpty())
            continue;
        std::optional<RegisterRow> fresh = m_state->transactionRepository->registerRow(id);
        if (fresh && fresh->accountId != m_accountId)
            fresh.reset();
        // Only a liability account's opening balance can show the banner.
        if (liability && !openingRowTouched) {
            const int shown = m_model->rowOf(id);
            openingRowTouched = (fresh && isOpeningBalancePayee(fresh->payee))
                                || (shown >= 0 && isOpeningBalancePayee(m_model->transactionAt(shown).payee));
        }
        if (!m_model->applyRow(id, fresh)) {
            reload();
            return;
        }
    }
    if (openingRowTouched)
        updateOpeningBalanceBanner(account->currency);
    showFigures(m_model->rows().figures(), liability, account->currency);
    place.restore(m_table, m_model);
    const QModelIndex current = m_table->currentIndex();
    if (current.isValid())
        startEditingRow(current.row());
}

void RegisterScreen::showFigures(const RegisterFigures& figures, bool liability, Currency currency)
{
    m_clearedLabel->setText(formatMoneySigned(figures.cleared, liability, currency));
    m_unclearedLabel->setText(formatMoneySigned(figures.uncleared, liability, currency));
    m_balanceLabel->setText(formatMoneySigned(figures.total, liability, currency));
    const qint64 shown = liability ? -figures.total : figures.total;
    m_balanceLabel->setStyleSheet(
        colorStyle((shown < 0 ? negativeAmountColor() : positiveAmountColor()).name(QColor::HexRgb).toUpper()));
}

int RegisterScreen::rowForTransactionId(const QString& id) const
{
    return m_model->rowOf(id);
}

QString RegisterScreen::transactionIdAt(int row) const
{
    return isTransactionRow(row) ? m_model->transactionAt(row).id : QString();
}

void RegisterScreen::flashStatus(const QString& text, int milliseconds)
{
    m_statusLabel->setText(text);
    QTimer::singleShot(milliseconds, m_statusLabel, &QLabel::clear);
}

void RegisterScreen::updateFilterButton()
{
    const int active = m_filter.activeCount();
    m_filterButton->setText(active > 0 ? tr("Fi&lter (%1)").arg(active) : tr("Fi&lter"));
    QFont font = m_filterButton->font();
    font.setWeight(active > 0 ? QFont::Bold : QFont::Normal);
    m_filterButton->setFont(font);
    m_filterButton->setToolTip(active > 0 ? tr("Filters are applied. Click to change or clear them.")
                                          : tr("Filter which transactions are listed"));
}

void RegisterScreen::openFilterDialog()
{
    if (m_accountId.isEmpty())
        return;
    RegisterFilterDialog dialog(m_state, m_filter, this);
    if (ModalDialog::exec(&dialog) != QDialog::Accepted)
        return;
    m_filter = dialog.filter();
    const QString key = registerFilterKey(m_accountId);
    if (m_filter.activeCount() > 0)
        m_state->preferencesRepository->set(key, m_filter.toJson());
    else
        m_state->preferencesRepository->remove(key);
    updateFilterButton();
    reloadAfterOwnChange();
}

void RegisterScreen::restoreColumnLayout()
{
    const QSettings settings;
    m_restoringLayout = true;
    const int scale = currentFontScale();
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        int width = kDefaultWidths.at(column);
        if (scale > 100)
            width = scale * width / 100;
        bool stored = false;
        const int storedWidth = settings.value(widthKey(column)).toInt(&stored);
        m_table->horizontalHeader()->resizeSection(column, stored && storedWidth > 0 ? storedWidth : width);
    }
    const bool showBalance = m_state->preferencesRepository->getBool(kShowBalance, true);
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        bool hidden = column != RegisterModel::DateColumn && settings.value(hiddenKey(column), false).toBool();
        if (column == RegisterModel::BalanceColumn)
            hidden = !showBalance;
        m_table->setColumnHidden(column, hidden);
    }
    m_restoringLayout = false;

    int column = RegisterModel::DateColumn;
    Qt::SortOrder order = Qt::AscendingOrder;
    if (!settings.contains(kSortColumnKey)) {
        if (m_state->preferencesRepository->getBool(kNewestFirst, false))
            order = Qt::DescendingOrder;
    } else {
        column = settings.value(kSortColumnKey, 0).toInt();
        if (column < 0 || column >= RegisterModel::ColumnCount)
            column = RegisterModel::DateColumn;
        if (settings.value(kSortOrderKey, 0).toInt() == Qt::DescendingOrder)
            order = Qt::DescendingOrder;
    }
    m_table->sortByColumn(column, order);
}

void RegisterScreen::saveColumnWidth(int column, int newSize)
{
    // Hiding a column first shrinks it to nothing, which is no width the user chose.
    if (m_restoringLayout || newSize == 0)
        return;
    QSettings().setValue(widthKey(column), newSize);
}

void RegisterScreen::saveSortOrder(int column, Qt::SortOrder order)
{
    QSettings settings;
    // Every start sorts as stored; writing the same back would cost a write of the settings file.
    if (settings.contains(kSortColumnKey) && settings.value(kSortColumnKey).toInt() == column
        && settings.value(kSortOrderKey).toInt() == static_cast<int>(order))
        return;
    settings.setValue(kSortColumnKey, column);
    settings.setValue(kSortOrderKey, static_cast<int>(order));
}

void RegisterScreen::showHeaderContextMenu(const QPoint& pos)
{
    QMenu menu(this);
    menu.addSection(tr("Show columns"));
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        QAction* action = menu.addAction(m_model->headerData(column, Qt::Horizontal).toString());
        action->setCheckable(true);
        action->setChecked(!m_table->isColumnHidden(column));
        action->setEnabled(column != RegisterModel::DateColumn
                           && !(column == RegisterModel::MemoColumn && m_model->isTwoLine()));
        connect(action, &QAction::toggled, this, [this, column](bool checked) { setColumnShown(column, checked); });
    }
    menu.addSeparator();
    menu.addAction(tr("Reset register layout"), this, &RegisterScreen::resetColumnLayout);
    menu.exec(m_table->horizontalHeader()->viewport()->mapToGlobal(pos));
}

void RegisterScreen::setColumnShown(int column, bool shown)
{
    // The balance column is a preference, which the main window brings back here.
    if (column == RegisterModel::BalanceColumn) {
        m_state->preferencesRepository->setBool(kShowBalance, shown);
        return;
    }
    m_table->setColumnHidden(column, !shown);
    QSettings().setValue(hiddenKey(column), !shown);
}

void RegisterScreen::resetColumnLayout()
{
    QSettings().remove(kSettingsGroup);
    restoreColumnLayout();
}

void RegisterScreen::setTwoLineMode(bool on)
{
    m_delegate->setTwoLine(on);
    m_table->setColumnHidden(RegisterModel::MemoColumn,
                             on || QSettings().value(hiddenKey(RegisterModel::MemoColumn), false).toBool());
    m_model->setTwoLine(on);
    m_table->verticalHeader()->setDefaultSectionSize(kRowHeight + (on ? kTwoLineExtraHeight : 0));
    m_table->viewport()->update();
}

void RegisterScreen::updateOpeningBalanceBanner(Currency currency)
{
    const bool dismissed = QSettings().value(kDismissedKey).toStringList().contains(m_accountId);
    const std::optional<Transaction> reversed =
        dismissed ? std::nullopt : TransactionActions::reversedOpeningBalance(m_state, m_accountId);
    m_bannerFrame->setVisible(reversed.has_value());
    if (reversed) {
        m_bannerLabel->setText(tr("This account's opening balance is recorded as a credit of %1. If you meant that "
                                  "you owe %1, Vellumry can correct it.")
                                   .arg(formatMoney(reversed->amount, currency)));
    }
}

void RegisterScreen::dismissOpeningBalanceBanner()
{
    QSettings settings;
    QStringList dismissed = settings.value(kDismissedKey).toStringList();
    if (!dismissed.contains(m_accountId)) {
        dismissed.append(m_accountId);
        settings.setValue(kDismissedKey, dismissed);
    }
    m_bannerFrame->hide();
}

void RegisterScreen::fixOpeningBalance()
{
    TransactionActions::fixReversedOpeningBalance(m_state, m_accountId);
    reloadAfterOwnChange();
}

bool RegisterScreen::isTransactionRow(int row) const
{
    return row >= 0 && row < m_model->rowCount() && row != m_model->entryRow();
}

void RegisterScreen::startEditingRow(int row)
{
    if (row == m_model->entryRow()) {
        if (m_model->editRow() != -1)
            m_model->resetEntryBuffer();
        m_model->setEditRow(-1);
        return;
    }
    if (!isTransactionRow(row) || row == m_model->editRow())
        return;
    m_model->loadEntryBuffer(m_model->transactionAt(row));
    m_model->setEditRow(row);
}

void RegisterScreen::newTransactionDialog()
{
    presentNewTransactionDialog(nullptr, false);
}

void RegisterScreen::presentNewTransactionDialog(const Transaction* seed, bool seedFromInlineRow)
{
    if (m_accountId.isEmpty() || !TransactionActions::newTransaction(m_state, m_accountId, seed, this))
        return;
    if (seedFromInlineRow)
        m_model->resetEntryBuffer();
    reloadAfterOwnChange();
    focusEntryRow();
}

void RegisterScreen::editNewRowInDialog()
{
    flushOpenEditor();
    // Its text is in the buffer now; left open, it would keep the register from
    // showing the saved row and write the old text back into the new entry.
    discardOpenEditor();
    const RegisterModel::EntryAmount amount = m_model->entryAmount();
    if (!amount.empty && !amount.cents) {
        flashAmountNotUnderstood(amount.notUnderstood);
        return;
    }
    const Transaction seed = m_model->entryTransaction(m_accountId);
    presentNewTransactionDialog(&seed, true);
}

void RegisterScreen::flashAmountNotUnderstood(const QString& text)
{
    flashStatus(tr("Amount not understood: %1").arg(text), 3000);
}

void RegisterScreen::reloadAfterOwnChange()
{
    discardOpenEditor();
    reload();
}

void RegisterScreen::setMemorizeForm(RegisterRowCommands::MemorizeForm form)
{
    m_commands->setMemorizeForm(std::move(form));
}

void RegisterScreen::onContextMenu(const QPoint& pos)
{
    m_commands->showContextMenu(pos);
}

void RegisterScreen::toggleClearedAt(int row)
{
    if (row == m_model->entryRow()) {
        const bool cleared = m_model->entryText(RegisterModel::ClearedSlot).trimmed().toUpper() == u"C";
        m_model->setEntryText(RegisterModel::ClearedSlot, cleared ? QString() : QStringLiteral("C"));
        m_table->viewport()->update();
        return;
    }
    const QString id = transactionIdAt(row);
    // The mark is flipped on the transaction as stored, every field of which is written back.
    const std::optional<Transaction> stored = m_state->transactionRepository->findById(id);
    if (!stored || stored->deletedAt)
        return;
    if (m_changes->ownWrite([&] { return TransactionActions::toggleCleared(m_state, *stored); }))
        showOwnChange({id});
}

void RegisterScreen::commitCurrentRow()
{
    flushOpenEditor();
    // Its text is in the buffer now. Closed, it lets the register reload; and a
    // refused row stays current, for the typing to go on.
    discardOpenEditor();
    if (m_accountId.isEmpty())
        return;
    const int editRow = m_model->editRow();
    const bool newRow = editRow == -1 || editRow == m_model->entryRow();
    std::optional<RegisterRow> edited;
    if (!newRow && isTransactionRow(editRow))
        edited = m_model->transactionAt(editRow);

    RegisterEntryCommit entry(m_state, m_accountId);
    switch (m_changes->ownWrite([&] { return entry.commit(*m_model, edited ? &*edited : nullptr); })) {
    case RegisterEntryCommit::Outcome::Saved:
        break;
    case RegisterEntryCommit::Outcome::PayeeRequired:
        flashStatus(tr("Payee is required"), 3000);
        return;
    case RegisterEntryCommit::Outcome::AmountRequired:
        flashStatus(tr("Enter a payment or deposit amount"), 3000);
        return;
    case RegisterEntryCommit::Outcome::AmountNotUnderstood:
        flashAmountNotUnderstood(entry.amountText());
        return;
    case RegisterEntryCommit::Outcome::TransferAccountNotFound:
        flashStatus(tr("Transfer account not found"), 3000);
        return;
    case RegisterEntryCommit::Outcome::CurrencyMismatch:
        emit errorMessage(tr("Transfers require both accounts to use the same currency"));
        return;
    case RegisterEntryCommit::Outcome::NotSaved:
        flashStatus(tr("The transaction could not be saved. Please try again."), 5000);
        return;
    case RegisterEntryCommit::Outcome::HeldOnAccount:
        MessageBox::information(this, tr("Opening Balance"),
                                tr("This account's opening balance is held on the account itself.\n\n"
                                   "Set it in the account's settings."));
        return;
    case RegisterEntryCommit::Outcome::OpeningBalanceRow:
        emit editAccountRequested(m_accountId);
        m_model->resetEntryBuffer();
        m_model->setEditRow(-1);
        reload();
        return;
    case RegisterEntryCommit::Outcome::RowGone:
        flashStatus(tr("This transaction was deleted meanwhile, so nothing was saved."), 5000);
        reload();
        return;
    case RegisterEntryCommit::Outcome::Unchanged:
        break;
    }

    const Transaction& saved = entry.transaction();
    if (newRow) {
        if (m_filter.activeCount() > 0 && !m_filter.matches(saved))
            flashStatus(tr("Saved. It isn't listed because of the current filter."), 4000);
        // The next entry starts on the date this one was saved with.
        m_model->setEntryText(RegisterModel::NextEntryDateSlot, saved.date.toString(RegisterModel::kDateFormat));
        showOwnChange({saved.id, saved.transferLinkId});
        focusEntryRow();
        return;
    }
    showOwnChange(edited ? QStringList{edited->id} : QStringList{saved.id, saved.transferLinkId});
    if (editRow + 1 < m_model->rowCount())
        m_table->setCurrentIndex(m_model->index(editRow + 1, RegisterModel::DateColumn));
}

void RegisterScreen::cancelEdit()
{
    discardOpenEditor();
    m_model->resetEntryBuffer();
    m_model->setEditRow(-1);
    const QModelIndex entry = m_model->index(m_model->entryRow(), RegisterModel::DateColumn);
    if (!entry.isValid())
        return;
    m_table->scrollTo(entry);
    m_table->setCurrentIndex(entry);
    m_table->edit(entry);
}

void RegisterScreen::deleteCurrentRow()
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid())
        return;
    const int row = current.row();
    if (row != m_model->entryRow()) {
        m_commands->deleteRow(transactionIdAt(row));
        return;
    }
    // An open editor would write its text back into the emptied buffer.
    discardOpenEditor();
    m_model->resetEntryBuffer();
    m_model->notifyRowChanged(row);
    const QModelIndex first = m_model->index(row, RegisterModel::DateColumn);
    m_table->setCurrentIndex(first);
    m_table->edit(first);
    flashStatus(tr("Fields cleared"), 3000);
}

void RegisterScreen::copyFromAbove()
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid() || current.row() < 1)
        return;
    const int column = current.column();
    // Clr is flipped rather than typed; anything else the row locks (a split's
    // category and amounts, the balance) stays as it is.
    if (column != RegisterModel::ClearedColumn && !m_model->flags(current).testFlag(Qt::ItemIsEditable))
        return;
    const int above = current.row() - 1;
    QString value = m_model->index(above, column).data(Qt::DisplayRole).toString();
    // A new row is never reconciled without a reconciliation; cleared it may be.
    if (column == RegisterModel::ClearedColumn && value == u"R")
        value = QStringLiteral("C");
    m_model->setData(current, value, Qt::EditRole);
    // The category saved is the one copied, not one chosen in this row before.
    if (column == RegisterModel::CategoryColumn) {
        m_model->setEntryText(RegisterModel::CategoryIdSlot,
                              isTransactionRow(above) ? m_model->transactionAt(above).categoryId : QString());
    }
    if (auto* line = qobject_cast<QLineEdit*>(m_table->indexWidget(current)))
        line->setText(value);
}

bool RegisterScreen::eventFilter(QObject* watched, QEvent* event)
{
    if ((watched != m_table && watched != m_table->viewport()) || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    const bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const int row = m_table->currentIndex().row();

    if (enter && ctrl) {
        commitCurrentRow();
    } else if (key->key() == Qt::Key_E && ctrl && !shift) {
        if (row >= 0 && row == m_model->entryRow())
            editNewRowInDialog();
        else
            m_commands->editRowInDialog(transactionIdAt(row));
    } else if (enter && modifiers.testFlag(Qt::AltModifier)) {
        m_commands->showRowDetails(transactionIdAt(row));
    } else if (enter) {
        pressEnter();
    } else if (key->key() == Qt::Key_D && ctrl) {
        deleteCurrentRow();
    } else if (key->key() == Qt::Key_I && ctrl && !shift) {
        cancelEdit();
    } else if (key->key() == Qt::Key_M && ctrl) {
        m_commands->memorize(transactionIdAt(row));
    } else if (key->key() == Qt::Key_Apostrophe && !ctrl && !m_table->isEditing()) {
        // Only a key that reaches the table itself: an editor that passes one on
        // ("Joe's Diner" typed in the payee cell) keeps its apostrophe.
        copyFromAbove();
    } else {
        return QWidget::eventFilter(watched, event);
    }
    return true;
}

void RegisterScreen::pressEnter()
{
    const QModelIndex current = m_table->currentIndex();
    const int column = current.column();
    if (!current.isValid() || m_table->isEditing() || column == RegisterModel::ClearedColumn) {
        advanceToNextField();
        return;
    }
    const int row = current.row();
    const bool lockedSplitCell = isTransactionRow(row) && m_model->transactionAt(row).isSplit
                                 && (column == RegisterModel::CategoryColumn || column == RegisterModel::PaymentColumn
                                     || column == RegisterModel::DepositColumn);
    if (lockedSplitCell) {
        advanceToNextField();
        return;
    }
    startEditingRow(row);
    m_table->edit(current);
}

void RegisterScreen::onCellClicked(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    if (index.column() == RegisterModel::ClearedColumn) {
        toggleClearedAt(index.row());
        return;
    }
    startEditingRow(index.row());
    // Read-only cells (a split's category and amounts) open nothing.
    if (index.column() != RegisterModel::BalanceColumn)
        m_table->edit(index);
}

void RegisterScreen::onCellDoubleClicked(const QModelIndex& index)
{
    const int row = index.row();
    if (isTransactionRow(row) && m_model->transactionAt(row).isSplit)
        m_commands->editRowInDialog(transactionIdAt(row));
}

void RegisterScreen::focusEntryRow()
{
    const int entry = m_model->entryRow();
    if (entry < 0)
        return;
    if (entry == 0)
        m_table->scrollToTop();
    else
        m_table->scrollToBottom();
    m_table->setCurrentIndex(m_model->index(entry, RegisterModel::DateColumn));
}

void RegisterScreen::discardOpenEditor()
{
    if (QWidget* editor = m_table->indexWidget(m_table->currentIndex()))
        emit m_delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void RegisterScreen::flushOpenEditor()
{
    const QModelIndex current = m_table->currentIndex();
    QWidget* editor = m_table->indexWidget(current);
    if (!editor)
        return;
    // The delegate also names the category id after the text shown, not after
    // the item that happens to be current under typed-over text.
    m_delegate->setModelData(editor, m_model, current);
    if (editor->objectName() == QLatin1String("PayeeMemoEditor")) {
        m_table->setFocus();
        emit m_delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

int RegisterScreen::nextVisibleField(int column) const
{
    for (int next = column + 1; next <= RegisterModel::ClearedColumn; ++next) {
        if (!m_table->isColumnHidden(next))
            return next;
    }
    return -1;
}

int RegisterScreen::previousVisibleField(int column) const
{
    for (int previous = column - 1; previous >= 0; --previous) {
        if (!m_table->isColumnHidden(previous))
            return previous;
    }
    return -1;
}

void RegisterScreen::makeFieldCurrent(int column)
{
    const QModelIndex index = m_table->currentIndex().siblingAtColumn(column);
    m_table->setCurrentIndex(index);
    if (m_model->flags(index).testFlag(Qt::ItemIsEditable))
        m_table->edit(index);
}

void RegisterScreen::focusNextField()
{
    stepToNextField(PastLastField::Stay);
}

void RegisterScreen::advanceToNextField()
{
    stepToNextField(PastLastField::Save);
}

void RegisterScreen::stepToNextField(PastLastField pastLast)
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid())
        return;
    flushOpenEditor();
    // From Balance the walk starts over at the first field.
    const int from = current.column() == RegisterModel::BalanceColumn ? -1 : current.column();
    const int column = nextVisibleField(from);
    if (column >= 0)
        makeFieldCurrent(column);
    else if (pastLast == PastLastField::Save && from >= 0)
        commitCurrentRow();
}

void RegisterScreen::advanceToPreviousField()
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid())
        return;
    flushOpenEditor();
    openFieldBackwards(previousVisibleField(current.column()));
}

void RegisterScreen::focusPreviousField()
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid() || current.column() == RegisterModel::DateColumn
        || current.column() == RegisterModel::BalanceColumn)
        return;
    flushOpenEditor();
    openFieldBackwards(previousVisibleField(current.column()));
}

void RegisterScreen::openFieldBackwards(int column)
{
    if (column < 0)
        return;
    makeFieldCurrent(column);
    QWidget* editor = m_table->indexWidget(m_table->currentIndex());
    if (editor && editor->objectName() == QLatin1String("PayeeMemoEditor")) {
        if (auto* memo = editor->findChild<QLineEdit*>(QStringLiteral("memoEdit")))
            memo->setFocus(Qt::BacktabFocusReason);
    }
}

bool RegisterScreen::focusNextPrevChild(bool next)
{
    QWidget* focus = QApplication::focusWidget();
    if (!m_table->hasFocus() && !m_table->isAncestorOf(focus))
        return QWidget::focusNextPrevChild(next);
    if (QWidget* editor = m_table->focusedPayeeMemoEditor()) {
        const QString from = focus->objectName();
        const QString to = next ? QStringLiteral("memoEdit") : QStringLiteral("payeeEdit");
        if (from == (next ? QStringLiteral("payeeEdit") : QStringLiteral("memoEdit"))) {
            if (auto* line = editor->findChild<QLineEdit*>(to))
                line->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    if (next)
        focusNextField();
    else
        focusPreviousField();
    return true;
}
