#include "ElidedRows.h"

#include <QListView>

namespace ledfont {

ElidedRows::ElidedRows(QListView& list) : QStyledItemDelegate(&list) {}

// The list lays its rows out again whenever its viewport changes size (a
// vertical scroll bar comes or goes), so the rows follow the width it has.
// The list gives every row its whole width, so a row asks for none: each
// is then one line of the list's font, and the list measures one row, not
// every name of a folder of thousands.
void ElidedRows::Apply(QListView& list, Qt::TextElideMode mode) {
    list.setItemDelegate(new ElidedRows(list));
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.setTextElideMode(mode);
    list.setWordWrap(false);
    list.setResizeMode(QListView::Adjust);
    list.setUniformItemSizes(true);
}

QSize ElidedRows::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return {1, QStyledItemDelegate::sizeHint(option, index).height()};
}

}  // namespace ledfont
