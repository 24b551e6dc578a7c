#include "MemoryTokenStore.h"

namespace OrvaAccount {

std::optional<QString> MemoryTokenStore::read(const QString& key)
{
    const auto it = m_entries.constFind(key);
    if (it == m_entries.constEnd())
        return std::nullopt;
    return *it;
}

bool MemoryTokenStore::write(const QString& key, const QString& value)
{
    if (!m_writable)
        return false;
    m_entries.insert(key, value);
    return true;
}

bool MemoryTokenStore::remove(const QString& key)
{
    m_entries.remove(key);
    return true;
}

void MemoryTokenStore::clear()
{
    remove(accessTokenKey());
    remove(refreshTokenKey());
}

void MemoryTokenStore::setWritable(bool writable)
{
    m_writable = writable;
}

bool MemoryTokenStore::contains(const QString& key) const
{
    return m_entries.contains(key);
}

} // namespace OrvaAccount
