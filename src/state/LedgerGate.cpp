#include "LedgerGate.h"

#include "services/ImportService.h"

#include <utility>

LedgerGate::LedgerGate(ImportService* imports, QObject* parent)
    : QObject(parent)
    , m_imports(imports)
{
    connect(imports, &ImportService::importTransactionStarted, this, [this] { emit busyChanged(true); });
    connect(imports, &ImportService::importTransactionEnded, this, [this] {
        emit busyChanged(false);
        runDeferred();
    });
}

bool LedgerGate::isBusy() const
{
    return m_imports->isImporting();
}

void LedgerGate::whenFree(QObject* context, std::function<void()> work)
{
    if (!isBusy()) {
        work();
        return;
    }
    m_deferred.append({QPointer<QObject>(context), std::move(work)});
}

void LedgerGate::runDeferred()
{
    // Work may start another import; what it defers waits for that one.
    const QList<Deferred> ready = std::exchange(m_deferred, {});
    for (const Deferred& deferred : ready) {
        if (isBusy())
            m_deferred.append(deferred);
        else if (deferred.context)
            deferred.work();
    }
}
