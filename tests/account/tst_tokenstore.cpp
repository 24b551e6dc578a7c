#include "TestMain.h"

#include "account/FileTokenStore.h"
#include "account/MemoryTokenStore.h"

#include <QDir>
#include <QFileInfo>
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
    void init();
    void cleanup();

    void entriesAreIndependent_data();
    void entriesAreIndependent();
    void fileStoreIsPrivate();
    void fileStoreTightensALooseFolder();
    void fileStoreSurvivesTheProcess();
    void fileStoreRefusesKeysThatAreNotNames();
    void defaultFolderIsInTheUsersConfig();

private:
    std::unique_ptr<TokenStore> makeStore(const QString& kind) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestTokenStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestTokenStore::cleanup()
{
    m_dir.reset();
}

std::unique_ptr<TokenStore> TestTokenStore::makeStore(const QString& kind) const
{
    if (kind == QLatin1String("file"))
        return std::make_unique<FileTokenStore>(m_dir->filePath(QStringLiteral("Orvalen/app")));
    return std::make_unique<MemoryTokenStore>();
}

void TestTokenStore::entriesAreIndependent_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("memory") << QStringLiteral("memory");
    QTest::newRow("file") << QStringLiteral("file");
}

void TestTokenStore::entriesAreIndependent()
{
    QFETCH(QString, kind);
    const std::unique_ptr<TokenStore> store = makeStore(kind);
    const QString access = TokenStore::accessTokenKey();
    const QString refresh = TokenStore::refreshTokenKey();

    QCOMPARE(store->read(access), std::nullopt);
    QVERIFY(store->write(access, QStringLiteral("eyJ.a.b")));
    QVERIFY(store->write(refresh, QStringLiteral("rt-äöü-日本")));
    QCOMPARE(store->read(access), std::optional<QString>(QStringLiteral("eyJ.a.b")));
    QCOMPARE(store->read(refresh), std::optional<QString>(QStringLiteral("rt-äöü-日本")));

    QVERIFY(store->write(access, QStringLiteral("second")));
    QCOMPARE(store->read(access), std::optional<QString>(QStringLiteral("second")));

    QVERIFY(store->remove(access));
    QCOMPARE(store->read(access), std::nullopt);
    QCOMPARE(store->read(refresh), std::optional<QString>(QStringLiteral("rt-äöü-日本")));
    QVERIFY(store->remove(access));

    // An empty value is a value, not an absent entry.
    QVERIFY(store->write(access, QString()));
    QCOMPARE(store->read(access), std::optional<QString>(QString()));

    store->clear();
    QCOMPARE(store->read(access), std::nullopt);
    QCOMPARE(store->read(refresh), std::nullopt);
}

void TestTokenStore::fileStoreIsPrivate()
{
    const QString folder = m_dir->filePath(QStringLiteral("Orvalen/app"));
    FileTokenStore store(folder);
    QVERIFY(store.write(TokenStore::refreshTokenKey(), QStringLiteral("rt-1")));

    QCOMPARE(modeOf(folder), 0700);
    QCOMPARE(modeOf(folder + QLatin1String("/orvalen_refresh_token")), 0600);
    // Overwriting keeps the file private and leaves no temporary file behind.
    QVERIFY(store.write(TokenStore::refreshTokenKey(), QStringLiteral("rt-2")));
    QCOMPARE(modeOf(folder + QLatin1String("/orvalen_refresh_token")), 0600);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("orvalen_refresh_token")});
}

void TestTokenStore::fileStoreTightensALooseFolder()
{
    const QString folder = m_dir->filePath(QStringLiteral("loose"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                              | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                                              | QFileDevice::ReadOther | QFileDevice::ExeOther));
    QCOMPARE(modeOf(folder), 0755);
    FileTokenStore store(folder);
    QVERIFY(store.write(TokenStore::accessTokenKey(), QStringLiteral("a")));
    QCOMPARE(modeOf(folder), 0700);
}

void TestTokenStore::fileStoreSurvivesTheProcess()
{
    const QString folder = m_dir->filePath(QStringLiteral("Orvalen/app"));
    QVERIFY(FileTokenStore(folder).write(TokenStore::accessTokenKey(), QStringLiteral("kept")));
    FileTokenStore later(folder);
    QCOMPARE(later.read(TokenStore::accessTokenKey()), std::optional<QString>(QStringLiteral("kept")));
    later.clear();
    QCOMPARE(FileTokenStore(folder).read(TokenStore::accessTokenKey()), std::nullopt);
}

void TestTokenStore::fileStoreRefusesKeysThatAreNotNames()
{
    const QString folder = m_dir->filePath(QStringLiteral("Orvalen/app"));
    FileTokenStore store(folder);
    for (const QString& key : {QStringLiteral("../escaped"), QStringLiteral("a/b"), QStringLiteral(".hidden"),
                               QString(), QStringLiteral("..")}) {
        QVERIFY2(!store.write(key, QStringLiteral("x")), qPrintable(key));
        QCOMPARE(store.read(key), std::nullopt);
    }
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("Orvalen/escaped"))));
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
