#include "MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>

#include "BackingStoreMemory.h"
#include "FontOverview.h"
#include "FrmFont.h"
#include "GlyphLimits.h"
#include "ShortcutsDialog.h"
#include "SignPreview.h"

namespace ledfont {

namespace {
// Qt's standard key; where the platform has none for it (a session without a
// desktop's theme), the one most desktops use.
QKeySequence StandardOr(QKeySequence::StandardKey key, const QKeySequence& usual) {
    const QKeySequence standard(key);
    return standard.isEmpty() ? usual : standard;
}
}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), form_(new FrmFont) {
    setWindowTitle(QString::fromUtf8(FrmFont::kCaption));
    setWindowIcon(form_->windowIcon());  // drawn once, by the form
    // The layout's small dialog font for the menus, the panels and the status
    // bar too: the window reads alike, and its glyphs are loaded and drawn once.
    setFont(form_->font());
    setCentralWidget(form_);
    CreateFileMenu();
    CreateEditMenu();
    CreateGoMenu();
    CreateViewMenu();
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    AddAction(help, QStringLiteral("&Keyboard shortcuts"), [this] {
        ShowShortcuts(this, *menuBar());
    })->setShortcut(QKeySequence::HelpContents);
    CreateStatusBar();
    // The layout does not adapt: the window is as large as what it holds.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    form_->SetListeners({[this](const QString& text) { statusBar()->showMessage(text); },
                         [this](int column, int row) { ShowPointer(column, row); }, [this] { Refresh(); }});
    // The panels are first drawn when their docks are first shown.
    form_->SetEditListener([this] { ScheduleRefresh(); });
    Refresh();
}

QDockWidget* MainWindow::AddDock(const QString& title, QWidget* panel, Qt::DockWidgetArea area) {
    auto* dock = new QDockWidget(title, this);
    dock->setObjectName(title);
    dock->setWidget(panel);
    dock->setAllowedAreas(Qt::AllDockWidgetAreas);
    addDockWidget(area, dock);
    // A panel shown again catches up with what happened while it was hidden.
    connect(dock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible) ScheduleRefresh();
    });
    return dock;
}

void MainWindow::CreateViewMenu() {
    // Made inside the window, the panels take its font and palette once.
    overview_ = new FontOverview(*form_, this);
    auto* scroll = overviewScroll_ = new QScrollArea(this);
    scroll->setWidget(overview_);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(overview_->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width() + 4);
    // The overview runs down the whole right side, beside the preview too.
    setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
    overviewDock_ = AddDock(QStringLiteral("Font overview"), scroll, Qt::RightDockWidgetArea);
    preview_ = new SignPreview(*form_, this);
    previewDock_ = AddDock(QStringLiteral("Sign preview"), preview_, Qt::BottomDockWidgetArea);
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    QAction* overview = overviewDock_->toggleViewAction();
    overview->setText(QStringLiteral("Font &overview"));
    view->addAction(overview);
    QAction* preview = previewDock_->toggleViewAction();
    preview->setText(QStringLiteral("Sign &preview"));
    view->addAction(preview);
}

void MainWindow::ShowPanels(bool shown) {
    overviewDock_->setVisible(shown);
    previewDock_->setVisible(shown);
}

void MainWindow::ScheduleRefresh() {
    if (refreshDue_) return;
    refreshDue_ = true;
    QTimer::singleShot(0, this, [this] { RefreshPanels(); });
}

void MainWindow::RefreshPanels() {
    refreshDue_ = false;
    if (!overviewDock_->isHidden()) {
        overview_->Refresh();
        // The glyph a step or a go-to brings to the canvas comes into sight;
        // while it is painted, the user may scroll elsewhere.
        if (form_->Font().CurChar != overviewFollows_) {
            overviewFollows_ = form_->Font().CurChar;
            const QRect shown = overview_->GlyphRect(overviewFollows_);
            overviewScroll_->ensureVisible(shown.center().x(), shown.center().y(), shown.width() / 2 + 8,
                                           shown.height() / 2 + 24);
        }
    }
    if (!previewDock_->isHidden()) preview_->Refresh();
}

QAction* MainWindow::AddAction(QMenu* menu, const QString& text, const std::function<void()>& run) {
    QAction* action = menu->addAction(text);
    connect(action, &QAction::triggered, this, [run] { run(); });
    return action;
}

void MainWindow::CreateFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    AddAction(file, QStringLiteral("New &Hindi font"), [this] {
        form_->NewFont(FontMode::Hindi);
    })->setShortcut(QKeySequence::New);
    AddAction(file, QStringLiteral("New &Jukta font"), [this] { form_->NewFont(FontMode::Jukta); });
    file->addSeparator();
    AddAction(file, QStringLiteral("&Load"), [this] { form_->LoadFile(); })->setShortcut(QKeySequence::Open);
    save_ = AddAction(file, QStringLiteral("&Save"), [this] { form_->SaveFile(); });
    save_->setShortcut(QKeySequence::Save);
    saveAs_ = AddAction(file, QStringLiteral("Save &As…"), [this] { form_->SaveFileAs(); });
    saveAs_->setShortcut(StandardOr(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
    AddAction(file, QStringLiteral("Make &HEX File"), [this] { form_->MakeHex(); });
    file->addSeparator();
    AddAction(file, QStringLiteral("&Quit"), [this] {
        close();
    })->setShortcut(StandardOr(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));
}

// Qt's standard keys wherever there is one. Redo answers to both keys users
// know it by.
void MainWindow::CreateEditMenu() {
    FrmFont& f = *form_;
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    undo_ = AddAction(edit, QStringLiteral("&Undo"), [&f] { f.Undo(); });
    undo_->setShortcut(QKeySequence::Undo);
    redo_ = AddAction(edit, QStringLiteral("&Redo"), [&f] { f.Redo(); });
    QList<QKeySequence> redoKeys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                 QKeySequence(Qt::CTRL | Qt::Key_Y)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Redo))
        if (!redoKeys.contains(key)) redoKeys << key;
    redo_->setShortcuts(redoKeys);
    QUndoStack& stack = f.History().Stack();
    connect(&stack, &QUndoStack::canUndoChanged, undo_, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, redo_, &QAction::setEnabled);
    undo_->setEnabled(false);
    redo_->setEnabled(false);
    edit->addSeparator();
    AddAction(edit, QStringLiteral("Cu&t"), [&f] { f.CutGlyph(); })->setShortcut(QKeySequence::Cut);
    AddAction(edit, QStringLiteral("&Copy"), [&f] { f.CopyGlyph(); })->setShortcut(QKeySequence::Copy);
    AddAction(edit, QStringLiteral("&Paste"), [&f] { f.PasteGlyph(); })->setShortcut(QKeySequence::Paste);
    AddAction(edit, QStringLiteral("C&lear glyph"), [&f] {
        f.ClearGlyph();
    })->setShortcut(QKeySequence::Delete);
    edit->addSeparator();
    AddAction(edit, QStringLiteral("Shift &left"), [&f] {
        f.ShiftGlyph(-1, 0);
    })->setShortcut(Qt::ALT | Qt::Key_Left);
    AddAction(edit, QStringLiteral("Shift &right"), [&f] {
        f.ShiftGlyph(1, 0);
    })->setShortcut(Qt::ALT | Qt::Key_Right);
    AddAction(edit, QStringLiteral("Shift u&p"), [&f] {
        f.ShiftGlyph(0, -1);
    })->setShortcut(Qt::ALT | Qt::Key_Up);
    AddAction(edit, QStringLiteral("Shift &down"), [&f] {
        f.ShiftGlyph(0, 1);
    })->setShortcut(Qt::ALT | Qt::Key_Down);
    AddAction(edit, QStringLiteral("Flip &horizontal"), [&f] {
        f.FlipGlyph(true);
    })->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_H);
    AddAction(edit, QStringLiteral("Flip &vertical"), [&f] {
        f.FlipGlyph(false);
    })->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_V);
    AddAction(edit, QStringLiteral("&Invert"), [&f] { f.InvertGlyph(); })->setShortcut(Qt::CTRL | Qt::Key_I);
}

// Previous and Next are the "<<" and ">>" steps, stores included.
void MainWindow::CreateGoMenu() {
    FrmFont& f = *form_;
    QMenu* go = menuBar()->addMenu(QStringLiteral("&Go"));
    AddAction(go, QStringLiteral("&Previous"), [&f] { f.GoPrevious(); })->setShortcut(Qt::Key_PageUp);
    AddAction(go, QStringLiteral("&Next"), [&f] { f.GoNext(); })->setShortcut(Qt::Key_PageDown);
    AddAction(go, QStringLiteral("&First"), [&f] { f.GoTo(0); })->setShortcut(Qt::Key_Home);
    AddAction(go, QStringLiteral("&Last"), [&f] {
        f.GoTo(LastGlyph(f.Font().Mode()));
    })->setShortcut(Qt::Key_End);
    AddAction(go, QStringLiteral("&Go to glyph…"), [&f] {
        f.GoToGlyph();
    })->setShortcut(Qt::CTRL | Qt::Key_G);
}

void MainWindow::CreateStatusBar() {
    pointer_ = new QLabel;
    unsaved_ = new QLabel;
    statusBar()->addPermanentWidget(pointer_);
    statusBar()->addPermanentWidget(unsaved_);
    statusBar()->setSizeGripEnabled(false);  // the window keeps its size
}

void MainWindow::ShowPointer(int column, int row) {
    const bool onGrid = column >= 0 && column < kGridSide && row >= 0 && row < kGridSide;
    pointer_->setText(onGrid ? QStringLiteral("Column %1, row %2").arg(column).arg(row) : QString());
}

void MainWindow::Refresh() {
    save_->setEnabled(form_->CanSave());
    saveAs_->setEnabled(form_->CanSave());
    unsaved_->setText(form_->HasUnsavedChanges() ? QStringLiteral("Unsaved changes") : QString());
}

// The first paint of a window writes every pixel of its backing store: its
// memory is asked for at once, not a page at a time as the paint reaches it.
void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) PopulateBackingStore(*this);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (form_->MayClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace ledfont
