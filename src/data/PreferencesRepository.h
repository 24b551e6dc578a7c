#pragma once

#include <QObject>
#include <QString>

#include <optional>

class Database;

// The user's choices: text values under text keys in the preferences table.
// Nothing is cached; every read is a query, and listeners learn of a write
// through changed(key).
class PreferencesRepository : public QObject
{
    Q_OBJECT

public:
    explicit PreferencesRepository(Database* database, QObject* parent = nullptr);

    // Present when the key has a row (a NULL value reads as empty text).
    std::optional<QString> get(const QString& key) const;
    QString getString(const QString& key, const QString& defaultValue = QString()) const;
    // True exactly for the stored texts "1" and "true"; the default only when absent.
    bool getBool(const QString& key, bool defaultValue) const;

    bool set(const QString& key, const QString& value);
    void setBool(const QString& key, bool value);
    void setInt(const QString& key, int value);
    bool remove(const QString& key);

signals:
    // After every successful write, also when the value did not change.
    void changed(const QString& key);

private:
    Database* m_database;
};
