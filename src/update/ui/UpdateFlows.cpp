#include "UpdateFlows.h"

#include "UpdateDialog.h"
#include "WhatsNewDialog.h"
#include "update/Client.h"
#include "update/ReleaseNotesFetcher.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace OrvaUpdate {

namespace {

constexpr int MessageTimeoutMs = 5000;

void notifyStarted(const CheckCallbacks& callbacks, const QString& text)
{
    if (callbacks.started)
        callbacks.started(text);
}

void notifyFinished(const CheckCallbacks& callbacks, const QString& message = QString())
{
    if (callbacks.finished)
        callbacks.finished();
    if (!message.isEmpty() && callbacks.message)
        callbacks.message(message, MessageTimeoutMs);
}

void showDialog(QDialog* dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

QString noNotesText(const Config& config, const QString& productName)
{
    return QCoreApplication::translate("UpdateFlows", "No release notes available for %1 %2")
        .arg(productName, config.currentVersion);
}

// The menu's What's New after the running version had no notes: the notes of
// a newer release, if there is one with notes.
void showNewerReleaseNotes(const Config& config, const QString& productName, const QPointer<QWidget>& parent,
                           const CheckCallbacks& callbacks)
{
    auto* client = new Client(config, QCoreApplication::instance());
    const auto endWithoutNotes = [=] {
        client->deleteLater();
        notifyFinished(callbacks, noNotesText(config, productName));
    };
    QObject::connect(client, &Client::updateAvailable, client, [=](const Artifact& artifact) {
        if (!artifact.releaseNotesUrl.isValid()) {
            endWithoutNotes();
            return;
        }
        auto* fetcher = new ReleaseNotesFetcher(artifact.releaseNotesUrl, config.app, QCoreApplication::instance());
        QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, [=](const QString& markdown) {
            fetcher->deleteLater();
            client->deleteLater();
            notifyFinished(callbacks);
            if (parent)
                showDialog(new WhatsNewDialog(markdown, artifact.version, config.currentVersion, productName,
                                              parent, artifact.url));
        });
        QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, [=] {
            fetcher->deleteLater();
            endWithoutNotes();
        });
        fetcher->fetch();
    });
    QObject::connect(client, &Client::upToDate, client, endWithoutNotes);
    QObject::connect(client, &Client::checkFailed, client, endWithoutNotes);
    client->check();
}

} // namespace

void runInteractiveUpdateCheck(const Config& config, const QString& productName, QWidget* parent,
                               const CheckCallbacks& callbacks)
{
    auto* client = new Client(config, QCoreApplication::instance());
    const QPointer<QWidget> guardedParent(parent);
    notifyStarted(callbacks, QCoreApplication::translate("UpdateFlows", "Checking for updates…"));

    QObject::connect(client, &Client::updateAvailable, client, [=](const Artifact& artifact) {
        client->deleteLater();
        notifyFinished(callbacks);
        if (guardedParent)
            showDialog(new UpdateDialog(artifact, config.currentVersion, productName, guardedParent));
    });
    QObject::connect(client, &Client::upToDate, client, [=] {
        client->deleteLater();
        notifyFinished(callbacks, QCoreApplication::translate("UpdateFlows", "%1 is up to date (version %2)")
                                      .arg(productName, config.currentVersion));
    });
    QObject::connect(client, &Client::checkFailed, client, [=](const QString& reason) {
        client->deleteLater();
        notifyFinished(callbacks, QCoreApplication::translate("UpdateFlows", "Update check failed: %1").arg(reason));
    });
    client->check();
}

void showWhatsNewAfterUpgrade(const Config& config, const QString& productName, QWidget* parent)
{
    auto* fetcher = new ReleaseNotesFetcher(config, QCoreApplication::instance());
    const QPointer<QWidget> guardedParent(parent);
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, [=](const QString& markdown) {
        fetcher->deleteLater();
        if (guardedParent)
            showDialog(new WhatsNewDialog(markdown, config.currentVersion, config.currentVersion, productName,
                                          guardedParent));
    });
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, &QObject::deleteLater);
    fetcher->fetch();
}

void showWhatsNew(const Config& config, const QString& productName, QWidget* parent,
                  const CheckCallbacks& callbacks)
{
    notifyStarted(callbacks, QCoreApplication::translate("UpdateFlows", "Loading release notes…"));
    const QPointer<QWidget> guardedParent(parent);
    auto* fetcher = new ReleaseNotesFetcher(config, QCoreApplication::instance());
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, [=](const QString& markdown) {
        fetcher->deleteLater();
        notifyFinished(callbacks);
        if (guardedParent)
            showDialog(new WhatsNewDialog(markdown, config.currentVersion, config.currentVersion, productName,
                                          guardedParent));
    });
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, [=] {
        fetcher->deleteLater();
        showNewerReleaseNotes(config, productName, guardedParent, callbacks);
    });
    fetcher->fetch();
}

} // namespace OrvaUpdate
