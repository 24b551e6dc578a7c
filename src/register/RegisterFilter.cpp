#include "RegisterFilter.h"

#include "data/RegisterRow.h"
#include "data/Transaction.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kCleared = QStringLiteral("cleared");
const QString kDateFrom = QStringLiteral("dateFrom");
const QString kDateTo = QStringLiteral("dateTo");
const QString kCategoryId = QStringLiteral("categoryId");

} // namespace

bool RegisterFilter::matches(const Transaction& transaction) const
{
    return matches(transaction.cleared, transaction.date, transaction.isSplit, transaction.categoryId);
}

bool RegisterFilter::matches(const RegisterRow& row) const
{
    return matches(row.cleared, row.date, row.isSplit, row.categoryId);
}

bool RegisterFilter::matches(bool isCleared, const QDate& date, bool isSplit, const QString& rowCategoryId) const
{
    if (cleared && *cleared != isCleared)
        return false;
    if (dateFrom.isValid() && date < dateFrom)
        return false;
    if (dateTo.isValid() && date > dateTo)
        return false;
    // A split has no category of its own, whatever its row still holds.
    if (!categoryId.isEmpty() && (isSplit || rowCategoryId != categoryId))
        return false;
    return true;
}

int RegisterFilter::activeCount() const
{
    return (cleared ? 1 : 0) + (dateFrom.isValid() || dateTo.isValid() ? 1 : 0) + (categoryId.isEmpty() ? 0 : 1);
}

QString RegisterFilter::toJson() const
{
    QJsonObject object;
    if (cleared)
        object.insert(kCleared, *cleared);
    if (dateFrom.isValid())
        object.insert(kDateFrom, dateFrom.toString(Qt::ISODate));
    if (dateTo.isValid())
        object.insert(kDateTo, dateTo.toString(Qt::ISODate));
    if (!categoryId.isEmpty())
        object.insert(kCategoryId, categoryId);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

RegisterFilter RegisterFilter::fromJson(const QString& text)
{
    RegisterFilter filter;
    const QJsonObject object = QJsonDocument::fromJson(text.toUtf8()).object();
    if (object.value(kCleared).isBool())
        filter.cleared = object.value(kCleared).toBool();
    if (object.value(kDateFrom).isString())
        filter.dateFrom = QDate::fromString(object.value(kDateFrom).toString(), Qt::ISODate);
    if (object.value(kDateTo).isString())
        filter.dateTo = QDate::fromString(object.value(kDateTo).toString(), Qt::ISODate);
    if (object.value(kCategoryId).isString())
        filter.categoryId = object.value(kCategoryId).toString();
    return filter;
}

QString registerFilterKey(const QString& accountId)
{
    return QStringLiteral("registerFilter_%1").arg(accountId);
}
