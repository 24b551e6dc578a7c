#pragma once

#include "RegisterEntryCommit.h"

#include "data/Money.h"

#include <QCoreApplication>
#include <QString>

// What the register tells after a typed row was committed: a status text for a
// while, an error for the window to show, or a message box. A saved or
// unchanged row tells nothing, nor does the opening-balance row, whose edit
// goes to the account's settings.
class RegisterCommitNotice
{
    Q_DECLARE_TR_FUNCTIONS(RegisterCommitNotice)

public:
    enum class Kind { None, Status, Error, Box };

    // `amountText` is the text that was not understood as an amount, or typed
    // too large for `currency`; `failureCause` SQLite's words for why the write failed.
    static RegisterCommitNotice of(RegisterEntryCommit::Outcome outcome, const QString& amountText = QString(),
                                   const QString& failureCause = QString(), Currency currency = Currency::USD);

    Kind kind = Kind::None;
    QString title; // of a box
    QString text;
    int milliseconds = 0; // of a status text
};
