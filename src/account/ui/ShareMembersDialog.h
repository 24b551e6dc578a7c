#pragma once

#include "account/Group.h"
#include "account/SharingBackend.h"

#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QVBoxLayout;
class QWidget;

namespace OrvaAccount {

class Client;

// Who has access to one account, and the other members of the user's group
// who could be given it. Lists come from the account client (profile, group)
// and the sharing backend (shares); each arrival rebuilds both lists.
class ShareMembersDialog : public QDialog
{
    Q_OBJECT

public:
    // Filled by the caller; an empty field falls back to the dialog's own
    // default where it has one.
    struct Texts
    {
        QString windowTitle;
        QString heading;
        QString intro;
        QString sharedHeader;
        QString addHeader;
        QString emptyText;
        QString noGroupText;
        QString allSharedText;
        QString shareButtonText;
        QString removeToolTip;
        QString closeButtonText;
        // Passed to the backend as it is; empty means the backend's default.
        QString shareRole;
        // Failures show in the dialog's own error line; these are carried only.
        QString shareFailedTitle;
        QString removeFailedTitle;
        QString removeConfirmTitle;
        // "%1" is the person's name.
        QString removeConfirmText;
    };

    static constexpr int AvatarSize = 36;

    ShareMembersDialog(Client* client, SharingBackend* backend, const QString& accountId, const Texts& texts,
                       QWidget* parent = nullptr);

    // Fetches the group and the shares again.
    void reload();

    // "AL" for "Ann Lee", "A" for "ann", "?" with neither name nor address.
    static QString initials(const QString& name, const QString& email);

signals:
    void sharingChanged();

private:
    Texts withDefaults(Texts texts) const;
    void buildLayout();
    QVBoxLayout* addList(QVBoxLayout* section, const QString& objectName);
    QLabel* addHint(QVBoxLayout* section, const QString& text, const QString& objectName);

    void loadGroupMembers();
    void loadShares();
    void rebuildLists();
    QWidget* makeShareRow(const ShareMember& share);
    QWidget* makeMemberRow(const GroupMember& member);
    QWidget* makePersonRow(const QString& objectName, const QString& name, const QString& email, const QString& label,
                           QWidget* button);
    QLabel* makeAvatar(const QString& text, int size) const;

    void shareWithMember(const QString& userId, const QString& name);
    void removeShare(const QString& userId, const QString& name);
    void showError(const QString& text);

    Client* m_client;
    SharingBackend* m_backend;
    QString m_accountId;
    Texts m_texts;
    QList<GroupMember> m_groupMembers;
    QList<ShareMember> m_shares;
    QString m_currentUserId;
    bool m_busy = false;

    QLabel* m_errorLabel = nullptr;
    QVBoxLayout* m_sharedList = nullptr;
    QVBoxLayout* m_addList = nullptr;
    QLabel* m_noGroupLabel = nullptr;
    QLabel* m_allSharedLabel = nullptr;
};

} // namespace OrvaAccount
