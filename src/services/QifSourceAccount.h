#pragma once

#include "data/Account.h"

#include <QList>
#include <QString>
#include <QStringList>

// One account that QIF files hold transactions for, as the analysis lists it for
// the user to map onto a ledger account.
struct QifSourceAccount
{
    // The key of the account mapping: the account's name as the file wrote it, or
    // the file's full path for records that no account header names.
    QString name;
    // What the user reads: the name, or the file name with a note that the file
    // names no account.
    QString label;
    bool noAccountHeader = false;
    // The type to propose when the user creates an account for it.
    AccountType suggestedType = AccountType::Checking;
};

struct QifAnalysis
{
    // In the order the files and their records name them; an account named by
    // several files (letter case ignored) is listed once.
    QList<QifSourceAccount> sources;
    // Transaction records of all readable files.
    int totalRecords = 0;
    // One line for each file that could not be read, naming it and why; its
    // records are neither counted nor listed.
    QStringList problems;
};
