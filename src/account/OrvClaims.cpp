#include "OrvClaims.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QStringList>

namespace OrvaAccount {

QJsonObject tokenPayload(const QString& token)
{
    const QStringList parts = token.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.size() < 2)
        return QJsonObject();
    const auto decoded = QByteArray::fromBase64Encoding(
        parts.at(1).toUtf8(), QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return QJsonObject();
    const QJsonDocument document = QJsonDocument::fromJson(decoded.decoded);
    return document.isObject() ? document.object() : QJsonObject();
}

OrvClaims decodeClaims(const QString& accessToken)
{
    const QJsonObject orv = tokenPayload(accessToken)
                                .value(QLatin1String("custom"))
                                .toObject()
                                .value(QLatin1String("orv"))
                                .toObject();
    OrvClaims claims;
    if (orv.isEmpty())
        return claims;
    claims.groupId = orv.value(QLatin1String("group_id")).toString();
    claims.role = orv.value(QLatin1String("role")).toString();
    return claims;
}

} // namespace OrvaAccount
