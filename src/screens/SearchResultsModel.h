#pragma once

#include "register/RegisterModel.h"

#include <QHash>

// The register rows a search finds across accounts. Each amount is written in
// its own account's currency: the accounts need not share one, and a yen
// amount read as dollars would show a hundredth of itself.
class SearchResultsModel : public RegisterModel
{
    Q_OBJECT

public:
    explicit SearchResultsModel(QObject* parent = nullptr);

    // Replaces the rows; an account missing from `currencies` reads as currency().
    void setResults(const QList<RegisterRow>& rows, const QHash<QString, Currency>& currencies);

protected:
    Currency currencyAt(qsizetype element) const override;

private:
    QHash<QString, Currency> m_currencies;
};
