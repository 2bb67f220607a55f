#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QScrollBar>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "DirListBox.h"
#include "DriveListBox.h"
#include "Error.h"
#include "FileListBox.h"
#include "FontFilePath.h"
#include "FrmFont.h"
#include "WidgetLookup.h"

namespace {

namespace fs = std::filesystem;
using ledfont::DirListBox;
using ledfont::FileListBox;
using ledfont::FrmFont;

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end(), LessIgnoringCase);
    return names;
}

std::vector<std::string> Texts(const QListWidget* list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list->count(); ++i) texts.push_back(list->item(i)->text().trimmed().toStdString());
    return texts;
}

qsizetype Indent(const QListWidgetItem* item) {
    const QString text = item->text();
    return text.size() - QStringView(text).trimmed().size();
}

// A folder tree of its own under the temporary folder:
//   alpha/ Beta/ gamma/inner.fnt, and the files a.fnt README Z.TXT .hidden
struct ChooserTree : testing::Test {
    ChooserTree() {
        root = fs::path(dir.path().toStdString());
        for (const char* folder : {"alpha", "Beta", "gamma"}) fs::create_directory(root / folder);
        for (const char* file : {"a.fnt", "README", "Z.TXT", ".hidden"}) std::ofstream(root / file) << "1\n";
        std::ofstream(root / "gamma" / "inner.fnt") << "1\n";
        dir1 = Find<DirListBox>(&window, "Dir1");
        file1 = Find<FileListBox>(&window, "File1");
        lblFile = Find<QLabel>(&window, "lblFile");
    }
    QString Path(const fs::path& p) const { return QString::fromStdString(p.string()); }
    QListWidgetItem* ItemNamed(QListWidget* list, const char* name) const {
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text().trimmed() == Q(name)) return list->item(i);
        return nullptr;
    }
    void ClickFile(const char* name) {
        QListWidgetItem* item = ItemNamed(file1, name);
        ASSERT_NE(item, nullptr) << name;
        ClickItem(item);
    }
    void ClickItem(QListWidgetItem* item) {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        file1->scrollToItem(item);
        QTest::mouseClick(file1->viewport(), Qt::LeftButton, {}, file1->visualItemRect(item).center());
    }

    QTemporaryDir dir;
    fs::path root;
    FrmFont window;
    DirListBox* dir1 = nullptr;
    FileListBox* file1 = nullptr;
    QLabel* lblFile = nullptr;
};

TEST_F(ChooserTree, ListsStartAtTheWorkingFolder) {
    const QString working = QDir::cleanPath(QDir::currentPath());
    EXPECT_EQ(dir1->Path(), working);
    EXPECT_EQ(file1->Path(), working);
}

TEST_F(ChooserTree, FolderListShowsAncestorsThenSubfoldersIndented) {
    dir1->SetPath(Path(root));
    std::vector<std::string> expected{"/"};
    for (const fs::path& part : root.relative_path()) expected.push_back(part.string());
    const std::size_t ancestors = expected.size();
    for (const std::string& sub : Sorted({"alpha", "Beta", "gamma"})) expected.push_back(sub);
    EXPECT_EQ(Texts(dir1), expected);
    ASSERT_EQ(static_cast<std::size_t>(dir1->count()), expected.size());
    for (std::size_t i = 1; i < ancestors; ++i)
        EXPECT_GT(Indent(dir1->item(static_cast<int>(i))), Indent(dir1->item(static_cast<int>(i - 1))));
    for (std::size_t i = ancestors; i < expected.size(); ++i)
        EXPECT_GT(Indent(dir1->item(static_cast<int>(i))), Indent(dir1->item(static_cast<int>(ancestors - 1))));
}

TEST_F(ChooserTree, WritingTheFolderPathUpdatesTheFileList) {
    dir1->SetPath(Path(root));
    EXPECT_EQ(dir1->Path(), Path(root));
    EXPECT_EQ(file1->Path(), Path(root));
    EXPECT_EQ(Texts(file1), Sorted({"a.fnt", "README", "Z.TXT", ".hidden"}));
}

TEST_F(ChooserTree, FolderPathIsCleanedAndHasNoTrailingSlash) {
    dir1->SetPath(Path(root / "alpha" / ".." / "gamma") + Q("/"));
    EXPECT_EQ(dir1->Path(), Path(root / "gamma"));
    EXPECT_EQ(file1->Path(), Path(root / "gamma"));
    dir1->SetPath(Q("/"));
    EXPECT_EQ(dir1->Path(), Q("/"));
    EXPECT_EQ(file1->Path(), Q("/"));
}

TEST_F(ChooserTree, OpeningASubfolderWithEnterMovesBothLists) {
    dir1->SetPath(Path(root));
    QListWidgetItem* gamma = ItemNamed(dir1, "gamma");
    ASSERT_NE(gamma, nullptr);
    dir1->setCurrentItem(gamma);
    QTest::keyClick(dir1, Qt::Key_Return);
    EXPECT_EQ(dir1->Path(), Path(root / "gamma"));
    EXPECT_EQ(file1->Path(), Path(root / "gamma"));
    EXPECT_EQ(Texts(file1), std::vector<std::string>{"inner.fnt"});
}

TEST_F(ChooserTree, MissingFolderIsRefusedAndNothingMoves) {
    dir1->SetPath(Path(root));
    EXPECT_THROW(dir1->SetPath(Path(root / "nowhere")), ledfont::PathNotFoundError);
    EXPECT_EQ(dir1->Path(), Path(root));
    EXPECT_EQ(file1->Path(), Path(root));
}

// Links to a FIFO or a device are neither folders nor files to choose, and
// opening one as a folder names it; links to a folder or a file are listed.
TEST_F(ChooserTree, ListsShowOnlyFoldersFilesAndLinksToThem) {
    const fs::path links = root / "links";
    fs::create_directories(links / "real");
    std::ofstream(links / "font.txt") << "1\n";
    ASSERT_EQ(mkfifo((links / "pipe").c_str(), 0600), 0);
    const std::pair<const char*, const char*> linked[] = {
        {"topipe", "pipe"}, {"todevice", "/dev/null"}, {"todir", "real"}, {"tofile", "font.txt"}, {"dangling", "x"}};
    for (const auto& [name, target] : linked) fs::create_symlink(target, links / name);
    dir1->SetPath(Path(links));
    EXPECT_EQ(Texts(file1), (std::vector<std::string>{"font.txt", "tofile"}));
    const std::vector<std::string> folders = Texts(dir1);
    EXPECT_EQ(std::vector<std::string>(folders.end() - 3, folders.end()),
              (std::vector<std::string>{"links", "real", "todir"}));
    try {
        dir1->SetPath(Path(links / "topipe"));
        ADD_FAILURE() << "a link to a FIFO was opened as a folder";
    } catch (const ledfont::PathNotFoundError& error) {
        EXPECT_EQ(error.Description(),
                  "\"" + (links / "topipe").string() + "\" is a named pipe (FIFO), not a folder [Path not found]");
    }
    EXPECT_EQ(dir1->Path(), Path(links));
}

// Rows never reach past the list: no horizontal scroll bar can cover the last
// one, and a long name is cut where the list ends.
TEST_F(ChooserTree, LongNamesAreCutAndTheLastRowStaysInSight) {
    for (int i = 0; i < 20; ++i) std::ofstream(root / ("font" + std::to_string(i) + ".txt")) << "1\n";
    std::ofstream(root / (std::string(120, 'w') + ".txt")) << "1\n";
    fs::create_directory(root / std::string(120, 'w'));
    dir1->SetPath(Path(root));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (QListWidget* list : std::initializer_list<QListWidget*>{dir1, file1}) {
        EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
        for (int i = 0; i < list->count(); ++i) {
            list->scrollToItem(list->item(i));
            EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(i)))) << i;
        }
    }
}

TEST_F(ChooserTree, FileListOfAMissingFolderIsEmpty) {
    file1->SetPath(Path(root / "nowhere"));
    EXPECT_EQ(file1->count(), 0);
    EXPECT_EQ(file1->FileName(), QString());
}

TEST_F(ChooserTree, ClickingAFileChoosesItWithOneSlash) {
    dir1->SetPath(Path(root));
    ClickFile("README");
    const std::string expected = root.string() + "/README";
    EXPECT_EQ(window.Font().FontFile, expected);
    EXPECT_EQ(file1->FileName(), Q("README"));
    EXPECT_EQ(lblFile->text(), Q("File : ") + QString::fromStdString(expected));
}

// A name that is not UTF-8 (written on another system, or in Latin-1) shows
// with U+FFFD for its bad byte, and choosing it chooses its real bytes, even
// beside another name that shows alike.
TEST_F(ChooserTree, ANameThatIsNotUtf8IsListedAndChosenByItsBytes) {
    fs::create_directory(root / "latin");
    for (const char* name : {"font\xFE.txt", "font\xFF.txt"}) std::ofstream(root / "latin" / name) << "1\n";
    dir1->SetPath(Path(root / "latin"));
    const std::string shown = "font\uFFFD.txt";
    ASSERT_EQ(Texts(file1), (std::vector<std::string>{shown, shown}));
    ClickItem(file1->item(1));
    const std::string chosen = (root / "latin").string() + "/font\xFF.txt";
    EXPECT_EQ(window.Font().FontFile, chosen);
    EXPECT_EQ(lblFile->text(), Q("File : ") + Path(root / "latin") + Q("/font\uFFFD.txt"));
    file1->Refresh();
    EXPECT_EQ(file1->FilePath(), chosen);
}

TEST_F(ChooserTree, ArrowKeyInTheFileListChoosesTheNextFile) {
    dir1->SetPath(Path(root));
    QTest::keyClick(file1, Qt::Key_Down);
    const std::string first = Sorted({"a.fnt", "README", "Z.TXT", ".hidden"}).front();
    EXPECT_EQ(window.Font().FontFile, root.string() + "/" + first);
}

TEST_F(ChooserTree, ChangingFolderKeepsTheChosenFile) {
    dir1->SetPath(Path(root));
    ClickFile("a.fnt");
    const std::string chosen = window.Font().FontFile;
    const QString caption = lblFile->text();
    dir1->SetPath(Path(root / "alpha"));
    EXPECT_EQ(file1->Path(), Path(root / "alpha"));
    EXPECT_EQ(window.Font().FontFile, chosen);
    EXPECT_EQ(lblFile->text(), caption);
}

TEST_F(ChooserTree, ChoosingAFileChangesNothingElse) {
    dir1->SetPath(Path(root));
    const ledfont::FontTable before = window.Font().FontBytes;
    ClickFile("Z.TXT");
    EXPECT_EQ(window.Font().FontBytes, before);
    EXPECT_FALSE(window.Font().IsJukta);
    EXPECT_FALSE(Find<QWidget>(&window, "cmdSave")->isEnabled());
}

struct JoinCase {
    const char* folder;
    const char* name;
    const char* path;
};

class FontFilePathJoin : public testing::TestWithParam<JoinCase> {};

TEST_P(FontFilePathJoin, PutsExactlyOneSlashBetweenFolderAndName) {
    EXPECT_EQ(ledfont::FontFilePath(Q(GetParam().folder), Q(GetParam().name)), Q(GetParam().path));
}

INSTANTIATE_TEST_SUITE_P(Folders, FontFilePathJoin,
                         testing::Values(JoinCase{"/", "A.TXT", "/A.TXT"},
                                         JoinCase{"/fonts", "A.TXT", "/fonts/A.TXT"},
                                         JoinCase{"/home/u/fonts", "hindi", "/home/u/fonts/hindi"}));

TEST(DriveList, OffersTheRootAndSortedDistinctVolumes) {
    const QStringList volumes = ledfont::DriveListBox::Volumes();
    EXPECT_TRUE(volumes.contains(Q("/")));
    for (qsizetype i = 1; i < volumes.size(); ++i) EXPECT_LT(volumes[i - 1], volumes[i]);
    for (const QString& volume : volumes) EXPECT_TRUE(fs::is_directory(volume.toStdString())) << volume.toStdString();
}

// In a chroot whose root is no mount point the working folder may lie on no
// mounted volume; the list then shows "/".
TEST(DriveList, StartsAtTheVolumeOfTheWorkingFolder) {
    FrmFont window;
    auto* drive1 = Find<ledfont::DriveListBox>(&window, "Drive1");
    ASSERT_NE(drive1, nullptr);
    const QString mounted = QStorageInfo(QDir::currentPath()).rootPath();
    EXPECT_EQ(drive1->Drive(), mounted.isEmpty() ? Q("/") : mounted);
}

TEST(DriveList, VolumeOfAPathIsTheDeepestMountHoldingItElseTheRoot) {
    using ledfont::DriveListBox;
    const QStringList roots{Q("/"), Q("/home"), Q("/home/u"), Q("/media/usb")};
    EXPECT_EQ(DriveListBox::VolumeAmong(Q("/home/u/fonts"), roots), Q("/home/u"));
    EXPECT_EQ(DriveListBox::VolumeAmong(Q("/media/usb"), roots), Q("/media/usb"));
    EXPECT_EQ(DriveListBox::VolumeAmong(Q("/homework"), roots), Q("/"));
    EXPECT_EQ(DriveListBox::VolumeAmong(Q("/srv/fonts"), {Q("/proc"), Q("/home")}), Q("/"));  // no "/" mount
}

TEST_F(ChooserTree, ChangingTheDriveOpensItsRootInBothLists) {
    dir1->SetPath(Path(root));
    auto* drive1 = Find<ledfont::DriveListBox>(&window, "Drive1");
    ASSERT_NE(drive1, nullptr);
    drive1->SetDrive(Q("/"));
    EXPECT_EQ(drive1->Drive(), Q("/"));
    EXPECT_EQ(dir1->Path(), Q("/"));
    EXPECT_EQ(file1->Path(), Q("/"));
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator("/"))
        if (entry.is_regular_file()) files.push_back(entry.path().filename().string());
    std::vector<std::string> listed = Texts(file1);
    std::sort(files.begin(), files.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, files);
}

}  // namespace

namespace {

TEST_F(ChooserTree, RefreshShowsNewFilesAndKeepsTheChosenOneWithoutAClick) {
    dir1->SetPath(Path(root));
    ClickFile("README");
    int clicks = 0;
    file1->SetClickHandler([&] { ++clicks; });
    std::ofstream(root / "READhex") << "1\n";
    file1->Refresh();
    EXPECT_EQ(Texts(file1), Sorted({"a.fnt", "README", "READhex", "Z.TXT", ".hidden"}));
    EXPECT_EQ(file1->FileName(), Q("README"));
    EXPECT_EQ(clicks, 0);
}

}  // namespace
