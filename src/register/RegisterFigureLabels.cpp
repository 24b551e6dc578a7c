#include "RegisterFigureLabels.h"

#include "RegisterFigureValue.h"
#include "widgets/Appearance.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

RegisterFigureLabels::RegisterFigureLabels(QWidget* parent)
    : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(16);
    m_cleared = addBlock(row, tr("Cleared"), false);
    m_cleared->setObjectName(QStringLiteral("clearedLabel"));
    m_uncleared = addBlock(row, tr("Uncleared"), false);
    m_uncleared->setObjectName(QStringLiteral("unclearedLabel"));
    m_balance = addBlock(row, tr("Balance"), true);
    m_balance->setObjectName(QStringLiteral("balanceLabel"));
}

RegisterFigureValue* RegisterFigureLabels::addBlock(QHBoxLayout* row, const QString& caption, bool bold)
{
    auto* block = new QVBoxLayout;
    block->setSpacing(4);
    auto* captionLabel = new QLabel(caption, this);
    applyFontRole(captionLabel, 2);
    captionLabel->setStyleSheet(mutedTextStyleSheet());
    captionLabel->setAlignment(Qt::AlignCenter);
    block->addWidget(captionLabel);
    auto* value = new RegisterFigureValue(this);
    if (bold)
        applyFontRoleWithWeight(value, 3, QFont::Bold);
    else
        applyFontRole(value, 3);
    block->addWidget(value);
    row->addLayout(block);
    return value;
}

void RegisterFigureLabels::showFigures(const RegisterFigures& figures, bool liability, Currency currency)
{
    m_cleared->setText(formatMoneySigned(figures.cleared, liability, currency));
    m_uncleared->setText(formatMoneySigned(figures.uncleared, liability, currency));
    m_balance->setText(formatMoneySigned(figures.total, liability, currency));
    const MoneySum shown = liability ? -figures.total : figures.total;
    // The words that stand for a balance too big to hold read as a warning.
    m_balance->setColor(shown.isNegative() || !shown.fits() ? negativeAmountColor() : positiveAmountColor());
    if (!figures.cleared.fits() || !figures.uncleared.fits() || !figures.total.fits())
        MoneySum::logOutOfRange(QStringLiteral("A figure of the register"));
}

void RegisterFigureLabels::clear()
{
    for (RegisterFigureValue* figure : {m_cleared, m_uncleared, m_balance})
        figure->clear();
}
