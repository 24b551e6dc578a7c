#pragma once

#include "HeldSum.h"
#include "OnlineTestSupport.h"
#include "ScreenTestSupport.h"

#include "account/Client.h"
#include "app/MainWindow.h"
#include "register/RegisterModel.h"
#include "data/RecurringRepository.h"
#include "sync/SyncEngine.h"
#include "widgets/ThemeManager.h"

#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>

enum class Start { SignedOut, SignedIn };

// A window on a fresh ledger (light theme, "now" pinned), its online client
// talking to the fake services and signing in through the fake browser.
struct WindowWorld : OnlineTest::OnlineWorld, ScreenLedger
{
    explicit WindowWorld(Start start)
    {
        if (!services.start())
            qFatal("the fake services did not start");
        client = std::make_unique<OrvaAccount::Client>(
            OnlineTest::configFor(services), start == Start::SignedIn ? OnlineTest::signedInStore(services.auth(), userId)
                                                                      : std::make_unique<OrvaAccount::MemoryTokenStore>());
        client->initialize();
        state->connectOnline(client.get(), services.syncApiUrl());
        QObject::connect(client->authClient(), &OrvaAccount::AuthClient::loginSucceeded, state.get(),
                         &AppState::onLoginSucceeded);
        state->themeManager = new ThemeManager(state->preferencesRepository, state.get());
        state->themeManager->setTheme(ThemeManager::Light);
    }
    ~WindowWorld() { window.reset(), state.reset(); }

    // The window as it first shows, before the balances and the register's rows are read.
    MainWindow* openFirstPaint()
    {
        window = std::make_unique<MainWindow>(state.get());
        window->show();
        return window.get();
    }
    // The window once the first turns of the event loop have filled it in.
    MainWindow* open()
    {
        openFirstPaint();
        // Without an account to show there is no register to wait for.
        const auto* table = window->findChild<QTableView*>(QStringLiteral("registerTable"));
        const auto* rows = table ? qobject_cast<const RegisterModel*>(table->model()) : nullptr;
        if (!QTest::qWaitFor(
                [&] { return !text("summaryLabel").isEmpty() && (!rows || rows->isEntryRowVisible()); }))
            qWarning("the window was not filled in");
        return window.get();
    }
    QString page() const { return child<QStackedWidget>(window.get(), "pageStack")->currentWidget()->objectName(); }
    QString message() const { return window->statusBar()->currentMessage(); }
    // The status message with the time it stays, as "text (3000 ms)".
    QString timedMessage() const
    {
        QString shown = message();
        for (const QTimer* timer : window->statusBar()->findChildren<QTimer*>(Qt::FindDirectChildrenOnly)) {
            if (timer->isActive())
                shown += QStringLiteral(" (%1 ms)").arg(timer->interval());
        }
        return shown;
    }
    QString text(const char* label) const { return child<QLabel>(window.get(), label)->text(); }
    QListWidget* list() const { return child<QListWidget>(window.get(), "accountList"); }
    // Name | balance | its colour | detail line, per card.
    QStringList cards() const
    {
        QStringList rows;
        for (int row = 0; row < list()->count(); ++row) {
            const QWidget* card = list()->itemWidget(list()->item(row));
            const auto* balance = child<QLabel>(card, "balanceLabel");
            rows.append({child<QLabel>(card, "nameLabel")->toolTip() + '|' + balance->text() + '|'
                         + balance->styleSheet() + '|' + child<QLabel>(card, "detailLabel")->text()});
        }
        return rows;
    }
    enum class Posting { Automatic, ByHand };
    void addDueRecurring(const QString& accountId, Posting posting = Posting::Automatic)
    {
        RecurringTransaction record;
        std::tie(record.id, record.accountId, record.payee, record.amount) = std::tuple(newId(), accountId, "Rent", -700);
        record.startDate = record.nextDueDate = now().date();
        record.createdAt = record.updatedAt = now();
        record.autoPost = posting == Posting::Automatic;
        QVERIFY(state->recurringRepository->insert(record));
    }
    qint64 balance(const Account& account) const { return held(state->transactionRepository->balance(account.id, {})); }

    std::unique_ptr<OrvaAccount::Client> client;
    std::unique_ptr<MainWindow> window;
};

Q_DECLARE_METATYPE(Start)
