#pragma once

#include "account/SharingBackend.h"

namespace OrvaAccount {
class ApiClient;
}

// Lists, adds and removes the people an account is shared with, through the
// sync service's account endpoints. Keeps nothing between calls, so calls
// may overlap; every outcome reaches the caller only through its callback.
class AccountSharingService : public OrvaAccount::SharingBackend
{
    Q_OBJECT

public:
    explicit AccountSharingService(OrvaAccount::ApiClient* syncApi, QObject* parent = nullptr);

    void listMembers(const QString& accountId, MembersCallback callback) override;
    // Without a role the person joins as "member".
    void shareWith(const QString& accountId, const QString& identifier, const QString& role,
                   ShareCallback callback) override;
    void removeShare(const QString& accountId, const QString& userId, RemoveCallback callback) override;

    // One element of the "members" array; a missing or non-text value is empty.
    static OrvaAccount::ShareMember memberFromJson(const QJsonObject& object);

private:
    OrvaAccount::ApiClient* m_api;
};
