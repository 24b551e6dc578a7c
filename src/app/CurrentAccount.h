#pragma once

#include "data/Account.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class AppState;
class QMainWindow;

// The account that the window's account commands act on. Without one, the
// user is told in the window's status bar to pick one first.
class CurrentAccount
{
    Q_DECLARE_TR_FUNCTIONS(CurrentAccount)

public:
    // The current account's id, or empty after telling the user.
    static QString requireId(AppState* state, QMainWindow* window);
    // The current account's row. A current id without a row is told alike:
    // the window then shows no account the user could mean.
    static std::optional<Account> require(AppState* state, QMainWindow* window);
};
