#include "Identifiers.h"

namespace {
// Parsed once, before main, like the other fixed namespaces of the ledger.
const QUuid g_dnsNamespace(QStringLiteral("{6ba7b810-9dad-11d1-80b4-00c04fd430c8}"));
}

QString idText(const QUuid& uuid)
{
    return uuid.toString(QUuid::WithoutBraces).toLower();
}

QString newId()
{
    return idText(QUuid::createUuid());
}

QString nameBasedId(const QUuid& ns, const QString& name)
{
    return idText(QUuid::createUuidV5(ns, name.toUtf8()));
}

const QUuid& dnsNamespace()
{
    return g_dnsNamespace;
}
