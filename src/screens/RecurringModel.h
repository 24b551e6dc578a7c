#pragma once

#include "data/Money.h"
#include "data/RecurringTransaction.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

class AccountRepository;

// The recurring templates as a table: account, payee, amount, frequency, next
// due date, auto-post and status. Sorting is stable and works on the rows as
// they stand, so equal rows keep their load order (reversed when descending).
class RecurringModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { AccountColumn, PayeeColumn, AmountColumn, FrequencyColumn, NextDueColumn, AutoColumn, StatusColumn };

    RecurringModel(AccountRepository* accounts, QObject* parent);

    // Replaces the rows, forgets the account names and sorts as before.
    void setRecords(const QList<RecurringTransaction>& records);
    RecurringTransaction recordAt(int row) const { return m_rows.value(row); }

    // "monthly", "Every 3 months", "quarterly (×2)", "Semi-monthly (1st & last day)"...
    static QString frequencyText(const RecurringTransaction& record);
    // "1st", "22nd", "13th"; anything outside 1..31 is the month's last day.
    static QString ordinal(int day);
    // Active, and due today or earlier.
    static bool isDue(const RecurringTransaction& record);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    struct AccountLook
    {
        QString name;
        Currency currency = Currency::USD;
    };
    // Empty name and USD for an empty id or an account that does not exist.
    AccountLook accountLook(const QString& accountId) const;
    QVariant displayText(const RecurringTransaction& record, int column) const;
    void sortRows();

    AccountRepository* m_accounts;
    QList<RecurringTransaction> m_rows;
    mutable QHash<QString, AccountLook> m_accountLooks;
    int m_sortColumn = NextDueColumn;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
