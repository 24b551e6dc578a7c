#pragma once

#include "OnlineTestSupport.h"
#include "account/Client.h"
#include "account/TokenManager.h"
#include "widgets/InputDialog.h"
#include "widgets/MessageBox.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>
#include <QStringList>
#include <QTextDocumentFragment>

#include <algorithm>

// The account windows against the fake services, read as a person sees them.
namespace AccountUiTest {

// Ada is signed in; Bob is known to the services.
struct AccountWorld : OnlineTest::OnlineWorld
{
    AccountWorld()
        : started(services.start())
        , bob(services.auth()->addUser(QStringLiteral("bob@example.test"), QStringLiteral("Bob")))
    {
        // The client takes the services' addresses, so they listen first.
        client = std::make_unique<OrvaAccount::Client>(OnlineTest::configFor(services),
                                                       OnlineTest::signedInStore(services.auth(), userId));
        client->initialize();
    }
    ~AccountWorld()
    {
        InputDialog::clearNextAnswer();
        MessageBox::clearNextAnswer();
    }
    void signInAs(const QString& user)
    {
        const FakeAuthService::TokenPair pair = services.auth()->signIn(user);
        client->tokenManager()->setTokens(pair.accessToken, pair.refreshToken);
    }
    int requests(const QByteArray& method, const QString& pathPart) const
    {
        const QList<FakeRequest> all = services.http()->requests();
        return int(std::count_if(all.cbegin(), all.cend(), [&](const FakeRequest& request) {
            return request.method == method && request.path.contains(pathPart);
        }));
    }
    void fail(const QByteArray& method, const QString& route, const FakeFault& fault, int times = 1)
    {
        services.http()->injectFault(method, route, fault, times);
    }

    bool started;
    QString bob;
    std::unique_ptr<OrvaAccount::Client> client;
};

// Rich text rendered, so a name whose markup was not escaped loses its tags here.
inline QString shownText(const QLabel* label)
{
    const bool rich = label->textFormat() == Qt::RichText
        || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    return rich ? QTextDocumentFragment::fromHtml(label->text()).toPlainText() : label->text();
}

// Each row of that name: its labels as shown and its buttons in brackets, joined by "|".
inline QStringList rows(const QWidget* root, const QString& rowName)
{
    QStringList texts;
    for (const QWidget* row : root->findChildren<QWidget*>(rowName)) {
        QStringList parts;
        for (const QWidget* child : row->findChildren<QWidget*>()) {
            if (const auto* label = qobject_cast<const QLabel*>(child))
                parts.append(shownText(label));
            else if (const auto* button = qobject_cast<const QAbstractButton*>(child))
                parts.append(QLatin1Char('[') + button->text() + QLatin1Char(']'));
        }
        texts.append(parts.join(QLatin1Char('|')));
    }
    return texts;
}

inline QStringList sorted(QStringList list)
{
    std::sort(list.begin(), list.end());
    return list;
}

// Clicks the index-th button of that name as a person would, once it is on
// screen: rows added to a shown page appear with the next event-loop turn.
inline bool click(const QWidget* root, const QString& name, int index = 0)
{
    QPointer<QAbstractButton> button;
    const bool shown = QTest::qWaitFor(
        [&] {
            const QList<QAbstractButton*> buttons = root->findChildren<QAbstractButton*>(name);
            button = index < buttons.size() ? buttons.at(index) : nullptr;
            return button && button->isVisible();
        },
        5000);
    if (shown)
        QTest::mouseClick(button, Qt::LeftButton);
    return shown;
}

} // namespace AccountUiTest
