#pragma once

#include <QString>
#include <QStringList>

// The interface language lives in the settings store under "ui/language":
// "system" (the default) or one of supportedUiLanguages(). A change applies at
// the next start.
QStringList supportedUiLanguages();
QString readUiLanguage(bool resolveSystem);
void writeUiLanguage(const QString& code);
