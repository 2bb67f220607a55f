#pragma once

#include <QString>
#include <utility>
#include <vector>

class QMenuBar;
class QWidget;

namespace ledfont {

// Every command of the menus with its keys, menu by menu: ("Edit ▸ Undo", "Ctrl+Z").
std::vector<std::pair<QString, QString>> ShortcutRows(const QMenuBar& menuBar);

// Help ▸ Keyboard shortcuts: the rows above in a table.
void ShowShortcuts(QWidget* parent, const QMenuBar& menuBar);

}  // namespace ledfont
