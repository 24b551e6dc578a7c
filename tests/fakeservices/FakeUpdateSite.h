#pragma once

#include "FakeHttpServer.h"

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QUrl>

// The maker's download site, faked on a loopback port: the stable channel's
// "latest.json" below /vellumry/stable/ and each version's release notes below
// /vellumry/<version>/. Nothing is published at first, so the manifest
// answers 404 (no_route) until a test publishes a release.
class FakeUpdateSite : public QObject
{
    Q_OBJECT

public:
    // The platform key of the builds this site ships.
    static QString platform() { return QStringLiteral("linux-x64"); }
    static QString manifestPath() { return QStringLiteral("/vellumry/stable/latest.json"); }
    // "<lang>" empty for the default file, else the file in that language.
    static QString notesPath(const QString& version, const QString& language = QString());

    explicit FakeUpdateSite(QObject* parent = nullptr);

    bool start() { return m_http->listen(); }
    FakeHttpServer* http() const { return m_http; }

    // The site's root, as the program's download site.
    QUrl siteUrl() const { return m_http->url(); }
    // The channel's folder, as an update check's base address.
    QUrl channelUrl() const { return m_http->url(QStringLiteral("/vellumry/stable/")); }
    QUrl notesUrl(const QString& version) const { return m_http->url(notesPath(version)); }
    static QUrl downloadUrl(const QString& version);

    // Publishes `version` for this platform as the channel's latest release:
    // download address, size, digest and this site's notes address filled in;
    // `fields` adds or replaces keys ("mandatory", "min_upgradable_from", ...;
    // a null value removes the key).
    void publish(const QString& version, const QJsonObject& fields = QJsonObject());
    // Serves these bytes as "latest.json" instead.
    void setManifest(const QByteArray& body);
    void putNotes(const QString& version, const QString& markdown, const QString& language = QString());
    // Every later request to the path is accepted and never answered.
    void hang(const QString& path);

    // The paths requested, in order.
    QStringList requestedPaths() const;

private:
    void serve(const QString& path, const QByteArray& body, const QByteArray& contentType);

    FakeHttpServer* m_http;
    QHash<QString, FakeResponse> m_files;
};
