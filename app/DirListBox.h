#pragma once

#include <QIcon>
#include <QListWidget>

#include "UserEvent.h"

namespace ledfont {

// The folder list: the folders from the root down to Path, each indented one
// step more, then Path's subfolders. Activating a folder (double-click or
// Enter) opens it; every change of Path, from the user or from code, raises
// Change.
class DirListBox : public QListWidget {
public:
    static constexpr int kPathRole = Qt::UserRole;  // item data: the folder's full path

    explicit DirListBox(QWidget* parent = nullptr);

    QString Path() const { return path_; }
    // Opens the folder and raises Change. Throws PathNotFoundError naming the
    // path, changing nothing, for anything but a folder or a link to one.
    void SetPath(const QString& path);

    void SetChangeHandler(Handler handler) { change_ = std::move(handler); }

private:
    void Show(const QString& path);
    void AddFolder(const QString& name, const QString& path, int depth, bool open);

    QIcon openIcon_;  // drawn once: every row shares it
    QIcon closedIcon_;
    QString path_;
    Handler change_;
};

}  // namespace ledfont
