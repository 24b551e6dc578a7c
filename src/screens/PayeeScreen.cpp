#include "PayeeScreen.h"

#include "data/TransactionRepository.h"
#include "state/AppState.h"
#include "widgets/Appearance.h"
#include "widgets/MessageBox.h"
#include "widgets/LedgerWatch.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

PayeeScreen::PayeeScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    auto* title = new QLabel(tr("Payee Management"), this);
    applyFontRoleWithWeight(title, 4, 700);
    layout->addWidget(title);
    layout->addSpacing(8);

    m_payeeList = new QListWidget(this);
    m_payeeList->setObjectName(QStringLiteral("payeeList"));
    m_payeeList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    layout->addWidget(m_payeeList, 1);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Rename to:"), this));
    m_renameEdit = new QLineEdit(this);
    m_renameEdit->setObjectName(QStringLiteral("renameEdit"));
    row->addWidget(m_renameEdit, 1);
    auto* renameButton = new QPushButton(tr("Rename Selected"), this);
    renameButton->setObjectName(QStringLiteral("renameButton"));
    row->addWidget(renameButton);
    auto* mergeButton = new QPushButton(tr("Merge Selected"), this);
    mergeButton->setObjectName(QStringLiteral("mergeButton"));
    row->addWidget(mergeButton);
    layout->addLayout(row);

    connect(renameButton, &QPushButton::clicked, this, &PayeeScreen::onRename);
    connect(mergeButton, &QPushButton::clicked, this, &PayeeScreen::onMerge);

    new LedgerWatch(m_state, LedgerPart::Transactions, [this] { loadPayees(); }, this);
}

void PayeeScreen::loadPayees()
{
    m_payeeList->clear();
    for (const QString& payee : m_state->transactionRepository->distinctPayees()) {
        if (!isOpeningBalancePayee(payee))
            m_payeeList->addItem(payee);
    }
}

QStringList PayeeScreen::selectedPayees() const
{
    QStringList payees;
    for (const QListWidgetItem* item : m_payeeList->selectedItems())
        payees.append(item->text());
    return payees;
}

bool PayeeScreen::refuseOpeningBalanceName(const QString& name, const QString& title)
{
    if (!isOpeningBalancePayee(name))
        return false;
    MessageBox::warning(this, title,
                        tr("\"%1\" is the payee of opening balances. Choose another name.").arg(name));
    return true;
}

void PayeeScreen::finish(const QString& title, const QString& message)
{
    MessageBox::information(this, title, message);
    loadPayees();
    emit payeesChanged();
}

void PayeeScreen::onRename()
{
    const QString newName = m_renameEdit->text().trimmed();
    const QStringList selected = selectedPayees();
    if (newName.isEmpty() || selected.isEmpty() || refuseOpeningBalanceName(newName, tr("Rename")))
        return;
    const int renamed = m_state->transactionRepository->renamePayees(selected, newName);
    finish(tr("Rename Complete"), tr("Renamed %n transaction(s).", nullptr, renamed));
}

void PayeeScreen::onMerge()
{
    const QStringList selected = selectedPayees();
    if (selected.size() < 2) {
        MessageBox::information(this, tr("Merge"), tr("Select 2 or more payees to merge."));
        return;
    }
    QString target = m_renameEdit->text().trimmed();
    if (target.isEmpty())
        target = selected.first();
    if (refuseOpeningBalanceName(target, tr("Merge")))
        return;
    if (MessageBox::question(this, tr("Merge Payees"),
                             tr("Merge %1 payees into \"%2\"?").arg(QString::number(selected.size()), target))
        != QMessageBox::Yes)
        return;
    const int merged = m_state->transactionRepository->renamePayees(selected, target);
    finish(tr("Merge Complete"), tr("Merged %n transaction(s).", nullptr, merged));
}
