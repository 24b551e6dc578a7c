#include "FakeSyncService.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QTimer>
#include <QUuid>

namespace {

const QStringList& entityTypes()
{
    static const QStringList types = {QStringLiteral("account"), QStringLiteral("category"),
                                      QStringLiteral("recurring"), QStringLiteral("transaction"),
                                      QStringLiteral("reconciliation")};
    return types;
}

// The pull page's array of each entity type.
QString pageKey(const QString& entityType)
{
    if (entityType == QLatin1String("account"))
        return QStringLiteral("accounts");
    if (entityType == QLatin1String("category"))
        return QStringLiteral("categories");
    if (entityType == QLatin1String("recurring"))
        return QStringLiteral("recurring_transactions");
    if (entityType == QLatin1String("transaction"))
        return QStringLiteral("transactions");
    return QStringLiteral("reconciliations");
}

QJsonObject result(const QJsonObject& change, const QString& status, const QString& serverId,
                   const QString& message = QString())
{
    QJsonObject object{
        {QStringLiteral("entity_type"), change.value(QLatin1String("entity_type")).toString()},
        {QStringLiteral("entity_id"), change.value(QLatin1String("entity_id")).toString()},
        {QStringLiteral("status"), status},
    };
    if (!serverId.isEmpty())
        object.insert(QStringLiteral("server_id"), serverId);
    if (!message.isEmpty())
        object.insert(QStringLiteral("message"), message);
    return object;
}

// Messages for people: the client shows the "error" of a refused share as it is.
FakeResponse refusal(int status, const QString& message)
{
    return FakeResponse::json(status, QJsonObject{{QStringLiteral("error"), message}});
}

} // namespace

FakeSyncService::FakeSyncService(FakeHttpServer* http, FakeAuthService* auth, const QString& basePath,
                                 QObject* parent)
    : QObject(parent)
    , m_http(http)
    , m_auth(auth)
    , m_basePath(basePath)
{
    addUserRoute("POST", QStringLiteral("/sync/push"),
                 [this](const FakeRequest& request, const QString& userId) { return push(request, userId); });
    addUserRoute("GET", QStringLiteral("/sync/pull"),
                 [this](const FakeRequest& request, const QString& userId) { return pull(request, userId); });
    addUserRoute("GET", QStringLiteral("/accounts/{id}/members"),
                 [this](const FakeRequest& request, const QString& userId) { return members(request, userId); });
    addUserRoute("POST", QStringLiteral("/accounts/{id}/share"),
                 [this](const FakeRequest& request, const QString& userId) { return share(request, userId); });
    addUserRoute("DELETE", QStringLiteral("/accounts/{id}/share/{user}"),
                 [this](const FakeRequest& request, const QString& userId) { return unshare(request, userId); });
}

QString FakeSyncService::basePath() const
{
    return m_basePath;
}

QString FakeSyncService::apiPath(const QString& path) const
{
    return m_basePath + path;
}

QString FakeSyncService::pushPath() const
{
    return apiPath(QStringLiteral("/sync/push"));
}

QString FakeSyncService::pullPath() const
{
    return apiPath(QStringLiteral("/sync/pull"));
}

void FakeSyncService::addUserRoute(const QByteArray& method, const QString& path, FakeAuthService::UserHandler handler)
{
    m_http->addRoute(method, apiPath(path), m_auth->forUser(std::move(handler)));
}

QList<FakeSyncService::Row> FakeSyncService::rows(const QString& userId, const QString& entityType) const
{
    QList<Row> list;
    const auto user = m_users.constFind(userId);
    if (user == m_users.cend())
        return list;
    for (const auto& [sequence, key] : user->bySequence) {
        if (entityType.isEmpty() || key.first == entityType)
            list.append(user->rows.value(key));
    }
    return list;
}

std::optional<FakeSyncService::Row> FakeSyncService::row(const QString& userId, const QString& entityType,
                                                         const QString& entityId) const
{
    const auto user = m_users.constFind(userId);
    if (user == m_users.cend())
        return std::nullopt;
    const auto found = user->rows.constFind(Key(entityType, entityId));
    if (found == user->rows.cend())
        return std::nullopt;
    return *found;
}

QString FakeSyncService::putRow(const QString& userId, const QString& entityType, const QString& entityId,
                                int version, const QJsonObject& payload, bool deleted)
{
    Row row;
    row.entityType = entityType;
    row.entityId = entityId;
    const std::optional<Row> existing = this->row(userId, entityType, entityId);
    row.serverId = existing ? existing->serverId : QUuid::createUuid().toString(QUuid::WithoutBraces);
    row.version = version;
    row.deleted = deleted;
    row.payload = payload;
    row.payload.remove(QStringLiteral("server_id"));
    store(userId, row);
    return row.serverId;
}

void FakeSyncService::store(const QString& userId, Row row)
{
    UserData& user = m_users[userId];
    const Key key(row.entityType, row.entityId);
    const auto previous = user.rows.constFind(key);
    if (previous != user.rows.cend())
        user.bySequence.erase(previous->sequence);
    row.sequence = ++m_sequence;
    user.bySequence.emplace(row.sequence, key);
    user.rows.insert(key, row);
}

void FakeSyncService::setPushReplyDelay(int milliseconds)
{
    m_pushDelayMs = milliseconds;
    m_http->setRouteDelay("POST", pushPath(), milliseconds);
}

int FakeSyncService::overlappingPushCount() const
{
    return m_overlappingPushes;
}

QList<int> FakeSyncService::pushBatchSizes() const
{
    return m_pushBatchSizes;
}

QList<FakeSyncService::Share> FakeSyncService::shares(const QString& accountId) const
{
    return m_shares.value(accountId);
}

FakeResponse FakeSyncService::push(const FakeRequest& request, const QString& userId)
{
    if (m_pushDelayMs > 0) {
        if (m_pushInFlight)
            ++m_overlappingPushes;
        m_pushInFlight = true;
        // Started before the server's own timer for the answer, so it ends
        // first: a client cannot send its next batch in between.
        QTimer::singleShot(m_pushDelayMs, this, [this] { m_pushInFlight = false; });
    }
    const QJsonObject body = request.jsonBody();
    if (!body.value(QLatin1String("changes")).isArray())
        return FakeResponse::error(400, QStringLiteral("changes_required"));
    const QJsonArray changes = body.value(QLatin1String("changes")).toArray();
    m_pushBatchSizes.append(int(changes.size()));
    QJsonArray results;
    for (const QJsonValue& change : changes)
        results.append(applyChange(change.toObject(), userId));
    return FakeResponse::json(200, QJsonObject{{QStringLiteral("results"), results}});
}

QJsonObject FakeSyncService::applyChange(const QJsonObject& change, const QString& userId)
{
    const QString type = change.value(QLatin1String("entity_type")).toString();
    const QString id = change.value(QLatin1String("entity_id")).toString();
    const QString action = change.value(QLatin1String("action")).toString();
    const QJsonValue versionValue = change.value(QLatin1String("version"));
    if (!entityTypes().contains(type) || id.isEmpty() || !versionValue.isDouble()
        || (action != QLatin1String("upsert") && action != QLatin1String("delete"))
        || !change.value(QLatin1String("payload")).isObject()) {
        return result(change, QStringLiteral("invalid"), QString(), QStringLiteral("malformed change"));
    }
    const int version = versionValue.toInt();
    QJsonObject payload = change.value(QLatin1String("payload")).toObject();
    payload.remove(QStringLiteral("server_id"));
    const bool deleted = action == QLatin1String("delete");

    const std::optional<Row> existing = row(userId, type, id);
    if (existing && version <= existing->version) {
        const bool sameChange =
            version == existing->version && payload == existing->payload && deleted == existing->deleted;
        if (sameChange)
            return result(change, QStringLiteral("ok"), existing->serverId);
        return result(change, QStringLiteral("conflict"), existing->serverId,
                      QStringLiteral("the server has version %1").arg(existing->version));
    }
    return result(change, QStringLiteral("ok"), putRow(userId, type, id, version, payload, deleted));
}

QJsonObject FakeSyncService::pulledRecord(const Row& row) const
{
    QJsonObject record = row.payload;
    record.insert(QStringLiteral("id"), row.serverId);
    record.insert(QStringLiteral("client_id"), row.entityId);
    record.insert(QStringLiteral("version"), row.version);
    if (!row.deleted) {
        record.remove(QStringLiteral("deleted_at"));
    } else if (record.value(QLatin1String("deleted_at")).toString().isEmpty()) {
        record.insert(QStringLiteral("deleted_at"), FakeAuthService::timestamp(m_auth->now()));
    }
    return record;
}

QString FakeSyncService::cursorFor(const QString& userId, qint64 sequence) const
{
    const QByteArray owner = QCryptographicHash::hash(userId.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QString::fromLatin1((owner + ':' + QByteArray::number(sequence))
                                   .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

std::optional<qint64> FakeSyncService::sequenceOf(const QString& userId, const QString& cursor) const
{
    if (cursor.isEmpty())
        return 0;
    const QByteArray decoded = QByteArray::fromBase64(cursor.toLatin1(), QByteArray::Base64UrlEncoding);
    bool ok = false;
    const qint64 sequence = decoded.mid(decoded.indexOf(':') + 1).toLongLong(&ok);
    if (!ok || cursorFor(userId, sequence) != cursor)
        return std::nullopt;
    return sequence;
}

FakeResponse FakeSyncService::pull(const FakeRequest& request, const QString& userId) const
{
    const std::optional<qint64> after = sequenceOf(userId, request.query.queryItemValue(QStringLiteral("cursor")));
    if (!after)
        return FakeResponse::error(400, QStringLiteral("invalid_cursor"));
    bool limitOk = false;
    int limit = request.query.queryItemValue(QStringLiteral("limit")).toInt(&limitOk);
    if (!limitOk || limit < 1)
        limit = DefaultPullLimit;

    QHash<QString, QJsonArray> arrays;
    qint64 last = *after;
    bool hasMore = false;
    int liveCategories = 0;
    const auto user = m_users.constFind(userId);
    if (user != m_users.cend()) {
        int taken = 0;
        for (auto it = user->bySequence.upper_bound(*after); it != user->bySequence.end(); ++it) {
            if (taken == limit) {
                hasMore = true;
                break;
            }
            const Row& row = *user->rows.constFind(it->second);
            arrays[pageKey(row.entityType)].append(pulledRecord(row));
            last = row.sequence;
            ++taken;
        }
        for (const Row& row : user->rows) {
            if (row.entityType == QLatin1String("category") && !row.deleted)
                ++liveCategories;
        }
    }
    QJsonObject page{
        {QStringLiteral("cursor"), cursorFor(userId, last)},
        {QStringLiteral("has_more"), hasMore},
        {QStringLiteral("integrity"), QJsonObject{{QStringLiteral("category_count"), liveCategories}}},
    };
    for (const QString& type : entityTypes())
        page.insert(pageKey(type), arrays.value(pageKey(type)));
    return FakeResponse::json(200, page);
}

QString FakeSyncService::ownerOf(const QString& accountId) const
{
    for (auto it = m_users.cbegin(); it != m_users.cend(); ++it) {
        const auto found = it->rows.constFind(Key(QStringLiteral("account"), accountId));
        if (found != it->rows.cend() && !found->deleted)
            return it.key();
    }
    return QString();
}

QJsonObject FakeSyncService::memberJson(const QString& userId, const QString& role, qint64 createdAt) const
{
    const FakeAuthService::User user = m_auth->user(userId);
    return QJsonObject{
        {QStringLiteral("user_id"), userId},
        {QStringLiteral("email"), user.email},
        {QStringLiteral("display_name"), user.displayName},
        {QStringLiteral("role"), role},
        {QStringLiteral("created_at"), FakeAuthService::timestamp(createdAt)},
    };
}

FakeResponse FakeSyncService::members(const FakeRequest& request, const QString& userId) const
{
    const QString accountId = request.captures.value(QStringLiteral("id"));
    const QString owner = ownerOf(accountId);
    const QList<Share> shares = m_shares.value(accountId);
    const bool sharedWithUser =
        std::any_of(shares.cbegin(), shares.cend(), [&userId](const Share& s) { return s.userId == userId; });
    if (owner.isEmpty() || (owner != userId && !sharedWithUser))
        return refusal(404, QStringLiteral("Account not found"));
    QJsonArray list{memberJson(owner, QStringLiteral("owner"), m_auth->user(owner).createdAt)};
    for (const Share& share : shares)
        list.append(memberJson(share.userId, share.role, share.createdAt));
    return FakeResponse::json(200, QJsonObject{{QStringLiteral("members"), list}});
}

FakeResponse FakeSyncService::share(const FakeRequest& request, const QString& userId)
{
    const QString accountId = request.captures.value(QStringLiteral("id"));
    if (ownerOf(accountId) != userId)
        return refusal(404, QStringLiteral("Account not found"));
    const QJsonObject body = request.jsonBody();
    const QString email = body.value(QLatin1String("email")).toString();
    const QString target =
        email.isEmpty() ? body.value(QLatin1String("user_id")).toString() : m_auth->userIdByEmail(email);
    if (target.isEmpty() || m_auth->user(target).id.isEmpty())
        return refusal(404, QStringLiteral("No user with that address or id"));
    if (target == userId)
        return refusal(400, QStringLiteral("You cannot share an account with yourself"));
    QList<Share>& shares = m_shares[accountId];
    for (const Share& existing : shares) {
        if (existing.userId == target)
            return refusal(409, QStringLiteral("The account is already shared with this user"));
    }
    const QString role = body.value(QLatin1String("role")).toString();
    const Share added{target, role.isEmpty() ? QStringLiteral("member") : role, m_auth->now()};
    shares.append(added);
    return FakeResponse::json(201, QJsonObject{{QStringLiteral("member"), memberJson(target, added.role, added.createdAt)}});
}

FakeResponse FakeSyncService::unshare(const FakeRequest& request, const QString& userId)
{
    const QString accountId = request.captures.value(QStringLiteral("id"));
    if (ownerOf(accountId) != userId)
        return refusal(404, QStringLiteral("Account not found"));
    QList<Share>& shares = m_shares[accountId];
    const QString target = request.captures.value(QStringLiteral("user"));
    const qsizetype removed = shares.removeIf([&target](const Share& s) { return s.userId == target; });
    if (removed == 0)
        return refusal(404, QStringLiteral("The account is not shared with this user"));
    return FakeResponse::empty(204);
}
