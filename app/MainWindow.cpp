#include "MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>

#include "FontIcon.h"
#include "FrmFont.h"
#include "GlyphLimits.h"

namespace ledfont {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), form_(new FrmFont) {
    setWindowTitle(QString::fromUtf8(FrmFont::kCaption));
    setWindowIcon(FontIcon());
    setCentralWidget(form_);
    CreateFileMenu();
    CreateStatusBar();
    // The layout does not adapt: the window is as large as what it holds.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    form_->SetListeners({[this](const QString& text) { statusBar()->showMessage(text); },
                         [this](int column, int row) { ShowPointer(column, row); }, [this] { Refresh(); }});
    Refresh();
}

QAction* MainWindow::AddAction(QMenu* menu, const QString& text, const std::function<void()>& run) {
    QAction* action = menu->addAction(text);
    connect(action, &QAction::triggered, this, [run] { run(); });
    return action;
}

void MainWindow::CreateFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    AddAction(file, QStringLiteral("New &Hindi font"), [this] { form_->NewFont(FontMode::Hindi); })
        ->setShortcut(QKeySequence::New);
    AddAction(file, QStringLiteral("New &Jukta font"), [this] { form_->NewFont(FontMode::Jukta); });
    file->addSeparator();
    AddAction(file, QStringLiteral("&Load"), [this] { form_->LoadFile(); })->setShortcut(QKeySequence::Open);
    save_ = AddAction(file, QStringLiteral("&Save"), [this] { form_->SaveFile(); });
    save_->setShortcut(QKeySequence::Save);
    saveAs_ = AddAction(file, QStringLiteral("Save &As…"), [this] { form_->SaveFileAs(); });
    saveAs_->setShortcut(QKeySequence::SaveAs);
    AddAction(file, QStringLiteral("Make &HEX File"), [this] { form_->MakeHex(); });
    file->addSeparator();
    AddAction(file, QStringLiteral("&Quit"), [this] { close(); })->setShortcut(QKeySequence::Quit);
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

void MainWindow::closeEvent(QCloseEvent* event) {
    if (form_->MayClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace ledfont
