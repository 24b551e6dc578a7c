#include "RegisterHeaderBar.h"

#include "RegisterFigureLabels.h"

#include "data/Account.h"
#include "widgets/Appearance.h"
#include "widgets/ElidedLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

RegisterHeaderBar::RegisterHeaderBar(QWidget* parent)
    : QWidget(parent)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* header = new QHBoxLayout;
    header->setSpacing(16);
    // A long name gives way before the figures and buttons do.
    m_titleLabel = new ElidedLabel(this);
    m_titleLabel->setObjectName(QStringLiteral("titleLabel"));
    applyFontRole(m_titleLabel, 5);
    header->addWidget(m_titleLabel);
    header->addStretch();
    m_figures = new RegisterFigureLabels(this);
    header->addWidget(m_figures);

    QPushButton* newTransaction = addButton("newTransactionButton", &RegisterHeaderBar::newTransactionClicked);
    newTransaction->setText(tr("&New Transaction"));
    newTransaction->setToolTip(tr("Add a transaction using the full form"));
    applyAccentButtonStyle(newTransaction);
    header->addWidget(newTransaction);
    m_filterButton = addButton("filterButton", &RegisterHeaderBar::filterClicked);
    header->addWidget(m_filterButton);
    setFilterCount(0);
    QPushButton* reconcile = addButton("reconcileButton", &RegisterHeaderBar::reconcileClicked);
    reconcile->setText(tr("&Reconcile"));
    header->addWidget(reconcile);
    outer->addLayout(header);

    m_subtitleLabel = new QLabel(this);
    m_subtitleLabel->setObjectName(QStringLiteral("subtitleLabel"));
    applyFontRole(m_subtitleLabel, 2);
    m_subtitleLabel->setStyleSheet(mutedTextStyleSheet());
    outer->addWidget(m_subtitleLabel);
}

QPushButton* RegisterHeaderBar::addButton(const char* objectName, void (RegisterHeaderBar::*clicked)())
{
    auto* button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setFocusPolicy(Qt::ClickFocus);
    connect(button, &QPushButton::clicked, this, clicked);
    return button;
}

void RegisterHeaderBar::showAccount(const Account& account)
{
    m_titleLabel->setFullText(account.name);
    QString subtitle = account.institution;
    if (!subtitle.isEmpty() && !account.accountNumberLast4.isEmpty())
        subtitle += QStringLiteral("  ·  *%1").arg(account.accountNumberLast4);
    m_subtitleLabel->setText(subtitle);
    m_subtitleLabel->setVisible(!subtitle.isEmpty());
}

void RegisterHeaderBar::setFilterCount(int active)
{
    m_filterButton->setText(active > 0 ? tr("Fi&lter (%1)").arg(active) : tr("Fi&lter"));
    QFont font = m_filterButton->font();
    font.setWeight(active > 0 ? QFont::Bold : QFont::Normal);
    m_filterButton->setFont(font);
    m_filterButton->setToolTip(active > 0 ? tr("Filters are applied. Click to change or clear them.")
                                          : tr("Filter which transactions are listed"));
}
