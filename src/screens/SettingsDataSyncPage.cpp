#include "SettingsDataSyncPage.h"

#include "FormHelpers.h"
#include "SettingsPageParts.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "data/AccountRepository.h"
#include "data/AccountService.h"
#include "data/Clock.h"
#include "data/Database.h"
#include "data/PreferencesRepository.h"
#include "services/BackupService.h"
#include "state/AppState.h"
#include "widgets/Appearance.h"
#include "widgets/FileDialog.h"
#include "widgets/InputDialog.h"
#include "widgets/MessageBox.h"
#include "widgets/LedgerWatch.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include <memory>
#include <numeric>

namespace {

bool writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

qint64 sum(const std::array<qint32, kBackupTableCount>& counts)
{
    return std::accumulate(counts.cbegin(), counts.cend(), qint64(0));
}

} // namespace

SettingsDataSyncPage::SettingsDataSyncPage(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    QVBoxLayout* layout = makePageFrame(this, tr("Data & Sync"));
    layout->addSpacing(12);
    layout->addWidget(makeSectionHeader(tr("Sync"), tr("Keep your vellumry in sync across all your devices."), this));
    layout->addWidget(buildSyncSection());
    addSectionBreak(layout, this);
    layout->addWidget(
        makeSectionHeader(tr("Backup & Restore"), tr("Save or restore your data to a portable backup file."), this));
    layout->addWidget(buildBackupSection());
    addSectionBreak(layout, this);
    layout->addWidget(buildDeletedAccountsBlock());
    layout->addStretch();
    reloadDeletedAccounts();

    // An account deleted while the window is open shows up at once.
    new LedgerWatch(m_state, LedgerPart::Accounts, [this] { reloadDeletedAccounts(); }, this);
}

QWidget* SettingsDataSyncPage::buildSyncSection()
{
    auto* section = new QWidget(this);
    auto* layout = new QVBoxLayout(section);
    layout->setContentsMargins(12, 0, 0, 0);
    layout->setSpacing(8);
    m_statusLabel = named(new QLabel(section), "accountStatusLabel");
    m_statusLabel->setWordWrap(true);
    layout->addWidget(m_statusLabel);
    m_detailLabel = named(makeGreyLabel(QString(), section), "syncDetailLabel");
    applyFontRole(m_detailLabel, 2);
    layout->addWidget(m_detailLabel);

    m_syncButtonRow = named(new QWidget(section), "syncButtonRow");
    auto* buttons = new QHBoxLayout(m_syncButtonRow);
    buttons->setContentsMargins(0, 8, 0, 0);
    buttons->setSpacing(8);
    m_syncNowButton = named(new QPushButton(tr("Sync Now"), m_syncButtonRow), "syncNowButton");
    applyAccentButtonStyle(m_syncNowButton);
    m_forceFullSyncButton = named(new QPushButton(tr("Force Full Sync"), m_syncButtonRow), "forceFullSyncButton");
    buttons->addWidget(m_syncNowButton);
    buttons->addWidget(m_forceFullSyncButton);
    buttons->addStretch();
    layout->addWidget(m_syncButtonRow);

    connect(m_syncNowButton, &QPushButton::clicked, this, &SettingsDataSyncPage::onSyncNowClicked);
    connect(m_forceFullSyncButton, &QPushButton::clicked, this, &SettingsDataSyncPage::onForceFullSyncClicked);
    return section;
}

QWidget* SettingsDataSyncPage::buildBackupSection()
{
    auto* section = new QWidget(this);
    auto* layout = new QHBoxLayout(section);
    layout->setContentsMargins(12, 0, 0, 0);
    layout->setSpacing(8);
    m_exportButton = named(new QPushButton(tr("Export Backup"), section), "exportBackupButton");
    m_importButton = named(new QPushButton(tr("Import Backup"), section), "importBackupButton");
    layout->addWidget(m_exportButton);
    layout->addWidget(m_importButton);
    layout->addStretch();
    connect(m_exportButton, &QPushButton::clicked, this, &SettingsDataSyncPage::onExportBackupClicked);
    connect(m_importButton, &QPushButton::clicked, this, &SettingsDataSyncPage::onImportBackupClicked);
    return section;
}

QWidget* SettingsDataSyncPage::buildDeletedAccountsBlock()
{
    m_deletedBlock = named(new QWidget(this), "deletedAccountsBlock");
    auto* layout = new QVBoxLayout(m_deletedBlock);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(makeSectionHeader(tr("Deleted Accounts"), tr("Accounts you've deleted can be restored here."),
                                        m_deletedBlock));
    m_deletedList = named(new QListWidget(m_deletedBlock), "deletedAccountsList");
    m_deletedList->setMaximumHeight(120);
    m_deletedList->setFrameShape(QFrame::StyledPanel);
    layout->addWidget(m_deletedList);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    m_restoreButton = named(new QPushButton(tr("Restore Selected"), m_deletedBlock), "restoreButton");
    applyAccentButtonStyle(m_restoreButton);
    m_restoreButton->setEnabled(false);
    buttonRow->addWidget(m_restoreButton);
    layout->addLayout(buttonRow);

    connect(m_deletedList, &QListWidget::currentRowChanged, m_restoreButton,
            [this](int row) { m_restoreButton->setEnabled(row >= 0); });
    connect(m_restoreButton, &QPushButton::clicked, this, &SettingsDataSyncPage::restoreSelectedAccount);
    return m_deletedBlock;
}

QColor SettingsDataSyncPage::statusColor(SyncEngine::SyncState state)
{
    switch (state) {
    case SyncEngine::SyncState::Idle: return positiveAmountColor();
    case SyncEngine::SyncState::Syncing: return appAccentColor();
    case SyncEngine::SyncState::Error: return negativeAmountColor();
    case SyncEngine::SyncState::Offline: break;
    }
    return QColor(isDarkPalette() ? QStringLiteral("#FFA726") : QStringLiteral("#E65100"));
}

void SettingsDataSyncPage::refresh()
{
    reloadDeletedAccounts();
    OrvaAccount::AuthClient* auth = m_state->accountClient ? m_state->accountClient->authClient() : nullptr;
    if (!auth || auth->state() != OrvaAccount::AuthState::SignedIn) {
        // Plain text, so that the line break shows.
        m_statusLabel->setTextFormat(Qt::PlainText);
        m_statusLabel->setText(tr("Not signed in.\nSign in via File › Orvalen Account to enable sync."));
        m_detailLabel->hide();
        m_syncButtonRow->hide();
        return;
    }

    const OrvaAccount::User user = auth->currentUser();
    QString name = user.displayName.isEmpty() ? user.email : user.displayName;
    if (name.isEmpty())
        name = auth->currentUserId();
    const SyncEngine::SyncState state = m_state->syncEngine->state();
    m_statusLabel->setTextFormat(Qt::RichText);
    m_statusLabel->setText(tr("<b>Signed in as:</b> %1<br><b>Status:</b> <span style=\"color:%2\">%3</span>")
                               .arg(name.toHtmlEscaped(), statusColor(state).name(),
                                    SyncEngine::syncStateText(state).toHtmlEscaped()));
    m_detailLabel->setText(syncDetailText());
    m_detailLabel->show();
    m_syncButtonRow->show();

    if (user.displayName.isEmpty() && user.email.isEmpty()) {
        auth->fetchCurrentUser([page = QPointer<SettingsDataSyncPage>(this)](const OrvaAccount::User& fetched) {
            // A failed fetch brings no name either; asking again would never end.
            if (page && (!fetched.displayName.isEmpty() || !fetched.email.isEmpty()))
                page->refresh();
        });
    }
}

QString SettingsDataSyncPage::syncDetailText() const
{
    const QString stored = m_state->preferencesRepository->getString(SyncEngine::kLastSyncTimestampKey);
    QString text;
    if (stored.isEmpty()) {
        text = tr("Never synced");
    } else {
        const QDateTime time = QDateTime::fromString(stored, Qt::ISODate);
        text = tr("Last synced: %1")
                   .arg(time.isValid() ? time.toLocalTime().toString(QStringLiteral("MMM d, h:mm ap")) : stored);
    }
    const SyncEngine* engine = m_state->syncEngine;
    if (engine->state() == SyncEngine::SyncState::Error && !engine->lastError().isEmpty())
        text += tr("\nError: %1").arg(engine->lastError());
    return text;
}

void SettingsDataSyncPage::onSyncNowClicked()
{
    m_state->syncEngine->syncNow();
    m_syncNowButton->setEnabled(false);
    m_syncNowButton->setText(tr("Syncing..."));
    awaitRunEnd();
}

void SettingsDataSyncPage::onForceFullSyncClicked()
{
    if (MessageBox::question(this, tr("Force Full Sync"),
                             tr("This will re-upload every local row to the server and re-download all server data. "
                                "Use this if data appears out of sync between devices.\n\nContinue?"),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes) {
        return;
    }
    m_state->syncEngine->forceFullSync();
    m_syncNowButton->setEnabled(false);
    m_forceFullSyncButton->setEnabled(false);
    m_syncNowButton->setText(tr("Syncing..."));
    awaitRunEnd();
}

void SettingsDataSyncPage::awaitRunEnd()
{
    SyncEngine* engine = m_state->syncEngine;
    // Signed out, or held by an import: no run started, and none will say it ended.
    if (!engine->isRunning()) {
        onRunEnded();
        return;
    }
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(engine, &SyncEngine::stateChanged, this, [this, engine, connection] {
        if (engine->isRunning())
            return;
        disconnect(*connection);
        onRunEnded();
    });
}

void SettingsDataSyncPage::onRunEnded()
{
    m_syncNowButton->setEnabled(true);
    m_syncNowButton->setText(tr("Sync Now"));
    m_forceFullSyncButton->setEnabled(true);
    refresh();
}

void SettingsDataSyncPage::onExportBackupClicked()
{
    const QString proposed = QStringLiteral("vellumry-backup-%1.zip").arg(Clock::today().toString(Qt::ISODate));
    const QString path = FileDialog::saveFileName(this, tr("Export Backup"), proposed, tr("ZIP Files (*.zip)"));
    if (path.isEmpty())
        return;
    m_exportButton->setEnabled(false);
    m_exportButton->setText(tr("Exporting..."));
    // An empty archive means the ledger could not be read; the file is then left as it was.
    const QByteArray archive = m_state->backupService->exportBackup();
    if (archive.isEmpty())
        MessageBox::warning(this, tr("Backup Failed"), tr("The backup could not be made from the ledger."));
    else if (writeWhole(path, archive))
        MessageBox::information(this, tr("Backup Complete"), tr("Backup saved to:\n%1").arg(path));
    else
        MessageBox::warning(this, tr("Backup Failed"), tr("Could not write to:\n%1").arg(path));
    m_exportButton->setEnabled(true);
    m_exportButton->setText(tr("Export Backup"));
}

void SettingsDataSyncPage::onImportBackupClicked()
{
    const QString path = FileDialog::openFileName(this, tr("Import Backup"), QString(), tr("ZIP Files (*.zip)"));
    if (path.isEmpty())
        return;
    const QString keepNewer = tr("Keep newer (compare timestamps)");
    const QString skipExisting = tr("Skip existing items");
    bool ok = false;
    const QString chosen = InputDialog::getItem(this, tr("Import Mode"), tr("How should existing data be handled?"),
                                                {tr("Replace all with backup data"), keepNewer, skipExisting}, 0,
                                                false, &ok);
    if (!ok)
        return;
    const BackupImportMode mode = chosen == keepNewer      ? BackupImportMode::KeepNewer
                                  : chosen == skipExisting ? BackupImportMode::SkipExisting
                                                           : BackupImportMode::ReplaceAll;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MessageBox::warning(this, tr("Import Failed"), tr("Could not read file."));
        return;
    }
    m_importButton->setEnabled(false);
    m_importButton->setText(tr("Importing..."));
    const QByteArray archive = file.readAll();
    file.close();

    const BackupImportResult result = m_state->backupService->importBackup(archive, mode);
    // The restore wrote behind the repositories' backs.
    m_state->database->announceLedgerReset();
    QString summary = tr("Imported %1 items, skipped %2.").arg(sum(result.imported)).arg(sum(result.skipped));
    // Past the first hundred the errors are counted, not listed.
    if (result.errorCount > 0)
        summary += tr("\n\n%n error(s) occurred.", nullptr, result.errorCount);
    MessageBox::information(this, tr("Import Complete"), summary);
    m_importButton->setEnabled(true);
    m_importButton->setText(tr("Import Backup"));
    emit deletedAccountRestored();
}

void SettingsDataSyncPage::reloadDeletedAccounts()
{
    m_deletedList->clear();
    m_restoreButton->setEnabled(false);
    const QList<Account> deleted = m_state->accountRepository->listDeleted();
    m_deletedBlock->setVisible(!deleted.isEmpty());
    for (const Account& account : deleted) {
        auto* item = new QListWidgetItem(account.name, m_deletedList);
        item->setData(Qt::UserRole, account.id);
    }
}

void SettingsDataSyncPage::restoreSelectedAccount()
{
    const QListWidgetItem* item = m_deletedList->currentItem();
    const QString id = item ? item->data(Qt::UserRole).toString() : QString();
    if (id.isEmpty())
        return;
    const bool restored = m_state->accountService->restore(id);
    reloadDeletedAccounts();
    if (restored)
        emit deletedAccountRestored();
}
