#include "WhatsNewDialog.h"

#include "ExternalLinks.h"
#include "NotesView.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace OrvaUpdate {

WhatsNewDialog::WhatsNewDialog(const QString& markdown, const QString& version, const QString& runningVersion,
                               const QString& productName, QWidget* parent, const QUrl& downloadUrl)
    : QDialog(parent)
    , m_downloadUrl(downloadUrl)
{
    setWindowTitle(tr("What's New in %1 %2").arg(productName, version));
    setModal(false);
    resize(520, 420);
    auto* layout = new QVBoxLayout(this);

    auto* header = new QLabel(tr("What's new in %1 %2").arg(productName, version), this);
    QFont font = header->font();
    font.setWeight(QFont::Bold);
    font.setPointSizeF(font.pointSizeF() + 2);
    header->setFont(font);
    layout->addWidget(header);

    auto* notes = new NotesView(this);
    notes->setMarkdown(markdown);
    layout->addWidget(notes);

    auto* bottom = new QHBoxLayout;
    auto* running = new QLabel(tr("You are running version %1").arg(runningVersion), this);
    running->setObjectName(QStringLiteral("runningVersionLabel"));
    running->setStyleSheet(QStringLiteral("color: gray; font-size: 11px;"));
    bottom->addWidget(running);
    bottom->addStretch();

    auto* buttons = new QDialogButtonBox(this);
    if (m_downloadUrl.isValid()) {
        QPushButton* download = buttons->addButton(tr("Download %1").arg(version), QDialogButtonBox::AcceptRole);
        download->setObjectName(QStringLiteral("downloadButton"));
        connect(buttons, &QDialogButtonBox::accepted, this, [this] {
            openWebUrl(m_downloadUrl);
            accept();
        });
    }
    buttons->addButton(QDialogButtonBox::Close)->setObjectName(QStringLiteral("closeButton"));
    // Closing after reading is the normal end, not a refusal.
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
}

} // namespace OrvaUpdate
