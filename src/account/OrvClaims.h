#pragma once

#include <QJsonObject>
#include <QMetaType>
#include <QString>

namespace OrvaAccount {

// The group claims this program reads from the access token's custom "orv"
// object. Empty strings when the user has no group or the token is unreadable.
struct OrvClaims
{
    QString groupId;
    QString role;
};

OrvClaims decodeClaims(const QString& accessToken);

// The payload of a JSON Web Token, read without checking its signature: the
// service checks it, we only read when the token runs out and whose it is.
// An empty object unless the second dot-separated part is base64url JSON
// whose top level is an object.
QJsonObject tokenPayload(const QString& token);

} // namespace OrvaAccount

Q_DECLARE_METATYPE(OrvaAccount::OrvClaims)
