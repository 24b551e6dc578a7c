#pragma once

#include "data/RecurringTransaction.h"
#include "data/Transaction.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class AppState;
class QMenu;
class QPoint;
class RegisterChangeWatch;
class RegisterModel;
class RegisterScreen;
class RegisterTableView;

// The commands on a stored row of the register, from its keys and its context
// menu: details, edit in the form or in the split editor, duplicate, delete,
// the cleared mark, and memorize as a recurring transaction. A command names
// its row by transaction id and looks it up again when it runs, since any
// dialog or menu lets the register reload meanwhile; a row gone by then is
// left alone. Each command writes as one of the register's own writes and
// tells the screen what to show through its signals.
class RegisterRowCommands : public QObject
{
    Q_OBJECT

public:
    // Runs the recurring form in its memorize mode on `seed`; the record built
    // when the user accepted it.
    using MemorizeForm =
        std::function<std::optional<RecurringTransaction>(const RecurringTransaction& seed, QWidget* parent)>;

    RegisterRowCommands(AppState* state, RegisterScreen* screen, RegisterTableView* table, RegisterModel* model,
                        RegisterChangeWatch* changes);

    void setMemorizeForm(MemorizeForm form) { m_memorizeForm = std::move(form); }

    void deleteRow(const QString& id);
    void duplicateRow(const QString& id);
    void editRowInDialog(const QString& id);
    void editSplits(const QString& id);
    void showRowDetails(const QString& id);
    // Flips the mark whether or not the row is reconciled, unlike the Clr cell.
    void flipCleared(const QString& id);
    void memorize(const QString& id);
    // The menu of the row at `pos` in the table's viewport, or of no row.
    void showContextMenu(const QPoint& pos);

signals:
    // The rows of `ids` were written: shown as now stored.
    void rowsWritten(const QStringList& ids);
    // The rows of `ids` were deleted: they leave the register as they are.
    void rowsDeleted(const QStringList& ids);
    // A row was added that only a reload finds (a duplicate, whose id the form made).
    void rowAdded();
    // A dialog looked at the row; `changed` when it may have written anything.
    void rowLookedAt(bool changed);

private:
    // A transaction action that asks the user; true when it saved.
    using Action = bool (*)(AppState*, const Transaction&, QWidget*);

    // The stored transaction of a row the register shows.
    std::optional<Transaction> find(const QString& id) const;
    // Runs `action` on the row as one of the register's own writes; the
    // transaction it was given when it saved.
    std::optional<Transaction> runAction(const QString& id, Action action);
    void addRowEntries(QMenu* menu, const Transaction& transaction);

    AppState* m_state;
    RegisterScreen* m_screen;
    RegisterTableView* m_table;
    RegisterModel* m_model;
    RegisterChangeWatch* m_changes;
    MemorizeForm m_memorizeForm;
};
