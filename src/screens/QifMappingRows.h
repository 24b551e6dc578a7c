#pragma once

#include "data/Account.h"
#include "services/QifSourceAccount.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>

class QComboBox;
class QFormLayout;

// The rows of the import screen's QIF area, one per source account of the
// analysed files, each asking where its transactions go: into a new account,
// nowhere, or into a ledger account.
class QifMappingRows
{
    Q_DECLARE_TR_FUNCTIONS(QifMappingRows)

public:
    // The rows go into `layout`; with none, there are never any rows.
    explicit QifMappingRows(QFormLayout* layout);

    // One row per source, in order. A source named by its account header starts
    // on the ledger account of that name (letter case ignored), if there is one.
    void build(const QList<QifSourceAccount>& sources, const QList<Account>& accounts);
    void clear();

    // What the rows ask for: the import's mapping from source name to account
    // id (empty: skipped) and the accounts still to be created for it.
    struct Choice
    {
        QHash<QString, QString> mapping;
        QList<Account> newAccounts;
    };
    Choice choice() const;

private:
    struct Row
    {
        QifSourceAccount source;
        QPointer<QComboBox> combo; // owned by the layout
    };

    QPointer<QFormLayout> m_layout;
    QList<Row> m_rows;
};
