#include "app/Application.h"

#include <QDebug>

int main(int argc, char** argv)
{
    Application app(argc, argv);
    qDebug("probe-debug");
    qInfo("probe-info");
    qWarning("probe-warning");
    qCritical("probe-critical");
    return 0;
}
