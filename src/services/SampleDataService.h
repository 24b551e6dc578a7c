#pragma once

#include <QDate>
#include <QHash>
#include <QObject>
#include <QString>

class Database;

// Fills the ledger with a small demonstration household (three accounts, two
// months of transactions dated back from today, three recurring entries) and
// takes it out again. Every row it writes has an id starting with "sample-",
// and detection and removal go by that prefix alone.
//
// The texts pass through this class's translations, so a translated interface
// gets a translated set and finds its categories under the translated default
// names. Writes go straight to the tables, without a transaction, and a failed
// insert leaves the rest of the set; loading and clearing each end with one
// ledger reset instead of the repositories' change signals.
class SampleDataService : public QObject
{
    Q_OBJECT

public:
    explicit SampleDataService(Database* database, QObject* parent = nullptr);

    // True while any account with a "sample-" id exists, soft-deleted or not.
    bool hasSampleData() const;
    // Adds the set; it does not look for one already there (the caller does).
    void loadSampleData();
    // Physically deletes every "sample-" row, children before parents. False when
    // a delete failed: a sample account that holds a row of another id (one the
    // user added) stays, with that row, and so does every sample account.
    bool clearSampleData();

private:
    void buildCategoryLookup();
    QString lookupCategory(const char* name, const char* parentName) const;
    void insertAccounts(const QString& now);
    void insertTransactions(const QString& now, QDate today);
    void insertRecurring(const QString& now, QDate today);

    Database* m_database;
    // Category id under "<name>" and "<parent name>/<name>", built by each load.
    QHash<QString, QString> m_categoryIds;
};
