#include "UpdateDialog.h"

#include "ExternalLinks.h"
#include "NotesView.h"
#include "update/Logging.h"
#include "update/ReleaseNotesFetcher.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace OrvaUpdate {

UpdateDialog::UpdateDialog(const Artifact& artifact, const QString& currentVersion, const QString& productName,
                           QWidget* parent)
    : QDialog(parent)
    , m_downloadUrl(artifact.url)
{
    setWindowTitle(tr("Update available"));
    auto* layout = new QVBoxLayout(this);

    auto* headline = new QLabel(tr("A new version of %1 is available.").arg(productName), this);
    QFont font = headline->font();
    font.setWeight(QFont::Bold);
    font.setPointSizeF(font.pointSizeF() + 1);
    headline->setFont(font);
    layout->addWidget(headline);

    auto* versions = new QLabel(tr("You have version %1. The latest version is %2.")
                                    .arg(currentVersion, artifact.version),
                                this);
    versions->setObjectName(QStringLiteral("versionsLabel"));
    layout->addWidget(versions);

    if (artifact.releaseNotesUrl.isValid()) {
        m_notesView = new NotesView(this);
        m_notesView->setPlaceholderText(tr("Loading release notes…"));
        m_notesView->setMinimumHeight(150);
        layout->addWidget(m_notesView);

        auto* fetcher = new ReleaseNotesFetcher(artifact.releaseNotesUrl, QStringLiteral("update-dialog"), this);
        connect(fetcher, &ReleaseNotesFetcher::notesReady, this, &UpdateDialog::onNotesReady);
        connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, this, [this] {
            m_notesView->setMarkdown(tr("*Release notes are not available for this version.*"));
        });
        fetcher->fetch();
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* download = buttons->addButton(tr("Download"), QDialogButtonBox::AcceptRole);
    download->setObjectName(QStringLiteral("downloadButton"));
    download->setDefault(true);
    if (!artifact.mandatory)
        buttons->addButton(tr("Later"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("laterButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &UpdateDialog::onDownloadClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    if (m_notesView)
        resize(520, 420);
}

void UpdateDialog::onDownloadClicked()
{
    if (m_downloadUrl.isValid())
        openWebUrl(m_downloadUrl);
    else
        qCWarning(lcUpdate) << "OrvaUpdate: download URL is empty or invalid";
    accept();
}

void UpdateDialog::onNotesReady(const QString& markdown)
{
    if (m_notesView)
        m_notesView->setMarkdown(markdown);
}

} // namespace OrvaUpdate
