#include "QifMappingRows.h"

#include "data/Clock.h"
#include "data/Identifiers.h"

#include <QComboBox>
#include <QFormLayout>

namespace {

const QString kCreate = QStringLiteral("__create__");
const QString kSkip = QStringLiteral("__skip__");

// The source of a file without account headers is named by the file's path;
// its label carries a note, so the file alone names what the user gets.
QString headerlessFileName(const QifSourceAccount& source)
{
    return source.name.mid(source.name.lastIndexOf(QLatin1Char('/')) + 1);
}

QString newAccountName(const QifSourceAccount& source)
{
    if (!source.noAccountHeader)
        return source.name;
    const QString fileName = headerlessFileName(source);
    const QString baseName = fileName.left(fileName.indexOf(QLatin1Char('.')));
    return baseName.isEmpty() ? source.label : baseName;
}

Account newAccountFor(const QifSourceAccount& source)
{
    Account account;
    account.id = newId();
    account.name = newAccountName(source);
    account.accountType = source.suggestedType;
    account.createdAt = Clock::nowUtc();
    account.updatedAt = account.createdAt;
    return account;
}

} // namespace

QifMappingRows::QifMappingRows(QFormLayout* layout)
    : m_layout(layout)
{
}

void QifMappingRows::build(const QList<QifSourceAccount>& sources, const QList<Account>& accounts)
{
    if (!m_layout)
        return;
    for (const QifSourceAccount& source : sources) {
        const QString createName = source.noAccountHeader ? headerlessFileName(source) : source.label;
        auto* combo = new QComboBox;
        combo->setObjectName(QStringLiteral("qifTargetCombo"));
        combo->addItem(tr("— Create new account \"%1\" —").arg(createName), kCreate);
        combo->addItem(tr("— Skip these transactions —"), kSkip);
        int selected = 0;
        for (const Account& account : accounts) {
            combo->addItem(account.name, account.id);
            if (selected == 0 && !source.noAccountHeader
                && account.name.compare(source.label, Qt::CaseInsensitive) == 0)
                selected = combo->count() - 1;
        }
        combo->setCurrentIndex(selected);
        m_layout->addRow(source.label, combo);
        m_rows.append({source, combo});
    }
}

void QifMappingRows::clear()
{
    if (m_layout) {
        while (m_layout->rowCount() > 0)
            m_layout->removeRow(0);
    }
    m_rows.clear();
}

QifMappingRows::Choice QifMappingRows::choice() const
{
    Choice choice;
    for (const Row& row : m_rows) {
        const QString target = row.combo ? row.combo->currentData().toString() : kSkip;
        if (target == kCreate) {
            choice.newAccounts.append(newAccountFor(row.source));
            choice.mapping.insert(row.source.name, choice.newAccounts.last().id);
        } else {
            choice.mapping.insert(row.source.name, target == kSkip ? QString() : target);
        }
    }
    return choice;
}
