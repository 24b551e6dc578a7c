#pragma once

#include <QString>
#include <QUrl>

namespace OrvaUpdate {

// What an update check needs to know about the running program.
struct Config
{
    QString app;
    QString channel = QStringLiteral("stable");
    QUrl manifestBaseUrl;
    QString currentVersion;
};

} // namespace OrvaUpdate
