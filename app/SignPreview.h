#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <optional>
#include <string>

#include "FontState.h"
#include "LedLine.h"
#include "LineLayout.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace ledfont {

class FrmFont;
class LineView;

// A line of text as the sign shows it, composed by the sign library from the
// font being edited (the glyph on the canvas as painted so far) and a font
// of the other kind from a file the user picks, remembered for the run. The
// LEDs are those of `ledfont preview`, drawn in its look, with a green line
// where a sign of the given width ends. What the composition noted (a
// placeholder, a glyph drawn as its record says) is listed and marked on the
// line; a click on a glyph of the font being edited goes to it.
class SignPreview : public QWidget {
public:
    static constexpr int kSpaceColumns = 4;  // as `ledfont preview` draws a space
    static constexpr int kDefaultSignColumns = 96;

    explicit SignPreview(FrmFont& form, QWidget* parent = nullptr);

    // Composes and draws the line again from the form as it stands.
    void Refresh();

    void SetText(const QString& text);
    void SetSignColumns(int columns);  // 0: no sign width
    // Reads the font of the given kind from a file for the run. On failure
    // keeps the one it had and says why; returns whether it read the file.
    bool UseFontFile(FontMode mode, const std::string& path);

    // The line last composed, none when it could not be.
    const std::optional<sign::LedLine>& Line() const { return line_; }
    const sign::LineLayout& Layout() const { return layout_; }
    // What the preview says under the line: the size, what it lacks, the notes.
    QString Message() const;
    // The glyph drawn topmost at a line column, or -1.
    int GlyphAtColumn(int column) const;
    LineView& View() { return *view_; }

private:
    void ChooseOtherFont();
    FontMode EditedMode() const;
    void Compose(const FontState& live);
    void ShowLine();
    void ClickedColumn(int column);
    QString NotesAt(int column) const;

    FrmFont& form_;
    QLineEdit* text_ = nullptr;
    QSpinBox* width_ = nullptr;
    QPushButton* other_ = nullptr;
    QLabel* otherName_ = nullptr;
    LineView* view_ = nullptr;
    QLabel* message_ = nullptr;
    std::array<std::optional<FontState>, 2> files_;  // Hindi, Jukta: the fonts picked for the run
    std::array<QString, 2> fileNames_;
    QString lacks_;
    QString failure_;
    sign::LineLayout layout_;
    std::optional<sign::LedLine> line_;
};

// The LEDs of a line, with a mark under each glyph the composition noted.
class LineView : public QWidget {
public:
    using ColumnHandler = std::function<void(int column)>;
    using TipSource = std::function<QString(int column)>;

    explicit LineView(QWidget* parent = nullptr);
    void Show(QImage leds, std::vector<std::pair<int, int>> marked);
    void SetClickHandler(ColumnHandler handler) { click_ = std::move(handler); }
    void SetTipSource(TipSource tips) { tips_ = std::move(tips); }
    // The line column under a point of the widget, -1 off the LEDs.
    int ColumnAt(QPoint point) const;
    QPoint ColumnCentre(int column) const;
    const QImage& Leds() const { return leds_; }
    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage leds_;
    std::vector<std::pair<int, int>> marked_;  // first column and count of each noted glyph
    ColumnHandler click_;
    TipSource tips_;
};

}  // namespace ledfont
