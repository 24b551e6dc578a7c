#pragma once

#include <QDialog>
#include <QUrl>

namespace OrvaUpdate {

// The release notes of one version. With a download address (a newer release
// found from the menu) it also offers "Download <version>".
class WhatsNewDialog : public QDialog
{
    Q_OBJECT

public:
    WhatsNewDialog(const QString& markdown, const QString& version, const QString& runningVersion,
                   const QString& productName, QWidget* parent = nullptr, const QUrl& downloadUrl = QUrl());

private:
    QUrl m_downloadUrl;
};

} // namespace OrvaUpdate
