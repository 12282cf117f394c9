#include "serial/PortAccess.h"

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

QString canonical(const QString &path)
{
    const QString c = QFileInfo(path).canonicalFilePath();
    return c.isEmpty() ? path : c;
}

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
    if (n > 0)
        ::getgroups(n, now.data());
    f.effective = ::getegid() == st.st_gid;
    for (gid_t gid : now)
        f.effective = f.effective || gid == st.st_gid;
    return f;
}

} // namespace

QString MissingText(const QString &device)
{
    return QStringLiteral("%1: missing. There is no such device. Plug the cable in (a USB cable makes "
                          "its device only while it is plugged in), or choose another port.")
            .arg(device);
}

QString PermissionDeniedText(const QString &device, const GroupFacts &f)
{
    QString text = QStringLiteral("%1: permission denied. ").arg(device);
    if (!f.groupMayUse)
        return text + QStringLiteral("The device does not let even its group \"%1\" read and write it; "
                                     "ask whoever set up this machine to give that group access.")
                              .arg(f.group);
    if (!f.member)
        return text + QStringLiteral("The device belongs to the group \"%1\", and you (%2) are not in it. "
                                     "Add yourself with\n    sudo usermod -aG %1 %2\nthen log out and log in "
                                     "again: the group counts only from your next login.")
                              .arg(f.group, f.user);
    if (!f.effective)
        return text + QStringLiteral("You (%2) are in the group \"%1\" that owns the device, but this login "
                                     "began before you were added. Log out and log in again.")
                              .arg(f.group, f.user);
    return text + QStringLiteral("You (%2) are in its group \"%1\", yet the system refused: a security "
                                 "policy may keep this program from serial devices.")
                          .arg(f.group, f.user);
}

QString BusyText(const QString &device, const QStringList &holders)
{
    QString text = QStringLiteral("%1: busy. ").arg(device);
    if (holders.isEmpty())
        return text + QStringLiteral("Another program has it open; which one could not be found (it may "
                                     "belong to another user). Close the other program and try again.");
    text += QStringLiteral("%1 %2 it open. Two programs on one cable garble each other: close %3 and try again.")
                    .arg(holders.join(QStringLiteral(", ")),
                         holders.size() == 1 ? QStringLiteral("has") : QStringLiteral("have"),
                         holders.size() == 1 ? QStringLiteral("it") : QStringLiteral("them"));
    if (holders.join(QString()).contains(QLatin1String("ModemManager")))
        text += QStringLiteral(" ModemManager tries every new serial device as a modem; stop it with\n"
                               "    sudo systemctl stop ModemManager");
    if (holders.join(QString()).contains(QLatin1String("brltty")))
        text += QStringLiteral(" brltty takes some USB serial chips for Braille displays; if you use "
                               "none, remove it with\n    sudo apt remove brltty");
    return text;
}

QStringList ProgramsHolding(const QString &device)
{
    const QString target = canonical(device);
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
        QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
        const QString name = comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll()).trimmed()
                                                            : QStringLiteral("a program");
        holders << QStringLiteral("%1 (process %2)").arg(name, pid);
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
        return {PortAccess::Failed, QStringLiteral("%1: cannot be opened: %2.")
                                            .arg(device, QString::fromLocal8Bit(std::strerror(error)))};
    if (!S_ISCHR(st.st_mode))
        return {PortAccess::Failed, QStringLiteral("%1: is no serial device (it is not a character device).")
                                            .arg(device)};
    return {PortAccess::Opens, QString()};
}

} // namespace lumora
