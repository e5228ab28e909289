#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScreen>

#include "app/desktop/layout.h"
#include "app/desktop/output_folder.h"
#include "app/desktop/picture_box.h"
#include "cli_runner.h"
#include "desktop_fixture.h"

namespace gc::desktop::test {
namespace {

const QString prompt = QString::fromUtf8("enter your name and surname\nsmall letters (lowercase, no \u010D\u0161\u017E)");

bool allOf(const QImage& image, const QRect& area, QRgb colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != colour) return false;
    return true;
}

const QRgb white = 0xFFFFFFFF, blackPixel = 0xFF000000;

// What the window shows in an area of its client area when it repaints.
QImage shown(QWidget& window, const QRect& area) {
    return window.grab(area).toImage().convertToFormat(QImage::Format_RGB32);
}
// Where the caption's "*" lands on the window.
const QRect asteriskArea(0, 0, 16, 20);

TEST_F(DesktopTest, ControlsSitWhereTheyBelongInTabOrder) {
    Form1& f = makeForm(folder());
    EXPECT_EQ(f.windowTitle(), "Form1");
    EXPECT_EQ(f.size(), restoredClientSize);
    EXPECT_EQ(f.findChild<QWidget*>("Picture2"), nullptr) << "Picture2 is never shown";

    const struct {
        const char* name;
        const char* caption;
        QRect rect;
    } rows[] = {
        {"Picture1", nullptr, QRect(32, 24, 700, 525)},
        {"Command2", "exit", QRect(696, 624, 33, 17)},
        {"Command5", "repeat", QRect(656, 576, 73, 17)},
        {"Command3", "save on C:\\wimgx", QRect(616, 600, 113, 17)},
    };
    std::vector<QWidget*> tabOrder;
    for (const auto& r : rows) {
        auto* w = f.findChild<QWidget*>(r.name);
        ASSERT_NE(w, nullptr) << r.name;
        EXPECT_EQ(w->geometry(), r.rect) << r.name;
        if (r.caption) {
            auto* b = qobject_cast<QPushButton*>(w);
            ASSERT_NE(b, nullptr) << r.name;
            EXPECT_EQ(b->text(), r.caption);
            EXPECT_FALSE(b->isDefault() || b->autoDefault()) << r.name;
        }
        tabOrder.push_back(w);
    }
    for (std::size_t k = 0; k + 1 < tabOrder.size(); ++k) {
        QWidget* next = tabOrder[k]->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
        EXPECT_EQ(next, tabOrder[k + 1]) << rows[k].name;
    }
    EXPECT_EQ(button("Command3").toolTip(), QDir::toNativeSeparators(folder()));
}

TEST_F(DesktopTest, StartUpPaintsTheCardOfTheNameTypedIntoTheDialog) {
    Form1& f = makeForm(folder());
    DialogScript dialogs({{"ana novak"}});
    f.Form_Load();

    EXPECT_TRUE(f.isVisible());
    EXPECT_TRUE(f.isMaximized());
    EXPECT_TRUE(QDir(folder()).exists());
    ASSERT_EQ(dialogs.seen().size(), 1u);
    EXPECT_EQ(dialogs.seen()[0].prompt, prompt);
    EXPECT_TRUE(dialogs.seen()[0].fieldWasEmpty);
    EXPECT_EQ(dialogs.seen()[0].place, QPoint(33, 580));

    EXPECT_EQ(finished, 1);
    EXPECT_EQ(f.card().state().t, "ana novak");
    EXPECT_EQ(f.picture().image(), headlessPicture("ana novak"));
    // Picture1 on screen shows the surface.
    auto* picture1 = f.findChild<PictureBox*>("Picture1");
    EXPECT_EQ(shown(*picture1, picture1->rect()), f.picture().image());
    // The window is black but for the caption's "*" in its corner.
    const QImage& layer = f.windowLayer();
    EXPECT_FALSE(allOf(layer, asteriskArea, blackPixel));
    EXPECT_TRUE(allOf(layer, QRect(asteriskArea.right() + 1, 0, 200, 200), blackPixel));
    EXPECT_TRUE(allOf(layer, QRect(0, 550, 760, 100), blackPixel));
    // ...and shows it whenever it repaints.
    EXPECT_EQ(shown(f, asteriskArea), layer.copy(asteriskArea));
    EXPECT_EQ(exits, 0);
}

TEST_F(DesktopTest, RejectedNamesBringTheDialogBackEmpty) {
    Form1& f = makeForm(folder());
    const std::vector<Answer> answers = {
        {"Ana"}, {"ana 1"}, {"ana-novak"}, {QString::fromUtf8("\u010Dop")}, {QString(101, 'a')}, {"ana novak"},
    };
    DialogScript dialogs(answers);
    f.Form_Load();
    ASSERT_EQ(dialogs.seen().size(), answers.size());
    for (const DialogSeen& seen : dialogs.seen()) {
        EXPECT_TRUE(seen.fieldWasEmpty);
        EXPECT_EQ(seen.prompt, prompt);
    }
    EXPECT_EQ(f.card().state().t, "ana novak");
    EXPECT_EQ(finished, 1);
}

TEST_F(DesktopTest, CancelGivesTheEmptyNameWhateverWasTyped) {
    Form1& f = makeForm(folder());
    DialogScript dialogs({{"ana novak", true}});
    f.Form_Load();
    EXPECT_EQ(dialogs.seen().size(), 1u);
    EXPECT_EQ(f.card().state().t, "");
    EXPECT_EQ(f.picture().image(), headlessPicture(""));
}

QImage readBitmap(const QString& path, int* bitsPerPixel) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    *bitsPerPixel = bytes.size() > 29 ? static_cast<unsigned char>(bytes[28]) | static_cast<unsigned char>(bytes[29]) << 8 : 0;
    return QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
}

TEST_F(DesktopTest, SaveWritesTheCommandLinePictureAndLeavesTheTickAtTheEnd) {
    Form1& f = makeForm(folder());
    DialogScript dialogs({{"ana novak"}});
    f.Form_Load();
    click("Command3");
    click("Command3");  // the same picture keeps its file name

    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), QStringList{QString(fixedStamp) + ".bmp"});
    int bits = 0;
    const QImage saved = readBitmap(savedFile(), &bits);
    EXPECT_EQ(bits, 24);
    const QString cliFile = dir.filePath("cli.bmp");
    const auto cli = gc::test::runCli({"render", "ana novak", "-o", cliFile.toStdString()});
    ASSERT_EQ(cli.status, 0) << cli.err;
    int cliBits = 0;
    EXPECT_EQ(saved, readBitmap(cliFile, &cliBits));
    EXPECT_EQ(f.copy().image(), f.picture().image());
    EXPECT_EQ(f.card().state().i.num(), 701);
    EXPECT_EQ(f.card().state().j.num(), 526);

    const struct {
        QRect area;
        QRgb colour;
    } marker[] = {
        {QRect(QPoint(730, 560), QPoint(731, 567)), white},
        {QRect(QPoint(29, 560), QPoint(729, 567)), blackPixel},
        {QRect(QPoint(29, 559), QPoint(740, 559)), blackPixel},
        {QRect(QPoint(29, 568), QPoint(740, 568)), blackPixel},
        {QRect(QPoint(732, 560), QPoint(740, 567)), blackPixel},
    };
    for (const auto& m : marker) EXPECT_TRUE(allOf(f.windowLayer(), m.area, m.colour)) << m.area.x() << "," << m.area.y();
    const QRect band(0, 555, 760, 20);
    EXPECT_EQ(shown(f, band), f.windowLayer().copy(band));
    EXPECT_EQ(exits, 0);
}

TEST_F(DesktopTest, OutputFolderIsWimgxInTheHomeFolder) {
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", dir.path().toLocal8Bit());
    const QString mapped = defaultOutputFolder();
    form = std::make_unique<Form1>();
    const QString used = form->outputFolder();
    const QString tip = button("Command3").toolTip();
    qputenv("HOME", home);
    EXPECT_EQ(mapped, dir.path() + "/wimgx");
    EXPECT_EQ(used, mapped);
    EXPECT_EQ(tip, QDir::toNativeSeparators(mapped));
    EXPECT_EQ(button("Command3").text(), "save on C:\\wimgx");
}

// Fault: a save in the middle of a scan used to cut the picture short.
TEST_F(DesktopTest, SaveDuringAScanSavesWhatIsPaintedAndThePictureGoesOn) {
    Form1& f = makeForm(folder());
    DialogScript dialogs({{"ana novak"}});
    QImage shownAfterSave;
    AtRow press(f, 200, [&] {
        click("Command3");
        shownAfterSave = f.picture().image().copy();
    });
    f.Form_Load();
    ASSERT_EQ(press.fired, 1);
    // The rows above the one about to be painted, as saved and as shown.
    const QImage paintedSoFar = headlessPictureUpTo("ana novak", press.row());
    int bits = 0;
    EXPECT_EQ(readBitmap(savedFile(), &bits), paintedSoFar);
    EXPECT_EQ(shownAfterSave, paintedSoFar);
    EXPECT_NE(paintedSoFar, headlessPicture("ana novak"));
    EXPECT_EQ(f.picture().image(), headlessPicture("ana novak"));
    EXPECT_EQ(finished, 1);
}

// Fault: the scan that a "repeat" interrupted used to paint on after the
// new picture was finished.
TEST_F(DesktopTest, RepeatDuringAScanReplacesItsPicture) {
    Form1& f = makeForm(folder());
    DialogScript dialogs({{"ana novak"}, {"janez"}});
    AtRow press(f, 150, [&] { click("Command5"); });
    f.Form_Load();
    ASSERT_EQ(press.fired, 1);
    EXPECT_EQ(dialogs.seen().size(), 2u);
    EXPECT_EQ(finished, 1) << "only the nested pass writes its caption";
    EXPECT_EQ(f.card().state().t, "janez");
    EXPECT_EQ(f.picture().image(), headlessPicture("janez"));
}

TEST_F(DesktopTest, RepeatAfterAPictureAsksAgainAndPaintsTheNewName) {
    Form1& f = makeForm(folder());
    DialogScript dialogs({{"ana novak"}, {"ab"}});
    f.Form_Load();
    click("Command5");
    EXPECT_EQ(dialogs.seen().size(), 2u);
    EXPECT_EQ(finished, 2);
    EXPECT_EQ(f.picture().image(), headlessPicture("ab"));
}

TEST_F(DesktopTest, ExitOrClosingDuringAScanStopsItAtOnce) {
    const struct {
        const char* how;
        std::function<void()> end;
    } ways[] = {
        {"exit", [this] { click("Command2"); }},
        {"close", [this] { form->close(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        exits = finished = 0;
        Form1& f = makeForm(folder());
        DialogScript dialogs({{"ana novak"}});
        AtRow press(f, 100, way.end);
        f.Form_Load();
        ASSERT_EQ(press.fired, 1);
        EXPECT_EQ(exits, 1);
        EXPECT_TRUE(f.ended());
        EXPECT_EQ(finished, 0);
        // The rows above the press and nothing more: no caption, no "*".
        EXPECT_EQ(f.picture().image(), headlessPictureUpTo("ana novak", press.row()));
        EXPECT_TRUE(allOf(f.picture().image(), QRect(0, 480, 700, 45), blackPixel));
        EXPECT_TRUE(allOf(f.windowLayer(), asteriskArea, blackPixel));
        // Commands after the end do nothing (an unexpected dialog would fail).
        click("Command5");
        click("Command2");
        EXPECT_EQ(exits, 1);
    }
}

// Fault: a save that could not write its file used to end the program.
TEST_F(DesktopTest, FailedSaveIsReportedAndTheProgramGoesOn) {
    const struct {
        const char* why;
        QString folder;
        bool fileInTheWay;
    } cases[] = {
        {"missing folder", QStringLiteral("no/such/wimgx"), false},
        {"a file where the folder should be", QStringLiteral("wimgx"), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const QString target = dir.filePath(c.folder);
        if (c.fileInTheWay) {
            QFile blocker(target);
            ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        }
        exits = finished = 0;
        Form1& f = makeForm(target);
        DialogScript dialogs({{"ab"}});
        f.Form_Load();
        const QImage before = f.picture().image();
        MessageBoxCloser boxes;
        click("Command3");

        const QString file = target + "/" + fixedStamp + ".bmp";
        ASSERT_EQ(boxes.texts.size(), 1u);
        EXPECT_TRUE(boxes.texts[0].contains(QDir::toNativeSeparators(file))) << boxes.texts[0].toStdString();
        EXPECT_GT(boxes.texts[0].size(), QDir::toNativeSeparators(file).size() + 40) << "the reason is given";
        EXPECT_FALSE(QFile::exists(file));
        EXPECT_EQ(exits, 0);
        EXPECT_FALSE(f.ended());
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.picture().image(), before);
        QFile::remove(target);
    }
}

TEST(NameDialogPlace, AtItsPlaceUnlessTheScreenIsTooSmall) {
    const struct {
        QSize dialog;
        QRect screen;
        QPoint place;
    } rows[] = {
        {{370, 110}, {0, 0, 1024, 768}, {33, 580}},
        {{370, 110}, {0, 0, 800, 690}, {33, 580}},  // just fits
        {{370, 110}, {0, 0, 800, 600}, {33, 490}},
        {{370, 110}, {0, 0, 380, 600}, {10, 490}},
        {{370, 110}, {100, 50, 1024, 768}, {100, 580}},
    };
    for (const auto& r : rows) EXPECT_EQ(nameDialogPlace(r.dialog, r.screen), r.place) << r.screen.width() << "x" << r.screen.height();
}

}  // namespace
}  // namespace gc::desktop::test
