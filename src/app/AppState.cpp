#include "AppState.h"

#include "AppPaths.h"
#include "data/Database.h"

#include <QDebug>

AppState::AppState(QObject* parent)
    : QObject(parent)
{
}

bool AppState::initialize()
{
    database = new Database(this);
    const QString path = databaseFilePath();
    qInfo() << "Opening database at:" << path;
    if (!database->open(path))
        return false;
    if (!database->migrate())
        return false;

    emit databaseReady();
    return true;
}
