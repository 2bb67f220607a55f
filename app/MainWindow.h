#pragma once

#include <QMainWindow>
#include <functional>

class QAction;
class QDockWidget;
class QLabel;
class QScrollArea;

namespace ledfont {

class FontOverview;
class FrmFont;
class SignPreview;

// The program's main window: a menu bar above the window of the layout, a
// status bar below it, and the question before a close would lose changes.
// frmFont keeps its size and every control its place; the menus call the
// same operations as its buttons.
class MainWindow : public QMainWindow {
public:
    explicit MainWindow(QWidget* parent = nullptr);

    FrmFont& Form() { return *form_; }

    // The panels around the layout: the font overview and the sign preview,
    // each a dock shown and hidden from the View menu, both open at start.
    FontOverview& Overview() { return *overview_; }
    SignPreview& Preview() { return *preview_; }
    QDockWidget& OverviewDock() { return *overviewDock_; }
    QDockWidget& PreviewDock() { return *previewDock_; }
    void ShowPanels(bool shown);
    // Brings the open panels up to date now. Edits schedule it: many in one
    // turn of the event loop (every LED of a step) make one refresh.
    void RefreshPanels();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateFileMenu();
    void CreateEditMenu();
    void CreateGoMenu();
    QAction* AddAction(QMenu* menu, const QString& text, const std::function<void()>& run);
    void CreateViewMenu();
    QDockWidget* AddDock(const QString& title, QWidget* panel, Qt::DockWidgetArea area);
    void ScheduleRefresh();
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
    FontOverview* overview_ = nullptr;
    QScrollArea* overviewScroll_ = nullptr;
    int overviewFollows_ = -1;  // the glyph the overview last scrolled to
    SignPreview* preview_ = nullptr;
    QDockWidget* overviewDock_ = nullptr;
    QDockWidget* previewDock_ = nullptr;
    bool refreshDue_ = false;
};

}  // namespace ledfont
