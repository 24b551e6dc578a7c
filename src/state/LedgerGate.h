#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class ImportService;

// The one place that says whether the ledger may be written now. An import
// keeps its SQL transaction open while it lets events through for its progress
// dialog; a writer that runs on its own (a sync run, the automatic posting,
// a screen's timer) must not write inside that transaction, so it asks here and
// waits for the import to end.
class LedgerGate : public QObject
{
    Q_OBJECT

public:
    explicit LedgerGate(ImportService* imports, QObject* parent = nullptr);

    // True while an import's SQL transaction is open.
    bool isBusy() const;

    // Runs `work` now when the ledger is free; otherwise once, right after the
    // import's transaction ended, unless `context` is gone by then.
    void whenFree(QObject* context, std::function<void()> work);

signals:
    // An import's SQL transaction opened (busy) or ended (free).
    void busyChanged(bool busy);

private:
    void runDeferred();

    struct Deferred
    {
        QPointer<QObject> context;
        std::function<void()> work;
    };

    ImportService* m_imports;
    QList<Deferred> m_deferred;
};
