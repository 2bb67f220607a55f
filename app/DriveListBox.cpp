#include "DriveListBox.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>
#include <algorithm>

namespace ledfont {

namespace {
// Kernel and memory file systems hold no user files; they would only crowd the list.
bool IsPseudoFileSystem(const QByteArray& type) {
    static const QSet<QByteArray> pseudo = {
        "autofs", "binfmt_misc", "bpf",    "cgroup",   "cgroup2", "configfs",   "debugfs",
        "devpts", "devtmpfs",    "efivarfs", "fusectl", "hugetlbfs", "mqueue", "nsfs",
        "proc",   "pstore",      "ramfs",  "rpc_pipefs", "securityfs", "squashfs", "sysfs",
        "tmpfs",  "tracefs"};
    return pseudo.contains(type);
}

bool UnderSystemFolder(const QString& root) {
    for (const QString& system : {QStringLiteral("/proc"), QStringLiteral("/sys"), QStringLiteral("/dev"),
                                  QStringLiteral("/run")}) {
        if (root == system || root.startsWith(system + QLatin1Char('/'))) return true;
    }
    return false;
}
}  // namespace

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent) {
    const QList<QStorageInfo> mounted = QStorageInfo::mountedVolumes();  // read once: it reads the mount table
    addItems(Volumes(mounted));
    shown_ = IndexOfVolume(VolumeOf(QDir::currentPath(), mounted));
    setCurrentIndex(shown_);
    connect(this, &QComboBox::activated, this, [this](int index) { UserChose(index); });
}

QStringList DriveListBox::Volumes() { return Volumes(QStorageInfo::mountedVolumes()); }

QStringList DriveListBox::Volumes(const QList<QStorageInfo>& mounted) {
    QStringList roots{QStringLiteral("/")};
    for (const QStorageInfo& volume : mounted) {
        const QString root = volume.rootPath();
        // A mount of a single file (containers do that) is no drive.
        if (!volume.isValid() || !volume.isReady() || !QFileInfo(root).isDir()) continue;
        if (IsPseudoFileSystem(volume.fileSystemType()) || UnderSystemFolder(root)) continue;
        roots.append(root);
    }
    std::sort(roots.begin(), roots.end());
    roots.erase(std::unique(roots.begin(), roots.end()), roots.end());
    return roots;
}

QString DriveListBox::VolumeOf(const QString& path) { return VolumeOf(path, QStorageInfo::mountedVolumes()); }

QString DriveListBox::VolumeOf(const QString& path, const QList<QStorageInfo>& mounted) {
    QStringList roots;
    for (const QStorageInfo& volume : mounted) roots.append(volume.rootPath());
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return VolumeAmong(canonical.isEmpty() ? QDir::cleanPath(path) : canonical, roots);
}

// In a chroot whose root is no mount point, a path may lie on no listed
// volume at all; "/" holds everything then.
QString DriveListBox::VolumeAmong(const QString& path, const QStringList& roots) {
    QString best = QStringLiteral("/");
    for (const QString& root : roots) {
        const bool holds = root == QStringLiteral("/") || path == root || path.startsWith(root + QLatin1Char('/'));
        if (holds && root.size() > best.size()) best = root;
    }
    return best;
}

void DriveListBox::SetDrive(const QString& path) {
    shown_ = IndexOfVolume(VolumeOf(path));
    setCurrentIndex(shown_);
    if (change_) change_();
}

// A volume missing from the list (one of the skipped kinds) is added, so the
// list can always show where the folder list is.
int DriveListBox::IndexOfVolume(const QString& root) {
    int index = findText(root, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        addItem(root);
        index = count() - 1;
    }
    return index;
}

// Picking the drive already shown changes nothing.
void DriveListBox::UserChose(int index) {
    if (index == shown_) return;
    shown_ = index;
    RunUserEvent(this, change_);
}

}  // namespace ledfont
