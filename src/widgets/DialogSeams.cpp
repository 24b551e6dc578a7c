#include "DialogSeams.h"

#include <QDebug>

namespace DialogSeams {

bool isUnattended()
{
    return qEnvironmentVariableIsSet("VELLUMRY_UNATTENDED");
}

void refuseUnanswered(const char* kind, const QString& title)
{
    qFatal("Unanswered %s in an unattended run: %s", kind, qPrintable(title));
}

} // namespace DialogSeams
