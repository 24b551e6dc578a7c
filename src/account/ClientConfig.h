#pragma once

#include <QString>

namespace OrvaAccount {

// What the account client is built from; the application fills it at
// start-up from the environment and its own identity.
struct ClientConfig
{
    // With realmSlug it forms the authentication API base and the sign-in page.
    QString authBaseUrl;
    QString realmSlug;
    QString accountApiUrl;
    // Sent on the sign-in page.
    QString clientId;
    // Sent as "X-App-Id" and "app_id", and names the place the tokens are kept.
    QString appId = QStringLiteral("com.orvalenworks.vellumry");
    QString appName;
    QString appVersion;
    // Sent as "X-Platform"; when empty the client derives it from the system.
    QString platform;
    QString accountPortalUrl;
};

} // namespace OrvaAccount
