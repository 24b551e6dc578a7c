#include "FakeUpdateSite.h"

#include <QJsonDocument>

FakeUpdateSite::FakeUpdateSite(QObject* parent)
    : QObject(parent)
    , m_http(new FakeHttpServer(this))
{
}

QString FakeUpdateSite::notesPath(const QString& version, const QString& language)
{
    const QString suffix = language.isEmpty() ? QString() : QLatin1Char('.') + language;
    return QStringLiteral("/vellumry/%1/release-notes%2.md").arg(version, suffix);
}

QUrl FakeUpdateSite::downloadUrl(const QString& version)
{
    return QUrl(QStringLiteral("https://downloads.example.test/vellumry/%1/vellumry-%1-linux-x64.tar.gz").arg(version));
}

void FakeUpdateSite::publish(const QString& version, const QJsonObject& fields)
{
    QJsonObject artifact{
        {QStringLiteral("version"), version},
        {QStringLiteral("released_at"), QStringLiteral("2026-11-30T12:00:00Z")},
        {QStringLiteral("url"), downloadUrl(version).toString()},
        {QStringLiteral("size"), 48'000'000},
        {QStringLiteral("sha256"), QString(64, QLatin1Char('c'))},
        {QStringLiteral("release_notes_url"), notesUrl(version).toString()},
    };
    for (auto it = fields.constBegin(); it != fields.constEnd(); ++it) {
        if (it.value().isNull())
            artifact.remove(it.key());
        else
            artifact.insert(it.key(), it.value());
    }
    const QJsonObject manifest{
        {QStringLiteral("schema"), 1},
        {QStringLiteral("app"), QStringLiteral("vellumry")},
        {QStringLiteral("channel"), QStringLiteral("stable")},
        {QStringLiteral("artifacts"), QJsonObject{{platform(), artifact}}},
    };
    setManifest(QJsonDocument(manifest).toJson());
}

void FakeUpdateSite::setManifest(const QByteArray& body)
{
    serve(manifestPath(), body, "application/json");
}

void FakeUpdateSite::putNotes(const QString& version, const QString& markdown, const QString& language)
{
    serve(notesPath(version, language), markdown.toUtf8(), "text/markdown; charset=utf-8");
}

void FakeUpdateSite::hang(const QString& path)
{
    m_http->injectFault("GET", path, FakeFault::hang());
}

QStringList FakeUpdateSite::requestedPaths() const
{
    QStringList paths;
    const QList<FakeRequest> requests = m_http->requests();
    for (const FakeRequest& request : requests)
        paths.append(request.path);
    return paths;
}

void FakeUpdateSite::serve(const QString& path, const QByteArray& body, const QByteArray& contentType)
{
    if (!m_files.contains(path))
        m_http->addRoute("GET", path, [this, path](const FakeRequest&) { return m_files.value(path); });
    m_files.insert(path, FakeResponse::raw(200, body, contentType));
}
