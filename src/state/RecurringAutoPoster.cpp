#include "RecurringAutoPoster.h"

#include "AppState.h"
#include "LedgerGate.h"
#include "account/Client.h"
#include "data/RecurringService.h"
#include "sync/SyncEngine.h"

#include <QTimer>

RecurringAutoPoster::RecurringAutoPoster(AppState* state, QObject* parent)
    : QObject(parent)
    , m_state(state)
    , m_hourlyTimer(new QTimer(this))
{
    m_hourlyTimer->setObjectName(QStringLiteral("hourlyRecurringTimer"));
    m_hourlyTimer->setInterval(kHourlyMs);
    connect(m_hourlyTimer, &QTimer::timeout, this, &RecurringAutoPoster::onHourlyCheck);
    m_hourlyTimer->start();
    connect(state->syncEngine, &SyncEngine::syncCompleted, this, &RecurringAutoPoster::onSyncCompleted);
}

bool RecurringAutoPoster::isSignedIn() const
{
    return m_state->accountClient->isAuthenticated();
}

void RecurringAutoPoster::postAtStart()
{
    if (!isSignedIn())
        post();
}

void RecurringAutoPoster::onHourlyCheck()
{
    if (!isSignedIn())
        post();
}

void RecurringAutoPoster::onSyncCompleted()
{
    if (m_state->syncEngine->isPullCaughtUp())
        post();
}

void RecurringAutoPoster::post()
{
    m_state->ledgerGate->whenFree(this, [this] {
        if (const int count = m_state->recurringService->autoPostDue(); count > 0)
            emit posted(count);
    });
}
