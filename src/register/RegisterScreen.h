#pragma once

#include "RegisterFilterControl.h"
#include "RegisterRowCommands.h"

#include "data/Account.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class AppState;
class QModelIndex;
class RegisterChangeWatch;
class RegisterColumnLayout;
class RegisterCommitNotice;
class RegisterDelegate;
class RegisterFieldWalk;
class RegisterHeaderBar;
class RegisterModel;
class RegisterOpeningBanner;
class RegisterStatusLine;
class RegisterTableView;

// The register of one account: a header with the account's name and its
// Cleared, Uncleared and Balance figures, a banner offering to correct a
// reversed opening balance, the table where transactions are typed in place,
// and a status line. The screen routes keys, clicks and changes; the jobs are
// its parts': the header (RegisterHeaderBar), the account's filter
// (RegisterFilterControl), the status line (RegisterStatusLine), the field walk
// (RegisterFieldWalk), the columns (RegisterColumnLayout), the entry commit
// (RegisterEntryCommit), the row commands (RegisterRowCommands) and the
// own-write watch (RegisterChangeWatch).
class RegisterScreen : public QWidget
{
    Q_OBJECT

public:
    explicit RegisterScreen(AppState* state, QWidget* parent = nullptr);

    // When setAccount shows the rows. Later shows the header at once and leaves
    // the rows and figures to the next reload, so that a window opening on a big
    // account can appear first; meanwhile the table holds no row and the figures
    // are blank, never another account's.
    enum class Rows { Now, Later };
    void setAccount(const QString& accountId, Rows rows = Rows::Now);
    // Rebuilds the rows and figures, keeping the current cell and the scroll
    // position. Skipped while a cell editor is open, so typing survives changes
    // made elsewhere.
    void reload();
    // Each call clears the text when its own time is up.
    void flashStatus(const QString& text, int milliseconds);
    // Drops what was typed and starts a new transaction in the entry row (Ctrl+I).
    void cancelEdit();
    // The recurring form lives above this library, so the window hands it in;
    // until it does, memorizing (Ctrl+M) checks the date and opens nothing.
    void setMemorizeForm(RegisterRowCommands::MemorizeForm form);

    // The moves the table's keys ask for (Tab, Shift+Tab, Space or C on Clr).
    void focusNextField();
    void focusPreviousField();
    void toggleClearedAt(int row);
    bool focusNextPrevChild(bool next) override;

signals:
    void reconcileRequested(const QString& accountId);
    void editAccountRequested(const QString& accountId);
    void errorMessage(const QString& text);

public slots:
    void onContextMenu(const QPoint& pos);
    void commitCurrentRow();
    void deleteCurrentRow();
    void copyFromAbove();
    void advanceToNextField();
    void advanceToPreviousField();
    void startEditingRow(int row);
    void newTransactionDialog();
    void presentNewTransactionDialog(const Transaction* seed, bool seedFromInlineRow);
    void editNewRowInDialog();
    void showHeaderContextMenu(const QPoint& pos);
    void resetColumnLayout();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTable();

    void reloadNow();
    // What the coalesced reload runs: nothing when the register shows the ledger as it stands.
    void reloadIfStale();
    // A change this screen made itself shows at once: the row being edited in
    // place goes with its editor, which would otherwise hold the reload off.
    void reloadAfterOwnChange();
    // The rows of `ids` as now stored, after a write made through
    // RegisterChangeWatch::ownWrite: in place, keeping the current cell and the
    // scroll position, or by a reload when the register cannot place them.
    void showOwnChange(const QStringList& ids);
    enum class Written { Changed, Created, Deleted };
    void showWrittenRows(const QStringList& ids, Written written);
    void showNotice(const RegisterCommitNotice& notice);

    // The filter button follows the account's filter; an accepted dialog reloads.
    void updateFilterButton();
    void openFilterDialog();

    // Enter without Ctrl: opens the current cell, or walks on to the next field.
    void pressEnter();
    void onCellClicked(const QModelIndex& index);
    void onCellDoubleClicked(const QModelIndex& index);

    RegisterFilterControl m_filter;
    AppState* m_state;
    QString m_accountId;
    // The account as the last reload read it: while the register is not stale
    // no change to it has been heard since, so a write of its own need not read it again.
    std::optional<Account> m_shownAccount;
    RegisterHeaderBar* m_header = nullptr;
    RegisterStatusLine* m_statusLine = nullptr;
    RegisterOpeningBanner* m_banner = nullptr;
    RegisterTableView* m_table = nullptr;
    RegisterModel* m_model = nullptr;
    RegisterDelegate* m_delegate = nullptr;
    RegisterChangeWatch* m_changes = nullptr;
    RegisterFieldWalk* m_walk = nullptr;
    RegisterColumnLayout* m_columns = nullptr;
    // The entry row is made current once the rows of a Later setAccount are in.
    bool m_focusEntryRowWhenLoaded = false;
    // While rows written by the screen itself come and go.
    bool m_changingRows = false;
    // A date cell was left with text that reads as no date since the flag was cleared.
    bool m_dateNotUnderstood = false;
    RegisterRowCommands* m_commands = nullptr;
};
