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

// The sync API: each user's synced rows, keyed by entity type and id, with
// their versions; an opaque pull cursor that belongs to one user; and who
// each account is shared with. Every route wants a live access token.
//
// A pushed change is taken when its version is above the stored one; the
// same version with the same payload is taken again without a change (a
// push whose reply was lost); anything else is refused with "conflict", and
// the device learns the server's row from its next pull. Every change taken
// gets the next position in one sequence, which the pull follows.
//
// Routes below the base path ("/sync-api"):
//   POST   /sync/push                     {"changes": [...]} -> {"results": [...]}
//   GET    /sync/pull?cursor=..&limit=..  the user's changes after the cursor;
//                                         400 {"error": "invalid_cursor"} for a
//                                         cursor of another user or none of ours
//   GET    /accounts/{id}/members         {"members": [...]}, the owner first
//   POST   /accounts/{id}/share           {"user_id"[, "email"], "role"}; owner only
//   DELETE /accounts/{id}/share/{userId}  owner only
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
        QString userId;
        QString role;
        qint64 createdAt = 0;
    };

    static constexpr int DefaultPullLimit = 200;

    FakeSyncService(FakeHttpServer* http, FakeAuthService* auth, const QString& basePath, QObject* parent = nullptr);

    QString basePath() const;
    // The server path of a path below the sync API.
    QString apiPath(const QString& path) const;
    QString pushPath() const;
    QString pullPath() const;

    // The user's rows of one entity type ("account", "transaction", ...), or
    // of all types when empty, in sequence order.
    QList<Row> rows(const QString& userId, const QString& entityType = QString()) const;
    std::optional<Row> row(const QString& userId, const QString& entityType, const QString& entityId) const;
    // As if a device had pushed it; returns the server id.
    QString putRow(const QString& userId, const QString& entityType, const QString& entityId, int version,
                   const QJsonObject& payload, bool deleted = false);

    // Answers every push this much later. A push that arrives while an
    // earlier one is still unanswered is counted: a client must send its
    // batches one after the other.
    void setPushReplyDelay(int milliseconds);
    int overlappingPushCount() const;
    // The number of changes of each push, in arrival order.
    QList<int> pushBatchSizes() const;

    QList<Share> shares(const QString& accountId) const;

private:
    using Key = QPair<QString, QString>;
    struct UserData
    {
        QHash<Key, Row> rows;
        std::map<qint64, Key> bySequence;
    };

    FakeResponse push(const FakeRequest& request, const QString& userId);
    QJsonObject applyChange(const QJsonObject& change, const QString& userId);
    FakeResponse pull(const FakeRequest& request, const QString& userId) const;
    FakeResponse members(const FakeRequest& request, const QString& userId) const;
    FakeResponse share(const FakeRequest& request, const QString& userId);
    FakeResponse unshare(const FakeRequest& request, const QString& userId);

    void store(const QString& userId, Row row);
    QJsonObject pulledRecord(const Row& row) const;
    QString cursorFor(const QString& userId, qint64 sequence) const;
    // The sequence the cursor stands for; nothing when it is not the user's.
    std::optional<qint64> sequenceOf(const QString& userId, const QString& cursor) const;
    // The user who synced the account, or empty.
    QString ownerOf(const QString& accountId) const;
    QJsonObject memberJson(const QString& userId, const QString& role, qint64 createdAt) const;
    void addUserRoute(const QByteArray& method, const QString& path, FakeAuthService::UserHandler handler);

    FakeHttpServer* m_http;
    FakeAuthService* m_auth;
    QString m_basePath;
    QHash<QString, UserData> m_users;
    qint64 m_sequence = 0;
    QHash<QString, QList<Share>> m_shares;
    int m_pushDelayMs = 0;
    bool m_pushInFlight = false;
    int m_overlappingPushes = 0;
    QList<int> m_pushBatchSizes;
};
