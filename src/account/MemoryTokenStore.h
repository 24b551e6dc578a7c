#pragma once

#include "TokenStore.h"

#include <QHash>

namespace OrvaAccount {

// Keeps the entries for the life of the object; for tests and for a session
// that must leave nothing behind.
class MemoryTokenStore : public TokenStore
{
public:
    MemoryTokenStore() = default;

    std::optional<QString> read(const QString& key) override;
    bool write(const QString& key, const QString& value) override;
    bool remove(const QString& key) override;
    void clear() override;

    // Lets a test see how the manager copes with a store that refuses writes.
    void setWritable(bool writable);
    bool contains(const QString& key) const;

private:
    QHash<QString, QString> m_entries;
    bool m_writable = true;
};

} // namespace OrvaAccount
