#include "UiLanguage.h"

#include <QLocale>
#include <QSettings>

QStringList supportedUiLanguages()
{
    return {QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("de"), QStringLiteral("fr"),
            QStringLiteral("ja")};
}

QString readUiLanguage(bool resolveSystem)
{
    const QString stored = QSettings().value(QStringLiteral("ui/language"), QStringLiteral("system")).toString();
    if (!resolveSystem || stored != QLatin1String("system"))
        return stored;

    const QString language = QLocale().name().left(2);
    return supportedUiLanguages().contains(language) ? language : QStringLiteral("en");
}

void writeUiLanguage(const QString& code)
{
    QSettings().setValue(QStringLiteral("ui/language"), code);
}
