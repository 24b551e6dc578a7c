#include "AccountCard.h"

#include "screens/AccountFormDialog.h"
#include "widgets/Appearance.h"
#include "widgets/ElidedLabel.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QString colorStyle(const QColor& color)
{
    return QStringLiteral("color: %1;").arg(color.name());
}

// The name and a liability's balance read in the palette's plain text colour.
QColor plainTextColor()
{
    return QColor(isDarkPalette() ? QStringLiteral("#FFFFFF") : QStringLiteral("#12211B"));
}

// A label's text colour, whichever of the palette's text roles it draws with
// (under the list's viewport, Text).
void setTextColor(QWidget* label, const QColor& color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    label->setPalette(palette);
}

} // namespace

AccountCard::AccountCard(const Account& account, std::optional<MoneySum> balance, QWidget* parent)
    : QWidget(parent)
    , m_type(account.accountType)
    , m_currency(account.currency)
    , m_balanceLabel(new QLabel(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 8, 8, 8);
    layout->setSpacing(8);

    auto* icon = new QLabel(QString(typeGlyph(account.accountType)), this);
    icon->setObjectName(QStringLiteral("iconLabel"));
    icon->setFixedSize(24, 24);
    icon->setAlignment(Qt::AlignCenter);
    setTextColor(icon, QColor::fromRgb(effectiveAccentColor().rgb()));
    QFont iconFont(QStringLiteral("Material Icons"));
    iconFont.setPixelSize(22);
    icon->setFont(iconFont);
    layout->addWidget(icon, 0, Qt::AlignVCenter);

    auto* text = new QVBoxLayout;
    text->setSpacing(3);
    auto* firstLine = new QHBoxLayout;
    firstLine->setSpacing(8);
    firstLine->setAlignment(Qt::AlignVCenter);

    auto* name = new ElidedLabel(this);
    name->setObjectName(QStringLiteral("nameLabel"));
    applyFontRole(name, 1);
    setTextColor(name, plainTextColor());
    name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    name->setToolTip(account.name);
    name->setFullText(account.name);
    firstLine->addWidget(name, 1);
    m_balanceLabel->setObjectName(QStringLiteral("balanceLabel"));
    setBalance(balance);
    firstLine->addWidget(m_balanceLabel, 0);

    auto* detail = new QLabel(detailLine(account), this);
    detail->setObjectName(QStringLiteral("detailLabel"));
    applyFontRole(detail, 2);
    setTextColor(detail, QColor(isDarkPalette() ? QStringLiteral("#8FAF9F") : QStringLiteral("#4A6358")));

    text->addLayout(firstLine);
    text->addWidget(detail);
    layout->addLayout(text, 1);
}

void AccountCard::setBalance(std::optional<MoneySum> balance)
{
    QLabel* label = m_balanceLabel;
    if (!balance) {
        label->clear();
        return;
    }
    if (label->text().isEmpty()) {
        applyFontRole(label, 7);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    }
    const bool liability = isLiabilityAccount(m_type);
    const MoneySum shown = liability ? -*balance : *balance;
    label->setText(formatMoneySigned(*balance, liability, m_currency));
    QColor color = positiveAmountColor();
    // A balance too big to hold reads as a warning, whatever its sign.
    if (shown.isNegative() || !shown.fits())
        color = negativeAmountColor();
    else if (liability)
        color = plainTextColor();
    // A new style sheet restyles the label: only when the colour changes.
    if (const QString style = colorStyle(color); style != label->styleSheet())
        label->setStyleSheet(style);
    label->setMinimumWidth(QFontMetrics(monospaceFont()).horizontalAdvance(label->text()) + 4);
}

QChar AccountCard::typeGlyph(AccountType type)
{
    switch (type) {
    case AccountType::Checking:
        return QChar(0xE84F);
    case AccountType::Savings:
        return QChar(0xE2EB);
    case AccountType::CreditCard:
        return QChar(0xE870);
    case AccountType::Cash:
        return QChar(0xE57D);
    case AccountType::Investment:
        return QChar(0xE8E5);
    case AccountType::Loan:
        return QChar(0xF1B6);
    case AccountType::Other:
        break;
    }
    return QChar(0xE850);
}

QString AccountCard::detailLine(const Account& account)
{
    QString line = account.institution.isEmpty() ? AccountFormDialog::typeName(account.accountType) : account.institution;
    if (!account.accountNumberLast4.isEmpty())
        line += QStringLiteral("  \u00B7  *%1").arg(account.accountNumberLast4);
    return line;
}
