#pragma once

#include <QComboBox>
#include <QList>
#include <QStorageInfo>
#include <QStringList>

#include "UserEvent.h"

namespace ledfont {

// The drive list. On this platform the drives are the mounted volumes of
// real file systems, named by their root folder ("/" always among them).
// It starts at the volume that holds the working folder.
class DriveListBox : public QComboBox {
public:
    explicit DriveListBox(QWidget* parent = nullptr);

    QString Drive() const { return currentText(); }
    // Selects the volume that holds path and raises Change.
    void SetDrive(const QString& path);

    void SetChangeHandler(Handler handler) { change_ = std::move(handler); }

    // Root folders of the mounted volumes, sorted, without duplicates.
    static QStringList Volumes();
    // Root folder of the mounted volume that holds path (links resolved).
    static QString VolumeOf(const QString& path);
    // The deepest of roots that is path or one of its folders; "/" when none is.
    static QString VolumeAmong(const QString& path, const QStringList& roots);

private:
    static QStringList Volumes(const QList<QStorageInfo>& mounted);
    static QString VolumeOf(const QString& path, const QList<QStorageInfo>& mounted);
    int IndexOfVolume(const QString& root);
    void UserChose(int index);

    Handler change_;
    int shown_ = -1;
};

}  // namespace ledfont
