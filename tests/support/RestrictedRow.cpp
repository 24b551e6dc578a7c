#include "RestrictedRow.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTest>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <pwd.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace RestrictedRow {

namespace {

const char* const kFolderVariable = "VELLUMRY_RESTRICTED_FOLDER";
// The child's exit code when it could not be restricted.
constexpr int kNotHeld = 77;

#ifdef Q_OS_LINUX
// Everything below runs in the child between fork and exec: system calls
// only, and raw ones for the ids, whose libc wrappers would signal threads
// the child does not have.
bool becomeUser(uid_t uid, gid_t gid)
{
    return syscall(SYS_setgroups, 0, nullptr) == 0 && syscall(SYS_setresgid, gid, gid, gid) == 0
           && syscall(SYS_setresuid, uid, uid, uid) == 0;
}

bool writeProcFile(const char* path, const QByteArray& text)
{
    const int fd = open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = write(fd, text.constData(), size_t(text.size())) == text.size();
    return close(fd) == 0 && written;
}

// Without the right to mount here, the child takes a user namespace of its
// own, where it may, keeping its id.
bool mountReadOnly(const char* folder, const QByteArray& uidMap)
{
    const bool own = unshare(CLONE_NEWNS) == 0
                     || (unshare(CLONE_NEWUSER | CLONE_NEWNS) == 0 && writeProcFile("/proc/self/uid_map", uidMap));
    // Private first: a mount that propagated back would outlive the child.
    return own && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
           && mount(folder, folder, nullptr, MS_BIND, nullptr) == 0
           && mount(nullptr, folder, nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

bool handOver(const QString& folder, uid_t uid, gid_t gid)
{
    bool ok = chown(QFile::encodeName(folder).constData(), uid, gid) == 0;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext())
        ok = chown(QFile::encodeName(entries.next()).constData(), uid, gid) == 0 && ok;
    return ok;
}
#endif

} // namespace

Outcome run(Restriction restriction, const QString& folder)
{
    Outcome outcome;
#ifdef Q_OS_LINUX
    const passwd* nobody = getpwnam("nobody");
    if (restriction == Restriction::AsNobody && !nobody) {
        outcome.log = QStringLiteral("this system has no user nobody");
        return outcome;
    }
    const uid_t uid = nobody ? nobody->pw_uid : 0;
    const gid_t gid = nobody ? nobody->pw_gid : 0;
    if (restriction == Restriction::AsNobody && !handOver(folder, uid, gid)) {
        outcome.log = QStringLiteral("cannot give %1 to nobody").arg(folder);
        return outcome;
    }
    const QByteArray uidMap = QByteArray::number(geteuid()) + ' ' + QByteArray::number(geteuid()) + " 1";
    const QByteArray target = QFile::encodeName(folder);

    // The program is started through a descriptor opened here: nobody may not
    // search the folders it lies in (a clone under a private temporary folder),
    // and a process may always reach its own descriptors, while the kernel
    // checks only the program file's own mode.
    const int program = open(QFile::encodeName(QCoreApplication::applicationFilePath()).constData(),
                             O_RDONLY | O_CLOEXEC);
    if (program < 0) {
        outcome.log = QStringLiteral("cannot open the test program");
        return outcome;
    }

    QProcess child;
    // Where nobody may be, for the same reason; a mount's child keeps its own,
    // which would still reach the folder's writable mount underneath.
    if (restriction == Restriction::AsNobody)
        child.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(kFolderVariable), folder);
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.setChildProcessModifier([=] {
        const bool held = restriction == Restriction::AsNobody ? becomeUser(uid, gid)
                                                               : mountReadOnly(target.constData(), uidMap);
        if (!held)
            _exit(kNotHeld);
    });
    // Silent: the child's failures are all its parent shows of it.
    child.start(QStringLiteral("/proc/self/fd/%1").arg(program),
                {QStringLiteral("-silent"), QStringLiteral("%1:%2").arg(QLatin1String(QTest::currentTestFunction()),
                                                                        QLatin1String(QTest::currentDataTag()))});
    const bool finished = child.waitForFinished(120000);
    close(program);
    outcome.log = QString::fromLocal8Bit(child.readAll());
    const bool exited = finished && child.exitStatus() == QProcess::NormalExit;
    outcome.held = !(exited && child.exitCode() == kNotHeld);
    outcome.passed = exited && child.exitCode() == 0;
    if (!outcome.held) {
        outcome.log = restriction == Restriction::AsNobody
                          ? QStringLiteral("this system lets no child process become nobody")
                          : QStringLiteral("this system lets no child process mount a folder read-only");
    }
#else
    Q_UNUSED(restriction)
    Q_UNUSED(folder)
    outcome.log = QStringLiteral("restricted children are made on Linux only");
#endif
    return outcome;
}

QString preparedFolder()
{
    return qEnvironmentVariable(kFolderVariable);
}

} // namespace RestrictedRow
