#include "MoneySum.h"

#include <QDebug>

QString MoneySum::outOfRangeText()
{
    return tr("Out of range");
}

void MoneySum::logOutOfRange(const QString& what)
{
    qWarning().noquote() << what << "goes past what 64 bits hold; it is shown as" << outOfRangeText();
}
