#include "RegisterScreen.h"

#include "RegisterChangeWatch.h"
#include "RegisterColumnLayout.h"
#include "RegisterCommitNotice.h"
#include "RegisterDelegate.h"
#include "RegisterFieldWalk.h"
#include "RegisterFigureLabels.h"
#include "RegisterHeaderBar.h"
#include "RegisterModel.h"
#include "RegisterOpeningBanner.h"
#include "RegisterPlace.h"
#include "RegisterStatusLine.h"
#include "RegisterTableStyle.h"
#include "RegisterTableView.h"
#include "TransactionActions.h"
#include "TypedInputCheck.h"

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/TransactionRepository.h"
#include "state/AppState.h"
#include "widgets/MessageBox.h"
#include "widgets/SteadyScrollBar.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include <utility>

RegisterScreen::RegisterScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_filter(state)
    , m_state(state)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(24, 24, 24, 24);
    m_header = new RegisterHeaderBar(this);
    connect(m_header, &RegisterHeaderBar::newTransactionClicked, this, &RegisterScreen::newTransactionDialog);
    connect(m_header, &RegisterHeaderBar::filterClicked, this, &RegisterScreen::openFilterDialog);
    connect(m_header, &RegisterHeaderBar::reconcileClicked, this, [this] { emit reconcileRequested(m_accountId); });
    outer->addWidget(m_header);
    m_banner = new RegisterOpeningBanner(state, this);
    connect(m_banner, &RegisterOpeningBanner::corrected, this, &RegisterScreen::reloadAfterOwnChange);
    outer->addWidget(m_banner);
    outer->addSpacing(8);

    m_model = new RegisterModel(this);
    m_delegate = new RegisterDelegate(state, this);
    buildTable();
    m_columns = new RegisterColumnLayout(state, m_table, m_model, m_delegate, this);
    m_columns->restore();
    m_walk = new RegisterFieldWalk(m_table, m_model, m_delegate, [this] { commitCurrentRow(); }, this);
    m_changes = new RegisterChangeWatch(state, [this] { reloadIfStale(); }, this);
    m_commands = new RegisterRowCommands(state, this, m_table, m_model, m_changes);
    connect(m_commands, &RegisterRowCommands::rowsWritten, this, &RegisterScreen::showOwnChange);
    connect(m_commands, &RegisterRowCommands::rowsDeleted, this,
            [this](const QStringList& ids) { showWrittenRows(ids, Written::Deleted); });
    connect(m_commands, &RegisterRowCommands::rowAdded, this, [this] {
        reloadAfterOwnChange();
        m_walk->focusEntryRow();
    });
    // Only a looked-at row keeps what was being typed in its open cell.
    connect(m_commands, &RegisterRowCommands::rowLookedAt, this,
            [this](bool changed) { changed ? reloadAfterOwnChange() : reload(); });

    connect(m_table, &QWidget::customContextMenuRequested, this, &RegisterScreen::onContextMenu);
    connect(m_table, &QAbstractItemView::clicked, this, &RegisterScreen::onCellClicked);
    connect(m_table, &QAbstractItemView::doubleClicked, this, &RegisterScreen::onCellDoubleClicked);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                // A row taken out moves the current cell while the rows are
                // half changed; the row current once they are is taken up after.
                if (m_changingRows)
                    return;
                if (current.isValid() && !(previous.isValid() && previous.row() == current.row()))
                    startEditingRow(current.row());
            });
    // A change heard while a cell was typed in waited for the editor to close.
    connect(m_table, &RegisterTableView::editingEnded, m_changes, &RegisterChangeWatch::requestIfStale);
    outer->addWidget(m_table, 1);
    m_statusLine = new RegisterStatusLine(this);
    outer->addWidget(m_statusLine);
    connect(m_delegate, &RegisterDelegate::dateNotUnderstood, this, [this](const QString& text) {
        m_dateNotUnderstood = true;
        flashStatus(TypedInputCheck::dateNotUnderstood(text), 3000);
    });
}

void RegisterScreen::buildTable()
{
    m_table = new RegisterTableView(this, this);
    m_table->setObjectName(QStringLiteral("registerTable"));
    m_table->setModel(m_model);
    m_table->setItemDelegate(m_delegate);
    // The delegate draws the row panels the cells it paints from images hold.
    if (RegisterTableStyle* style = RegisterTableStyle::create(m_table))
        m_table->setStyle(style);
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setTabKeyNavigation(false);
    m_table->setFocusPolicy(Qt::StrongFocus);
    m_table->verticalHeader()->hide();
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->setShowGrid(false);
    m_table->installEventFilter(this);
    m_table->viewport()->installEventFilter(this);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
}

void RegisterScreen::setAccount(const QString& accountId, Rows rows)
{
    // Whatever is typed belongs to the row of the account being left.
    m_walk->discardOpenEditor();
    m_model->setEditRow(-1);
    m_model->resetEntryBuffer();
    m_accountId = accountId;
    m_shownAccount.reset();
    m_changes->setAccount(accountId);
    m_delegate->setAccountId(accountId);
    m_filter.load(accountId);
    updateFilterButton();
    m_focusEntryRowWhenLoaded = rows == Rows::Later;
    if (rows == Rows::Now) {
        reload();
        m_walk->focusEntryRow();
        return;
    }
    if (const std::optional<Account> account = m_state->accountRepository->findById(accountId)) {
        m_header->showAccount(*account);
        m_columns->applyDisplayPreferences(*account);
    }
    m_header->figures()->clear();
    m_banner->hide();
    // Without an entry row nobody types into a register still on its way.
    m_model->setEntryRowVisible(false);
    m_model->setTransactions(RegisterRows());
}

void RegisterScreen::reload()
{
    // A change signal of this turn asked for a reload: this is it, run once, now.
    m_changes->markStale();
    m_changes->flush();
}

void RegisterScreen::reloadIfStale()
{
    if (m_changes->isStale())
        reloadNow();
}

void RegisterScreen::reloadNow()
{
    if (m_accountId.isEmpty() || m_table->isEditing())
        return;
    const std::optional<Account> account = m_state->accountRepository->findById(m_accountId);
    if (!account)
        return;
    m_header->showAccount(*account);

    const RegisterPlace place(m_table, m_model);
    RegisterRows rows = m_state->transactionRepository->registerRows(m_accountId);
    const RegisterFigures figures = rows.figures();
    // Running balances stay those of the whole register.
    if (m_filter.current().activeCount() > 0)
        rows.removeIf([this](const RegisterRow& row) { return !m_filter.current().matches(row); });

    m_columns->applyDisplayPreferences(*account);
    m_model->setEntryRowVisible(true);
    // What is being typed goes on over the rows as they now stand.
    m_model->setTransactions(std::move(rows), RegisterModel::Typing::Keep);
    m_changes->markShown();
    m_shownAccount = account;

    m_banner->refresh(m_accountId, account->currency);
    m_header->figures()->showFigures(figures, isLiabilityAccount(account->accountType), account->currency);
    place.restore(m_table, m_model);
    if (std::exchange(m_focusEntryRowWhenLoaded, false))
        m_walk->focusEntryRow();
}

void RegisterScreen::showOwnChange(const QStringList& ids)
{
    showWrittenRows(ids, Written::Changed);
}

void RegisterScreen::showWrittenRows(const QStringList& ids, Written written)
{
    m_walk->discardOpenEditor();
    // As a reload after a change of one's own does: what was typed into a row
    // is dropped, saved or not.
    m_model->setEditRow(-1);
    m_model->resetEntryBuffer();
    // In place only over the whole register as last shown: a filtered one lacks
    // the rows a new row's balance builds on.
    if (m_changes->isStale() || m_filter.current().activeCount() > 0 || !m_shownAccount) {
        reload();
        return;
    }
    const Account& account = *m_shownAccount;
    const bool liability = isLiabilityAccount(account.accountType);
    // The rows are laid out with the scroll value where it was, then scrolled
    // back into place: the scroll bar shows only where they end up.
    const SteadyScrollBar::Hold scrollBarHold(m_table->verticalScrollBar());
    RegisterPlace place(m_table, m_model);
    // The place is kept below; a current row taken out would otherwise scroll
    // the view to its neighbour first.
    const bool autoScroll = m_table->hasAutoScroll();
    m_table->setAutoScroll(false);
    bool openingRowTouched = false;
    const bool created = written == Written::Created;
    for (const QString& id : ids) {
        if (id.isEmpty())
            continue;
        // A deleted row is known to be gone: reading it back would find nothing.
        std::optional<RegisterRow> fresh =
            written == Written::Deleted ? std::nullopt : m_state->transactionRepository->registerRow(id);
        if (fresh && fresh->accountId != m_accountId)
            fresh.reset();
        const int near = m_table->currentIndex().row();
        // Only a liability account's opening balance can show the banner.
        if (liability && !openingRowTouched) {
            const int shown = created ? -1 : m_model->rowOf(id, near);
            openingRowTouched = (fresh && isOpeningBalancePayee(fresh->payee))
                                || (shown >= 0 && isOpeningBalancePayee(m_model->transactionAt(shown).payee));
        }
        m_changingRows = true;
        const bool applied = created ? !fresh || m_model->applyNewRow(*fresh) : m_model->applyRow(id, fresh, near);
        m_changingRows = false;
        if (!applied) {
            m_table->setAutoScroll(autoScroll);
            reload();
            return;
        }
        if (!fresh)
            place.forget(id);
    }
    if (openingRowTouched)
        m_banner->refresh(m_accountId, account.currency);
    m_header->figures()->showFigures(m_model->rows().figures(), liability, account.currency);
    place.restore(m_table, m_model);
    m_table->setAutoScroll(autoScroll);
    const QModelIndex current = m_table->currentIndex();
    if (current.isValid())
        startEditingRow(current.row());
}

void RegisterScreen::flashStatus(const QString& text, int milliseconds)
{
    m_statusLine->flash(text, milliseconds);
}

void RegisterScreen::updateFilterButton()
{
    m_header->setFilterCount(m_filter.current().activeCount());
}

void RegisterScreen::openFilterDialog()
{
    if (!m_filter.edit(this))
        return;
    updateFilterButton();
    reloadAfterOwnChange();
}

void RegisterScreen::startEditingRow(int row)
{
    if (row == m_model->entryRow()) {
        if (m_model->editRow() != -1)
            m_model->resetEntryBuffer();
        m_model->setEditRow(-1);
        return;
    }
    // The model keeps its edit row on its transaction, so the same row is the same transaction.
    if (!m_model->isTransactionRow(row) || row == m_model->editRow())
        return;
    m_model->loadEditRow(row);
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
    m_walk->focusEntryRow();
}

void RegisterScreen::editNewRowInDialog()
{
    m_walk->flushOpenEditor();
    // Its text is in the buffer now; left open, it would keep the register from
    // showing the saved row and write the old text back into the new entry.
    m_walk->discardOpenEditor();
    const RegisterModel::EntryAmount amount = m_model->entryAmount();
    if (!amount.empty && !amount.cents) {
        using Outcome = RegisterEntryCommit::Outcome;
        showNotice(RegisterCommitNotice::of(amount.tooLarge ? Outcome::AmountTooLarge : Outcome::AmountNotUnderstood,
                                            amount.notUnderstood, QString(), m_model->currency()));
        return;
    }
    const Transaction seed = m_model->entryTransaction(m_accountId);
    presentNewTransactionDialog(&seed, true);
}

void RegisterScreen::showNotice(const RegisterCommitNotice& notice)
{
    switch (notice.kind) {
    case RegisterCommitNotice::Kind::Status:
        flashStatus(notice.text, notice.milliseconds);
        break;
    case RegisterCommitNotice::Kind::Error:
        emit errorMessage(notice.text);
        break;
    case RegisterCommitNotice::Kind::Box:
        MessageBox::information(this, notice.title, notice.text);
        break;
    case RegisterCommitNotice::Kind::None:
        break;
    }
}

void RegisterScreen::reloadAfterOwnChange()
{
    m_walk->discardOpenEditor();
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

void RegisterScreen::showHeaderContextMenu(const QPoint& pos)
{
    m_columns->showHeaderMenu(pos);
}

void RegisterScreen::resetColumnLayout()
{
    m_columns->reset();
}

void RegisterScreen::toggleClearedAt(int row)
{
    if (row == m_model->entryRow()) {
        const bool cleared = m_model->entryText(RegisterModel::ClearedSlot).trimmed().toUpper() == u"C";
        m_model->setEntryText(RegisterModel::ClearedSlot, cleared ? QString() : QStringLiteral("C"));
        m_table->viewport()->update();
        return;
    }
    const QString id = m_model->transactionIdAt(row);
    // The mark is flipped on the transaction as stored, every field of which is written back.
    const std::optional<Transaction> stored = m_state->transactionRepository->findById(id);
    if (!stored || stored->deletedAt)
        return;
    if (m_changes->ownWrite([&] { return TransactionActions::toggleCleared(m_state, *stored); }))
        showOwnChange({id});
}

void RegisterScreen::commitCurrentRow()
{
    m_dateNotUnderstood = false;
    m_walk->flushOpenEditor();
    // Its text is in the buffer now. Closed, it lets the register reload; and a
    // refused row stays current, for the typing to go on.
    m_walk->discardOpenEditor();
    // The date cell went back to the date it had: the row is not saved on a
    // date nobody typed, and the status line says why.
    if (m_accountId.isEmpty() || m_dateNotUnderstood)
        return;
    const int editRow = m_model->editRow();
    const bool newRow = editRow == -1 || editRow == m_model->entryRow();
    std::optional<RegisterRow> edited;
    if (!newRow && m_model->isTransactionRow(editRow))
        edited = m_model->transactionAt(editRow);

    RegisterEntryCommit entry(m_state, m_accountId);
    using Outcome = RegisterEntryCommit::Outcome;
    const Outcome outcome = m_changes->ownWrite([&] { return entry.commit(*m_model, edited ? &*edited : nullptr); });
    showNotice(RegisterCommitNotice::of(outcome, entry.amountText(), entry.failureCause(), m_model->currency()));
    if (outcome == Outcome::OpeningBalanceRow) {
        emit editAccountRequested(m_accountId);
        m_model->resetEntryBuffer();
        m_model->setEditRow(-1);
    }
    if (outcome == Outcome::OpeningBalanceRow || outcome == Outcome::RowGone)
        reload();
    if (outcome != Outcome::Saved && outcome != Outcome::Unchanged)
        return;

    const Transaction& saved = entry.transaction();
    if (newRow) {
        if (m_filter.current().activeCount() > 0 && !m_filter.current().matches(saved))
            flashStatus(tr("Saved. It isn't listed because of the current filter."), 4000);
        // The next entry starts on the date this one was saved with.
        m_model->setEntryText(RegisterModel::NextEntryDateSlot, saved.date.toString(RegisterModel::kDateFormat));
        showWrittenRows({saved.id, saved.transferLinkId}, Written::Created);
        m_walk->focusEntryRow();
        return;
    }
    showOwnChange(edited ? QStringList{edited->id} : QStringList{saved.id, saved.transferLinkId});
    if (editRow + 1 < m_model->rowCount())
        m_table->setCurrentIndex(m_model->index(editRow + 1, RegisterModel::DateColumn));
}

void RegisterScreen::cancelEdit()
{
    m_walk->discardOpenEditor();
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
        // The question takes the focus, which closes an open cell with what it
        // holds kept, as any window would: so it is whichever way it is asked.
        m_walk->flushOpenEditor();
        m_walk->discardOpenEditor();
        m_commands->deleteRow(m_model->transactionIdAt(row));
        return;
    }
    // An open editor would write its text back into the emptied buffer.
    m_walk->discardOpenEditor();
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
    const std::optional<QString> value = m_model->copyFromRowAbove(current);
    if (!value)
        return;
    if (auto* line = qobject_cast<QLineEdit*>(m_table->indexWidget(current)))
        line->setText(*value);
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
            m_commands->editRowInDialog(m_model->transactionIdAt(row));
    } else if (enter && modifiers.testFlag(Qt::AltModifier)) {
        m_commands->showRowDetails(m_model->transactionIdAt(row));
    } else if (enter) {
        pressEnter();
    } else if (key->key() == Qt::Key_D && ctrl) {
        deleteCurrentRow();
    } else if (key->key() == Qt::Key_I && ctrl && !shift) {
        cancelEdit();
    } else if (key->key() == Qt::Key_M && ctrl) {
        m_commands->memorize(m_model->transactionIdAt(row));
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
    const bool lockedSplitCell = m_model->isTransactionRow(row) && m_model->transactionAt(row).isSplit
                                 && (column == RegisterModel::CategoryColumn || column == RegisterModel::PaymentColumn
                                     || column == RegisterModel::DepositColumn);
    if (lockedSplitCell) {
        advanceToNextField();
        return;
    }
    startEditingRow(row);
    m_table->editIfEditable(current);
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
    m_table->editIfEditable(index);
}

void RegisterScreen::onCellDoubleClicked(const QModelIndex& index)
{
    const int row = index.row();
    if (m_model->isTransactionRow(row) && m_model->transactionAt(row).isSplit)
        m_commands->editRowInDialog(m_model->transactionIdAt(row));
}

void RegisterScreen::focusNextField()
{
    m_walk->focusNextField();
}

void RegisterScreen::focusPreviousField()
{
    m_walk->focusPreviousField();
}

void RegisterScreen::advanceToNextField()
{
    m_walk->advanceToNextField();
}

void RegisterScreen::advanceToPreviousField()
{
    m_walk->advanceToPreviousField();
}

bool RegisterScreen::focusNextPrevChild(bool next)
{
    QWidget* focus = QApplication::focusWidget();
    if (!m_table->hasFocus() && !m_table->isAncestorOf(focus))
        return QWidget::focusNextPrevChild(next);
    if (m_walk->moveWithinPayeeMemoEditor(next))
        return true;
    if (next)
        focusNextField();
    else
        focusPreviousField();
    return true;
}
