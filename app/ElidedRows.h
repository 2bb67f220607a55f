#pragma once

#include <QStyledItemDelegate>

class QListView;

namespace ledfont {

// Rows never wider than their list: a long name is cut, with an ellipsis,
// where the list ends, so the list needs no horizontal scroll bar and its
// last row never hides under one.
class ElidedRows : public QStyledItemDelegate {
public:
    // Makes list draw its rows this way, cutting names as mode says.
    static void Apply(QListView& list, Qt::TextElideMode mode);

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    explicit ElidedRows(QListView& list);
};

}  // namespace ledfont
