#include "AccountScreen.h"

#include "AccountUi.h"
#include "account/AccountClient.h"
#include "account/AuthClient.h"
#include "account/Client.h"
#include "account/EpochClock.h"
#include "widgets/InputDialog.h"
#include "widgets/MessageBox.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace OrvaAccount {

using AccountUi::adjustFont;
using AccountUi::dim;
using AccountUi::guarded;
using AccountUi::MediumWeight;
using AccountUi::makeSeparator;
using AccountUi::plainLabel;
using AccountUi::SemiBoldWeight;

namespace {

constexpr int MinimumPasswordLength = 8;
constexpr int LongestShownUserAgent = 60;

QString sideListStyleSheet(const QPalette& palette)
{
    const QColor window = palette.color(QPalette::Window);
    const bool dark = window.lightness() < 128;
    const QColor alternate = palette.color(QPalette::AlternateBase);
    const QColor background = alternate.isValid() ? alternate : window.lighter(dark ? 115 : 97);
    const QColor hover = dark ? window.lighter(135) : window.darker(105);
    return QStringLiteral("QListWidget {  background: %1; border: none; padding: 12px 8px;}"
                          "QListWidget::item {  padding: 8px 12px; border-radius: 6px;}"
                          "QListWidget::item:hover { background: %2; }"
                          "QListWidget::item:selected { background: %3; color: %4; }")
        .arg(background.name(), hover.name(), palette.color(QPalette::Highlight).name(),
             palette.color(QPalette::HighlightedText).name());
}

QHBoxLayout* indentedRow(int top = 0, int bottom = 0)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(12, top, 0, bottom);
    return row;
}

// A list row: its text lines on the left, whatever follows on the right.
QWidget* listRow(const QString& objectName, int verticalMargin, QVBoxLayout** lines, QHBoxLayout** row)
{
    auto* widget = new QWidget;
    widget->setObjectName(objectName);
    *row = new QHBoxLayout(widget);
    (*row)->setContentsMargins(12, verticalMargin, 0, verticalMargin);
    *lines = new QVBoxLayout;
    (*lines)->setSpacing(2);
    (*row)->addLayout(*lines);
    (*row)->addStretch();
    return widget;
}

QLabel* detailLabel(const QString& text)
{
    QLabel* label = plainLabel(text);
    dim(label);
    adjustFont(label, -1);
    return label;
}

QLabel* coloredBadge(const QString& text, const QString& color, int fontDelta)
{
    auto* badge = new QLabel(text);
    adjustFont(badge, fontDelta, MediumWeight);
    badge->setStyleSheet(QStringLiteral("color: %1;").arg(color));
    return badge;
}

QPushButton* rowButton(const QString& text, const QString& objectName)
{
    auto* button = new QPushButton(text);
    button->setObjectName(objectName);
    return button;
}

} // namespace

AccountScreen::AccountScreen(Client* client, QWidget* parent)
    : QWidget(parent)
    , m_client(client)
{
    setWindowTitle(tr("Orvalen Account"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_sideList = new QListWidget(this);
    m_sideList->setObjectName(QStringLiteral("pageList"));
    m_sideList->setFixedWidth(180);
    m_sideList->setFrameShape(QFrame::NoFrame);
    m_sideList->setFocusPolicy(Qt::NoFocus);
    m_sideList->setSpacing(2);
    m_sideList->setStyleSheet(sideListStyleSheet(QApplication::palette()));
    m_sideList->addItems({QStringLiteral("Profile"), QStringLiteral("Group"), QStringLiteral("Devices"),
                          QStringLiteral("Security"), QStringLiteral("Data & Privacy")});
    m_sideList->setCurrentRow(ProfileTab);

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("pageStack"));
    for (QWidget* page : {createProfileTab(), createGroupTab(), createDevicesTab(), createSecurityTab(),
                          createPrivacyTab()})
        m_pages->addWidget(page);
    connect(m_sideList, &QListWidget::currentRowChanged, m_pages, &QStackedWidget::setCurrentIndex);

    auto* right = new QVBoxLayout;
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    right->addWidget(m_pages, 1);
    m_messageLabel = plainLabel(QString(), this);
    m_messageLabel->setObjectName(QStringLiteral("messageLabel"));
    m_messageLabel->setFixedHeight(24);
    adjustFont(m_messageLabel, -1);
    right->addWidget(m_messageLabel);

    layout->addWidget(m_sideList, 0);
    layout->addLayout(right, 1);
}

AccountScreen::~AccountScreen() = default;

void AccountScreen::showTab(Tab tab)
{
    m_sideList->setCurrentRow(tab);
    m_pages->setCurrentIndex(tab);
}

QWidget* AccountScreen::makePage(const QString& title, QVBoxLayout** layout)
{
    auto* page = new QWidget;
    *layout = new QVBoxLayout(page);
    (*layout)->setContentsMargins(24, 24, 24, 24);
    (*layout)->setSpacing(8);
    auto* heading = new QLabel(title);
    adjustFont(heading, 4, SemiBoldWeight);
    (*layout)->addWidget(heading);
    (*layout)->addSpacing(12);
    return page;
}

QWidget* AccountScreen::makeContentPage(const QString& title, QVBoxLayout** layout, QWidget** content)
{
    QWidget* page = makePage(title, layout);
    // Index 2 of the page layout, where the fillers put each new content.
    *content = new QWidget;
    (*layout)->addWidget(*content);
    (*layout)->addStretch();
    return page;
}

QWidget* AccountScreen::makeSectionHeader(const QString& title, const QString& description)
{
    auto* header = new QWidget;
    auto* layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 8);
    QLabel* titleLabel = plainLabel(title);
    adjustFont(titleLabel, 1, MediumWeight);
    layout->addWidget(titleLabel);
    if (!description.isEmpty()) {
        auto* descriptionLabel = new QLabel(description);
        descriptionLabel->setWordWrap(true);
        dim(descriptionLabel);
        adjustFont(descriptionLabel, -2);
        layout->addWidget(descriptionLabel);
    }
    return header;
}

QPushButton* AccountScreen::addButton(QLayout* layout, const QString& text, const QString& objectName,
                                      void (AccountScreen::*action)())
{
    QPushButton* button = rowButton(text, objectName);
    connect(button, &QPushButton::clicked, this, action);
    layout->addWidget(button);
    return button;
}

QWidget* AccountScreen::createProfileTab()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = makePage(QStringLiteral("Profile"), &layout);
    layout->addWidget(makeSectionHeader(QStringLiteral("Personal Information"), QString()));

    auto* identity = new QVBoxLayout;
    identity->setContentsMargins(12, 0, 0, 0);
    identity->setSpacing(6);
    m_nameLabel = plainLabel(QString());
    m_nameLabel->setObjectName(QStringLiteral("nameLabel"));
    m_emailLabel = plainLabel(QString());
    m_emailLabel->setObjectName(QStringLiteral("emailLabel"));
    dim(m_emailLabel);
    identity->addWidget(m_nameLabel);
    identity->addWidget(m_emailLabel);
    layout->addLayout(identity);
    layout->addSpacing(8);

    QHBoxLayout* actions = indentedRow();
    m_editNameButton = addButton(actions, QStringLiteral("Edit Display Name"), QStringLiteral("editNameButton"),
                                 &AccountScreen::editDisplayName);
    actions->addStretch();
    addButton(actions, QStringLiteral("Sign Out"), QStringLiteral("signOutButton"), &AccountScreen::logoutRequested);
    layout->addLayout(actions);

    layout->addSpacing(16);
    layout->addWidget(makeSeparator());
    layout->addSpacing(8);
    layout->addWidget(makeSectionHeader(QStringLiteral("Password"), QStringLiteral("Change your account password.")));
    QHBoxLayout* passwordRow = indentedRow();
    m_changePasswordButton = addButton(passwordRow, QStringLiteral("Change Password"),
                                       QStringLiteral("changePasswordButton"), &AccountScreen::changePassword);
    passwordRow->addStretch();
    layout->addLayout(passwordRow);
    layout->addStretch();
    return page;
}

QWidget* AccountScreen::createGroupTab()
{
    return makeContentPage(QStringLiteral("Group"), &m_groupLayout, &m_groupContent);
}

QWidget* AccountScreen::createDevicesTab()
{
    return makeContentPage(QStringLiteral("Devices"), &m_devicesLayout, &m_devicesContent);
}

QWidget* AccountScreen::createSecurityTab()
{
    return makeContentPage(QStringLiteral("Security"), &m_securityLayout, &m_sessionsContent);
}

QWidget* AccountScreen::createPrivacyTab()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = makePage(QStringLiteral("Data & Privacy"), &layout);
    layout->addWidget(makeSectionHeader(QStringLiteral("Danger Zone"),
                                        QStringLiteral("Permanently delete your account. "
                                                       "This cannot be undone after 30 days.")));

    m_ownerNoteLabel = new QLabel(QStringLiteral("You are the group owner. Transfer ownership or remove all "
                                                 "members before deleting your account."));
    m_ownerNoteLabel->setObjectName(QStringLiteral("ownerNoteLabel"));
    m_ownerNoteLabel->setWordWrap(true);
    dim(m_ownerNoteLabel);
    adjustFont(m_ownerNoteLabel, -1);
    m_ownerNoteLabel->setContentsMargins(12, 0, 0, 0);
    layout->addWidget(m_ownerNoteLabel);

    QHBoxLayout* row = indentedRow();
    m_deleteAccountButton = addButton(row, QStringLiteral("Delete Account"), QStringLiteral("deleteAccountButton"),
                                      &AccountScreen::deleteAccount);
    m_deleteAccountButton->setStyleSheet(
        QStringLiteral("QPushButton { color: white; background: #C62828; border: none;  border-radius: 4px; "
                       "padding: 6px 16px; font-weight: 600; }QPushButton:hover { background: #B71C1C; }"
                       "QPushButton:disabled { background: #666; }"));
    row->addStretch();
    layout->addLayout(row);
    layout->addStretch();
    updateDeletePermission();
    return page;
}

void AccountScreen::updateDeletePermission()
{
    // An owner must hand the group on first; the claims are those of whoever
    // is signed in now, which may not be who was when the screen was built.
    const bool owner = isOwner(m_client->currentClaims());
    m_ownerNoteLabel->setVisible(owner);
    m_deleteAccountButton->setEnabled(!owner);
}

bool AccountScreen::isOwner(const OrvClaims& claims)
{
    return claims.role == QLatin1String("owner");
}

QVBoxLayout* AccountScreen::replaceContent(QVBoxLayout* pageLayout, QWidget** content, int spacing)
{
    // Taken out at once but deleted later: a reply may land while a button of
    // the old content is still inside its question box.
    QWidget* old = *content;
    pageLayout->removeWidget(old);
    old->setParent(nullptr);
    old->deleteLater();

    *content = new QWidget;
    auto* layout = new QVBoxLayout(*content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    pageLayout->insertWidget(2, *content);
    return layout;
}

void AccountScreen::populateGroup(const Group& group)
{
    updateDeletePermission();
    QVBoxLayout* layout = replaceContent(m_groupLayout, &m_groupContent, 8);
    if (group.id.isEmpty()) {
        layout->addWidget(makeSectionHeader(QStringLiteral("No Group"),
                                            QStringLiteral("You're not part of a group. The group owner can invite "
                                                           "you, or you can join with an invite code.")));
        auto* row = new QHBoxLayout;
        addButton(row, QStringLiteral("Join with Invite Code"), QStringLiteral("joinGroupButton"),
                  &AccountScreen::joinGroup);
        row->addStretch();
        layout->addLayout(row);
        return;
    }

    layout->addWidget(makeSectionHeader(group.name, QString()));
    layout->addSpacing(4);
    auto* membersLabel = new QLabel(QStringLiteral("Members"));
    adjustFont(membersLabel, 0, MediumWeight);
    layout->addWidget(membersLabel);

    const bool owner = isOwner(m_client->currentClaims());
    for (const GroupMember& member : group.members)
        addMemberRow(layout, member, owner);

    if (owner && !group.pendingInvitations.isEmpty()) {
        layout->addSpacing(8);
        layout->addWidget(makeSeparator());
        layout->addSpacing(4);
        auto* pendingLabel = new QLabel(QStringLiteral("Pending Invitations"));
        adjustFont(pendingLabel, 0, MediumWeight);
        layout->addWidget(pendingLabel);
        for (const GroupInvitation& invitation : group.pendingInvitations)
            addInvitationRow(layout, invitation);
    }

    layout->addSpacing(12);
    layout->addWidget(makeSeparator());
    layout->addSpacing(4);
    QHBoxLayout* row = indentedRow();
    if (owner) {
        layout->addWidget(makeSectionHeader(QStringLiteral("Invite Members"), QString()));
        row->setSpacing(8);
        addButton(row, QStringLiteral("Invite by Email"), QStringLiteral("inviteByEmailButton"),
                  &AccountScreen::inviteByEmail);
        addButton(row, QStringLiteral("Generate Invite Code"), QStringLiteral("generateInviteCodeButton"),
                  &AccountScreen::generateInviteCode);
    } else {
        addButton(row, QStringLiteral("Leave Group"), QStringLiteral("leaveGroupButton"), &AccountScreen::leaveGroup);
    }
    row->addStretch();
    layout->addLayout(row);
}

void AccountScreen::addMemberRow(QVBoxLayout* layout, const GroupMember& member, bool viewerIsOwner)
{
    const QString shownName = member.displayName.isEmpty() ? member.email : member.displayName;
    QVBoxLayout* lines = nullptr;
    QHBoxLayout* row = nullptr;
    layout->addWidget(listRow(QStringLiteral("memberRow"), 6, &lines, &row));
    QLabel* name = plainLabel(shownName);
    adjustFont(name, 0, MediumWeight);
    lines->addWidget(name);
    if (!member.email.isEmpty() && member.email != shownName)
        lines->addWidget(detailLabel(member.email));

    if (member.role == QLatin1String("owner")) {
        row->addWidget(coloredBadge(QStringLiteral("Owner"), QStringLiteral("#00897B"), -2));
    } else if (viewerIsOwner) {
        QPushButton* remove = rowButton(QStringLiteral("Remove"), QStringLiteral("removeMemberButton"));
        connect(remove, &QPushButton::clicked, this,
                [this, shownName, id = member.accountId] { removeMember(shownName, id); });
        row->addWidget(remove);
    }
}

void AccountScreen::addInvitationRow(QVBoxLayout* layout, const GroupInvitation& invitation)
{
    QVBoxLayout* lines = nullptr;
    QHBoxLayout* row = nullptr;
    layout->addWidget(listRow(QStringLiteral("invitationRow"), 4, &lines, &row));
    lines->addWidget(plainLabel(invitation.invitedEmail.isEmpty()
                                    ? QStringLiteral("Invite code: %1").arg(invitation.inviteCode)
                                    : invitation.invitedEmail));
    QPushButton* revoke = rowButton(QStringLiteral("Revoke"), QStringLiteral("revokeInvitationButton"));
    connect(revoke, &QPushButton::clicked, this, [this, id = invitation.id] { revokeInvitation(id); });
    row->addWidget(revoke);
}

void AccountScreen::populateDevices(const QList<Device>& devices)
{
    QVBoxLayout* layout = replaceContent(m_devicesLayout, &m_devicesContent, 4);
    layout->addWidget(makeSectionHeader(QStringLiteral("Registered Devices"),
                                        QStringLiteral("Devices that have synced with your account.")));
    if (devices.isEmpty()) {
        auto* none = new QLabel(QStringLiteral("No devices registered."));
        dim(none);
        none->setContentsMargins(12, 0, 0, 0);
        layout->addWidget(none);
        return;
    }
    for (const Device& device : devices) {
        QVBoxLayout* lines = nullptr;
        QHBoxLayout* row = nullptr;
        layout->addWidget(listRow(QStringLiteral("deviceRow"), 6, &lines, &row));
        const QString name = device.deviceName.isEmpty() ? QStringLiteral("Unknown Device") : device.deviceName;
        auto* nameLabel = new QLabel(QStringLiteral("<b>%1</b>").arg(name.toHtmlEscaped()));
        nameLabel->setTextFormat(Qt::RichText);
        lines->addWidget(nameLabel);
        QString platform = device.platform;
        if (!device.appVersion.isEmpty())
            platform += QStringLiteral("  \u00B7  v%1").arg(device.appVersion);
        lines->addWidget(detailLabel(platform));
        lines->addWidget(detailLabel(formatRelativeTime(device.lastSyncAt)));

        QPushButton* remove = rowButton(QStringLiteral("Remove"), QStringLiteral("removeDeviceButton"));
        connect(remove, &QPushButton::clicked, this,
                [this, id = device.id, deviceName = device.deviceName] { removeDevice(id, deviceName); });
        row->addWidget(remove);
        layout->addWidget(makeSeparator());
    }
}

void AccountScreen::populateSessions(const QList<Session>& sessions)
{
    QVBoxLayout* layout = replaceContent(m_securityLayout, &m_sessionsContent, 8);
    layout->addWidget(makeSectionHeader(QStringLiteral("Active Sessions"),
                                        QStringLiteral("Sessions currently signed in to your account.")));
    if (sessions.isEmpty()) {
        auto* none = new QLabel(QStringLiteral("No active sessions."));
        none->setContentsMargins(12, 0, 0, 0);
        layout->addWidget(none);
        return;
    }
    for (const Session& session : sessions) {
        QVBoxLayout* lines = nullptr;
        QHBoxLayout* row = nullptr;
        layout->addWidget(listRow(QStringLiteral("sessionRow"), 6, &lines, &row));
        QString agent = session.userAgent;
        if (agent.isEmpty())
            agent = QStringLiteral("Unknown client");
        else if (agent.size() > LongestShownUserAgent)
            agent = agent.left(LongestShownUserAgent) + QLatin1String("...");
        QLabel* agentLabel = plainLabel(agent);
        adjustFont(agentLabel, 0, MediumWeight);
        lines->addWidget(agentLabel);
        QString detail =
            session.isCurrent ? QStringLiteral("This session") : formatRelativeTime(session.lastActiveAt);
        if (!session.ipAddress.isEmpty())
            detail += QStringLiteral("  \u00B7  %1").arg(session.ipAddress);
        lines->addWidget(detailLabel(detail));

        if (session.isCurrent) {
            row->addWidget(coloredBadge(QStringLiteral("Current"), QStringLiteral("#2E7D32"), 0));
        } else {
            QPushButton* revoke = rowButton(QStringLiteral("Revoke"), QStringLiteral("revokeSessionButton"));
            connect(revoke, &QPushButton::clicked, this, [this, id = session.id] { revokeSession(id); });
            row->addWidget(revoke);
        }
        layout->addWidget(makeSeparator());
    }
}

QString AccountScreen::formatRelativeTime(const QDateTime& when)
{
    if (!when.isValid())
        return QStringLiteral("Unknown");
    const qint64 seconds = EpochClock::nowSeconds() - when.toSecsSinceEpoch();
    if (seconds < 60)
        return QStringLiteral("Active now");
    if (seconds < 3600)
        return QStringLiteral("%1m ago").arg(seconds / 60);
    if (seconds < 86400)
        return QStringLiteral("%1h ago").arg(seconds / 3600);
    if (seconds < 604800)
        return QStringLiteral("%1d ago").arg(seconds / 86400);
    return when.toLocalTime().toString(QStringLiteral("MMM d, yyyy"));
}

void AccountScreen::showError(const QString& text)
{
    showMessage(text, QStringLiteral("color: #C62828; padding: 4px;"), ErrorMessageMs);
}

void AccountScreen::showSuccess(const QString& text)
{
    showMessage(text, QStringLiteral("color: #2E7D32; padding: 4px;"), SuccessMessageMs);
}

void AccountScreen::showMessage(const QString& text, const QString& style, int clearAfterMs)
{
    m_messageLabel->setStyleSheet(style);
    m_messageLabel->setText(text);
    // Each message has its own timer, and none cancels another's.
    auto* timer = new QTimer(m_messageLabel);
    timer->setObjectName(QStringLiteral("messageClearTimer"));
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, m_messageLabel, &QLabel::clear);
    connect(timer, &QTimer::timeout, timer, &QObject::deleteLater);
    timer->start(clearAfterMs);
}

void AccountScreen::refreshLater(void (AccountScreen::*refresh)())
{
    QTimer::singleShot(DeferredRefreshMs, this, refresh);
}

void AccountScreen::refreshAll()
{
    updateDeletePermission();
    refreshProfile();
    refreshGroup();
    refreshDevices();
    refreshSessions();
}

void AccountScreen::refreshProfile()
{
    m_client->authClient()->fetchCurrentUser(guarded(this, [this](const User& user) {
        m_nameLabel->setText(user.displayName.isEmpty() ? QStringLiteral("(not set)") : user.displayName);
        m_emailLabel->setText(user.email);
    }));
}

void AccountScreen::refreshGroup()
{
    m_client->accountClient()->getGroup(guarded(this, [this](const Group& group) { populateGroup(group); }));
}

void AccountScreen::refreshDevices()
{
    m_client->accountClient()->getDevices(
        guarded(this, [this](const QList<Device>& devices) { populateDevices(devices); }));
}

void AccountScreen::refreshSessions()
{
    m_client->authClient()->listSessions(
        guarded(this, [this](const QList<Session>& sessions) { populateSessions(sessions); }));
}

bool AccountScreen::confirm(const QString& title, const QString& text)
{
    return MessageBox::question(this, title, AccountUi::boxText(text), QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No)
        == QMessageBox::Yes;
}

void AccountScreen::editDisplayName()
{
    bool ok = false;
    const QString name = InputDialog::getText(this, QStringLiteral("Edit Display Name"),
                                              QStringLiteral("Display name:"), QLineEdit::Normal,
                                              m_nameLabel->text(), &ok)
                             .trimmed();
    if (!ok || name.isEmpty())
        return;
    m_editNameButton->setEnabled(false);
    m_client->authClient()->updateProfile(name, guarded(this, [this](const User& user) {
        m_editNameButton->setEnabled(true);
        if (user.id.isEmpty()) {
            showError(QStringLiteral("Failed to update profile."));
            return;
        }
        m_nameLabel->setText(user.displayName);
        showSuccess(QStringLiteral("Display name updated."));
    }));
}

void AccountScreen::changePassword()
{
    const QString title = QStringLiteral("Change Password");
    bool ok = false;
    const QString current =
        InputDialog::getText(this, title, QStringLiteral("Current password:"), QLineEdit::Password, QString(), &ok);
    if (!ok || current.isEmpty())
        return;
    const QString replacement = InputDialog::getText(this, title, QStringLiteral("New password (min 8 characters):"),
                                                     QLineEdit::Password, QString(), &ok);
    if (!ok || replacement.isEmpty())
        return;
    if (replacement.size() < MinimumPasswordLength) {
        showError(QStringLiteral("Password must be at least 8 characters."));
        return;
    }
    const QString confirmation =
        InputDialog::getText(this, title, QStringLiteral("Confirm new password:"), QLineEdit::Password, QString(), &ok);
    if (!ok || confirmation != replacement) {
        showError(QStringLiteral("Passwords do not match."));
        return;
    }
    m_changePasswordButton->setEnabled(false);
    m_client->authClient()->changePassword(current, replacement, guarded(this, [this](bool changed) {
        m_changePasswordButton->setEnabled(true);
        if (changed)
            showSuccess(QStringLiteral("Password changed."));
        else
            showError(QStringLiteral("Failed to change password."));
    }));
}

void AccountScreen::deleteAccount()
{
    bool ok = false;
    const QString typed = InputDialog::getText(
        this, QStringLiteral("Delete Account"),
        QStringLiteral("This will schedule your account for permanent deletion after 30 days.\n\n"
                       "Type DELETE to confirm:"),
        QLineEdit::Normal, QString(), &ok);
    if (!ok || typed != QLatin1String("DELETE"))
        return;
    m_client->accountClient()->deleteAccount(guarded(this, [this](bool scheduled) {
        if (!scheduled) {
            showError(QStringLiteral("Failed to delete account."));
            return;
        }
        MessageBox::information(this, QStringLiteral("Account Scheduled for Deletion"),
                                QStringLiteral("Your account will be permanently deleted in 30 days. "
                                               "You can recover it by signing in before then."));
        emit logoutRequested();
    }));
}

void AccountScreen::joinGroup()
{
    bool ok = false;
    const QString code = InputDialog::getText(this, QStringLiteral("Join Group"), QStringLiteral("Enter invite code:"),
                                              QLineEdit::Normal, QString(), &ok)
                             .trimmed();
    if (!ok || code.isEmpty())
        return;
    m_client->accountClient()->joinGroup(code, guarded(this, [this](bool joined) {
        if (!joined) {
            showError(QStringLiteral("Invalid or expired invite code."));
            return;
        }
        showSuccess(QStringLiteral("Joined group."));
        refreshGroup();
    }));
}

void AccountScreen::inviteByEmail()
{
    bool ok = false;
    const QString email = InputDialog::getText(this, QStringLiteral("Invite by Email"),
                                               QStringLiteral("Email address:"), QLineEdit::Normal, QString(), &ok)
                              .trimmed();
    if (!ok || email.isEmpty())
        return;
    m_client->accountClient()->inviteByEmail(email, guarded(this, [this](const GroupInvitation& invitation) {
        if (invitation.id.isEmpty()) {
            showError(QStringLiteral("Failed to send invitation."));
            return;
        }
        showSuccess(QStringLiteral("Invitation sent."));
        refreshGroup();
    }));
}

void AccountScreen::generateInviteCode()
{
    m_client->accountClient()->generateInviteCode(guarded(this, [this](const GroupInvitation& invitation) {
        if (invitation.inviteCode.isEmpty()) {
            showError(QStringLiteral("Failed to generate code."));
            return;
        }
        const QString text =
            QStringLiteral("Share this code with the person you want to invite:\n\n%1").arg(invitation.inviteCode);
        MessageBox::information(this, QStringLiteral("Invite Code"), AccountUi::boxText(text));
        refreshGroup();
    }));
}

void AccountScreen::leaveGroup()
{
    if (!confirm(QStringLiteral("Leave Group"),
                 QStringLiteral("Leave this group? You will lose access to shared data.")))
        return;
    m_client->accountClient()->leaveGroup();
    showSuccess(QStringLiteral("Left group."));
    refreshLater(&AccountScreen::refreshGroup);
}

void AccountScreen::removeMember(const QString& shownName, const QString& accountId)
{
    if (!confirm(QStringLiteral("Remove Member"), QStringLiteral("Remove %1 from the group?").arg(shownName)))
        return;
    m_client->accountClient()->removeMember(accountId);
    showSuccess(QStringLiteral("%1 removed.").arg(shownName));
    refreshLater(&AccountScreen::refreshGroup);
}

void AccountScreen::revokeInvitation(const QString& invitationId)
{
    m_client->accountClient()->revokeInvitation(invitationId);
    showSuccess(QStringLiteral("Invitation revoked."));
    refreshLater(&AccountScreen::refreshGroup);
}

void AccountScreen::removeDevice(const QString& deviceId, const QString& deviceName)
{
    if (!confirm(QStringLiteral("Remove Device"), QStringLiteral("Remove %1?").arg(deviceName)))
        return;
    m_client->accountClient()->removeDevice(deviceId);
    showSuccess(QStringLiteral("Device removed."));
    refreshLater(&AccountScreen::refreshDevices);
}

void AccountScreen::revokeSession(const QString& sessionId)
{
    m_client->authClient()->revokeSession(sessionId);
    showSuccess(QStringLiteral("Session revoked."));
    refreshLater(&AccountScreen::refreshSessions);
}

} // namespace OrvaAccount
