#pragma once

#include "account/Device.h"
#include "account/Group.h"
#include "account/OrvClaims.h"
#include "account/Session.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

namespace OrvaAccount {

class Client;

// The window in which the signed-in user manages the online account: profile
// and password, the group with its members and invitations, the registered
// devices, the signed-in sessions, and deletion of the account. Built once by
// the main window, it outlives sign-outs: every refreshAll reads the claims of
// whoever is signed in then.
class AccountScreen : public QWidget
{
    Q_OBJECT

public:
    // A value is the row of the page list and the index of the page.
    enum Tab {
        ProfileTab = 0,
        GroupTab = 1,
        DevicesTab = 2,
        SecurityTab = 3,
        PrivacyTab = 4,
    };
    Q_ENUM(Tab)

    // The message line clears itself after these.
    static constexpr int ErrorMessageMs = 4000;
    static constexpr int SuccessMessageMs = 3000;
    // Fire-and-forget changes show their outcome through a refresh this much later.
    static constexpr int DeferredRefreshMs = 500;

    explicit AccountScreen(Client* client, QWidget* parent = nullptr);
    ~AccountScreen() override;

    void showTab(Tab tab);

    void refreshAll();
    void refreshProfile();
    void refreshGroup();
    void refreshDevices();
    void refreshSessions();

    // "Active now", "5m ago", "3h ago", "2d ago", then the local date.
    static QString formatRelativeTime(const QDateTime& when);
    static bool isOwner(const OrvClaims& claims);

signals:
    void logoutRequested();

private:
    QWidget* createProfileTab();
    QWidget* createGroupTab();
    QWidget* createDevicesTab();
    QWidget* createSecurityTab();
    QWidget* createPrivacyTab();
    // A page with its title; `layout` receives the page's layout.
    QWidget* makePage(const QString& title, QVBoxLayout** layout);
    // Adds the empty content slot and the closing stretch.
    QWidget* makeContentPage(const QString& title, QVBoxLayout** layout, QWidget** content);
    QWidget* makeSectionHeader(const QString& title, const QString& description);
    // Replaces a page's content with a new, empty one and returns its layout.
    QVBoxLayout* replaceContent(QVBoxLayout* pageLayout, QWidget** content, int spacing);
    QPushButton* addButton(QLayout* layout, const QString& text, const QString& objectName,
                           void (AccountScreen::*action)());

    void populateGroup(const Group& group);
    void addMemberRow(QVBoxLayout* layout, const GroupMember& member, bool viewerIsOwner);
    void addInvitationRow(QVBoxLayout* layout, const GroupInvitation& invitation);
    void populateDevices(const QList<Device>& devices);
    void populateSessions(const QList<Session>& sessions);
    void updateDeletePermission();

    void showError(const QString& text);
    void showSuccess(const QString& text);
    void showMessage(const QString& text, const QString& style, int clearAfterMs);
    void refreshLater(void (AccountScreen::*refresh)());

    void editDisplayName();
    void changePassword();
    void deleteAccount();
    void joinGroup();
    void inviteByEmail();
    void generateInviteCode();
    void leaveGroup();
    void removeMember(const QString& shownName, const QString& accountId);
    void revokeInvitation(const QString& invitationId);
    void removeDevice(const QString& deviceId, const QString& deviceName);
    void revokeSession(const QString& sessionId);
    bool confirm(const QString& title, const QString& text);

    Client* m_client;
    QListWidget* m_sideList = nullptr;
    QStackedWidget* m_pages = nullptr;
    QLabel* m_messageLabel = nullptr;
    QLabel* m_nameLabel = nullptr;
    QLabel* m_emailLabel = nullptr;
    QPushButton* m_editNameButton = nullptr;
    QPushButton* m_changePasswordButton = nullptr;
    QPushButton* m_deleteAccountButton = nullptr;
    QLabel* m_ownerNoteLabel = nullptr;
    QVBoxLayout* m_groupLayout = nullptr;
    QWidget* m_groupContent = nullptr;
    QVBoxLayout* m_devicesLayout = nullptr;
    QWidget* m_devicesContent = nullptr;
    QVBoxLayout* m_securityLayout = nullptr;
    QWidget* m_sessionsContent = nullptr;
};

} // namespace OrvaAccount
