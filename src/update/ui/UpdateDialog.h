#pragma once

#include "update/Manifest.h"

#include <QDialog>
#include <QUrl>

namespace OrvaUpdate {

class NotesView;

// Offers a newer release: what it is, its notes when the manifest names them,
// and "Download", which opens the download address in the system browser.
// "Later" is missing for a mandatory release.
class UpdateDialog : public QDialog
{
    Q_OBJECT

public:
    UpdateDialog(const Artifact& artifact, const QString& currentVersion, const QString& productName,
                 QWidget* parent = nullptr);

public slots:
    void onDownloadClicked();
    void onNotesReady(const QString& markdown);

private:
    QUrl m_downloadUrl;
    NotesView* m_notesView = nullptr;
};

} // namespace OrvaUpdate
