#pragma once

#include "TokenStore.h"

namespace OrvaAccount {

// Keeps each entry in a file of its own inside a folder only the user may
// enter (0700), each file readable by the user alone (0600), written through
// a temporary file so that a crash never leaves half a token behind.
class FileTokenStore : public TokenStore
{
public:
    explicit FileTokenStore(const QString& folder);

    // "<user config>/Orvalen/<application id>", mirroring the credential
    // target names used on Windows.
    static QString defaultFolder(const QString& appId);

    QString folder() const;

    std::optional<QString> read(const QString& key) override;
    bool write(const QString& key, const QString& value) override;
    bool remove(const QString& key) override;
    void clear() override;

private:
    // Empty for a key that is not a plain file name, so that no key can
    // reach outside the folder.
    QString entryPath(const QString& key) const;
    bool ensurePrivateFolder() const;

    QString m_folder;
};

} // namespace OrvaAccount
