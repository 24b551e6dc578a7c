#pragma once

#include "data/Money.h"

#include <QFrame>

class AppState;
class QLabel;

// The banner over the register that offers to correct an opening balance
// recorded as a credit where the user owes it. "No, it is a credit" hides it
// for that account for good; "Yes, I owe this" corrects the balance.
class RegisterOpeningBanner : public QFrame
{
    Q_OBJECT

public:
    explicit RegisterOpeningBanner(AppState* state, QWidget* parent = nullptr);

    // Shown when the account's opening balance reads reversed and the user has
    // not dismissed the offer for it.
    void refresh(const QString& accountId, Currency currency);

signals:
    // The opening balance was corrected: the register shows it anew.
    void corrected();

private:
    void dismiss();
    void correct();

    AppState* m_state;
    QString m_accountId;
    QLabel* m_label = nullptr;
};
