#include "SignPreview.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

#include "Error.h"
#include "FontFile.h"
#include "FrmFont.h"
#include "GlyphLimits.h"
#include "LedPainting.h"
#include "LinePicture.h"

namespace ledfont {

namespace {
constexpr int kMargin = LedLook::kMargin;
const QColor kNoteMark(255, 160, 0);

std::size_t Slot(FontMode mode) { return mode == FontMode::Jukta ? 1 : 0; }
FontMode Other(FontMode mode) { return mode == FontMode::Jukta ? FontMode::Hindi : FontMode::Jukta; }
QString ModeText(FontMode mode) { return QString::fromUtf8(ModeName(mode)); }

QString Columns(int n) { return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? QStringLiteral("column") : QStringLiteral("columns")); }

// "37 columns", and with a sign width whether the line fits it, as `ledfont preview` says.
QString Summary(int columns, int signColumns) {
    QString text = Columns(columns);
    if (signColumns == 0) return text;
    if (columns <= signColumns) return text + QStringLiteral(": fits a sign of ") + Columns(signColumns);
    const int more = columns - signColumns;
    return text + QStringLiteral(": needs %1 more %2 than a sign of ")
                      .arg(more)
                      .arg(more == 1 ? QStringLiteral("column") : QStringLiteral("columns")) +
           Columns(signColumns);
}

// A label whose text can be selected lays it out as a document, again at
// every resize; the message becomes selectable when the pointer first comes
// over it, not at the start of every session.
class SelectableWhenPointedAt : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* label, QEvent* event) override {
        if (event->type() == QEvent::Enter) {
            static_cast<QLabel*>(label)->setTextInteractionFlags(Qt::TextSelectableByMouse);
            label->removeEventFilter(this);
        }
        return false;
    }
};
}  // namespace

SignPreview::SignPreview(FrmFont& form, QWidget* parent) : QWidget(parent), form_(form) {
    text_ = new QLineEdit(this);
    text_->setPlaceholderText(QStringLiteral("Type or paste Hindi text"));
    width_ = new QSpinBox(this);
    width_->setRange(0, picture::kMostPictureColumns);
    width_->setSpecialValueText(QStringLiteral("none"));
    width_->setSuffix(QStringLiteral(" columns"));
    width_->setValue(kDefaultSignColumns);
    other_ = new QPushButton(this);
    otherName_ = new QLabel(this);
    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(QStringLiteral("Text:"), this));
    controls->addWidget(text_, 1);
    controls->addWidget(new QLabel(QStringLiteral("Sign width:"), this));
    controls->addWidget(width_);
    controls->addWidget(other_);
    controls->addWidget(otherName_);

    auto* scroll = new QScrollArea(this);
    view_ = new LineView(scroll->viewport());
    scroll->setWidget(view_);
    scroll->setWidgetResizable(false);
    scroll->setPalette(view_->palette());
    scroll->setFixedHeight(view_->sizeHint().height() + 2 * scroll->frameWidth() + 14);
    message_ = new QLabel(this);
    message_->setWordWrap(false);  // one line each; wrapping would lay the text out again and again
    message_->setTextFormat(Qt::PlainText);
    message_->installEventFilter(new SelectableWhenPointedAt(message_));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(scroll);
    layout->addWidget(message_);
    layout->addStretch();

    connect(text_, &QLineEdit::textChanged, this, [this] { Refresh(); });
    connect(width_, &QSpinBox::valueChanged, this, [this] { Refresh(); });
    connect(other_, &QPushButton::clicked, this, [this] { ChooseOtherFont(); });
    view_->SetClickHandler([this](int column) { ClickedColumn(column); });
    view_->SetTipSource([this](int column) { return NotesAt(column); });
}

FontMode SignPreview::EditedMode() const { return form_.Font().Mode(); }

void SignPreview::SetText(const QString& text) { text_->setText(text); }

void SignPreview::SetSignColumns(int columns) { width_->setValue(columns); }

bool SignPreview::UseFontFile(FontMode mode, const std::string& path) {
    FontState font;
    try {
        if (mode == FontMode::Jukta) {
            LoadFontJukta(font, path);
        } else {
            LoadFont(font, path);
        }
    } catch (const Error& error) {
        failure_ = QStringLiteral("Could not read the %1 font: %2").arg(ModeText(mode), QString::fromUtf8(error.what()));
        Refresh();
        return false;
    }
    font.IsJukta = mode == FontMode::Jukta;
    files_[Slot(mode)] = std::move(font);
    fileNames_[Slot(mode)] = QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).fileName();
    failure_.clear();
    Refresh();
    return true;
}

void SignPreview::ChooseOtherFont() {
    const FontMode mode = Other(EditedMode());
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("%1 font for the preview").arg(ModeText(mode)));
    if (!file.isEmpty()) UseFontFile(mode, QFile::encodeName(file).toStdString());
}

void SignPreview::Refresh() {
    const FontMode other = Other(EditedMode());
    other_->setText(ModeText(other) + QStringLiteral(" font..."));
    const QString& name = fileNames_[Slot(other)];
    otherName_->setText(name.isEmpty() ? QStringLiteral("(none)") : name);
    Compose(form_.LiveFont());
    ShowLine();
}

void SignPreview::Compose(const FontState& live) {
    const FontMode mode = EditedMode();
    const std::optional<FontState>& other = files_[Slot(Other(mode))];
    lacks_.clear();
    line_.reset();
    layout_ = {};
    const FontState* hindi = mode == FontMode::Hindi ? &live : (other ? &*other : nullptr);
    const FontState* jukta = mode == FontMode::Jukta ? &live : (other ? &*other : nullptr);
    if (!hindi) {
        lacks_ = QStringLiteral("No Hindi font: the line needs one beside the Jukta font being edited. "
                                "Choose it with \"Hindi font...\".");
        return;
    }
    if (!jukta)
        lacks_ = QStringLiteral("No Jukta font: conjuncts are drawn from Hindi glyphs. Choose one with "
                                "\"Jukta font...\".");
    const std::string text = text_->text().toStdString();
    try {
        const sign::LineFonts fonts{*hindi, jukta};
        layout_ = sign::LayOutLine(text, fonts, kSpaceColumns);
        line_ = sign::DrawLine(layout_, fonts);
    } catch (const Error& error) {
        layout_ = {};
        lacks_ = QString::fromUtf8(error.what());
    }
}

// The same box and LEDs as the picture `ledfont preview -o` writes, less its margin.
void SignPreview::ShowLine() {
    if (!line_) {
        view_->Show({}, {});
        message_->setText(Message());
        return;
    }
    const sign::LedLine& line = *line_;
    const int signColumns = width_->value();
    const int columns = std::clamp(std::max(line.Columns(), signColumns), 0, picture::kMostPictureColumns);
    QImage leds = LedBoxImage(
        columns, kGridSide, [&line](int x, int y) { return x < line.Columns() && line.IsLit(x, y); },
        signColumns);
    std::vector<std::pair<int, int>> marked;
    for (const sign::LineNote& note : layout_.notes)
        for (const sign::PlacedGlyph& glyph : layout_.glyphs)
            if (glyph.character == note.character) marked.emplace_back(glyph.column, std::max(1, glyph.columns));
    view_->Show(std::move(leds), std::move(marked));
    message_->setText(Message());
}

QString SignPreview::Message() const {
    QStringList lines;
    if (!failure_.isEmpty()) lines << failure_;
    if (line_ && !text_->text().isEmpty()) lines << Summary(line_->Columns(), width_->value());
    if (!lacks_.isEmpty()) lines << lacks_;
    for (const sign::LineNote& note : layout_.notes) lines << QStringLiteral("⚠ ") + QString::fromStdString(note.text);
    return lines.join(QLatin1Char('\n'));
}

int SignPreview::GlyphAtColumn(int column) const {
    // Drawn later means drawn over: the last glyph holding the column is the one seen.
    for (auto glyph = layout_.glyphs.rbegin(); glyph != layout_.glyphs.rend(); ++glyph)
        if (column >= glyph->column && column < glyph->column + glyph->columns)
            return static_cast<int>(std::distance(layout_.glyphs.begin(), glyph.base()) - 1);
    return -1;
}

void SignPreview::ClickedColumn(int column) {
    const int placed = GlyphAtColumn(column);
    if (placed < 0) return;
    const sign::PlacedGlyph& glyph = layout_.glyphs[static_cast<std::size_t>(placed)];
    if (glyph.font != EditedMode()) {
        message_->setText(Message() + QStringLiteral("\nThat glyph is %1 glyph %2, of the font chosen for the "
                                                     "preview, not of the font being edited.")
                                          .arg(ModeText(glyph.font))
                                          .arg(glyph.glyph));
        return;
    }
    form_.GoTo(glyph.glyph);
}

QString SignPreview::NotesAt(int column) const {
    const int placed = GlyphAtColumn(column);
    if (placed < 0) return {};
    const sign::PlacedGlyph& glyph = layout_.glyphs[static_cast<std::size_t>(placed)];
    QStringList lines{QStringLiteral("%1 glyph %2, character %3").arg(ModeText(glyph.font)).arg(glyph.glyph).arg(glyph.character)};
    for (const sign::LineNote& note : layout_.notes)
        if (note.character == glyph.character) lines << QString::fromStdString(note.text);
    return lines.join(QLatin1Char('\n'));
}

LineView::LineView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, ToQColor(LedLook::kBackground));
    setPalette(grey);
    resize(sizeHint());
}

QSize LineView::sizeHint() const {
    const QSize leds = leds_.isNull() ? QSize(LedLook::BoxSide(1), LedLook::BoxSide(kGridSide)) : leds_.size();
    return leds + QSize(2 * kMargin, 2 * kMargin);
}

void LineView::Show(QImage leds, std::vector<std::pair<int, int>> marked) {
    leds_ = std::move(leds);
    marked_ = std::move(marked);
    resize(sizeHint());
    update();
}

int LineView::ColumnAt(QPoint point) const {
    const int x = point.x() - kMargin - 1;
    if (leds_.isNull() || x < 0 || point.y() < kMargin || point.y() >= kMargin + leds_.height()) return -1;
    const int column = x / LedLook::kLedPitch;
    return column < (leds_.width() - 1) / LedLook::kLedPitch ? column : -1;
}

QPoint LineView::ColumnCentre(int column) const {
    return {kMargin + LedLook::LedOffset(column) + LedLook::kLedSize / 2, kMargin + leds_.height() / 2};
}

void LineView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (leds_.isNull()) return;
    painter.drawImage(kMargin, kMargin, leds_);
    // A bar under each glyph the composition noted, in the margin below the box.
    for (const auto& [first, count] : marked_) {
        const int left = kMargin + std::max(0, first) * LedLook::kLedPitch;
        painter.fillRect(left, kMargin + leds_.height() + 2, count * LedLook::kLedPitch, 4, kNoteMark);
    }
}

void LineView::mousePressEvent(QMouseEvent* event) {
    const int column = ColumnAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && column >= 0 && click_) click_(column);
}

bool LineView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int column = ColumnAt(help->pos());
    const QString tip = column >= 0 && tips_ ? tips_(column) : QString();
    if (tip.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(help->globalPos(), tip, this);
    }
    return true;
}

}  // namespace ledfont
