#include "TestEnvironment.h"

#include "app/Application.h"
#include "FakeUpdateSite.h"
#include "update/ReleaseNotesFetcher.h"

#include <QNetworkAccessManager>
#include <QTest>
#include <QTimer>

#include <memory>

// The application object is this test's own: the test is about its end.
class TestApplicationExit : public QObject
{
    Q_OBJECT

private slots:
    void networkManagersGoBeforeTheApplication();
};

// Each network manager's thread delivers events through the application until
// the manager is deleted. Deleted while the application is being torn down, a
// thread could use it half destroyed: a crash at exit, now and then.
void TestApplicationExit::networkManagersGoBeforeTheApplication()
{
    int argc = 1;
    char name[] = "tst_applicationexit";
    char* argv[] = {name, nullptr};
    auto* app = new Application(argc, argv);
    auto site = std::make_unique<FakeUpdateSite>();
    QVERIFY(site->start());
    Application::setDownloadSite(site->siteUrl());
    OrvaUpdate::ReleaseNotesFetcher::setLanguage(QStringLiteral("en"));
    // Both of the start's requests are still in flight at the end.
    site->hang(FakeUpdateSite::manifestPath());
    site->hang(FakeUpdateSite::notesPath(QStringLiteral("1.1.10")));

    QTimer::singleShot(0, app, &QCoreApplication::quit);
    QCOMPARE(app->run(), 0);
    app->startUpdateCheck();
    QTRY_COMPARE(site->requestedPaths().size(), 2);

    QStringList owners;
    QStringList ownersGoneLate;
    for (QNetworkAccessManager* manager : app->findChildren<QNetworkAccessManager*>()) {
        const QString owner = QString::fromLatin1(manager->parent()->metaObject()->className());
        owners << owner;
        connect(manager, &QObject::destroyed, [&ownersGoneLate, owner] {
            if (!qobject_cast<Application*>(QCoreApplication::instance()))
                ownersGoneLate << owner;
        });
    }
    owners.sort();
    // The online account's three services, the update check and What's New.
    const QStringList expected{QStringLiteral("OrvaAccount::ApiClient"), QStringLiteral("OrvaAccount::ApiClient"),
                               QStringLiteral("OrvaAccount::ApiClient"), QStringLiteral("OrvaUpdate::Client"),
                               QStringLiteral("OrvaUpdate::ReleaseNotesFetcher")};
    QCOMPARE(owners, expected);

    site.reset();
    delete app;
    QCOMPARE(ownersGoneLate, QStringList());
}

int main(int argc, char** argv)
{
    prepareTestEnvironment();
    TestApplicationExit test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_applicationexit.moc"
