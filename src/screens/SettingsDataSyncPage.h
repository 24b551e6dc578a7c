#pragma once

#include "sync/SyncEngine.h"

#include <QColor>
#include <QWidget>

class AppState;
class QLabel;
class QListWidget;
class QPushButton;

// The Data & Sync page of the preferences: who is signed in and how the last
// sync went, Sync Now and Force Full Sync, backup export and import, and the
// deleted accounts that can be restored.
class SettingsDataSyncPage : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsDataSyncPage(AppState* state, QWidget* parent = nullptr);

    // The deleted accounts and the sign-in and sync status.
    void refresh();

    // The status colour of a sync state on the current palette.
    static QColor statusColor(SyncEngine::SyncState state);

    // Brings back the account chosen in the list, with the rows deleted together with it.
    void restoreSelectedAccount();

signals:
    // An account came back, by a restore here or with a backup.
    void deletedAccountRestored();

private:
    QWidget* buildSyncSection();
    QWidget* buildBackupSection();
    QWidget* buildDeletedAccountsBlock();
    QString syncDetailText() const;

    void onSyncNowClicked();
    void onForceFullSyncClicked();
    // Keeps the sync buttons disabled until the run under way ends, if one started.
    void awaitRunEnd();
    // The buttons come back and the status shows how the run went.
    void onRunEnded();
    void onExportBackupClicked();
    void onImportBackupClicked();
    void reloadDeletedAccounts();

    AppState* m_state;
    QLabel* m_statusLabel = nullptr;
    QLabel* m_detailLabel = nullptr;
    QWidget* m_syncButtonRow = nullptr;
    QPushButton* m_syncNowButton = nullptr;
    QPushButton* m_forceFullSyncButton = nullptr;
    QPushButton* m_exportButton = nullptr;
    QPushButton* m_importButton = nullptr;
    QWidget* m_deletedBlock = nullptr;
    QListWidget* m_deletedList = nullptr;
    QPushButton* m_restoreButton = nullptr;
};
