#pragma once

#include <QObject>
#include <QString>

class Database;

// Owns the database and, as they are added, every repository and service of the
// program. Screens and dialogs receive an AppState* and reach everything
// through its members.
class AppState : public QObject
{
    Q_OBJECT

public:
    explicit AppState(QObject* parent = nullptr);

    // Opens and migrates the ledger; false when that fails.
    bool initialize();

    Database* database = nullptr;
    QString currentAccountId;

signals:
    void currentAccountChanged(QString accountId);
    void databaseReady();
};
