#include "ShortcutsDialog.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ledfont {

namespace {
QString Plain(QString text) { return text.remove(QLatin1Char('&')); }
}  // namespace

std::vector<std::pair<QString, QString>> ShortcutRows(const QMenuBar& menuBar) {
    std::vector<std::pair<QString, QString>> rows;
    for (const QAction* menuAction : menuBar.actions()) {
        const QMenu* menu = menuAction->menu();
        if (!menu) continue;
        for (const QAction* action : menu->actions()) {
            if (action->isSeparator()) continue;
            QStringList keys;
            for (const QKeySequence& key : action->shortcuts())
                keys << key.toString(QKeySequence::NativeText);
            rows.emplace_back(Plain(menuAction->text()) + QStringLiteral(" ▸ ") + Plain(action->text()),
                              keys.join(QStringLiteral(", ")));
        }
    }
    return rows;
}

void ShowShortcuts(QWidget* parent, const QMenuBar& menuBar) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Keyboard Shortcuts"));
    const auto rows = ShortcutRows(menuBar);
    auto* table = new QTableWidget(static_cast<int>(rows.size()), 2, &dialog);
    table->setHorizontalHeaderLabels({QStringLiteral("Command"), QStringLiteral("Keys")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(rows[static_cast<std::size_t>(row)].first));
        table->setItem(row, 1, new QTableWidgetItem(rows[static_cast<std::size_t>(row)].second));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(table);
    layout->addWidget(buttons);
    dialog.resize(460, 560);
    dialog.exec();
}

}  // namespace ledfont
