#pragma once

#include <QString>
#include <QUuid>

// Row ids are lower-case UUID texts without braces.
QString newId();
QString idText(const QUuid& uuid);

// Name-based (version 5, SHA-1) id of the UTF-8 bytes of `name`, so that every
// device derives the same id for the same thing.
QString nameBasedId(const QUuid& ns, const QString& name);

// The RFC 4122 DNS namespace {6ba7b810-9dad-11d1-80b4-00c04fd430c8}.
const QUuid& dnsNamespace();
