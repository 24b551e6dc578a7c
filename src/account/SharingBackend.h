#pragma once

#include "Group.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace OrvaAccount {

// One person an account is shared with.
struct ShareMember
{
    // The share entry; it is the person's user id, and what removeShare takes.
    QString id;
    QString userId;
    QString email;
    QString displayName;
    // "owner" marks the account's owner.
    QString role;
    // As the service wrote it.
    QString createdAt;
};

// How the share-members dialog lists, adds and removes the people who see an
// account, without knowing how they are stored. Every callback runs once, on
// the GUI thread; an implementation may drop an empty callback.
class SharingBackend : public QObject
{
    Q_OBJECT

public:
    using MembersCallback = std::function<void(QList<ShareMember>)>;
    using ShareCallback = std::function<void(bool success, QString message)>;
    using RemoveCallback = std::function<void(bool success)>;

    explicit SharingBackend(QObject* parent = nullptr);
    ~SharingBackend() override;

    // An empty list when the fetch failed: a caller cannot tell that from an
    // account shared with nobody.
    virtual void listMembers(const QString& accountId, MembersCallback callback) = 0;
    // The identifier is a user id, or an e-mail address when it holds "@";
    // an empty role means the implementation's default. The message is empty
    // on success and a text for the user on failure.
    virtual void shareWith(const QString& accountId, const QString& identifier, const QString& role,
                           ShareCallback callback) = 0;
    virtual void removeShare(const QString& accountId, const QString& userId, RemoveCallback callback) = 0;
    // The user id that the sharing calls and ShareMember::userId use for a
    // member of the user's group: by default the member's account id.
    virtual QString userIdForMember(const GroupMember& member) const;
};

} // namespace OrvaAccount

Q_DECLARE_METATYPE(OrvaAccount::ShareMember)
