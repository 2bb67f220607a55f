#include "FileListBox.h"

#include <QKeyEvent>

#include "ElidedRows.h"
#include "FolderEntries.h"

namespace ledfont {

// A long name is cut in its middle, so its end (".txt") stays in sight.
FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
    ElidedRows::Apply(*this, Qt::ElideMiddle);
    SetPath(QDir::currentPath());
    // A ctrl-click can leave no file selected; that is no choice of a file.
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem*) {
        if (!FileName().isEmpty()) RunUserEvent(this, click_);
    });
}

void FileListBox::SetPath(const QString& path) {
    path_ = CleanFolderPath(path);
    clear();
    for (const QString& name : FolderEntries(path_, QDir::Files)) {
        auto* item = new QListWidgetItem(name, this);
        item->setToolTip(name);  // the whole name of one that is cut
    }
    setCurrentRow(-1);
}

void FileListBox::Refresh() {
    const QString selected = FileName();
    SetPath(path_);
    const QList<QListWidgetItem*> found = findItems(selected, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!selected.isEmpty() && !found.isEmpty()) setCurrentItem(found.first());
}

QString FileListBox::FileName() const {
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void FileListBox::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0) RunUserEvent(this, click_);
}

}  // namespace ledfont
