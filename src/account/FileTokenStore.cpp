#include "FileTokenStore.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace OrvaAccount {

namespace {

bool isPlainName(const QString& name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_.-]{0,127}$"));
    return plain.match(name).hasMatch();
}

constexpr QFileDevice::Permissions PrivateFolder =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
constexpr QFileDevice::Permissions PrivateFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

} // namespace

FileTokenStore::FileTokenStore(const QString& folder)
    : m_folder(folder)
{
}

QString FileTokenStore::defaultFolder(const QString& appId)
{
    // An application id comes from the configuration; one that is not a plain
    // name is spelt in hexadecimal rather than trusted as a path part.
    const QString name = isPlainName(appId) ? appId : QString::fromLatin1(appId.toUtf8().toHex());
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1String("/Orvalen/")
        + name;
}

QString FileTokenStore::folder() const
{
    return m_folder;
}

QString FileTokenStore::entryPath(const QString& key) const
{
    if (!isPlainName(key))
        return QString();
    return m_folder + QLatin1Char('/') + key;
}

bool FileTokenStore::ensurePrivateFolder() const
{
    // Tightened on every write, in case the folder was made or loosened by
    // someone else since.
    return QDir().mkpath(m_folder) && QFile::setPermissions(m_folder, PrivateFolder);
}

std::optional<QString> FileTokenStore::read(const QString& key)
{
    const QString path = entryPath(key);
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(file.readAll());
}

bool FileTokenStore::write(const QString& key, const QString& value)
{
    const QString path = entryPath(key);
    if (path.isEmpty() || !ensurePrivateFolder())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Narrowed before the first byte goes in, so the token is never readable
    // by others, not even in the temporary file.
    if (!file.setPermissions(PrivateFile))
        return false;
    const QByteArray bytes = value.toUtf8();
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

bool FileTokenStore::remove(const QString& key)
{
    const QString path = entryPath(key);
    if (path.isEmpty())
        return false;
    return !QFile::exists(path) || QFile::remove(path);
}

void FileTokenStore::clear()
{
    remove(accessTokenKey());
    remove(refreshTokenKey());
}

} // namespace OrvaAccount
