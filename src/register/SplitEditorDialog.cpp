#include "SplitEditorDialog.h"

#include "SplitLinesWidget.h"
#include "TypedInputCheck.h"

#include "widgets/Appearance.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

SplitEditorDialog::SplitEditorDialog(AppState* state, qint64 amount, Currency currency, const QList<SplitLine>& lines,
                                     QWidget* parent)
    : QDialog(parent)
    , m_amount(amount)
    , m_currency(currency)
{
    setWindowTitle(tr("Split Transaction"));
    setMinimumSize(550, 350);
    auto* layout = new QVBoxLayout(this);

    auto* totals = new QHBoxLayout;
    totals->addWidget(new QLabel(tr("Total: %1").arg(formatMoneySigned(amount, amount < 0, currency)), this));
    totals->addStretch();
    m_remainingLabel = new QLabel(this);
    m_remainingLabel->setObjectName(QStringLiteral("remainingLabel"));
    applyFontRoleWithWeight(m_remainingLabel, 0, 700);
    totals->addWidget(m_remainingLabel);
    layout->addLayout(totals);

    m_splitLines = new SplitLinesWidget(state, this);
    m_splitLines->setCurrency(currency);
    connect(m_splitLines, &SplitLinesWidget::changed, this, &SplitEditorDialog::updateRemaining);
    m_splitLines->setLines(lines);
    layout->addWidget(m_splitLines, 1);
    m_problemLabel = inputProblemLabel(this);
    layout->addWidget(m_problemLabel);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    updateRemaining();
}

void SplitEditorDialog::updateRemaining()
{
    const MoneySum remaining = MoneySum(m_amount).abs() - m_splitLines->total();
    const QString text = tr("Remaining: %1").arg(formatMoney(remaining, m_currency));
    // Once, not again for every line the editor fills in.
    if (!remaining.fits() && text != m_remainingLabel->text())
        MoneySum::logOutOfRange(QStringLiteral("What the split lines leave of the amount"));
    m_remainingLabel->setText(text);
    if (remaining.isZero())
        m_remainingLabel->setStyleSheet(QStringLiteral("color: green;"));
    else if (remaining.isNegative() || !remaining.fits())
        m_remainingLabel->setStyleSheet(QStringLiteral("color: #cc0000;"));
    else
        m_remainingLabel->setStyleSheet(QString());
}

void SplitEditorDialog::accept()
{
    QString message;
    const bool refused = m_splitLines->findNotUnderstood(&message);
    showInputProblem(m_problemLabel, message);
    if (!refused)
        QDialog::accept();
}

QList<SplitLine> SplitEditorDialog::lines() const
{
    return m_splitLines->lines(m_amount < 0 ? -1 : 1);
}
