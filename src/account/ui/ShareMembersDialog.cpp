#include "ShareMembersDialog.h"

#include "AccountUi.h"
#include "account/AccountClient.h"
#include "account/Client.h"
#include "widgets/MessageBox.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSet>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace OrvaAccount {

using AccountUi::adjustFont;
using AccountUi::guarded;
using AccountUi::MediumWeight;
using AccountUi::plainLabel;
using AccountUi::SemiBoldWeight;

namespace {

QLabel* placeholderLabel(const QString& text)
{
    QLabel* label = plainLabel(text);
    label->setWordWrap(true);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

QLabel* sectionHeader(const QString& text)
{
    QLabel* label = plainLabel(text);
    adjustFont(label, 0, SemiBoldWeight);
    return label;
}

QString orDefault(const QString& text, const QString& fallback)
{
    return text.isEmpty() ? fallback : text;
}

// Rows are scheduled for deletion, not deleted: the click that caused the
// rebuild may still be on the stack. They leave the dialog at once.
void clearList(QVBoxLayout* list)
{
    for (int index = list->count() - 1; index >= 0; --index) {
        QLayoutItem* item = list->takeAt(index);
        if (QWidget* widget = item->widget()) {
            widget->setParent(nullptr);
            widget->deleteLater();
        }
        delete item;
    }
}

} // namespace

ShareMembersDialog::ShareMembersDialog(Client* client, SharingBackend* backend, const QString& accountId,
                                       const Texts& texts, QWidget* parent)
    : QDialog(parent)
    , m_client(client)
    , m_backend(backend)
    , m_accountId(accountId)
    , m_texts(withDefaults(texts))
{
    buildLayout();
    reload();
}

ShareMembersDialog::Texts ShareMembersDialog::withDefaults(Texts texts) const
{
    texts.sharedHeader = orDefault(texts.sharedHeader, tr("People with access"));
    texts.addHeader = orDefault(texts.addHeader, tr("Add people"));
    texts.emptyText = orDefault(texts.emptyText, tr("Not shared with anyone yet."));
    texts.noGroupText = orDefault(
        texts.noGroupText, tr("Nobody else is in your group yet. Invite people to your group to share with them."));
    texts.allSharedText = orDefault(texts.allSharedText, tr("All group members already have access"));
    texts.shareButtonText = orDefault(texts.shareButtonText, tr("Share"));
    texts.removeToolTip = orDefault(texts.removeToolTip, tr("Remove access"));
    texts.closeButtonText = orDefault(texts.closeButtonText, tr("Close"));
    texts.removeConfirmTitle = orDefault(texts.removeConfirmTitle, tr("Remove access?"));
    texts.removeConfirmText = orDefault(texts.removeConfirmText, tr("%1 will no longer have access. Continue?"));
    return texts;
}

void ShareMembersDialog::buildLayout()
{
    setWindowTitle(m_texts.windowTitle);
    setMinimumSize(560, 560);
    resize(620, 620);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(12);

    if (!m_texts.heading.isEmpty()) {
        QLabel* heading = plainLabel(m_texts.heading);
        heading->setObjectName(QStringLiteral("headingLabel"));
        heading->setWordWrap(true);
        adjustFont(heading, 2, SemiBoldWeight);
        layout->addWidget(heading);
    }
    if (!m_texts.intro.isEmpty())
        layout->addWidget(placeholderLabel(m_texts.intro));
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setStyleSheet(QStringLiteral("color: rgba(128,128,128,0.25);"));
    layout->addWidget(line);

    m_errorLabel = plainLabel(QString());
    m_errorLabel->setObjectName(QStringLiteral("errorLabel"));
    m_errorLabel->setWordWrap(true);
    m_errorLabel->setStyleSheet(QStringLiteral("QLabel { color: #b00020; padding: 4px 0; }"));
    m_errorLabel->hide();
    layout->addWidget(m_errorLabel);

    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget;
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->setSpacing(8);

    auto* sharedSection = new QVBoxLayout;
    sharedSection->setContentsMargins(0, 0, 0, 0);
    sharedSection->setSpacing(4);
    sharedSection->addWidget(sectionHeader(m_texts.sharedHeader));
    m_sharedList = addList(sharedSection, QStringLiteral("sharedList"));
    contentLayout->addLayout(sharedSection);

    auto* addSection = new QVBoxLayout;
    addSection->setContentsMargins(0, 8, 0, 0);
    addSection->setSpacing(4);
    addSection->addWidget(sectionHeader(m_texts.addHeader));
    m_addList = addList(addSection, QStringLiteral("addList"));
    m_noGroupLabel = addHint(addSection, m_texts.noGroupText, QStringLiteral("noGroupLabel"));
    m_allSharedLabel = addHint(addSection, m_texts.allSharedText, QStringLiteral("allSharedLabel"));
    contentLayout->addLayout(addSection);
    contentLayout->addStretch();
    scroll->setWidget(content);
    layout->addWidget(scroll, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    auto* close = new QPushButton(m_texts.closeButtonText);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    bottom->addWidget(close);
    layout->addLayout(bottom);
}

QVBoxLayout* ShareMembersDialog::addList(QVBoxLayout* section, const QString& objectName)
{
    auto* holder = new QWidget;
    holder->setObjectName(objectName);
    auto* list = new QVBoxLayout(holder);
    list->setContentsMargins(0, 0, 0, 0);
    list->setSpacing(2);
    section->addWidget(holder);
    return list;
}

QLabel* ShareMembersDialog::addHint(QVBoxLayout* section, const QString& text, const QString& objectName)
{
    QLabel* hint = placeholderLabel(text);
    hint->setObjectName(objectName);
    hint->setContentsMargins(0, 8, 0, 0);
    hint->hide();
    section->addWidget(hint);
    return hint;
}

void ShareMembersDialog::reload()
{
    loadGroupMembers();
    loadShares();
}

void ShareMembersDialog::loadGroupMembers()
{
    m_client->accountClient()->getProfile(guarded(this, [this](const Profile& profile) {
        m_currentUserId = profile.id;
        m_client->accountClient()->getGroup(guarded(this, [this](const Group& group) {
            m_groupMembers = group.members;
            rebuildLists();
        }));
    }));
}

void ShareMembersDialog::loadShares()
{
    m_backend->listMembers(m_accountId, guarded(this, [this](const QList<ShareMember>& shares) {
        m_shares = shares;
        rebuildLists();
    }));
}

void ShareMembersDialog::rebuildLists()
{
    clearList(m_sharedList);
    clearList(m_addList);

    // The owner always sees the account; it is not a share to list or undo.
    QSet<QString> sharedIds;
    for (const ShareMember& share : std::as_const(m_shares)) {
        if (share.role == QLatin1String("owner"))
            continue;
        sharedIds.insert(share.userId);
        m_sharedList->addWidget(makeShareRow(share));
    }
    if (m_sharedList->count() == 0) {
        QLabel* empty = placeholderLabel(m_texts.emptyText);
        empty->setObjectName(QStringLiteral("emptyLabel"));
        empty->setContentsMargins(0, 4, 0, 4);
        m_sharedList->addWidget(empty);
    }

    if (m_groupMembers.isEmpty()) {
        m_noGroupLabel->show();
        m_allSharedLabel->hide();
        return;
    }
    QString ownId;
    for (const GroupMember& member : std::as_const(m_groupMembers)) {
        if (member.accountId == m_currentUserId) {
            ownId = m_backend->userIdForMember(member);
            break;
        }
    }
    for (const GroupMember& member : std::as_const(m_groupMembers)) {
        const QString id = m_backend->userIdForMember(member);
        if (id != ownId && !sharedIds.contains(id))
            m_addList->addWidget(makeMemberRow(member));
    }
    m_noGroupLabel->hide();
    m_allSharedLabel->setVisible(m_addList->count() == 0);
}

QWidget* ShareMembersDialog::makeShareRow(const ShareMember& share)
{
    QString name = share.displayName;
    QString email = share.email;
    if (name.isEmpty() || email.isEmpty()) {
        for (const GroupMember& member : std::as_const(m_groupMembers)) {
            if (m_backend->userIdForMember(member) == share.userId) {
                name = orDefault(name, member.displayName);
                email = orDefault(email, member.email);
                break;
            }
        }
    }
    const QString label = orDefault(orDefault(name, email), share.userId);

    auto* remove = new QToolButton;
    remove->setObjectName(QStringLiteral("removeShareButton"));
    remove->setText(QStringLiteral("\u00D7"));
    remove->setAutoRaise(true);
    remove->setCursor(Qt::PointingHandCursor);
    remove->setFixedSize(28, 28);
    adjustFont(remove, 4);
    remove->setToolTip(m_texts.removeToolTip);
    connect(remove, &QToolButton::clicked, this, [this, id = share.id, label] { removeShare(id, label); });
    return makePersonRow(QStringLiteral("shareRow"), name, email, label, remove);
}

QWidget* ShareMembersDialog::makeMemberRow(const GroupMember& member)
{
    const QString label = orDefault(member.displayName, member.email);
    auto* share = new QPushButton(m_texts.shareButtonText);
    share->setObjectName(QStringLiteral("shareButton"));
    share->setCursor(Qt::PointingHandCursor);
    connect(share, &QPushButton::clicked, this,
            [this, id = m_backend->userIdForMember(member), label] { shareWithMember(id, label); });
    return makePersonRow(QStringLiteral("memberRow"), member.displayName, member.email, label, share);
}

QWidget* ShareMembersDialog::makePersonRow(const QString& objectName, const QString& name, const QString& email,
                                           const QString& label, QWidget* button)
{
    auto* row = new QWidget;
    row->setObjectName(objectName);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->setSpacing(10);
    layout->addWidget(makeAvatar(initials(name, email), AvatarSize));

    auto* lines = new QVBoxLayout;
    lines->setSpacing(0);
    QLabel* nameLabel = plainLabel(label);
    adjustFont(nameLabel, 0, MediumWeight);
    lines->addWidget(nameLabel);
    if (!email.isEmpty() && email != label) {
        QLabel* emailLabel = plainLabel(email);
        emailLabel->setForegroundRole(QPalette::PlaceholderText);
        lines->addWidget(emailLabel);
    }
    layout->addLayout(lines, 1);
    layout->addWidget(button);
    return row;
}

QLabel* ShareMembersDialog::makeAvatar(const QString& text, int size) const
{
    QLabel* avatar = plainLabel(text);
    avatar->setObjectName(QStringLiteral("avatarLabel"));
    avatar->setAlignment(Qt::AlignCenter);
    avatar->setFixedSize(size, size);
    avatar->setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: white; border-radius: %2px; font-weight: 600; }")
            .arg(palette().color(QPalette::Highlight).name(), QString::number(size / 2)));
    QFont font = avatar->font();
    font.setPointSize(qMax(size / 3, 8));
    avatar->setFont(font);
    return avatar;
}

QString ShareMembersDialog::initials(const QString& name, const QString& email)
{
    if (name.isEmpty())
        return email.isEmpty() ? QStringLiteral("?") : email.left(1).toUpper();
    const QStringList parts = name.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() < 2)
        return name.left(1).toUpper();
    return (parts.constFirst().left(1) + parts.constLast().left(1)).toUpper();
}

void ShareMembersDialog::shareWithMember(const QString& userId, const QString& name)
{
    if (m_busy)
        return;
    m_busy = true;
    m_errorLabel->hide();
    m_backend->shareWith(m_accountId, userId, m_texts.shareRole,
                         guarded(this, [this, name](bool success, const QString& message) {
                             m_busy = false;
                             if (!success) {
                                 showError(orDefault(message, tr("Could not share with %1.").arg(name)));
                                 return;
                             }
                             emit sharingChanged();
                             reload();
                         }));
}

void ShareMembersDialog::removeShare(const QString& userId, const QString& name)
{
    if (m_busy)
        return;
    const QMessageBox::StandardButton answer =
        MessageBox::question(this, m_texts.removeConfirmTitle, AccountUi::boxText(m_texts.removeConfirmText.arg(name)),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    m_busy = true;
    m_errorLabel->hide();
    m_backend->removeShare(m_accountId, userId, guarded(this, [this, name](bool success) {
                               m_busy = false;
                               if (!success) {
                                   showError(tr("Could not remove %1.").arg(name));
                                   return;
                               }
                               emit sharingChanged();
                               reload();
                           }));
}

void ShareMembersDialog::showError(const QString& text)
{
    m_errorLabel->setText(text);
    m_errorLabel->show();
}

} // namespace OrvaAccount
