#include "ElidedRows.h"

#include <QListView>
#include <algorithm>

namespace ledfont {

ElidedRows::ElidedRows(QListView& list) : QStyledItemDelegate(&list), list_(list) {}

// The list lays its rows out again whenever its viewport changes size (a
// vertical scroll bar comes or goes), so the rows follow the width it has.
void ElidedRows::Apply(QListView& list, Qt::TextElideMode mode) {
    list.setItemDelegate(new ElidedRows(list));
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.setTextElideMode(mode);
    list.setWordWrap(false);
    list.setResizeMode(QListView::Adjust);
}

QSize ElidedRows::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize hint = QStyledItemDelegate::sizeHint(option, index);
    hint.setWidth(std::min(hint.width(), list_.viewport()->width()));
    return hint;
}

}  // namespace ledfont
