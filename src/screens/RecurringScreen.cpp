#include "RecurringScreen.h"

#include "RecurringFormDialog.h"
#include "RecurringModel.h"

#include "data/AccountRepository.h"
#include "data/Clock.h"
#include "data/RecurringRepository.h"
#include "data/RecurringService.h"
#include "state/AppState.h"
#include "widgets/Appearance.h"
#include "widgets/MessageBox.h"
#include "widgets/ModalDialog.h"
#include "widgets/LedgerWatch.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QPushButton* addButton(QHBoxLayout* row, const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    row->addWidget(button);
    return button;
}

} // namespace

RecurringScreen::RecurringScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    auto* header = new QHBoxLayout;
    auto* title = new QLabel(tr("Recurring Transactions"), this);
    applyFontRoleWithWeight(title, 4, 700);
    header->addWidget(title);
    m_dueLabel = new QLabel(this);
    m_dueLabel->setObjectName(QStringLiteral("dueLabel"));
    applyFontRoleWithWeight(m_dueLabel, 0, 700);
    header->addWidget(m_dueLabel);
    header->addStretch();
    QPushButton* confirmAll = addButton(header, tr("Confirm All Due"), "confirmAllDueButton", this);
    QPushButton* nextWeek = addButton(header, tr("Enter Next 7 Days"), "enterNextSevenDaysButton", this);
    QPushButton* newRecurring = addButton(header, tr("New Recurring"), "newRecurringButton", this);
    layout->addLayout(header);

    m_model = new RecurringModel(m_state->accountRepository, this);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("recurringTable"));
    m_view->setModel(m_model);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->verticalHeader()->hide();
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(RecurringModel::NextDueColumn, Qt::AscendingOrder);
    m_view->horizontalHeader()->setSectionResizeMode(RecurringModel::PayeeColumn, QHeaderView::Stretch);
    layout->addWidget(m_view, 1);

    connect(confirmAll, &QPushButton::clicked, this, &RecurringScreen::confirmAllDue);
    connect(nextWeek, &QPushButton::clicked, this, &RecurringScreen::enterNextSevenDays);
    connect(newRecurring, &QPushButton::clicked, this, &RecurringScreen::showNewForm);
    connect(m_view, &QTableView::doubleClicked, this, [this](const QModelIndex& index) { showEditForm(index.row()); });
    connect(m_view, &QTableView::customContextMenuRequested, this, &RecurringScreen::onContextMenu);

    new LedgerWatch(m_state, LedgerPart::Recurring | LedgerPart::Accounts, [this] { reload(); }, this);
}

void RecurringScreen::reload()
{
    m_model->setRecords(m_state->recurringService->allRecurring());
    const int due = m_state->recurringService->pendingCount();
    if (due > 0) {
        m_dueLabel->setText(tr("(%1 due)").arg(due));
        m_dueLabel->setStyleSheet(QStringLiteral("color: #008800;"));
    } else {
        m_dueLabel->clear();
    }
}

void RecurringScreen::postedAndReload()
{
    emit transactionsChanged();
    reload();
}

void RecurringScreen::confirmAllDue()
{
    if (m_state->recurringService->confirmAllDue() > 0)
        postedAndReload();
}

void RecurringScreen::enterNextSevenDays()
{
    if (MessageBox::question(this, tr("Enter Next 7 Days"),
                             tr("Enter all recurring transactions due in the next 7 days? They are dated their due "
                                "dates and you can edit or delete them later."))
        != QMessageBox::Yes)
        return;
    if (m_state->recurringService->enterDueUntil(Clock::today().addDays(7)) > 0)
        postedAndReload();
}

void RecurringScreen::showNewForm()
{
    RecurringFormDialog form(m_state, this);
    if (ModalDialog::exec(&form) != QDialog::Accepted)
        return;
    m_state->recurringRepository->insert(form.recurring());
    reload();
}

void RecurringScreen::showEditForm(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    RecurringFormDialog form(m_state, m_model->recordAt(row), this);
    if (ModalDialog::exec(&form) != QDialog::Accepted)
        return;
    m_state->recurringRepository->update(form.recurring());
    reload();
}

std::optional<RecurringTransaction> RecurringScreen::currentRecord() const
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return m_model->recordAt(current.row());
}

void RecurringScreen::confirmSelected()
{
    if (const std::optional<RecurringTransaction> record = currentRecord()) {
        // A confirm that posts nothing (a broken date quarantines the record)
        // still shows its outcome in the table.
        m_state->recurringService->confirm(record->id);
        postedAndReload();
    }
}

void RecurringScreen::enterEarlySelected()
{
    const std::optional<RecurringTransaction> record = currentRecord();
    if (!record)
        return;
    const QString question = tr("Enter \"%1\" now, dated %2? The transaction is dated its due date and you can edit "
                                "or delete it later.")
                                 .arg(record->payee, record->nextDueDate.toString(QStringLiteral("MMM d, yyyy")));
    if (MessageBox::question(this, tr("Enter Early"), question) != QMessageBox::Yes)
        return;
    m_state->recurringService->confirm(record->id);
    postedAndReload();
}

void RecurringScreen::skipSelected()
{
    if (const std::optional<RecurringTransaction> record = currentRecord()) {
        m_state->recurringService->skipOccurrence(record->id);
        reload();
    }
}

void RecurringScreen::deleteSelected()
{
    const std::optional<RecurringTransaction> record = currentRecord();
    if (!record
        || MessageBox::question(this, tr("Delete"), tr("Delete recurring \"%1\"?").arg(record->payee))
               != QMessageBox::Yes)
        return;
    m_state->recurringRepository->softDelete(record->id);
    reload();
}

void RecurringScreen::onContextMenu(const QPoint& pos)
{
    const QModelIndex index = m_view->indexAt(pos);
    if (!index.isValid())
        return;
    // The commands act on the current row: make it the one under the pointer.
    m_view->setCurrentIndex(index);
    const RecurringTransaction record = m_model->recordAt(index.row());
    const bool due = RecurringModel::isDue(record);

    QMenu menu(this);
    const int row = index.row();
    menu.addAction(tr("&Edit"), this, [this, row] { showEditForm(row); });
    menu.addAction(tr("&Confirm"), this, &RecurringScreen::confirmSelected)->setEnabled(due);
    menu.addAction(tr("&Skip"), this, &RecurringScreen::skipSelected)->setEnabled(due);
    menu.addAction(tr("Enter &Early..."), this, &RecurringScreen::enterEarlySelected)
        ->setEnabled(record.isActive && record.nextDueDate > Clock::today());
    menu.addSeparator();
    menu.addAction(tr("&Delete"), this, &RecurringScreen::deleteSelected);
    menu.exec(m_view->viewport()->mapToGlobal(pos));
}
