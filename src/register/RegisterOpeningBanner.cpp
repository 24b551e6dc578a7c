#include "RegisterOpeningBanner.h"

#include "TransactionActions.h"

#include "widgets/Appearance.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

namespace {

const QString kDismissedKey = QStringLiteral("reversedOpeningDismissed");

} // namespace

RegisterOpeningBanner::RegisterOpeningBanner(AppState* state, QWidget* parent)
    : QFrame(parent)
    , m_state(state)
{
    setObjectName(QStringLiteral("bannerFrame"));
    setFrameShape(QFrame::StyledPanel);
    hide();
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(12, 8, 12, 8);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("bannerLabel"));
    m_label->setWordWrap(true);
    row->addWidget(m_label, 1);

    auto* creditButton = new QPushButton(tr("No, it is a credit"), this);
    creditButton->setObjectName(QStringLiteral("creditButton"));
    creditButton->setFocusPolicy(Qt::ClickFocus);
    connect(creditButton, &QPushButton::clicked, this, &RegisterOpeningBanner::dismiss);
    row->addWidget(creditButton);
    auto* oweButton = new QPushButton(tr("Yes, I owe this"), this);
    oweButton->setObjectName(QStringLiteral("oweButton"));
    oweButton->setFocusPolicy(Qt::ClickFocus);
    applyAccentButtonStyle(oweButton);
    connect(oweButton, &QPushButton::clicked, this, &RegisterOpeningBanner::correct);
    row->addWidget(oweButton);
}

void RegisterOpeningBanner::refresh(const QString& accountId, Currency currency)
{
    m_accountId = accountId;
    const bool dismissed = QSettings().value(kDismissedKey).toStringList().contains(accountId);
    const std::optional<Transaction> reversed =
        dismissed ? std::nullopt : TransactionActions::reversedOpeningBalance(m_state, accountId);
    setVisible(reversed.has_value());
    if (reversed) {
        m_label->setText(tr("This account's opening balance is recorded as a credit of %1. If you meant that "
                            "you owe %1, Vellumry can correct it.")
                             .arg(formatMoney(reversed->amount, currency)));
    }
}

void RegisterOpeningBanner::dismiss()
{
    QSettings settings;
    QStringList dismissed = settings.value(kDismissedKey).toStringList();
    if (!dismissed.contains(m_accountId)) {
        dismissed.append(m_accountId);
        settings.setValue(kDismissedKey, dismissed);
    }
    hide();
}

void RegisterOpeningBanner::correct()
{
    TransactionActions::fixReversedOpeningBalance(m_state, m_accountId);
    emit corrected();
}
