#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One message of a compiled catalogue: several translations for a plural.
struct CompiledMessage
{
    QString context;
    QString source;
    QStringList translations;
};

// The messages of a catalogue as lrelease compiles it without stripping, so
// that every message keeps its context and source text; empty when the file
// cannot be read or is not such a catalogue.
QList<CompiledMessage> compiledMessages(const QString& path);
