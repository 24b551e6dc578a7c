#pragma once

#include "RegisterFilter.h"
#include "RegisterRowCommands.h"

#include "data/Money.h"
#include "data/RegisterRows.h"

#include <QString>
#include <QWidget>

class AppState;
struct Account;
class QFrame;
class QHBoxLayout;
class QLabel;
class QModelIndex;
class QPushButton;
class QVBoxLayout;
class RegisterChangeWatch;
class RegisterDelegate;
class RegisterModel;
class RegisterTableView;
class ReloadCoalescer;

// The register of one account: a header with the account's name and its
// Cleared, Uncleared and Balance figures, a banner offering to correct a
// reversed opening balance, the table where transactions are typed in place,
// and a status line. Column widths, hidden columns and the sort live in the
// settings store under "register/"; the display choices are preferences.
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
    bool focusNextPrevChild(bool next) override;

private:
    friend class RegisterRowCommands;
    friend class RegisterTableView;

    void buildHeader(QVBoxLayout* outer);
    void buildBanner(QVBoxLayout* outer);
    void buildTable();
    void buildStatusLine(QVBoxLayout* outer);
    QLabel* addFigureBlock(QHBoxLayout* row, const QString& caption, bool bold);

    void reloadNow();
    // What the coalesced reload runs: nothing when the register shows the ledger as it stands.
    void reloadIfStale();
    // The parts of a reload that read no row: title and institution, the display preferences.
    void showHeader(const Account& account);
    void applyDisplayPreferences(const Account& account);
    // A change this screen made itself shows at once: the row being edited in
    // place goes with its editor, which would otherwise hold the reload off.
    void reloadAfterOwnChange();
    // The rows of `ids` as now stored, after a write made through
    // RegisterChangeWatch::ownWrite: in place, keeping the current cell and the
    // scroll position, or by a reload when the register cannot place them.
    void showOwnChange(const QStringList& ids);
    void flashAmountNotUnderstood(const QString& text);
    void showFigures(const RegisterFigures& figures, bool liability, Currency currency);
    int rowForTransactionId(const QString& id) const;
    // The id of the transaction a model row shows; empty for any other row.
    QString transactionIdAt(int row) const;

    void updateFilterButton();
    void openFilterDialog();

    void restoreColumnLayout();
    void saveColumnWidth(int column, int newSize);
    void saveSortOrder(int column, Qt::SortOrder order);
    void setColumnShown(int column, bool shown);
    void setTwoLineMode(bool on);

    void updateOpeningBalanceBanner(Currency currency);
    void dismissOpeningBalanceBanner();
    void fixOpeningBalance();

    // Enter without Ctrl: opens the current cell, or walks on to the next field.
    void pressEnter();
    void onCellClicked(const QModelIndex& index);
    void onCellDoubleClicked(const QModelIndex& index);

    // The field walk of the current row (Tab, Shift+Tab, a closed editor).
    void flushOpenEditor();
    // Closes the open cell editor, if any, without writing what it holds.
    void discardOpenEditor();
    void focusEntryRow();
    void focusNextField();
    // Tab stays on the last field; Enter there saves the row.
    enum class PastLastField { Stay, Save };
    void stepToNextField(PastLastField pastLast);
    void focusPreviousField();
    void makeFieldCurrent(int column);
    // Opens a field reached backwards: the two-line payee editor on its memo line.
    void openFieldBackwards(int column);
    int nextVisibleField(int column) const;
    int previousVisibleField(int column) const;

    // A model row that shows a stored transaction (not the entry row).
    bool isTransactionRow(int row) const;
    void toggleClearedAt(int row);

    RegisterFilter m_filter;
    bool m_restoringLayout = false;
    AppState* m_state;
    QString m_accountId;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_clearedLabel = nullptr;
    QLabel* m_unclearedLabel = nullptr;
    QLabel* m_balanceLabel = nullptr;
    QLabel* m_subtitleLabel = nullptr;
    QLabel* m_statusLabel = nullptr;
    QPushButton* m_newTransactionButton = nullptr;
    QFrame* m_bannerFrame = nullptr;
    QLabel* m_bannerLabel = nullptr;
    QPushButton* m_reconcileButton = nullptr;
    QPushButton* m_filterButton = nullptr;
    RegisterTableView* m_table = nullptr;
    RegisterModel* m_model = nullptr;
    RegisterDelegate* m_delegate = nullptr;
    ReloadCoalescer* m_reloader = nullptr;
    RegisterChangeWatch* m_changes = nullptr;
    // The entry row is made current once the rows of a Later setAccount are in.
    bool m_focusEntryRowWhenLoaded = false;
    RegisterRowCommands* m_commands = nullptr;
};
