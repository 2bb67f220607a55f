#pragma once

#include <QByteArray>
#include <QListWidget>
#include <string>

#include "UserEvent.h"

namespace ledfont {

// The file list: every file of the Path folder, sorted by name. Click is
// raised when the user picks a file with the mouse or the arrow keys.
class FileListBox : public QListWidget {
public:
    explicit FileListBox(QWidget* parent = nullptr);

    QString Path() const { return path_; }
    // Lists the folder's files; none is selected afterwards. A folder that
    // cannot be read lists nothing.
    void SetPath(const QString& path);
    // Lists the folder again after the program wrote into it; the selected
    // file stays selected if it is still there. Raises no Click.
    void Refresh();
    // Name of the selected file as the list shows it, without its folder;
    // empty for none. A name that is not UTF-8 shows U+FFFD for its bad bytes.
    QString FileName() const;
    // Full path of the selected file as the file system spells it, the bytes
    // of its name as they are, which opens it; empty for none.
    std::string FilePath() const;

    void SetClickHandler(Handler handler) { click_ = std::move(handler); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QByteArray SelectedName() const;

    QString path_;
    Handler click_;
};

}  // namespace ledfont
