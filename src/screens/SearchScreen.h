#pragma once

#include "data/Transaction.h"

#include <QWidget>

#include <functional>
#include <optional>

class AppState;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QTableView;
class QTimer;
class QVBoxLayout;
class SearchResultsModel;

// Finds transactions of every account by text (payee, memo, check number) and
// filters, lists the newest matches register-style, and offers the register's
// row actions on them. Typing searches once the keys pause; every other filter
// searches at once.
class SearchScreen : public QWidget
{
    Q_OBJECT

public:
    explicit SearchScreen(AppState* state, QWidget* parent = nullptr);

    // Refills the account and category filters, back on "All", and searches.
    void populateFilterCombos();
    void focusSearchField();

signals:
    void editTransactionRequested(const QString& transactionId);

public slots:
    void performSearch();
    void onContextMenu(const QPoint& pos);

private:
    using RowAction = std::function<bool(const Transaction&)>;

    void buildFilterRow(QVBoxLayout* layout);
    QComboBox* addFilterCombo(const char* name);
    QDateEdit* addDateEdit(const char* name);
    void onDoubleClicked(const QModelIndex& index);
    void runRowAction(const QString& transactionId, const RowAction& action);
    bool showDetails(const Transaction& transaction);
    // The stored transaction, unless it is gone or deleted.
    std::optional<Transaction> liveTransaction(const QString& transactionId) const;

    AppState* m_state;
    QLineEdit* m_searchEdit = nullptr;
    QTimer* m_searchTimer = nullptr;
    QComboBox* m_accountCombo = nullptr;
    QComboBox* m_categoryCombo = nullptr;
    QDateEdit* m_dateFromEdit = nullptr;
    QDateEdit* m_dateToEdit = nullptr;
    QCheckBox* m_clearedOnlyCheck = nullptr;
    QCheckBox* m_dateRangeCheck = nullptr;
    QTableView* m_resultsView = nullptr;
    SearchResultsModel* m_resultsModel = nullptr;
};
