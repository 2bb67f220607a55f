#include "FileListBox.h"

#include <QFile>
#include <QKeyEvent>

#include "ElidedRows.h"
#include "FolderEntries.h"
#include "FontFilePath.h"

namespace ledfont {
namespace {

// Each row keeps the bytes of its name: two names that are not UTF-8 may show alike.
constexpr int kNameRole = Qt::UserRole;

}  // namespace

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
    for (const FolderEntry& entry : FolderEntryList(path_, QDir::Files)) {
        auto* item = new QListWidgetItem(entry.shown, this);
        item->setData(kNameRole, entry.name);
        item->setToolTip(entry.shown);  // the whole name of one that is cut
    }
    setCurrentRow(-1);
}

void FileListBox::Refresh() {
    const QByteArray selected = SelectedName();
    SetPath(path_);
    if (selected.isEmpty()) return;
    for (int row = 0; row < count(); ++row) {
        if (item(row)->data(kNameRole).toByteArray() != selected) continue;
        setCurrentRow(row);
        return;
    }
}

QString FileListBox::FileName() const {
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

std::string FileListBox::FilePath() const {
    const QByteArray name = SelectedName();
    if (name.isEmpty()) return {};
    return (QFile::encodeName(FontFilePath(path_, QString())) + name).toStdString();
}

QByteArray FileListBox::SelectedName() const {
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->data(kNameRole).toByteArray() : QByteArray();
}

void FileListBox::keyPressEvent(QKeyEvent* event) {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && currentRow() >= 0) RunUserEvent(this, click_);
}

}  // namespace ledfont
