#include "TempDatabase.h"

#include "data/Database.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

TempDatabase::TempDatabase(Migrate migrate)
    : m_database(std::make_unique<Database>())
{
    m_ready = m_dir.isValid() && m_database->open(path());
    if (m_ready && migrate == Migrate::Yes)
        m_ready = m_database->migrate();
}

TempDatabase::~TempDatabase() = default;

QSqlDatabase& TempDatabase::sql()
{
    return m_database->database();
}

QString TempDatabase::path() const
{
    return m_dir.filePath(QStringLiteral("vellumry.db"));
}

bool TempDatabase::exec(const QString& statement, const QVariantList& values)
{
    QSqlQuery query(sql());
    if (!query.prepare(statement)) {
        qWarning().noquote() << "TempDatabase: cannot prepare" << statement << query.lastError().text();
        return false;
    }
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        qWarning().noquote() << "TempDatabase: failed" << statement << query.lastError().text();
        return false;
    }
    return true;
}

QVariant TempDatabase::scalar(const QString& statement, const QVariantList& values)
{
    QSqlQuery query(sql());
    query.prepare(statement);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec() || !query.next())
        return QVariant();
    return query.value(0);
}

QStringList rowTexts(QSqlQuery& query)
{
    QStringList rows;
    while (query.next()) {
        QStringList row;
        for (int column = 0; column < query.record().count(); ++column)
            row.append(query.value(column).toString());
        rows.append(row.join(QLatin1Char('|')));
    }
    return rows;
}
