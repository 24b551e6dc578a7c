#pragma once

#include <QObject>

class AppState;
class QTimer;

// Posts the due recurring transactions that are marked for automatic posting:
// at start-up and every hour while nobody is signed in, and after every sync
// run whose pull caught up with the server (a signed-in user's entries may
// have been posted by another device meanwhile). No posting writes inside an
// import's open SQL transaction: it waits until the import has ended.
class RecurringAutoPoster : public QObject
{
    Q_OBJECT

public:
    static constexpr int kHourlyMs = 3600000;

    explicit RecurringAutoPoster(AppState* state, QObject* parent = nullptr);

    // The start-up posting; nothing while signed in.
    void postAtStart();
    // The hourly tick; nothing while signed in.
    void onHourlyCheck();
    // After a completed sync run; nothing unless its pull caught up.
    void onSyncCompleted();

signals:
    // Only when something was posted.
    void posted(int count);

private:
    bool isSignedIn() const;
    void post();

    AppState* m_state;
    QTimer* m_hourlyTimer;
};
