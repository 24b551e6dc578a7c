#pragma once

#include "Config.h"

#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;

namespace OrvaUpdate {

// Downloads the Markdown release notes of one version, in the user's language
// when that file exists. One fetch ends with exactly one signal; a failed
// download and a file of only white space both count as missing.
class ReleaseNotesFetcher : public QObject
{
    Q_OBJECT

public:
    // The notes of the running version, in the version's folder beside the
    // channel's folder: ".../vellumry/stable/" gives ".../vellumry/<version>/".
    explicit ReleaseNotesFetcher(const Config& config, QObject* parent = nullptr);
    ReleaseNotesFetcher(const QUrl& notesUrl, const QString& tag, QObject* parent = nullptr);

    QUrl notesUrl() const { return m_notesUrl; }
    // Empty on an English system.
    QUrl localizedUrl() const { return m_localizedUrl; }

    void fetch();

    static QUrl notesUrlFor(const Config& config);
    // The first two letters of the system locale's name, unless a test chose
    // a language with setLanguage (an empty text goes back to the system's).
    static QString language();
    static void setLanguage(const QString& language);

signals:
    void notesReady(const QString& markdown);
    void notesUnavailable();

private:
    // Calls `done` with the trimmed body, empty when the download failed.
    void download(const QUrl& url, void (ReleaseNotesFetcher::*done)(const QString&));
    void onLocalized(const QString& markdown);
    void onDefault(const QString& markdown);

    QString m_tag;
    QNetworkAccessManager* m_network;
    QUrl m_notesUrl;
    QUrl m_localizedUrl;
};

} // namespace OrvaUpdate
