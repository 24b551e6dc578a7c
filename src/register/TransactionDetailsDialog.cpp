#include "TransactionDetailsDialog.h"

#include "TransactionActions.h"

#include "data/Account.h"
#include "data/AccountRepository.h"
#include "data/CategoryRepository.h"
#include "data/SplitLineRepository.h"
#include "data/TransactionRepository.h"
#include "data/TransactionWriter.h"
#include "state/AppState.h"
#include "widgets/Appearance.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kEmptyValue = QStringLiteral("\u2014");
constexpr int kSectionSpacing = 12;

// A value of the view: selectable, "—" when empty.
QLabel* valueLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text.isEmpty() ? kEmptyValue : text, parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel* mutedLabel(const QString& text, QWidget* parent)
{
    QLabel* label = valueLabel(text, parent);
    label->setStyleSheet(mutedTextStyleSheet());
    return label;
}

QFrame* sunkenLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QString localTimeText(const QDateTime& time)
{
    return time.isValid() ? QLocale().toString(time.toLocalTime(), QLocale::LongFormat) : kEmptyValue;
}

} // namespace

TransactionDetailsDialog::TransactionDetailsDialog(AppState* state, const Transaction& transaction, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_record(transaction)
{
    setWindowTitle(tr("Transaction Details"));
    if (const std::optional<Account> account = m_state->accountRepository->findById(m_record.accountId))
        m_currency = account->currency;
    buildView();
    setMinimumSize(480, 420);
}

QString TransactionDetailsDialog::statusText() const
{
    if (m_record.reconciled)
        return tr("Reconciled");
    return m_record.cleared ? tr("Cleared") : tr("Uncleared");
}

void TransactionDetailsDialog::buildView()
{
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    layout->addLayout(form);
    addFields(form);
    if (m_record.isSplit) {
        layout->addSpacing(kSectionSpacing);
        addSplitLines(layout);
    }

    layout->addSpacing(kSectionSpacing);
    layout->addWidget(sunkenLine(this));
    layout->addSpacing(8);
    for (const QString& text :
         {tr("Entered: %1").arg(localTimeText(m_record.createdAt)),
          tr("Last modified: %1").arg(localTimeText(m_record.updatedAt))}) {
        QLabel* label = mutedLabel(text, this);
        applyFontRole(label, 2);
        layout->addWidget(label);
    }
    layout->addSpacing(kSectionSpacing);
    addButtons(layout);
}

void TransactionDetailsDialog::addFields(QFormLayout* form)
{
    form->addRow(tr("Date:"), valueLabel(QLocale().toString(m_record.date, QLocale::LongFormat), this));
    form->addRow(tr("Payee:"), valueLabel(m_record.payee, this));

    const QString money = formatMoneySigned(m_record.amount, m_record.amount < 0, m_currency);
    QLabel* amount = valueLabel(m_record.amount < 0 ? QStringLiteral("- %1").arg(money) : money, this);
    amount->setObjectName(QStringLiteral("amountLabel"));
    const QColor amountColor = m_record.amount < 0 ? negativeAmountColor() : positiveAmountColor();
    amount->setStyleSheet(QStringLiteral("color: %1; font-weight: 600;").arg(amountColor.name(QColor::HexRgb)));
    form->addRow(tr("Amount:"), amount);

    if (m_record.isSplit)
        form->addRow(tr("Category:"), mutedLabel(tr("\u2014Split\u2014"), this));
    else
        form->addRow(tr("Category:"), valueLabel(m_record.categoryId.isEmpty()
                                                     ? QString()
                                                     : m_state->categoryRepository->categoryPath(m_record.categoryId),
                                                 this));
    QLabel* memo = valueLabel(m_record.memo, this);
    memo->setObjectName(QStringLiteral("memoLabel"));
    memo->setWordWrap(true);
    // The form gives a field that does not expand only its size hint, which a
    // wrapping label guesses narrow: the memo then broke after its first word.
    QSizePolicy memoPolicy = memo->sizePolicy();
    memoPolicy.setHorizontalPolicy(QSizePolicy::Expanding);
    memo->setSizePolicy(memoPolicy);
    form->addRow(tr("Memo:"), memo);
    form->addRow(tr("Check #:"), valueLabel(m_record.checkNumber, this));
    if (!m_record.transferDestAccountId.isEmpty()) {
        const std::optional<Account> other = m_state->accountRepository->findById(m_record.transferDestAccountId);
        form->addRow(tr("Transfer to:"), valueLabel(other && !other->name.isEmpty() ? other->name
                                                                                   : m_record.transferDestAccountId,
                                                    this));
    }
    m_statusLabel = valueLabel(statusText(), this);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    form->addRow(tr("Status:"), m_statusLabel);
}

void TransactionDetailsDialog::addSplitLines(QVBoxLayout* layout)
{
    auto* heading = new QLabel(tr("Split lines"), this);
    applyFontRoleWithWeight(heading, 3, 600);
    layout->addWidget(heading);

    const QList<SplitLine> lines = m_state->splitLineRepository->listByTransaction(m_record.id);
    if (lines.isEmpty()) {
        layout->addWidget(mutedLabel(tr("(no split lines on record)"), this));
        return;
    }
    auto* grid = new QGridLayout;
    grid->setContentsMargins(16, 0, 0, 0);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(0, 1);
    MoneySum sum;
    int row = 0;
    const auto addAmount = [&](const MoneySum& cents, int gridRow) {
        // The magnitude, flipped as it is written: the most negative sum has no positive qint64.
        QLabel* label = valueLabel(formatMoneySigned(cents, cents.isNegative(), m_currency), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        applyFontRole(label, 7);
        grid->addWidget(label, gridRow, 1);
        return label;
    };
    for (const SplitLine& line : lines) {
        const QString path =
            line.categoryId.isEmpty() ? QString() : m_state->categoryRepository->categoryPath(line.categoryId);
        grid->addWidget(new QLabel(path.isEmpty() ? tr("(uncategorized)") : path, this), row, 0);
        addAmount(line.amount, row++);
        if (!line.memo.isEmpty()) {
            QLabel* lineMemo = mutedLabel(line.memo, this);
            lineMemo->setWordWrap(true);
            applyFontRole(lineMemo, 2);
            lineMemo->setContentsMargins(16, 0, 0, 4);
            grid->addWidget(lineMemo, row++, 0, 1, 2);
        }
        sum += line.amount;
    }
    grid->addWidget(sunkenLine(this), row++, 0, 1, 2);
    auto* totalLabel = new QLabel(tr("Total"), this);
    applyFontRoleWithWeight(totalLabel, 0, 600);
    grid->addWidget(totalLabel, row, 0);
    if (!sum.fits())
        MoneySum::logOutOfRange(QStringLiteral("The total of the split lines of %1").arg(m_record.id));
    QLabel* total = addAmount(sum, row);
    total->setObjectName(QStringLiteral("splitTotalLabel"));
    applyFontRoleWithWeight(total, 7, 600);
    layout->addLayout(grid);
}

void TransactionDetailsDialog::addButtons(QVBoxLayout* layout)
{
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* edit = buttons->addButton(tr("Edit..."), QDialogButtonBox::ActionRole);
    edit->setObjectName(QStringLiteral("editButton"));
    connect(edit, &QPushButton::clicked, this, [this] {
        m_editRequested = true;
        accept();
    });
    QPushButton* duplicate = buttons->addButton(tr("Duplicate..."), QDialogButtonBox::ActionRole);
    duplicate->setObjectName(QStringLiteral("duplicateButton"));
    connect(duplicate, &QPushButton::clicked, this, [this] {
        m_duplicateRequested = true;
        accept();
    });
    if (!m_record.reconciled) {
        m_toggleClearedButton = buttons->addButton(m_record.cleared ? tr("Mark Uncleared") : tr("Mark Cleared"),
                                                   QDialogButtonBox::ActionRole);
        m_toggleClearedButton->setObjectName(QStringLiteral("toggleClearedButton"));
        connect(m_toggleClearedButton, &QPushButton::clicked, this, &TransactionDetailsDialog::toggleCleared);
    }
    QPushButton* remove = buttons->addButton(tr("Delete..."), QDialogButtonBox::DestructiveRole);
    remove->setObjectName(QStringLiteral("deleteButton"));
    connect(remove, &QPushButton::clicked, this, &TransactionDetailsDialog::deleteTransaction);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void TransactionDetailsDialog::toggleCleared()
{
    if (!m_state->transactionWriter->toggleCleared(m_record))
        return;
    m_statusLabel->setText(statusText());
    m_toggleClearedButton->setText(m_record.cleared ? tr("Mark Uncleared") : tr("Mark Cleared"));
}

void TransactionDetailsDialog::deleteTransaction()
{
    // Both legs of a transfer go together or not at all.
    if (!TransactionActions::deleteWithConfirmation(m_state, m_record, this))
        return;
    m_deleted = true;
    accept();
}

void TransactionDetailsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, [this] {
        if (layout())
            layout()->invalidate();
        adjustSize();
    });
}
