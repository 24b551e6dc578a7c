#pragma once

#include "RegisterFilter.h"

#include "data/Money.h"

#include <QString>
#include <QWidget>

class AppState;
class QFrame;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;
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

    void setAccount(const QString& accountId);
    // Rebuilds the rows and figures, keeping the current cell and the scroll
    // position. Skipped while a cell editor is open, so typing survives changes
    // made elsewhere.
    void reload();
    // Each call clears the text when its own time is up.
    void flashStatus(const QString& text, int milliseconds);

signals:
    void reconcileRequested(const QString& accountId);
    void editAccountRequested(const QString& accountId);
    void errorMessage(const QString& text);

public slots:
    void startEditingRow(int row);
    void newTransactionDialog();
    void showHeaderContextMenu(const QPoint& pos);
    void resetColumnLayout();

protected:
    bool focusNextPrevChild(bool next) override;

private:
    friend class RegisterTableView;

    void buildHeader(QVBoxLayout* outer);
    void buildBanner(QVBoxLayout* outer);
    void buildTable();
    void buildStatusLine(QVBoxLayout* outer);
    QLabel* addFigureBlock(QHBoxLayout* row, const QString& caption, bool bold);

    void reloadNow();
    void showFigures(qint64 cleared, qint64 total, bool liability, Currency currency);
    int rowForTransactionId(const QString& id) const;

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

    // The field walk of the current row (Tab, Shift+Tab, a closed editor).
    void flushOpenEditor();
    void focusEntryRow();
    void focusNextField();
    void focusPreviousField();
    void makeFieldCurrent(int column);
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
};
