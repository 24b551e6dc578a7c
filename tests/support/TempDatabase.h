#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

class Database;
class QSqlQuery;

// A fresh ledger file in its own temporary folder, opened on the program's
// connection and migrated. One per test function; only one may exist at a time,
// because the program has exactly one connection.
class TempDatabase
{
public:
    enum class Migrate { Yes, No };

    explicit TempDatabase(Migrate migrate = Migrate::Yes);
    ~TempDatabase();

    Database* database() const { return m_database.get(); }
    QSqlDatabase& sql();
    QString path() const;
    bool isReady() const { return m_ready; }

    // Test set-up helpers: run a statement (values bound in order) and fail loudly.
    bool exec(const QString& statement, const QVariantList& values = {});
    QVariant scalar(const QString& statement, const QVariantList& values = {});

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Database> m_database;
    bool m_ready = false;
};

// Every row a query gives from here on, its columns joined with '|'.
QStringList rowTexts(QSqlQuery& query);
