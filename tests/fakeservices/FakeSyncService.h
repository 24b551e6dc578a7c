#pragma once

#include "FakeAuthService.h"
#include "FakeHttpServer.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>

#include <map>
#include <optional>

// The sync API: each user's rows by entity type and id, with versions; an
// opaque pull cursor that belongs to one user; and who each account is shared
// with. Every route wants a live access token. Sharing names people by their
// id in the account service (a group member's "account_id"), as the client does.
//
// A pushed change is taken when its version is above the stored one; the same
// version with the same payload is taken again without a change (a push whose
// reply was lost); anything else is refused with "conflict". Every change taken
// gets the next position in one sequence, which the pull follows.
//
// Routes below "/sync-api":
//   POST   /sync/push                     {"changes": [...]} -> {"results": [...]}
//   GET    /sync/pull?cursor=..&limit=..  400 for a cursor that is not the user's
//   GET    /accounts/{id}/members         the owner first
//   POST   /accounts/{id}/share           {"user_id"[, "email"], "role"}; owner only
//   DELETE /accounts/{id}/share/{user}    owner only
class FakeSyncService : public QObject
{
    Q_OBJECT

public:
    struct Row
    {
        QString entityType;
        QString entityId;
        QString serverId;
        int version = 0;
        bool deleted = false;
        // As pushed, without "server_id".
        QJsonObject payload;
        qint64 sequence = 0;
    };
    struct Share
    {
        // The person's user id in the authentication service.
        QString userId;
        QString role;
        qint64 createdAt = 0;
    };

    FakeSyncService(FakeHttpServer* http, FakeAuthService* auth, QObject* parent = nullptr);

    static QString apiPath(const QString& path) { return QStringLiteral("/sync-api") + path; }
    static QString pushPath() { return apiPath(QStringLiteral("/sync/push")); }
    static QString pullPath() { return apiPath(QStringLiteral("/sync/pull")); }

    // The user's rows of one entity type, or of all when empty, in sequence order.
    QList<Row> rows(const QString& userId, const QString& entityType = QString()) const;
    std::optional<Row> row(const QString& userId, const QString& entityType, const QString& entityId) const;
    // As if a device had pushed it; returns the server id.
    QString putRow(const QString& userId, const QString& entityType, const QString& entityId, int version,
                   const QJsonObject& payload, bool deleted = false);

    // Answers every push this much later, and counts a push that arrives while
    // an earlier one is unanswered: a client must send its batches one by one.
    void setPushReplyDelay(int milliseconds);
    int overlappingPushCount() const { return m_overlappingPushes; }
    // The number of changes of each push, in arrival order.
    QList<int> pushBatchSizes() const { return m_pushBatchSizes; }
    QList<Share> shares(const QString& accountId) const { return m_shares.value(accountId); }

private:
    using Key = QPair<QString, QString>;
    struct UserData
    {
        QHash<Key, Row> rows;
        std::map<qint64, Key> bySequence;
    };

    const UserData& dataOf(const QString& userId) const;
    FakeResponse push(const FakeRequest& request, const QString& userId);
    FakeResponse pull(const FakeRequest& request, const QString& userId) const;
    FakeResponse members(const FakeRequest& request, const QString& userId) const;
    FakeResponse share(const FakeRequest& request, const QString& userId);
    QString cursorFor(const QString& userId, qint64 sequence) const;
    // The user who synced the account, or empty.
    QString ownerOf(const QString& accountId) const;
    QJsonObject memberJson(const QString& userId, const QString& role, qint64 createdAt) const;

    FakeAuthService* m_auth;
    FakeHttpServer* m_http;
    QHash<QString, UserData> m_users;
    qint64 m_sequence = 0;
    QHash<QString, QList<Share>> m_shares;
    int m_pushDelayMs = 0;
    bool m_pushInFlight = false;
    int m_overlappingPushes = 0;
    QList<int> m_pushBatchSizes;
};
