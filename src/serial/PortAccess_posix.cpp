#include "serial/PortAccess.h"

// Whether a device opens, by POSIX: stat, open, the device's group, and the
// programs that hold it as /proc shows them.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace lumora {

namespace {

GroupFacts groupFacts(const struct stat &st)
{
    GroupFacts f;
    const group *g = ::getgrgid(st.st_gid);
    f.group = g ? QString::fromLocal8Bit(g->gr_name) : QString::number(st.st_gid);
    const passwd *pw = ::getpwuid(::geteuid());
    f.user = pw ? QString::fromLocal8Bit(pw->pw_name) : QString::number(::geteuid());
    f.groupMayUse = (st.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    if (pw) {
        int count = 64;
        std::vector<gid_t> groups(static_cast<size_t>(count));
        if (::getgrouplist(pw->pw_name, pw->pw_gid, groups.data(), &count) < 0) {
            groups.resize(static_cast<size_t>(count));
            ::getgrouplist(pw->pw_name, pw->pw_gid, groups.data(), &count);
        }
        for (int i = 0; i < count; ++i)
            f.member = f.member || groups[static_cast<size_t>(i)] == st.st_gid;
    }
    const int n = ::getgroups(0, nullptr);
    std::vector<gid_t> now(static_cast<size_t>(n > 0 ? n : 0));
    if (n > 0 && ::getgroups(n, now.data()) < 0)
        now.clear();
    f.effective = ::getegid() == st.st_gid;
    for (gid_t gid : now)
        f.effective = f.effective || gid == st.st_gid;
    return f;
}

} // namespace

QString CanonicalDevice(const QString &path)
{
    const QString c = QFileInfo(path).canonicalFilePath();
    return c.isEmpty() ? path : c;
}

QString ProgramOfProcess(const QString &procFolder, const QString &pid)
{
    QFile comm(QStringLiteral("%1/%2/comm").arg(procFolder, pid));
    const QString name = comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readLine()).trimmed() : QString();
    return PortTexts::tr("%1 (process %2)").arg(name.isEmpty() ? PortTexts::tr("a program") : name, pid);
}

QStringList ProgramsHolding(const QString &device)
{
    const QString target = CanonicalDevice(device);
    const QString self = QString::number(::getpid());
    QStringList holders;
    const QDir proc(QStringLiteral("/proc"));
    for (const QString &pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (pid == self || pid.toInt() <= 0)
            continue;
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
        bool holds = false;
        for (const QString &fd : fds.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
            if (QFile::symLinkTarget(fds.filePath(fd)) == target) {
                holds = true;
                break;
            }
        }
        if (!holds)
            continue;
        holders << ProgramOfProcess(QStringLiteral("/proc"), pid);
    }
    return holders;
}

PortAccess CheckPortAccess(const QString &device)
{
    const QByteArray path = QFile::encodeName(device);
    struct stat st {};
    if (::stat(path.constData(), &st) != 0)
        return {PortAccess::Missing, MissingText(device)};
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    const int error = errno;
    if (fd >= 0)
        ::close(fd);
    if (fd < 0 && (error == EACCES || error == EPERM))
        return {PortAccess::PermissionDenied, PermissionDeniedText(device, groupFacts(st))};
    // The system refuses a second open only where the first asked it to;
    // a port shared without that is just as unusable.
    if ((fd < 0 && error == EBUSY) || (fd >= 0 && !ProgramsHolding(device).isEmpty()))
        return {PortAccess::Busy, BusyText(device, ProgramsHolding(device))};
    if (fd < 0 && (error == ENOENT || error == ENXIO || error == ENODEV))
        return {PortAccess::Missing, MissingText(device)};
    if (fd < 0)
        return {PortAccess::Failed, PortTexts::tr("%1: cannot be opened: %2.")
                                            .arg(device, QString::fromLocal8Bit(std::strerror(error)))};
    if (!S_ISCHR(st.st_mode))
        return {PortAccess::Failed, PortTexts::tr("%1: is no serial device (it is not a character device).")
                                            .arg(device)};
    return {PortAccess::Opens, QString()};
}

} // namespace lumora
