#pragma once

#include "RegisterLedger.h"

#include "register/RegisterFigureValue.h"
#include "register/RegisterModel.h"
#include "register/RegisterScreen.h"
#include "register/RegisterTableView.h"

#include <QLabel>
#include <QStringList>

// What a register screen shows, read as a person reads it: the account's
// name, the three figures, then every row as its nine cells say (the entry row
// and the row being edited among them), and last the current cell, by
// transaction, with the transaction the row being edited shows.
inline QStringList shownBy(RegisterScreen* screen)
{
    auto* table = child<RegisterTableView>(screen, "registerTable");
    const auto* model = qobject_cast<const RegisterModel*>(table->model());
    QStringList shown{child<QLabel>(screen, "titleLabel")->text()};
    for (const char* name : {"clearedLabel", "unclearedLabel", "balanceLabel"})
        shown.append(child<RegisterFigureValue>(screen, name)->text());
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < RegisterModel::ColumnCount; ++column)
            cells.append(model->index(row, column).data().toString());
        shown.append(cells.join(QLatin1Char('|')));
    }
    const QModelIndex current = table->currentIndex();
    const QString at = !current.isValid()                 ? QStringLiteral("none")
                       : current.row() == model->entryRow() ? QStringLiteral("entry row")
                                                            : model->transactionIdAt(current.row());
    const QString edited = model->editRow() < 0 ? QStringLiteral("none") : model->transactionIdAt(model->editRow());
    shown.append(QStringLiteral("current %1, column %2; editing %3").arg(at).arg(current.column()).arg(edited));
    return shown;
}

// A register of the same account built afresh, on the cell `screen` is on:
// what it shows is what `screen` must show.
inline QStringList shownAfresh(AppState* state, RegisterScreen* screen, const QString& accountId)
{
    auto* table = child<RegisterTableView>(screen, "registerTable");
    const auto* model = qobject_cast<const RegisterModel*>(table->model());
    const QModelIndex current = table->currentIndex();
    const QString currentId = current.isValid() && current.row() != model->entryRow()
                                  ? model->transactionIdAt(current.row())
                                  : QString();
    RegisterScreen fresh(state);
    fresh.resize(screen->size());
    fresh.setAccount(accountId);
    auto* freshTable = child<RegisterTableView>(&fresh, "registerTable");
    auto* freshModel = qobject_cast<RegisterModel*>(freshTable->model());
    // The entry row starts on the date the last new row was saved with.
    freshModel->setEntryText(RegisterModel::NextEntryDateSlot, model->entryText(RegisterModel::NextEntryDateSlot));
    freshModel->resetEntryBuffer();
    if (current.isValid()) {
        const int row = currentId.isEmpty() ? freshModel->entryRow() : freshModel->rowOf(currentId);
        freshTable->setCurrentIndex(freshModel->index(row, current.column()));
    }
    return shownBy(&fresh);
}
