#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class QSqlError;

// Splits a migration script into statements. Comment lines are dropped, and a
// trigger body (BEGIN ... END) is kept whole even though its inner statements
// end in ";". Statements are returned without their closing ";".
QStringList splitSqlStatements(const QString& script);

// The one SQLite connection of the program. It opens the ledger file, brings the
// schema up to date from the compiled-in migration scripts and hands the
// connection to every repository.
class Database : public QObject
{
    Q_OBJECT

public:
    struct Migration
    {
        int version;
        const char* name;
        const char* resourcePath;
        // The tables its script makes, blank-separated, in lower case; a file
        // that lists the migration must hold them to be taken for a ledger.
        const char* tables;
    };

    explicit Database(QObject* parent = nullptr);
    ~Database() override;

    bool open(const QString& path);
    bool migrate();
    bool applyMigration(int version, const QString& name, const QString& script);

    QSqlDatabase& database();
    bool isOpen() const;

    // Why open() or migrate() last failed, in SQLite's words ("file is not a
    // database", "database or disk is full"), or that the file is no ledger.
    QString failureCause() const;
    // After a start that failed: closes the connection and removes the file
    // when open() made it, so that no empty ledger is left behind.
    void discardNewFile();

    static const QList<Migration>& migrations();

    // For writers that change rows of many tables behind the repositories' backs
    // (a restore, the sample data, a full resync): listeners reload everything
    // once instead of waiting for signals that never come.
    void announceLedgerReset();

signals:
    // Any row of any table may have changed.
    void ledgerReset();
    void migrationApplied(int version, QString name);
    void migrationError(int version, QString error);

private:
    bool refuse(const QString& cause);
    bool abandonMigration(int version, const QSqlError& error);

    QSqlDatabase m_db;
    bool m_opened = false;
    QString m_path;
    bool m_madeFile = false;
    QString m_failureCause;
};
