#pragma once

#include <QString>

// Where the ledger lives: VELLUMRY_DATA_DIR when set, else the platform's
// generic data location under "Orvalen/Vellumry". The folder is created on the
// way; whether that worked shows when the database is opened.
QString dataDirectoryPath();
QString databaseFilePath();
