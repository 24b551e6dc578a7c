#include "FakeSyncService.h"

#include "FakeAccountService.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QTimer>
#include <QUuid>

namespace {

// Each entity type and the array of a pull page that carries it.
const QList<QPair<QString, QString>>& pageKeys()
{
    static const QList<QPair<QString, QString>> keys{
        {QStringLiteral("account"), QStringLiteral("accounts")},
        {QStringLiteral("category"), QStringLiteral("categories")},
        {QStringLiteral("recurring"), QStringLiteral("recurring_transactions")},
        {QStringLiteral("transaction"), QStringLiteral("transactions")},
        {QStringLiteral("reconciliation"), QStringLiteral("reconciliations")}};
    return keys;
}

// The client shows the "error" of a refused share as it is.
FakeResponse refusal(const QString& message)
{
    return FakeResponse::json(404, QJsonObject{{QStringLiteral("error"), message}});
}

} // namespace

FakeSyncService::FakeSyncService(FakeHttpServer* http, FakeAuthService* auth, QObject* parent)
    : QObject(parent)
    , m_auth(auth)
    , m_http(http)
{
    using Request = const FakeRequest&;
    const auto route = [this](const QByteArray& method, const QString& path, FakeAuthService::UserHandler handler) {
        m_http->addRoute(method, apiPath(path), m_auth->forUser(std::move(handler)));
    };
    route("POST", QStringLiteral("/sync/push"), [this](Request request, const QString& user) { return push(request, user); });
    route("GET", QStringLiteral("/sync/pull"), [this](Request request, const QString& user) { return pull(request, user); });
    route("GET", QStringLiteral("/accounts/{id}/members"),
          [this](Request request, const QString& user) { return members(request, user); });
    route("POST", QStringLiteral("/accounts/{id}/share"),
          [this](Request request, const QString& user) { return share(request, user); });
    route("DELETE", QStringLiteral("/accounts/{id}/share/{user}"), [this](Request request, const QString& user) {
        const QString accountId = request.captures.value(QStringLiteral("id"));
        const QString target = FakeAccountService::userIdOf(request.captures.value(QStringLiteral("user")));
        if (ownerOf(accountId) != user
            || m_shares[accountId].removeIf([&target](const Share& share) { return share.userId == target; }) == 0)
            return refusal(QStringLiteral("The account is not shared with this user"));
        return FakeResponse::empty(204);
    });
}

QList<FakeSyncService::Row> FakeSyncService::rows(const QString& userId, const QString& entityType) const
{
    QList<Row> list;
    const UserData& user = dataOf(userId);
    for (const auto& [sequence, key] : user.bySequence) {
        if (entityType.isEmpty() || key.first == entityType)
            list.append(user.rows.value(key));
    }
    return list;
}

const FakeSyncService::UserData& FakeSyncService::dataOf(const QString& userId) const
{
    static const UserData none;
    const auto found = m_users.constFind(userId);
    return found == m_users.cend() ? none : *found;
}

std::optional<FakeSyncService::Row> FakeSyncService::row(const QString& userId, const QString& entityType,
                                                         const QString& entityId) const
{
    const auto found = dataOf(userId).rows.constFind(Key(entityType, entityId));
    return found == dataOf(userId).rows.cend() ? std::nullopt : std::optional<Row>(*found);
}

QString FakeSyncService::putRow(const QString& userId, const QString& entityType, const QString& entityId,
                                int version, const QJsonObject& payload, bool deleted)
{
    UserData& user = m_users[userId];
    const Key key(entityType, entityId);
    Row& row = user.rows[key];
    if (row.serverId.isEmpty())
        row.serverId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    user.bySequence.erase(row.sequence);
    row = Row{entityType, entityId, row.serverId, version, deleted, payload, ++m_sequence};
    row.payload.remove(QStringLiteral("server_id"));
    user.bySequence.emplace(row.sequence, key);
    return row.serverId;
}

void FakeSyncService::setPushReplyDelay(int milliseconds)
{
    m_pushDelayMs = milliseconds;
    m_http->setRouteDelay("POST", pushPath(), milliseconds);
}

FakeResponse FakeSyncService::push(const FakeRequest& request, const QString& userId)
{
    if (m_pushDelayMs > 0) {
        if (m_pushInFlight)
            ++m_overlappingPushes;
        m_pushInFlight = true;
        // Started before the server's timer for the answer, so it ends first.
        QTimer::singleShot(m_pushDelayMs, this, [this] { m_pushInFlight = false; });
    }
    const QJsonArray changes = request.jsonBody().value(QLatin1String("changes")).toArray();
    m_pushBatchSizes.append(int(changes.size()));
    QJsonArray results;
    for (const QJsonValue& value : changes) {
        const QJsonObject change = value.toObject();
        const QString type = change.value(QLatin1String("entity_type")).toString();
        const QString id = change.value(QLatin1String("entity_id")).toString();
        const int version = change.value(QLatin1String("version")).toInt();
        const bool deleted = change.value(QLatin1String("action")).toString() == QLatin1String("delete");
        QJsonObject payload = change.value(QLatin1String("payload")).toObject();
        payload.remove(QStringLiteral("server_id"));

        QString status = QStringLiteral("ok");
        QString serverId;
        const std::optional<Row> existing = row(userId, type, id);
        if (existing && version <= existing->version) {
            const bool sameChange =
                version == existing->version && payload == existing->payload && deleted == existing->deleted;
            status = sameChange ? QStringLiteral("ok") : QStringLiteral("conflict");
            serverId = existing->serverId;
        } else {
            serverId = putRow(userId, type, id, version, payload, deleted);
        }
        results.append(QJsonObject{{QStringLiteral("entity_type"), type},
                                   {QStringLiteral("entity_id"), id},
                                   {QStringLiteral("status"), status},
                                   {QStringLiteral("server_id"), serverId}});
    }
    return FakeResponse::json(200, QJsonObject{{QStringLiteral("results"), results}});
}

QString FakeSyncService::cursorFor(const QString& userId, qint64 sequence) const
{
    const QByteArray owner = QCryptographicHash::hash(userId.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QString::number(sequence) + QLatin1Char('-') + QString::fromLatin1(owner);
}

FakeResponse FakeSyncService::pull(const FakeRequest& request, const QString& userId) const
{
    const QString cursor = request.query.queryItemValue(QStringLiteral("cursor"));
    const qint64 after = cursor.section(QLatin1Char('-'), 0, 0).toLongLong();
    if (!cursor.isEmpty() && cursorFor(userId, after) != cursor)
        return FakeResponse::error(400, QStringLiteral("invalid_cursor"));
    const int limit = request.query.queryItemValue(QStringLiteral("limit")).toInt();

    QHash<QString, QJsonArray> arrays;
    qint64 last = after;
    bool hasMore = false;
    int taken = 0;
    const UserData& user = dataOf(userId);
    for (auto it = user.bySequence.upper_bound(after); it != user.bySequence.end(); ++it, ++taken) {
        if (limit > 0 && taken == limit) {
            hasMore = true;
            break;
        }
        const Row row = user.rows.value(it->second);
        QJsonObject record = row.payload;
        record.insert(QStringLiteral("id"), row.serverId);
        record.insert(QStringLiteral("client_id"), row.entityId);
        record.insert(QStringLiteral("version"), row.version);
        arrays[row.entityType].append(record);
        last = row.sequence;
    }
    QJsonObject page{{QStringLiteral("cursor"), cursorFor(userId, last)}, {QStringLiteral("has_more"), hasMore}};
    for (const auto& [type, key] : pageKeys())
        page.insert(key, arrays.value(type));
    return FakeResponse::json(200, page);
}

QString FakeSyncService::ownerOf(const QString& accountId) const
{
    for (auto it = m_users.cbegin(); it != m_users.cend(); ++it) {
        const Row row = it->rows.value(Key(QStringLiteral("account"), accountId));
        if (!row.serverId.isEmpty() && !row.deleted)
            return it.key();
    }
    return QString();
}

QJsonObject FakeSyncService::memberJson(const QString& userId, const QString& role, qint64 createdAt) const
{
    const FakeAuthService::User user = m_auth->user(userId);
    return QJsonObject{{QStringLiteral("user_id"), FakeAccountService::accountId(userId)},
                       {QStringLiteral("email"), user.email},
                       {QStringLiteral("display_name"), user.displayName},
                       {QStringLiteral("role"), role},
                       {QStringLiteral("created_at"), FakeAuthService::timestamp(createdAt)}};
}

FakeResponse FakeSyncService::members(const FakeRequest& request, const QString& userId) const
{
    const QString accountId = request.captures.value(QStringLiteral("id"));
    const QString owner = ownerOf(accountId);
    const QList<Share> shares = m_shares.value(accountId);
    const bool sharedWithUser =
        std::any_of(shares.cbegin(), shares.cend(), [&userId](const Share& share) { return share.userId == userId; });
    if (owner.isEmpty() || (owner != userId && !sharedWithUser))
        return refusal(QStringLiteral("Account not found"));
    QJsonArray list{memberJson(owner, QStringLiteral("owner"), m_auth->user(owner).createdAt)};
    for (const Share& share : shares)
        list.append(memberJson(share.userId, share.role, share.createdAt));
    return FakeResponse::json(200, QJsonObject{{QStringLiteral("members"), list}});
}

FakeResponse FakeSyncService::share(const FakeRequest& request, const QString& userId)
{
    const QString accountId = request.captures.value(QStringLiteral("id"));
    if (ownerOf(accountId) != userId)
        return refusal(QStringLiteral("Account not found"));
    const QJsonObject body = request.jsonBody();
    const QString email = body.value(QLatin1String("email")).toString();
    const QString target =
        email.isEmpty() ? FakeAccountService::userIdOf(body.value(QLatin1String("user_id")).toString())
                        : m_auth->userIdByEmail(email);
    if (m_auth->user(target).id.isEmpty())
        return refusal(QStringLiteral("No user with that address or id"));
    const QString role = body.value(QLatin1String("role")).toString();
    m_shares[accountId].append(Share{target, role.isEmpty() ? QStringLiteral("member") : role, m_auth->now()});
    const Share& added = m_shares[accountId].constLast();
    return FakeResponse::json(201, QJsonObject{{QStringLiteral("member"),
                                                memberJson(target, added.role, added.createdAt)}});
}
