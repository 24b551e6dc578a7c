#include "TestMain.h"

#include "account/FileTokenStore.h"
#include "account/MemoryTokenStore.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/stat.h>

using OrvaAccount::FileTokenStore;
using OrvaAccount::MemoryTokenStore;
using OrvaAccount::TokenStore;

namespace {

// The mode bits as the system sees them, without Qt's mapping.
int modeOf(const QString& path)
{
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 07777);
}

} // namespace

class TestTokenStore : public QObject
{
    Q_OBJECT

private slots:
    void entriesAreIndependent_data();
    void entriesAreIndependent();
    void fileStoreIsPrivateAndLasts();
    void fileStoreRefusesKeysThatAreNotNames();
    void defaultFolderIsInTheUsersConfig();

private:
    QTemporaryDir m_dir;
};

void TestTokenStore::entriesAreIndependent_data()
{
    QTest::addColumn<bool>("file");
    QTest::newRow("memory") << false;
    QTest::newRow("file") << true;
}

void TestTokenStore::entriesAreIndependent()
{
    QFETCH(bool, file);
    const std::unique_ptr<TokenStore> store =
        file ? std::unique_ptr<TokenStore>(std::make_unique<FileTokenStore>(m_dir.filePath(QStringLiteral("entries"))))
             : std::make_unique<MemoryTokenStore>();
    const QString access = TokenStore::accessTokenKey();
    const QString refresh = TokenStore::refreshTokenKey();

    QCOMPARE(store->read(access), std::nullopt);
    QVERIFY(store->write(access, QStringLiteral("first")));
    QVERIFY(store->write(access, QStringLiteral("eyJ.a.b")));
    QVERIFY(store->write(refresh, QStringLiteral("rt-äöü-日本")));
    QCOMPARE(store->read(access), std::optional<QString>(QStringLiteral("eyJ.a.b")));

    QVERIFY(store->remove(access));
    QVERIFY(store->remove(access));
    QCOMPARE(store->read(access), std::nullopt);
    QCOMPARE(store->read(refresh), std::optional<QString>(QStringLiteral("rt-äöü-日本")));
    // An empty value is a value, not an absent entry.
    QVERIFY(store->write(access, QString()));
    QCOMPARE(store->read(access), std::optional<QString>(QString()));

    store->clear();
    QCOMPARE(store->read(access), std::nullopt);
    QCOMPARE(store->read(refresh), std::nullopt);
}

void TestTokenStore::fileStoreIsPrivateAndLasts()
{
    // A folder someone left open to everybody is closed first.
    const QString folder = m_dir.filePath(QStringLiteral("Orvalen/app"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                              | QFileDevice::ReadOther | QFileDevice::ExeOther));
    const QString file = folder + QLatin1Char('/') + TokenStore::refreshTokenKey();
    for (const QString& value : {QStringLiteral("rt-1"), QStringLiteral("rt-2")}) {
        QVERIFY(FileTokenStore(folder).write(TokenStore::refreshTokenKey(), value));
        QCOMPARE(modeOf(folder), 0700);
        QCOMPARE(modeOf(file), 0600);
    }
    // Overwriting leaves no temporary file behind; a later store reads the value.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{TokenStore::refreshTokenKey()});
    QCOMPARE(FileTokenStore(folder).read(TokenStore::refreshTokenKey()), std::optional<QString>(QStringLiteral("rt-2")));
}

void TestTokenStore::fileStoreRefusesKeysThatAreNotNames()
{
    FileTokenStore store(m_dir.filePath(QStringLiteral("Orvalen/keys")));
    for (const QString& key : {QStringLiteral("../escaped"), QStringLiteral("a/b"), QStringLiteral(".hidden"),
                               QString(), QStringLiteral("..")}) {
        QVERIFY2(!store.write(key, QStringLiteral("x")), qPrintable(key));
        QCOMPARE(store.read(key), std::nullopt);
    }
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("Orvalen/escaped"))));
}

void TestTokenStore::defaultFolderIsInTheUsersConfig()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QCOMPARE(FileTokenStore::defaultFolder(QStringLiteral("com.orvalenworks.vellumry")),
             config + QLatin1String("/Orvalen/com.orvalenworks.vellumry"));
    // An application id that would climb out of the folder is spelt safely.
    const QString odd = FileTokenStore::defaultFolder(QStringLiteral("../x"));
    QVERIFY(odd.startsWith(config + QLatin1String("/Orvalen/")));
    QVERIFY(!odd.mid(config.size()).contains(QLatin1String("..")));
}

VELLUMRY_TEST_GUILESS_MAIN(TestTokenStore)

#include "tst_tokenstore.moc"
