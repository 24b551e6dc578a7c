#pragma once

#include <QtGlobal>

class QMessageLogContext;
class QString;

// Drops debug and info output; writes warnings as "WARN: <text>" and critical
// and fatal messages as "<text>" to standard error.
void quietMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message);
