#pragma once

#include <QMainWindow>
#include <functional>

class QAction;
class QLabel;

namespace ledfont {

class FrmFont;

// The program's main window: a menu bar above the window of the layout, a
// status bar below it, and the question before a close would lose changes.
// frmFont keeps its size and every control its place; the menus call the
// same operations as its buttons.
class MainWindow : public QMainWindow {
public:
    explicit MainWindow(QWidget* parent = nullptr);

    FrmFont& Form() { return *form_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateFileMenu();
    void CreateEditMenu();
    void CreateGoMenu();
    QAction* AddAction(QMenu* menu, const QString& text, const std::function<void()>& run);
    void CreateStatusBar();
    void ShowPointer(int column, int row);
    void Refresh();

    FrmFont* form_;
    QAction* save_ = nullptr;
    QAction* saveAs_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QLabel* pointer_ = nullptr;
    QLabel* unsaved_ = nullptr;
};

}  // namespace ledfont
