#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

// A live transaction written with SQL, beneath the repositories: what another
// program, a damaged backup or a sync from an older version may have left in a
// ledger, whatever its amount. No repository hears of it.
inline bool writeRowBeneath(QSqlDatabase db, const QString& accountId, const QString& id, const QString& date,
                            qint64 amount, bool cleared = false, const QString& categoryId = QString())
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, category_id, cleared, "
                                 "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& value :
         {QVariant(id), QVariant(accountId), QVariant(date), QVariant(QStringLiteral("Payee %1").arg(id)),
          QVariant(amount), categoryId.isEmpty() ? QVariant() : QVariant(categoryId), QVariant(cleared ? 1 : 0),
          QVariant(date + QStringLiteral("T09:00:00Z")), QVariant(date + QStringLiteral("T09:00:00Z"))})
        query.addBindValue(value);
    return query.exec();
}
