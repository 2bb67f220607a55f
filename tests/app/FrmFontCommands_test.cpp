// The window's commands driven as a user drives them: a click in the file
// list, Load, painting on the canvas, the lists and options, "<<" and ">>",
// New, Save, Save As and Make HEX File, and the questions before a loss. Saved font files and HEX files are
// compared byte for byte with texts this file builds itself from the records it wrote.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "../font/FileSizeLimit.h"
#include "../support/FontModel.h"
#include "../support/RunProcess.h"
#include "DirListBox.h"
#include "FileListBox.h"
#include "FontOverview.h"
#include "FrmFont.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "PictureBox.h"
#include "LedLook.h"
#include "LineArt.h"
#include "LinePicture.h"
#include "Question.h"
#include "SignPreview.h"
#include "WidgetLookup.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using ledfont::FrmFont;
using namespace ledfont::test;

long Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

// ---- The window, a folder of font files and a user's hands ---------------

class FontEditor : public testing::Test {
protected:
    FontEditor() : root(dir.path().toStdString()) {
        Write("hindi.txt", FontText(hindi));
        Write("jukta.txt", FontText(jukta));
        Write("other.txt", "junk\r\n");
        main.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&main));
        OpenFolder(root.string());
    }

    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(root / name, std::ios::binary) << text;
    }
    std::string Read(const std::string& name) const {
        std::stringstream text;
        text << std::ifstream(root / name, std::ios::binary).rdbuf();
        return text.str();
    }
    static std::set<std::string> Entries(const fs::path& folder) {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }

    void OpenFolder(const std::string& path) {
        Find<ledfont::DirListBox>(&window, "Dir1")->SetPath(QString::fromStdString(path));
    }
    void ClickFile(const std::string& name) {
        OpenFolder(root.string());  // lists the files written since
        auto* file1 = Find<ledfont::FileListBox>(&window, "File1");
        const auto items = file1->findItems(QString::fromStdString(name), Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name;
        file1->scrollToItem(items[0]);
        QTest::mouseClick(file1->viewport(), Qt::LeftButton, {}, file1->visualItemRect(items[0]).center());
    }
    void Click(const char* button) {
        QTest::mouseClick(Find<QAbstractButton>(&window, button), Qt::LeftButton);
    }
    void Choose(const char* option) {
        auto* button = Find<QAbstractButton>(&window, option);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        ASSERT_TRUE(button->isChecked()) << option;
    }
    void Load(const std::string& file, bool asJukta) {
        ClickFile(file);
        Choose(asJukta ? "optJukta" : "optHindi");
        Click("cmdLoad");
    }
    void Paint(int x, int y, bool lit) {
        auto* pic = Find<ledfont::PictureBox>(&window, "pic");
        const QPoint at = pic->contentsRect().topLeft() + QPoint(10 * x + 5, 10 * y + 5) * pic->Scale();
        QTest::mouseClick(pic, lit ? Qt::LeftButton : Qt::RightButton, {}, at);
    }
    // Paints cell (x, y) the other way and notes the change in glyph c of edited.
    void Flip(FontModel& edited, int c, int x, int y) {
        const bool lit = !Lit(x, y);
        Paint(x, y, lit);
        edited.SetLit(c, x, y, lit);
    }
    // Replaces the list's text as a user would and presses Enter.
    void Pick(const char* list, const char* text) {
        QLineEdit* field = Find<QComboBox>(&window, list)->lineEdit();
        field->selectAll();
        QTest::keyClicks(field, Q(text));
        QTest::keyClick(field, Qt::Key_Return);
    }
    void SetCode(int slot, const char* text) {
        auto* field = Find<QLineEdit>(&window, slot == 0 ? "txtJukta0" : "txtJukta1");
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, Q(text));
    }
    bool Lit(int x, int y) const {
        const float cx = static_cast<float>(10 * x + 5);
        return window.Canvas().Point(cx, static_cast<float>(10 * y + 5)) == ledfont::kRed;
    }
    std::vector<ledfont::Colour> Pixels() const {
        const ledfont::Colour* p = window.Canvas().Pixels();
        return {p, p + 161 * 161};
    }
    QString Text(const char* control) { return CaptionOf(Find(&window, control)); }
    bool Shown(const char* control) { return Find(&window, control)->isVisibleTo(&window); }
    bool Enabled(const char* control) { return Find(&window, control)->isEnabled(); }

    // Glyph c of font on the canvas and in the controls.
    void ExpectShows(const FontModel& font, int c) {
        EXPECT_EQ(window.Font().CurChar, c);
        for (int x = 0; x < 16; ++x)
            for (int y = 0; y < 16; ++y) EXPECT_EQ(Lit(x, y), font.Lit(c, x, y)) << "cell " << x << "," << y;
        EXPECT_EQ(Find<QComboBox>(&window, "cmbCols")->currentText(), QString::number(font.At(c, 0)));
        EXPECT_EQ(Find<QComboBox>(&window, "cmbCentre")->currentText(), QString::number(font.At(c, 1) % 16));
        const char* classes[] = {"optConst", "optVowel", "optIkaar"};
        EXPECT_TRUE(Find<QAbstractButton>(&window, classes[font.At(c, 1) / 16])->isChecked());
        const std::string loc = font.Jukta() ? Hex2(c) : "09" + Hex2(c);
        EXPECT_EQ(Text("lblLoc"), QString::fromStdString("Code: " + loc));
        if (!font.Jukta()) return;
        EXPECT_EQ(Text("txtJukta0"), QString::fromStdString(Hex2(font.Code(c, 0))));
        EXPECT_EQ(Text("txtJukta1"), QString::fromStdString(Hex2(font.Code(c, 1))));
    }
    void ExpectOneBox(const char* title) {
        ASSERT_EQ(boxes.shown().size(), 1u);
        EXPECT_EQ(boxes.shown()[0].title, Q(title));
        EXPECT_EQ(boxes.shown()[0].style, 16);
        EXPECT_FALSE(boxes.shown()[0].text.trimmed().isEmpty());
    }

    const FontModel hindi = MakeFont(false, 1);
    const FontModel jukta = MakeFont(true, 2);
    QTemporaryDir dir;
    fs::path root;
    ledfont::MessageBoxInterceptor boxes;
    ledfont::QuestionInterceptor questions;
    ledfont::MainWindow main;
    FrmFont& window = main.Form();
};

// ---- The road of an edit -------------------------------------------------

TEST_F(FontEditor, HindiEditIsStoredBySteppingThenSavedAndExported) {
    Load("hindi.txt", false);
    ExpectShows(hindi, 0);
    FontModel edited = hindi;
    struct CellEdit {
        int x, y;
        bool lit;
    };
    for (const CellEdit& e : {CellEdit{0, 0, true}, CellEdit{15, 15, true}, CellEdit{7, 8, false}}) {
        ASSERT_NE(Lit(e.x, e.y), e.lit) << "the edit would change nothing";
        Paint(e.x, e.y, e.lit);
        edited.SetLit(0, e.x, e.y, e.lit);
    }
    Pick("cmbCols", "12");
    Pick("cmbCentre", "7");
    Choose("optIkaar");
    edited.At(0, 0) = 12;
    edited.At(0, 1) = 2 * 16 + 7;

    Click("cmdShowInc");
    ExpectShows(hindi, 1);
    Click("cmdSave");
    const std::string saved = Read("hindi.txt");
    EXPECT_EQ(Lines(saved), 4352);
    EXPECT_EQ(saved, FontText(edited));
    Click("cmdConvertToHex");
    const std::string hex = Read("hindi.hex");
    EXPECT_EQ(Lines(hex), 273);
    EXPECT_EQ(hex, HexText(edited));
    Click("cmdShowDec");
    ExpectShows(edited, 0);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(FontEditor, JuktaEditStoresBitmapAndEditedCodePair) {
    Load("jukta.txt", true);
    EXPECT_TRUE(Shown("FrameJ"));
    ExpectShows(jukta, 0);
    EXPECT_EQ(Text("txtJukta0"), Q("07"));
    EXPECT_EQ(Text("txtJukta1"), Q("AB"));
    FontModel edited = jukta;
    Flip(edited, 0, 3, 12);
    SetCode(0, "5C");
    SetCode(1, "E1");
    edited.codes[0] = 0x5C;
    edited.codes[1] = 0xE1;

    Click("cmdShowInc");
    ExpectShows(jukta, 1);
    Click("cmdSave");
    const std::string saved = Read("jukta.txt");
    EXPECT_EQ(Lines(saved), 2304);
    EXPECT_EQ(saved, FontText(edited));
    Click("cmdConvertToHex");
    const std::string hex = Read("jukta.hex");
    EXPECT_EQ(Lines(hex), 145);
    EXPECT_EQ(hex, HexText(edited));
    EXPECT_TRUE(boxes.shown().empty());
}

struct EndCase {
    const char* name;
    bool jukta;
    int last;
    const char* firstLoc;
    const char* lastLoc;
};

class SteppingEnds : public FontEditor, public testing::WithParamInterface<EndCase> {};

TEST_P(SteppingEnds, StepPastAnEndStoresTheGlyphAndShowsItAgain) {
    const EndCase& e = GetParam();
    Load(e.jukta ? "jukta.txt" : "hindi.txt", e.jukta);
    FontModel edited = e.jukta ? jukta : hindi;
    Flip(edited, 0, 1, 1);
    Click("cmdShowDec");
    ExpectShows(edited, 0);
    EXPECT_EQ(Text("lblLoc"), Q(e.firstLoc));
    for (int i = 0; i < e.last; ++i) Click("cmdShowInc");
    ExpectShows(edited, e.last);
    EXPECT_EQ(Text("lblLoc"), Q(e.lastLoc));
    Flip(edited, e.last, 2, 14);
    Click("cmdShowInc");
    ExpectShows(edited, e.last);
    Click("cmdSave");
    EXPECT_EQ(Read(e.jukta ? "jukta.txt" : "hindi.txt"), FontText(edited));
    EXPECT_TRUE(boxes.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Modes, SteppingEnds,
                         testing::Values(EndCase{"Hindi", false, 127, "Code: 0900", "Code: 097F"},
                                         EndCase{"Jukta", true, 63, "Code: 00", "Code: 3F"}),
                         [](const auto& row) { return std::string(row.param.name); });

// ---- What Load shows, and what Save and Make HEX File write --------------

// ---- Questions before a loss ---------------------------------------------

using ledfont::Answer;

struct OtherFileCase {
    const char* name;
    bool jukta;
    Answer answer;  // Save: replace other; Discard: the font's own file instead
};

class OtherFile : public FontEditor, public testing::WithParamInterface<OtherFileCase> {};

// Make HEX File and Save onto a file the font did not come from ask first,
// naming both. What they write is the loaded layout (not the option chosen
// since) with the edit on the canvas, which nobody stepped away from.
TEST_P(OtherFile, MakeHexAndSaveAskBeforeReplacingAnotherFile) {
    const OtherFileCase& c = GetParam();
    const FontModel& font = c.jukta ? jukta : hindi;
    const std::string own = c.jukta ? "jukta" : "hindi";
    Load(own + ".txt", c.jukta);
    FontModel edited = font;
    Flip(edited, 0, 4, 4);
    Pick("cmbCols", "15");
    edited.At(0, 0) = 15;
    Choose(c.jukta ? "optHindi" : "optJukta");
    ClickFile("other.txt");
    questions.answers = {c.answer, c.answer};
    Click("cmdConvertToHex");
    Click("cmdSave");

    ASSERT_EQ(questions.asked().size(), 2u);
    const QString loaded =
        Q(c.jukta ? "the Jukta font loaded from jukta.txt?" : "the Hindi font loaded from hindi.txt?");
    EXPECT_EQ(questions.asked()[0].text, Q("Replace other.hex with ") + loaded);
    EXPECT_EQ(questions.asked()[1].text, Q("Replace other.txt with ") + loaded);
    const bool replaced = c.answer == Answer::Save, ownWritten = c.answer == Answer::Discard;
    EXPECT_EQ(Read("other.txt"), replaced ? FontText(edited) : "junk\r\n");
    EXPECT_EQ(Read("other.hex"), replaced ? HexText(edited) : "");
    EXPECT_EQ(Read(own + ".txt"), FontText(ownWritten ? edited : font));
    EXPECT_EQ(Read(own + ".hex"), ownWritten ? HexText(edited) : "");
    EXPECT_EQ(window.HasUnsavedChanges(), c.answer == Answer::Cancel);
    EXPECT_TRUE(boxes.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Answers, OtherFile,
                         testing::Values(OtherFileCase{"HindiReplace", false, Answer::Save},
                                         OtherFileCase{"HindiOwnFile", false, Answer::Discard},
                                         OtherFileCase{"HindiCancel", false, Answer::Cancel},
                                         OtherFileCase{"JuktaReplace", true, Answer::Save},
                                         OtherFileCase{"JuktaOwnFile", true, Answer::Discard},
                                         OtherFileCase{"JuktaCancel", true, Answer::Cancel}),
                         [](const auto& row) { return std::string(row.param.name); });

struct LossCase {
    const char* name;
    bool close;  // else Load another font
    bool edited;
    Answer answer;
};

class UnsavedChanges : public FontEditor, public testing::WithParamInterface<LossCase> {};

TEST_P(UnsavedChanges, CloseAndLoadAskSaveDiscardOrCancelOnlyWhenSomethingWouldBeLost) {
    const LossCase& c = GetParam();
    const FontModel second = MakeFont(false, 5);
    Write("second.txt", FontText(second));
    Load("hindi.txt", false);
    FontModel edited = hindi;
    if (c.edited) Flip(edited, 0, 6, 9);  // on the canvas only
    window.WatchChanges();
    ASSERT_EQ(window.Journal().Exists(), c.edited);
    const std::string journal = window.Journal().Path();
    questions.answers = {c.answer};
    if (c.close) {
        main.close();
    } else {
        Load("second.txt", false);
    }

    const bool goesOn = !c.edited || c.answer != Answer::Cancel;
    ASSERT_EQ(questions.asked().size(), c.edited ? 1u : 0u);
    if (c.edited) {
        EXPECT_EQ(questions.asked()[0].title, Q("Unsaved Changes"));
        EXPECT_TRUE(questions.asked()[0].text.startsWith(
            Q("The Hindi font loaded from hindi.txt has unsaved changes.")));
    }
    EXPECT_EQ(Read("hindi.txt"), FontText(c.answer == Answer::Save ? edited : hindi));
    EXPECT_EQ(fs::exists(journal), !goesOn);
    if (c.close) {
        EXPECT_EQ(main.isVisible(), !goesOn);
    } else {
        ExpectShows(goesOn ? second : edited, 0);
    }
    EXPECT_TRUE(boxes.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Answers, UnsavedChanges,
                         testing::Values(LossCase{"CloseSave", true, true, Answer::Save},
                                         LossCase{"CloseDiscard", true, true, Answer::Discard},
                                         LossCase{"CloseCancel", true, true, Answer::Cancel},
                                         LossCase{"CloseUnedited", true, false, Answer::Cancel},
                                         LossCase{"LoadSave", false, true, Answer::Save},
                                         LossCase{"LoadDiscard", false, true, Answer::Discard},
                                         LossCase{"LoadCancel", false, true, Answer::Cancel},
                                         LossCase{"LoadUnedited", false, false, Answer::Cancel}),
                         [](const auto& row) { return std::string(row.param.name); });

// Save stores the glyph being edited, and only that: a record the controls
// cannot show (17 columns) goes out as it came in until someone edits it.
TEST_F(FontEditor, SaveStoresTheEditedCanvasAndLeavesAnUntouchedUnshowableRecordAlone) {
    FontModel odd = hindi;
    odd.At(1, 0) = 17;
    Write("odd.txt", FontText(odd));
    Load("odd.txt", false);
    FontModel edited = odd;
    Flip(edited, 0, 2, 2);
    Click("cmdSave");
    EXPECT_EQ(Read("odd.txt"), FontText(edited));
    Click("cmdShowInc");
    Click("cmdSave");
    Click("cmdConvertToHex");
    EXPECT_EQ(Read("odd.txt"), FontText(edited));
    EXPECT_EQ(Read("odd.hex"), HexText(edited));
    EXPECT_FALSE(window.HasUnsavedChanges());
    EXPECT_TRUE(boxes.shown().empty() && questions.asked().empty());
}

TEST_F(FontEditor, StoreThatFailsStopsSaveAndMakeHexBeforeTheyWriteAnything) {
    Load("jukta.txt", true);
    FontModel edited = jukta;
    Flip(edited, 0, 1, 1);
    SetCode(0, "G1");
    Click("cmdSave");
    Click("cmdConvertToHex");
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].title, Q("Error Saving File"));
    EXPECT_EQ(boxes.shown()[1].title, Q("Error Making HEX File"));
    EXPECT_EQ(Read("jukta.txt"), FontText(jukta));
    EXPECT_FALSE(fs::exists(root / "jukta.hex"));
}

// "New" makes a blank font of the chosen mode; it has no file, so Save asks
// for one, and the status bar says what was written.
TEST_F(FontEditor, NewFontIsBlankAndItsFirstSaveAsksForAFile) {
    FontModel blank;
    for (int c = 0; c < 64; ++c) {
        blank.glyphs.insert(blank.glyphs.end(), {10, 1});
        blank.glyphs.insert(blank.glyphs.end(), 32, 255);
        blank.codes.insert(blank.codes.end(), {0, 0});
    }
    ClickFile("other.txt");
    Choose("optJukta");
    EXPECT_TRUE(Enabled("cmdNew"));
    Click("cmdNew");
    EXPECT_TRUE(Enabled("cmdSave") && Shown("FrameJ"));
    EXPECT_EQ(Text("lblFile"), Q("File :"));
    ExpectShows(blank, 0);
    EXPECT_FALSE(window.HasUnsavedChanges());
    Click("cmdConvertToHex");
    ASSERT_NO_FATAL_FAILURE(ExpectOneBox("Error Making HEX File"));
    questions.fileNames = {QString::fromStdString((root / "new.txt").string())};
    Click("cmdSave");
    EXPECT_EQ(Read("new.txt"), FontText(blank));
    EXPECT_EQ(Read("other.txt"), "junk\r\n");
    EXPECT_EQ(window.OwnFile(), (root / "new.txt").string());
    EXPECT_EQ(main.statusBar()->currentMessage(),
              QString::fromStdString("Saved 2304 lines to " + (root / "new.txt").string()));
    Click("cmdConvertToHex");
    EXPECT_EQ(Read("new.hex"), HexText(blank));
    EXPECT_EQ(main.statusBar()->currentMessage(),
              QString::fromStdString("Wrote " + (root / "new.hex").string() + ": 145 records, verified"));
}

// ---- Editing: every action one step of the history -------------------------

enum class Action {
    Stroke,
    Columns,
    Class,
    Codes,
    Clear,
    ShiftLeft,
    ShiftDown,
    FlipH,
    FlipV,
    Invert,
    Paste,
    Step
};

struct EditCase {
    const char* name;
    bool jukta;
    Action action;
};

// Glyph 0 of font after the action, computed here cell by cell.
FontModel AfterAction(FontModel font, Action action) {
    const FontModel before = font;
    const int n = font.At(0, 0);
    const auto redraw = [&](auto lit) {
        for (int x = 0; x < 16; ++x)
            for (int y = 0; y < 16; ++y) font.SetLit(0, x, y, lit(x, y));
    };
    const auto was = [&](int x, int y) {
        return x >= 0 && x < 16 && y >= 0 && y < 16 && before.Lit(0, x, y);
    };
    switch (action) {
        case Action::Stroke:
            for (int x = 2; x <= 6; ++x) font.SetLit(0, x, 9, true);
            break;
        case Action::Columns:
            font.At(0, 0) = 12;
            break;
        case Action::Class:
            font.At(0, 1) = 2 * 16 + font.At(0, 1) % 16;
            break;
        case Action::Codes:
            font.codes[0] = 0x5C;
            break;
        case Action::Clear:
            redraw([](int, int) { return false; });
            break;
        case Action::ShiftLeft:
            redraw([&](int x, int y) { return was(x + 1, y); });
            break;
        case Action::ShiftDown:
            redraw([&](int x, int y) { return was(x, y - 1); });
            break;
        case Action::FlipH:
            redraw([&](int x, int y) { return x < n ? was(n - 1 - x, y) : was(x, y); });
            break;
        case Action::FlipV:
            redraw([&](int x, int y) { return x < n ? was(x, 15 - y) : was(x, y); });
            break;
        case Action::Invert:
            redraw([&](int x, int y) { return x < n ? !was(x, y) : was(x, y); });
            break;
        case Action::Paste:
            for (int k = 0; k < 34; ++k) font.At(0, k) = before.At(5, k);
            if (font.Jukta()) font.codes[0] = before.Code(5, 0), font.codes[1] = before.Code(5, 1);
            break;
        case Action::Step:
            font.SetLit(0, 1, 1, !before.Lit(0, 1, 1));
            break;
    }
    return font;
}

class Editing : public FontEditor, public testing::WithParamInterface<EditCase> {
protected:
    void Do(Action action) {
        switch (action) {
            case Action::Stroke:
                Drag(2, 6, 9);
                break;
            case Action::Columns:
                Pick("cmbCols", "12");
                break;
            case Action::Class:
                Choose("optIkaar");
                break;
            case Action::Codes:
                SetCode(0, "5C");
                QTest::keyClick(Find<QLineEdit>(&window, "txtJukta0"), Qt::Key_Return);
                break;
            case Action::Clear:
                window.ClearGlyph();
                break;
            case Action::ShiftLeft:
                window.ShiftGlyph(-1, 0);
                break;
            case Action::ShiftDown:
                window.ShiftGlyph(0, 1);
                break;
            case Action::FlipH:
                window.FlipGlyph(true);
                break;
            case Action::FlipV:
                window.FlipGlyph(false);
                break;
            case Action::Invert:
                window.InvertGlyph();
                break;
            case Action::Paste: {
                const FontModel& font = GetParam().jukta ? jukta : hindi;
                std::string text = "ledfont-glyph 1\n";
                for (int k = 0; k < 34; ++k) text += Hex2(font.At(5, k)) + " ";
                if (font.Jukta()) text += "\n" + Hex2(font.Code(5, 0)) + " " + Hex2(font.Code(5, 1));
                QGuiApplication::clipboard()->setText(QString::fromStdString(text));
                window.PasteGlyph();
                break;
            }
            case Action::Step:
                Paint(1, 1, !Lit(1, 1));
                Click("cmdShowInc");
                break;
        }
    }
    // Drags the left button along row y from column x0 to x1: one stroke.
    void Drag(int x0, int x1, int y) {
        auto* pic = Find<ledfont::PictureBox>(&window, "pic");
        const auto at = [&](int x) {
            return pic->contentsRect().topLeft() + QPoint(10 * x + 5, 10 * y + 5) * pic->Scale();
        };
        QTest::mousePress(pic, Qt::LeftButton, {}, at(x0));
        for (int x = x0 + 1; x <= x1; ++x) {
            QMouseEvent move(QEvent::MouseMove, at(x), pic->mapToGlobal(at(x)), Qt::NoButton, Qt::LeftButton,
                             {});
            QApplication::sendEvent(pic, &move);
        }
        QTest::mouseRelease(pic, Qt::LeftButton, {}, at(x1));
    }
};

// The action leaves the glyph as computed; Undo brings back the glyph as
// loaded, with nothing unsaved; Redo does the action again, and Save writes it.
TEST_P(Editing, ActionIsOneStepThatUndoesAndRedoes) {
    const EditCase& c = GetParam();
    const FontModel& font = c.jukta ? jukta : hindi;
    const std::string file = c.jukta ? "jukta.txt" : "hindi.txt";
    Load(file, c.jukta);
    const FontModel edited = AfterAction(font, c.action);
    const int shown = c.action == Action::Step ? 1 : 0;
    Do(c.action);
    ExpectShows(edited, shown);
    ASSERT_TRUE(window.HasUnsavedChanges());
    window.Undo();
    ExpectShows(c.action == Action::Step ? edited : font, 0);
    if (c.action == Action::Step) {
        EXPECT_EQ(window.Font().FontBytes(0, 2), font.At(0, 2)) << "the store is undone";
        window.Undo();
        ExpectShows(font, 0);
    }
    EXPECT_FALSE(window.HasUnsavedChanges());
    window.Redo();
    if (c.action == Action::Step) window.Redo();
    ExpectShows(edited, shown);
    Click("cmdSave");
    EXPECT_EQ(Read(file), FontText(edited));
    EXPECT_TRUE(boxes.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Actions, Editing,
    testing::Values(EditCase{"Stroke", false, Action::Stroke}, EditCase{"Columns", false, Action::Columns},
                    EditCase{"Class", false, Action::Class}, EditCase{"CodeBox", true, Action::Codes},
                    EditCase{"Clear", false, Action::Clear}, EditCase{"ShiftLeft", false, Action::ShiftLeft},
                    EditCase{"ShiftDown", true, Action::ShiftDown},
                    EditCase{"FlipHorizontal", false, Action::FlipH},
                    EditCase{"FlipVertical", false, Action::FlipV}, EditCase{"Invert", true, Action::Invert},
                    EditCase{"PasteHindi", false, Action::Paste}, EditCase{"PasteJukta", true, Action::Paste},
                    EditCase{"StoreOfAStep", false, Action::Step}),
    [](const auto& row) { return std::string(row.param.name); });

// History runs across glyphs: undoing an edit of glyph 0 from glyph 3 shows
// glyph 0 again; Load starts a new history.
TEST_F(FontEditor, UndoShowsTheGlyphItChangesAndLoadStartsANewHistory) {
    Load("hindi.txt", false);
    window.ClearGlyph();
    for (int i = 0; i < 3; ++i) Click("cmdShowInc");
    window.Undo();  // the store of glyph 0
    window.Undo();  // its clear
    ExpectShows(hindi, 0);
    window.Redo();
    questions.answers = {Answer::Discard};
    Load("jukta.txt", true);
    EXPECT_FALSE(window.History().Stack().canUndo());
}

// The glyph goes through the clipboard as text a second editor reads; the
// code pair only into a Jukta font; anything else on the clipboard is ignored.
TEST_F(FontEditor, CopiedGlyphPastesIntoASecondEditor) {
    Load("jukta.txt", true);
    window.CopyGlyph();
    std::string expected = "ledfont-glyph 1\n";
    for (int k = 0; k < 34; ++k) expected += (k ? " " : "") + Hex2(jukta.At(0, k));
    expected += "\n07 AB\n";
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), expected);

    for (const bool intoJukta : {true, false}) {
        ledfont::MainWindow second;
        FrmFont& other = second.Form();
        const FontModel target = MakeFont(intoJukta, 3);
        Write("second.txt", FontText(target));
        other.Font().FontFile = (root / "second.txt").string();
        Find<QAbstractButton>(&other, intoJukta ? "optJukta" : "optHindi")->setChecked(true);
        other.LoadFile();
        other.PasteGlyph();
        other.SaveFile();
        FontModel pasted = target;
        for (int k = 0; k < 34; ++k) pasted.At(0, k) = jukta.At(0, k);
        if (intoJukta) pasted.codes[0] = 0x07, pasted.codes[1] = 0xAB;
        EXPECT_EQ(Read("second.txt"), FontText(pasted)) << (intoJukta ? "Jukta" : "Hindi");
    }
    QGuiApplication::clipboard()->setText(Q("ledfont-glyph 1\n0A 01"));
    window.PasteGlyph();
    ExpectShows(jukta, 0);
    EXPECT_FALSE(window.History().Stack().canUndo());
}

struct KeyCase {
    const char* name;
    const char* focus;  // the control that has the focus
    QKeyCombination key;
    bool taken;  // the window's shortcut runs
};

class Shortcuts : public FontEditor, public testing::WithParamInterface<KeyCase> {};

// Keys reach the window's commands from the canvas, never from a list or a
// code box that uses them itself.
TEST_P(Shortcuts, KeysOfAFocusedListOrCodeBoxStayWithIt) {
    const KeyCase& c = GetParam();
    Load("jukta.txt", true);
    window.ClearGlyph();
    QWidget* focus = Find(&window, c.focus);
    if (auto* combo = qobject_cast<QComboBox*>(focus)) focus = combo->lineEdit();
    focus->setFocus();
    QTest::keyClick(focus, c.key.key(), c.key.keyboardModifiers());
    const bool undone = !window.History().Stack().canUndo();
    const bool moved = window.Font().CurChar != 0;
    EXPECT_EQ(undone || moved, c.taken);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Shortcuts,
    testing::Values(KeyCase{"UndoOnCanvas", "pic", QKeyCombination(Qt::CTRL, Qt::Key_Z), true},
                    KeyCase{"UndoInCodeBox", "txtJukta0", QKeyCombination(Qt::CTRL, Qt::Key_Z), false},
                    KeyCase{"NextOnCanvas", "pic", QKeyCombination(Qt::Key_PageDown), true},
                    KeyCase{"NextInColumnList", "cmbCols", QKeyCombination(Qt::Key_PageDown), false},
                    KeyCase{"LastInCentreList", "cmbCentre", QKeyCombination(Qt::Key_End), false},
                    KeyCase{"LastInFileList", "File1", QKeyCombination(Qt::Key_End), false},
                    KeyCase{"LastOnCanvas", "pic", QKeyCombination(Qt::Key_End), true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(FontEditor, GoToGlyphTakesACodeAnIndexOrTheCharacter) {
    Load("hindi.txt", false);
    const std::pair<const char*, int> cases[] = {{"0915", 0x15}, {"7F", 0x7F}, {"क", 0x15}, {" 0905 ", 5}};
    for (const auto& [text, index] : cases) {
        questions.texts = {Q(text)};
        window.GoToGlyph();
        EXPECT_EQ(window.Font().CurChar, index) << text;
    }
    questions.texts = {Q("0A15")};
    window.GoToGlyph();
    ASSERT_NO_FATAL_FAILURE(ExpectOneBox("Go to Glyph"));
    EXPECT_EQ(window.Font().CurChar, 5);
}

TEST_F(FontEditor, JuktaLoadShowsCodeFrameAndLaterHindiLoadHidesItAtGlyphZero) {
    EXPECT_FALSE(Shown("FrameJ"));
    Load("jukta.txt", true);
    EXPECT_TRUE(Shown("FrameJ"));
    EXPECT_TRUE(Shown("txtJukta0") && Shown("txtJukta1"));
    Click("cmdShowInc");
    Click("cmdShowInc");
    Load("hindi.txt", false);
    EXPECT_FALSE(Shown("FrameJ"));
    EXPECT_FALSE(window.Font().IsJukta);
    ExpectShows(hindi, 0);
    Load("jukta.txt", true);
    EXPECT_TRUE(Shown("FrameJ"));
    ExpectShows(jukta, 0);
}

TEST_F(FontEditor, LoadAndMakeHexBeforeAnyFileClickDoNothing) {
    const std::vector<ledfont::Colour> canvas = Pixels();
    const std::set<std::string> here = Entries(root);
    const std::set<std::string> working = Entries(fs::current_path());
    for (const char* option : {"optHindi", "optJukta"}) {
        Choose(option);
        Click("cmdLoad");
        Click("cmdConvertToHex");
    }
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_FALSE(Enabled("cmdSave"));
    EXPECT_FALSE(Shown("FrameJ"));
    EXPECT_FALSE(window.Font().IsJukta);
    EXPECT_EQ(window.Font().FontBytes, ledfont::FontTable{});
    EXPECT_EQ(Pixels(), canvas);
    EXPECT_EQ(Entries(root), here);
    EXPECT_EQ(Entries(fs::current_path()), working);
}

TEST_F(FontEditor, ClickedFileIsTheFolderOneSlashAndTheName) {
    OpenFolder(root.string() + "/");
    ClickFile("hindi.txt");
    const std::string expected = root.string() + "/hindi.txt";
    EXPECT_EQ(window.Font().FontFile, expected);
    EXPECT_EQ(window.Font().FontFile.find("//"), std::string::npos);
    EXPECT_EQ(Text("lblFile"), QString::fromStdString("File : " + expected));
    EXPECT_FALSE(Enabled("cmdSave"));
}

// ---- Stepping before any load, and a code field that is not hexadecimal --

TEST_F(FontEditor, SteppingBeforeAnyLoadMovesButNeverRewritesTheZeroTable) {
    Click("cmdShowInc");
    EXPECT_EQ(window.Font().CurChar, 1);
    EXPECT_EQ(Find<QComboBox>(&window, "cmbCols")->currentIndex(), -1);
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y) EXPECT_TRUE(Lit(x, y)) << x << "," << y;
    Click("cmdShowInc");
    Click("cmdShowDec");
    EXPECT_EQ(window.Font().CurChar, 1);
    EXPECT_EQ(window.Font().FontBytes, ledfont::FontTable{});
    EXPECT_TRUE(boxes.shown().empty());
}

struct BadCode {
    const char* name;
    const char* code0;
    const char* code1;
    int failing;  // the slot that is not hexadecimal
};

class BadCodeField : public FontEditor, public testing::WithParamInterface<BadCode> {};

TEST_P(BadCodeField, StepIsRefusedAfterTheRecordWasStoredAndWorksOnceCorrected) {
    const BadCode& c = GetParam();
    Load("jukta.txt", true);
    FontModel edited = jukta;
    Flip(edited, 0, 9, 3);
    Pick("cmbCols", "16");
    edited.At(0, 0) = 16;
    SetCode(0, c.code0);
    SetCode(1, c.code1);
    const std::vector<ledfont::Colour> canvas = Pixels();

    Click("cmdShowInc");
    ExpectOneBox("Error Storing Character");
    EXPECT_EQ(boxes.shown()[0].text.toStdString(),
              "code byte " + std::to_string(c.failing + 1) + " holds \"" + (c.failing == 0 ? c.code0 : c.code1) +
                  "\", not a hexadecimal number from 00 to FF [Type mismatch]");
    EXPECT_EQ(window.Font().CurChar, 0);
    EXPECT_EQ(Pixels(), canvas);
    EXPECT_EQ(Text("lblLoc"), Q("Code: 00"));
    EXPECT_EQ(Text("txtJukta0"), Q(c.code0));  // left for the user to correct
    EXPECT_EQ(Text("txtJukta1"), Q(c.code1));
    for (int k = 0; k < 34; ++k) EXPECT_EQ(window.Font().FontBytes(0, k), edited.At(0, k)) << "byte " << k;
    EXPECT_EQ(window.Font().JuktaCodes(0, 0), c.failing == 0 ? 0x07 : 0x5C);
    EXPECT_EQ(window.Font().JuktaCodes(0, 1), 0xAB);

    SetCode(c.failing, "3D");
    Click("cmdShowInc");
    EXPECT_EQ(boxes.shown().size(), 1u);
    ExpectShows(jukta, 1);
    edited.codes[0] = c.failing == 0 ? 0x3D : 0x5C;
    edited.codes[1] = c.failing == 0 ? 0xAB : 0x3D;
    Click("cmdSave");
    EXPECT_EQ(Read("jukta.txt"), FontText(edited));
}

INSTANTIATE_TEST_SUITE_P(Fields, BadCodeField,
                         testing::Values(BadCode{"EmptyFirst", "", "AB", 0},
                                         BadCode{"G1First", "G1", "AB", 0},
                                         BadCode{"EmptySecond", "5C", "", 1},
                                         BadCode{"G1Second", "5C", "G1", 1}),
                         [](const auto& row) { return std::string(row.param.name); });

// ---- Failed commands change nothing --------------------------------------

enum class Prior { Nothing, Hindi, Jukta };
enum class BadFile { Missing, Short, NotANumber, TooBig, JuktaFile };

struct BadLoad {
    const char* name;
    Prior prior;
    bool juktaOption;
    BadFile file;
};

class FailedLoad : public FontEditor, public testing::WithParamInterface<BadLoad> {
protected:
    // What a failed load must leave alone: table, mode, frame, Save, CurChar, canvas and controls.
    struct Snapshot {
        ledfont::FontTable bytes;
        ledfont::CodeTable codes;
        std::vector<ledfont::Colour> canvas;
        std::string controls;
    };
    Snapshot Take() {
        const ledfont::FontState& f = window.Font();
        const QString text = QStringList{QString::number(f.IsJukta),
                                         QString::number(f.CurChar),
                                         QString::number(Shown("FrameJ")),
                                         QString::number(Enabled("cmdSave")),
                                         Text("lblLoc"),
                                         Text("txtJukta0"),
                                         Text("txtJukta1")}
                                 .join(QLatin1Char('|'));
        return {f.FontBytes, f.JuktaCodes, Pixels(), text.toStdString()};
    }
    // A good font of the chosen kind spoilt as the case says; a missing file is removed after the click.
    std::string BadText(const BadLoad& c) const {
        if (c.file == BadFile::JuktaFile) return FontText(jukta);
        std::vector<std::string> lines = FontLines(MakeFont(c.juktaOption, 7));
        if (c.file == BadFile::Short) lines.resize(100);
        if (c.file == BadFile::NotANumber) lines[40] = "x";
        if (c.file == BadFile::TooBig) lines[c.juktaOption ? 2200 : 4000] = "256";
        return Join(lines);
    }
    // What the message box says of it.
    std::string Told(const BadLoad& c) const {
        const std::string file = "\"" + (root / "bad.txt").string() + "\"";
        const std::string font = c.juktaOption ? "a Jukta font has 2304" : "a Hindi font has 4352";
        switch (c.file) {
            case BadFile::Missing:
                return "cannot open " + file + ": there is no such file [File not found]";
            case BadFile::Short:
                return file + " ends after 100 items, and " + font + " [Input past end of file]";
            case BadFile::NotANumber:
                return "line 41 of " + file + " holds \"x\", not a number from 0 to 255 [Type mismatch]";
            case BadFile::TooBig:
                return "line " + std::string(c.juktaOption ? "2201" : "4001") + " of " + file +
                       " holds \"256\", a number outside 0 to 255 [Overflow]";
            case BadFile::JuktaFile:
                return file + " ends after 2304 items, and " + font +
                       "; that is the size of a Jukta font: choose Jukta [Input past end of file]";
        }
        return "";
    }
};

TEST_P(FailedLoad, ReportsAndLeavesTableModeFrameCanvasAndSaveAsTheyWere) {
    const BadLoad& c = GetParam();
    if (c.prior != Prior::Nothing) {
        Load(c.prior == Prior::Jukta ? "jukta.txt" : "hindi.txt", c.prior == Prior::Jukta);
        Click("cmdShowInc");
        Click("cmdShowInc");
        Paint(5, 5, !Lit(5, 5));
        questions.answers = {ledfont::Answer::Discard};  // the edit, when Load asks
    }
    Write("bad.txt", BadText(c));
    ClickFile("bad.txt");
    if (c.file == BadFile::Missing) fs::remove(root / "bad.txt");
    Choose(c.juktaOption ? "optJukta" : "optHindi");
    const Snapshot before = Take();

    Click("cmdLoad");
    ASSERT_NO_FATAL_FAILURE(ExpectOneBox("Error Loading File"));
    EXPECT_EQ(boxes.shown()[0].text.toStdString(), Told(c));
    const Snapshot after = Take();
    EXPECT_EQ(after.controls, before.controls) << "IsJukta|CurChar|FrameJ|Save|lblLoc|codes";
    EXPECT_TRUE(after.bytes == before.bytes);
    EXPECT_TRUE(after.codes == before.codes);
    EXPECT_TRUE(after.canvas == before.canvas);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailedLoad,
    testing::Values(BadLoad{"MissingFirstLoad", Prior::Nothing, false, BadFile::Missing},
                    BadLoad{"MissingAfterHindi", Prior::Hindi, true, BadFile::Missing},
                    BadLoad{"ShortAfterHindi", Prior::Hindi, true, BadFile::Short},
                    BadLoad{"ShortAfterJukta", Prior::Jukta, false, BadFile::Short},
                    BadLoad{"NotANumberAfterJukta", Prior::Jukta, false, BadFile::NotANumber},
                    BadLoad{"OverflowInCodePairsAfterHindi", Prior::Hindi, true, BadFile::TooBig},
                    BadLoad{"OverflowLateInHindiFile", Prior::Jukta, false, BadFile::TooBig},
                    BadLoad{"JuktaFileAsHindiFirstLoad", Prior::Nothing, false, BadFile::JuktaFile},
                    BadLoad{"JuktaFileAsHindiAfterJukta", Prior::Jukta, false, BadFile::JuktaFile}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(FontEditor, FailedSaveReportsAndKeepsTheOldFile) {
    Load("hindi.txt", false);
    FontModel edited = hindi;
    Flip(edited, 0, 0, 15);
    Click("cmdShowInc");
    const std::set<std::string> entries = Entries(root);
    {
        ledfont::test::FileSizeLimit limit(1000);  // the new text is far longer
        Click("cmdSave");
    }
    ExpectOneBox("Error Saving File");
    EXPECT_EQ(Read("hindi.txt"), FontText(hindi));
    EXPECT_EQ(Entries(root), entries);
    EXPECT_TRUE(Enabled("cmdSave"));
    Click("cmdSave");
    EXPECT_EQ(Read("hindi.txt"), FontText(edited));
}

// The chosen file's HEX file stays as it is until a font was loaded: the
// empty table would replace it with an image of nothing.
TEST_F(FontEditor, MakeHexBeforeAnyLoadWritesNothingAndSaysSo) {
    Write("hindi.hex", "old\r\n");
    ClickFile("hindi.txt");
    Click("cmdConvertToHex");
    ASSERT_NO_FATAL_FAILURE(ExpectOneBox("Error Making HEX File"));
    EXPECT_EQ(boxes.shown()[0].text, Q("no font is loaded: press Load first [Invalid procedure call or argument]"));
    EXPECT_EQ(Read("hindi.hex"), "old\r\n");
    Click("cmdLoad");
    Click("cmdConvertToHex");
    EXPECT_EQ(Read("hindi.hex"), HexText(hindi));
}

TEST_F(FontEditor, MakeHexRefusesAFontFileThatWouldBeItsOwnHexFile) {
    Write("x.hex", FontText(hindi));
    Load("x.hex", false);
    ASSERT_TRUE(boxes.shown().empty());
    const std::set<std::string> entries = Entries(root);
    Click("cmdConvertToHex");
    ExpectOneBox("Error Making HEX File");
    EXPECT_EQ(Read("x.hex"), FontText(hindi));
    EXPECT_EQ(Entries(root), entries);
}

// ---- Crash recovery -------------------------------------------------------

// Starts the editor that waits to be killed on file, and returns its process
// once its journal is written.
pid_t StartEditorToKill(const std::string& file, std::string& journal) {
    int out[2];
    if (::pipe(out) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> argv{const_cast<char*>(LEDFONT_EDITOR_TO_KILL), const_cast<char*>(file.c_str()),
                            nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    char ch;
    while (::read(out[0], &ch, 1) == 1 && ch != '\n') journal += ch;
    ::close(out[0]);
    return pid;
}

// An editor killed with SIGKILL leaves its journal; while it ran, a second
// editor on the same file kept a journal of its own and was offered nothing.
TEST_F(FontEditor, JournalOfAKilledEditorSurvivesAndRestoresItsChanges) {
    std::string journal;
    const pid_t pid = StartEditorToKill((root / "hindi.txt").string(), journal);
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(fs::exists(journal)) << journal;
    Load("hindi.txt", false);
    Paint(0, 0, !Lit(0, 0));
    window.WatchChanges();
    EXPECT_NE(window.Journal().Path(), journal);
    EXPECT_TRUE(questions.asked().empty()) << "a running editor's journal is not offered";
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    ASSERT_TRUE(fs::exists(journal));

    // What the killed editor did: cell (3, 3) of glyph 0 stored by ">>", cell
    // (5, 5) of glyph 1 on the canvas only.
    FontModel edited = hindi;
    edited.SetLit(0, 3, 3, !hindi.Lit(0, 3, 3));
    edited.SetLit(1, 5, 5, !hindi.Lit(1, 5, 5));
    questions.answers = {Answer::Discard, Answer::Save};  // this editor's edit; Restore
    Click("cmdLoad");
    ASSERT_EQ(questions.asked().size(), 2u);
    EXPECT_EQ(questions.asked()[1].title, Q("Restore Unsaved Changes"));
    EXPECT_TRUE(questions.asked()[1].text.contains(Q("glyphs 0900, 0901")));
    ExpectShows(edited, 1);
    EXPECT_FALSE(fs::exists(journal));
    EXPECT_TRUE(window.HasUnsavedChanges());
    Click("cmdSave");
    EXPECT_EQ(Read("hindi.txt"), FontText(edited));
    EXPECT_FALSE(window.Journal().Exists());
}

// A new font has no file to be loaded from again: the journal a killed
// editor left of one is offered when the next editor starts. Restore makes
// it the font being edited, unsaved, whose first Save asks for a file that
// the journal names from then on; Discard deletes the journal, and a question
// nobody answered (the editor quit) keeps it.
std::string RecoveryAnswerName(Answer answer) {
    return answer == Answer::Save ? "Restore" : answer == Answer::Discard ? "Discard" : "Unanswered";
}

class NewFontRecovery : public FontEditor, public testing::WithParamInterface<Answer> {};

TEST_P(NewFontRecovery, JournalOfAKilledEditorsNewFontIsOfferedWhenTheNextEditorStarts) {
    QTest::qWait(20);  // the fixture's window has made its own offer, of nothing
    std::string journal;
    const pid_t pid = StartEditorToKill("new", journal);
    ASSERT_GT(pid, 0);
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    ASSERT_TRUE(fs::exists(journal)) << journal;

    questions.answers = {GetParam()};
    ledfont::MainWindow next;
    next.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&next));
    for (int wait = 0; wait < 200 && questions.asked().empty(); ++wait) QTest::qWait(10);
    ASSERT_EQ(questions.asked().size(), 1u);
    EXPECT_EQ(questions.asked()[0].title, Q("Restore Unsaved Changes"));
    EXPECT_EQ(questions.asked()[0].text,
              Q("The editor stopped before a new Hindi font was saved (glyphs 0900, 0901). Restore it?"));
    EXPECT_EQ(fs::exists(journal), GetParam() == Answer::Cancel);
    FrmFont& form = next.Form();
    if (GetParam() != Answer::Save) {
        EXPECT_FALSE(form.FontLoaded() || form.CanSave() || form.Journal().Exists());
        return;
    }

    // What the killed editor drew: cell (3, 3) of glyph 0 stored by ">>",
    // cell (5, 5) of glyph 1 on the canvas only.
    FontModel edited;
    for (int c = 0; c < 128; ++c) {
        edited.glyphs.insert(edited.glyphs.end(), {10, 1});
        edited.glyphs.insert(edited.glyphs.end(), 32, 255);
    }
    edited.SetLit(0, 3, 3, true);
    edited.SetLit(1, 5, 5, true);
    EXPECT_EQ(form.Font().CurChar, 1);
    EXPECT_TRUE(form.HasUnsavedChanges() && form.CanSave() && form.OwnFile().empty());
    EXPECT_TRUE(form.Journal().Exists());
    questions.fileNames = {QString::fromStdString((root / "new.txt").string())};
    ASSERT_TRUE(form.SaveFile());
    EXPECT_EQ(Read("new.txt"), FontText(edited));
    EXPECT_FALSE(form.Journal().Exists());
    form.Grid().OnLED(7, 7);
    form.WatchChanges();
    ASSERT_TRUE(form.Journal().Exists());
    std::stringstream text;
    text << std::ifstream(form.Journal().Path()).rdbuf();
    const auto content = ledfont::ParseJournal(text.str());
    ASSERT_TRUE(content);
    EXPECT_EQ(content->fontFile, ledfont::JournalFontPath((root / "new.txt").string()));
}

INSTANTIATE_TEST_SUITE_P(Answers, NewFontRecovery, testing::Values(Answer::Save, Answer::Discard, Answer::Cancel),
                         [](const auto& row) { return RecoveryAnswerName(row.param); });

// ---- Paths that are no font file: FIFOs, links, folders, devices ---------

// Three seconds on, opens the FIFO from both ends until the command under test
// has returned: a Load or Save blocked on it then fails on its time instead of
// hanging the suite. The reader stays open, so a font text (far less than a
// pipe holds) can be written into it whole.
class FifoUnblocker {
public:
    explicit FifoUnblocker(fs::path fifo) : thread_([this, fifo] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        int reader = -1;
        for (; !done_; std::this_thread::sleep_for(std::chrono::milliseconds(10))) {
            if (std::chrono::steady_clock::now() < deadline) continue;
            if (reader < 0) reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
            if (const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK); writer >= 0) ::close(writer);
        }
        if (reader >= 0) ::close(reader);
    }) {}
    ~FifoUnblocker() {
        done_ = true;
        thread_.join();
    }

private:
    std::atomic<bool> done_{false};
    std::thread thread_;
};

struct OddPath {
    const char* name;
    const char* fifo;    // made first when not empty
    const char* target;  // "odd.txt" becomes a link to it; empty: odd.txt is the FIFO or a folder
    bool saveRefused;    // a dangling link is followed: Save creates the file it names
    const char* told;    // what Load's message box says after the quoted path
};

constexpr const char* kNotRegular = ": it is a named pipe (FIFO), not a regular file [Path/File access error]";
constexpr const char* kNoSuchFile = ": there is no such file [File not found]";
constexpr const char* kFolder = ": it is a folder, not a regular file [Path/File access error]";
constexpr const char* kDevice = ": it is a character device, not a regular file [Path/File access error]";

class NoFontFile : public FontEditor, public testing::WithParamInterface<OddPath> {};

// The file list offers none of these: the path stands for a file that was
// clicked and then replaced.
TEST_P(NoFontFile, LoadAndMakeHexRefuseAtOnceAndSaveLeavesItAsItWas) {
    const OddPath& c = GetParam();
    if (c.target == std::string("/dev/zero") && !fs::is_character_file(c.target)) GTEST_SKIP();
    const fs::path path = root / "odd.txt";
    if (*c.fifo) {
        ASSERT_EQ(::mkfifo((root / c.fifo).c_str(), 0600), 0);
    }
    if (*c.target) fs::create_symlink(c.target, path);
    if (!fs::exists(fs::symlink_status(path))) fs::create_directory(path);
    const auto kindAt = [&] { return std::pair(fs::symlink_status(path).type(), fs::status(path).type()); };
    const auto kind = kindAt();
    const std::set<std::string> entries = Entries(root);
    const std::vector<ledfont::Colour> canvas = Pixels();
    window.Font().FontFile = path.string();
    const auto start = std::chrono::steady_clock::now();
    {
        FifoUnblocker unblocker(root / c.fifo);
        Click("cmdLoad");
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    ASSERT_NO_FATAL_FAILURE(ExpectOneBox("Error Loading File"));
    const bool missing = c.told == kNoSuchFile;
    EXPECT_EQ(boxes.shown()[0].text.toStdString(),
              (missing ? "cannot open \"" : "cannot read \"") + path.string() + "\"" + c.told);
    EXPECT_EQ(window.Font().FontBytes, ledfont::FontTable{});
    EXPECT_EQ(Pixels(), canvas);
    EXPECT_FALSE(Enabled("cmdSave") || Shown("FrameJ"));

    Click("cmdConvertToHex");
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[1].text, Q("no font is loaded: press Load first [Invalid procedure call or argument]"));

    Load("hindi.txt", false);
    window.Font().FontFile = path.string();
    questions.answers = {ledfont::Answer::Save};  // replace odd.txt
    {
        FifoUnblocker unblocker(root / c.fifo);
        Click("cmdSave");
    }
    ASSERT_EQ(boxes.shown().size(), c.saveRefused ? 3u : 2u);
    if (c.saveRefused) {
        EXPECT_EQ(boxes.shown()[2].title, Q("Error Saving File"));
        EXPECT_EQ(kindAt(), kind);
        EXPECT_EQ(Entries(root), entries);
    } else {
        EXPECT_EQ(Read(c.target), FontText(hindi));
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, NoFontFile,
                         testing::Values(OddPath{"Fifo", "odd.txt", "", true, kNotRegular},
                                         OddPath{"LinkToFifo", "pipe", "pipe", true, kNotRegular},
                                         OddPath{"DanglingLink", "", "gone.txt", false, kNoSuchFile},
                                         OddPath{"Folder", "", "", true, kFolder},
                                         OddPath{"LinkToDevice", "", "/dev/zero", true, kDevice}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace

// ---- The command-line companion writes what the window writes -------------

TEST_F(FontEditor, CompanionHexFileIsByteForByteTheWindowsMakeHexFile) {
    FontModel odd = MakeFont(false, 9);
    odd.At(4, 0) = 0;  // records the editor cannot show go out unchanged too
    odd.At(5, 1) = 255;
    for (const bool asJukta : {false, true}) {
        const std::string name = asJukta ? "jukta.txt" : "odd.txt";
        if (!asJukta) Write(name, FontText(odd));
        Load(name, asJukta);
        Click("cmdConvertToHex");
        ASSERT_TRUE(boxes.shown().empty());
        const std::string hexName = asJukta ? "jukta.hex" : "odd.hex";
        const std::string fromWindow = Read(hexName);
        fs::remove(root / hexName);

        const ProcessResult r =
            RunProcess({LEDFONT_COMPANION, "hex", name, asJukta ? "--jukta" : "--hindi"}, root.string());
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(Read(hexName), fromWindow) << name;
        EXPECT_EQ(fromWindow, HexText(asJukta ? jukta : odd)) << name;
    }
}

// ---- The panels beside the layout ------------------------------------------

// The window with the sample fonts the companion's preview reads beside the
// test's own.
class Panels : public FontEditor {
protected:
    Panels() {
        for (const char* name : {"sample-hindi.txt", "sample-jukta.txt"})
            fs::copy_file(fs::path(LEDFONT_SOURCE_DIR) / "docs" / name, root / name);
    }
    // What the event loop does after an edit: the panels catch up.
    void Settle() {
        QCoreApplication::processEvents();
        main.RefreshPanels();
    }
    std::string PreviewArt() {
        const auto& line = main.Preview().Line();
        return line ? ledfont::picture::LineArt(*line) : std::string();
    }
};

TEST_F(Panels, AClickOrAnArrowInTheOverviewOrAClickInThePreviewGoesToTheGlyphChosen) {
    Load("hindi.txt", false);
    FontModel edited = hindi;
    Flip(edited, 0, 1, 4);
    Settle();
    ledfont::FontOverview& overview = main.Overview();
    EXPECT_TRUE(overview.IsMarkedChanged(0));  // painted, not yet stored
    for (int c : {5, 0x15, 0x7F}) {
        QTest::mouseClick(&overview, Qt::LeftButton, {}, overview.GlyphRect(c).center());
        EXPECT_EQ(window.Font().CurChar, c);
    }
    for (int k = 0; k < 34; ++k) EXPECT_EQ(window.Font().FontBytes(0, k), edited.At(0, k)) << "byte " << k;
    QTest::keyClick(&overview, Qt::Key_Up);
    EXPECT_EQ(window.Font().CurChar, 0x7F - ledfont::FontOverview::kGlyphsPerRow);
    Settle();
    EXPECT_TRUE(overview.IsMarkedChanged(0));
    EXPECT_FALSE(overview.IsMarkedChanged(5));
    EXPECT_TRUE(overview.Explanation(0).contains(Q("Changed since the last Save")));
    // A click on a glyph of the preview's line goes to that glyph as well.
    main.Preview().SetText(Q("ग"));
    Settle();
    auto& line = main.Preview().View();
    QTest::mouseClick(&line, Qt::LeftButton, {}, line.ColumnCentre(1));
    EXPECT_EQ(window.Font().CurChar, 0x17);
}

// The LEDs of `ledfont preview` for the same text and fonts, and the picture
// it would draw of them, pixel for pixel.
TEST_F(Panels, ThePreviewLightsTheLedsOfTheCompanionsPreviewInItsLook) {
    Load("sample-hindi.txt", false);
    ledfont::SignPreview& preview = main.Preview();
    ASSERT_TRUE(preview.UseFontFile(ledfont::FontMode::Jukta, (root / "sample-jukta.txt").string()));
    for (const char* text : {"नमस्ते", "किताब पढ़ो", "क्षमा कीजिए", "ॐ"}) {
        preview.SetText(Q(text));
        Settle();
        const std::string art = PreviewArt();
        ASSERT_FALSE(art.empty()) << text << ": " << preview.Message().toStdString();
        const ProcessResult r = RunProcess(
            {LEDFONT_COMPANION, "preview", text, "--hindi", "sample-hindi.txt", "--jukta", "sample-jukta.txt"},
            root.string());
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out.substr(0, art.size()), art) << text;
        const ledfont::picture::Picture picture =
            ledfont::picture::DrawLinePicture(*preview.Line(), ledfont::SignPreview::kDefaultSignColumns);
        const QImage& leds = preview.View().Leds();
        const int margin = ledfont::picture::LedLook::kMargin;
        ASSERT_EQ(leds.width(), picture.Width() - 2 * margin) << text;
        for (int y = 0; y < leds.height(); ++y)
            for (int x = 0; x < leds.width(); ++x) {
                const ledfont::picture::Rgb rgb = picture.At(x + margin, y + margin);
                ASSERT_EQ(leds.pixel(x, y), qRgb(rgb.red, rgb.green, rgb.blue)) << text << " at " << x << "," << y;
            }
    }
}

TEST_F(Panels, ThePreviewShowsAStrokeBeforeAnyStepAndSaysWhatFontItLacks) {
    Load("jukta.txt", true);
    main.Preview().SetText(Q("कक"));
    Settle();
    EXPECT_TRUE(PreviewArt().empty());
    EXPECT_TRUE(main.Preview().Message().contains(Q("No Hindi font")));

    Load("hindi.txt", false);
    window.GoTo(0x15);
    Settle();
    const std::string before = PreviewArt();
    ASSERT_FALSE(before.empty());
    EXPECT_TRUE(main.Preview().Message().contains(Q("No Jukta font")));
    // The message can be selected, to copy it, once the pointer is over it.
    QLabel* message = nullptr;
    for (QLabel* label : main.Preview().findChildren<QLabel*>())
        if (label->text() == main.Preview().Message()) message = label;
    ASSERT_NE(message, nullptr);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(message, &enter);
    EXPECT_TRUE(message->textInteractionFlags() & Qt::TextSelectableByMouse);
    FontModel edited = hindi;
    Flip(edited, 0x15, 1, 2);
    Settle();
    EXPECT_NE(PreviewArt(), before);
    EXPECT_EQ(window.Font().FontBytes(0x15, 2 + 2 * 1), hindi.At(0x15, 2 + 2 * 1));  // nothing stored yet
}
