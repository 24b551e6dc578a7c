#include "PreferencesRepository.h"

#include "SqlValues.h"

#include "Database.h"

#include <QSqlQuery>

PreferencesRepository::PreferencesRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

std::optional<QString> PreferencesRepository::get(const QString& key) const
{
    QSqlQuery query(m_database->database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT value FROM preferences WHERE key = ?"));
    query.addBindValue(key);
    if (!query.exec() || !query.next())
        return std::nullopt;
    // A NULL value is a present, empty text.
    return query.value(0).toString();
}

QString PreferencesRepository::getString(const QString& key, const QString& defaultValue) const
{
    return get(key).value_or(defaultValue);
}

bool PreferencesRepository::getBool(const QString& key, bool defaultValue) const
{
    const std::optional<QString> value = get(key);
    if (!value)
        return defaultValue;
    return *value == QLatin1String("1") || *value == QLatin1String("true");
}

bool PreferencesRepository::set(const QString& key, const QString& value)
{
    QSqlQuery query(m_database->database());
    query.prepare(QStringLiteral("INSERT INTO preferences (key, value) VALUES (?, ?) "
                                 "ON CONFLICT(key) DO UPDATE SET value = excluded.value"));
    query.addBindValue(key);
    query.addBindValue(SqlValues::bindText(value));
    if (!query.exec())
        return false;
    emit changed(key);
    return true;
}

void PreferencesRepository::setBool(const QString& key, bool value)
{
    set(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void PreferencesRepository::setInt(const QString& key, int value)
{
    set(key, QString::number(value));
}

bool PreferencesRepository::remove(const QString& key)
{
    QSqlQuery query(m_database->database());
    query.prepare(QStringLiteral("DELETE FROM preferences WHERE key = ?"));
    query.addBindValue(key);
    return query.exec();
}
