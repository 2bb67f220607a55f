#include "FolderEntries.h"

#include <dirent.h>
#include <sys/stat.h>

#include <QFile>
#include <algorithm>
#include <memory>

namespace ledfont {
namespace {

struct FolderCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

bool IsDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// By name without regard to case; names equal that way keep one order.
bool ComesFirst(const FolderEntry& a, const FolderEntry& b) {
    const int folded = a.shown.compare(b.shown, Qt::CaseInsensitive);
    if (folded != 0) return folded < 0;
    return a.name < b.name;
}

}  // namespace

// The folder is read directly: QDir leaves out names that are not valid UTF-8,
// and such a file could then never be chosen. A link counts as what it leads to.
std::vector<FolderEntry> FolderEntryList(const QString& folder, QDir::Filters kind) {
    const std::unique_ptr<DIR, FolderCloser> dir(opendir(QFile::encodeName(folder).constData()));
    if (!dir) return {};
    const bool folders = kind.testFlag(QDir::Dirs);
    std::vector<FolderEntry> entries;
    while (const dirent* entry = readdir(dir.get())) {
        if (IsDotOrDotDot(entry->d_name)) continue;
        struct stat st {};
        if (fstatat(dirfd(dir.get()), entry->d_name, &st, 0) != 0) continue;  // a dangling link is neither
        if (folders ? !S_ISDIR(st.st_mode) : !S_ISREG(st.st_mode)) continue;
        const QByteArray name(entry->d_name);
        entries.push_back({QFile::decodeName(name), name});
    }
    std::sort(entries.begin(), entries.end(), ComesFirst);
    return entries;
}

QStringList FolderEntries(const QString& folder, QDir::Filters kind) {
    QStringList names;
    for (const FolderEntry& entry : FolderEntryList(folder, kind))
        if (QFile::encodeName(entry.shown) == entry.name) names.append(entry.shown);
    return names;
}

QString CleanFolderPath(const QString& path) { return QDir::cleanPath(QDir(path).absolutePath()); }

}  // namespace ledfont
