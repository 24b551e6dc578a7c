#pragma once

#include <QString>

#include <optional>

namespace OrvaAccount {

// Where the two bearer tokens outlive the program: the Windows Credential
// Manager there, a private file elsewhere, memory in tests. Each entry is
// independent, so a failed write of one never touches the other.
class TokenStore
{
public:
    virtual ~TokenStore() = default;

    // Nothing when the entry is absent or cannot be read.
    virtual std::optional<QString> read(const QString& key) = 0;
    virtual bool write(const QString& key, const QString& value) = 0;
    // True when the entry is gone afterwards.
    virtual bool remove(const QString& key) = 0;
    // Removes both token entries.
    virtual void clear() = 0;

    static QString accessTokenKey() { return QStringLiteral("orvalen_access_token"); }
    static QString refreshTokenKey() { return QStringLiteral("orvalen_refresh_token"); }

protected:
    TokenStore() = default;
    TokenStore(const TokenStore&) = default;
    TokenStore& operator=(const TokenStore&) = default;
};

} // namespace OrvaAccount
