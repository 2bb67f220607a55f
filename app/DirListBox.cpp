#include "DirListBox.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>

#include "ElidedRows.h"
#include "Error.h"
#include "FileKind.h"
#include "FolderIcon.h"
#include "FolderEntries.h"

namespace ledfont {

namespace {
const QString kIndent = QStringLiteral("   ");

// The path that is no folder, and what it is when it is there.
std::string NotAFolder(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const std::string quoted = "\"" + name.toStdString() + "\"";
    struct stat st {};
    if (::stat(name.constData(), &st) == 0) return quoted + " is " + FileKindText(st.st_mode) + ", not a folder";
    return "there is no folder " + quoted;
}
}

DirListBox::DirListBox(QWidget* parent)
    : QListWidget(parent), openIcon_(FolderIcon(true)), closedIcon_(FolderIcon(false)) {
    ElidedRows::Apply(*this, Qt::ElideRight);
    Show(CleanFolderPath(QDir::currentPath()));
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QString folder = item->data(kPathRole).toString();
        RunUserEvent(this, [this, folder] { SetPath(folder); });
    });
}

void DirListBox::SetPath(const QString& path) {
    const QString folder = CleanFolderPath(path);
    if (!QFileInfo(folder).isDir()) throw MakeError<PathNotFoundError>(NotAFolder(folder));
    Show(folder);
    if (change_) change_();
}

void DirListBox::Show(const QString& path) {
    path_ = path;
    clear();
    // "/a/b" opens "/", "a" and "b"; the root's own name is "/".
    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString ancestor = QStringLiteral("/");
    AddFolder(ancestor, ancestor, 0, true);
    for (int depth = 0; depth < parts.size(); ++depth) {
        ancestor = ancestor == QStringLiteral("/") ? ancestor + parts[depth]
                                                   : ancestor + QLatin1Char('/') + parts[depth];
        AddFolder(parts[depth], ancestor, depth + 1, true);
    }
    setCurrentRow(count() - 1);
    const QString prefix = path == QStringLiteral("/") ? path : path + QLatin1Char('/');
    for (const QString& name : FolderEntries(path, QDir::Dirs)) {
        AddFolder(name, prefix + name, static_cast<int>(parts.size()) + 1, false);
    }
}

void DirListBox::AddFolder(const QString& name, const QString& path, int depth, bool open) {
    auto* item = new QListWidgetItem(kIndent.repeated(depth) + name, this);
    item->setData(kPathRole, path);
    item->setToolTip(path);
    item->setIcon(open ? openIcon_ : closedIcon_);
}

}  // namespace ledfont
