#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <sstream>

#include "cli_runner.h"
#include "render/pipeline.h"
#include "runtime/number_text.h"

namespace gc {
namespace {

using test::runCli;

std::vector<std::vector<std::string>> csv(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> cells;
        std::istringstream l(line);
        std::string cell;
        while (std::getline(l, cell, ',')) cells.push_back(cell);
        rows.push_back(cells);
    }
    return rows;
}

TEST(CliRender, SameNameSameBytesInBothFormats) {
    QTemporaryDir dir;
    for (const char* ext : {".png", ".bmp"}) {
        const std::string a = dir.filePath(QString("a") + ext).toStdString();
        const std::string b = dir.filePath(QString("b") + ext).toStdString();
        ASSERT_EQ(runCli({"render", "ana novak", "-o", a}).status, 0);
        ASSERT_EQ(runCli({"render", "ana novak", "-o", b}, nullptr).status, 0);  // any clock
        QFile fa(QString::fromStdString(a)), fb(QString::fromStdString(b));
        ASSERT_TRUE(fa.open(QIODevice::ReadOnly) && fb.open(QIODevice::ReadOnly));
        EXPECT_EQ(fa.readAll(), fb.readAll()) << ext;
        const QImage image(QString::fromStdString(a));
        EXPECT_EQ(image.size(), QSize(700, 525));
    }
    // A Windows bitmap of 24 bits per pixel.
    QFile bmp(dir.filePath("a.bmp"));
    ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
    const QByteArray head = bmp.read(30);
    EXPECT_EQ(head.left(2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(head[28]), 24);
}

TEST(CliRender, FailuresLeaveNoFile) {
    QTemporaryDir dir;
    const struct {
        std::string path;
        int status;
        const char* says;
    } rows[] = {
        {dir.filePath("missing/card.png").toStdString(), 1, "cannot write"},
        {dir.filePath("card.jpg").toStdString(), 2, "must end in .bmp or .png"},
        {dir.filePath("card").toStdString(), 2, "must end in .bmp or .png"},
        {dir.path().toStdString() + "/.png", 0, ""},  // a hidden file name is still a name
    };
    for (const auto& r : rows) {
        const auto res = runCli({"render", "ana", "-o", r.path});
        EXPECT_EQ(res.status, r.status) << r.path;
        if (r.status) {
            EXPECT_NE(res.err.find(r.says), std::string::npos) << res.err;
            EXPECT_NE(res.err.find(r.path), std::string::npos) << res.err;
            EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(r.path)));
        }
    }
    // Nothing but the hidden-name card was left in the folder.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{".png"});
}

TEST(CliRender, AnExistingFileIsReplacedWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("card.bmp");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5'000'000, 'x'));
    old.close();
    ASSERT_EQ(runCli({"render", "ana", "-o", path.toStdString()}).status, 0);
    EXPECT_EQ(QImage(path).size(), QSize(700, 525));
    EXPECT_LT(QFileInfo(path).size(), 5'000'000);
}

// Every traced position can be worked out again from the name's info and the
// position before it: trace shows the real carried values.
TEST(CliTrace, AgreesWithInfo) {
    const std::vector<std::string> set = {"--set", "tip1=15", "--set", "tip3=3"};
    auto args = std::vector<std::string>{"trace", "ana novak", "--rows", "262-263", "--cols", "340-360"};
    args.insert(args.end(), set.begin(), set.end());
    const auto trace = runCli(args);
    ASSERT_EQ(trace.status, 0) << trace.err;
    const auto rows = csv(trace.out);
    ASSERT_EQ(rows.size(), 1u + 2 * 21);
    EXPECT_EQ(rows[0].size(), 27u);
    EXPECT_EQ(rows[0][0], "i");
    EXPECT_EQ(rows[0][26], "color");

    auto infoArgs = std::vector<std::string>{"info", "ana novak"};
    infoArgs.insert(infoArgs.end(), set.begin(), set.end());
    const QJsonObject info = QJsonDocument::fromJson(QByteArray::fromStdString(runCli(infoArgs).out)).object();
    PictureState s;
    const QJsonArray palette = info["palette"].toArray();
    for (int k = 0; k < 602; ++k)
        for (int c = 0; c < 3; ++c)
            s.pal[static_cast<std::size_t>(k)][static_cast<std::size_t>(c + 1)] = Value::dbl(palette[k].toArray()[c].toDouble());
    const QJsonObject params = info["params"].toObject();
    const auto single = [&](const char* n) { return Value::single(static_cast<float>(params[n].toDouble())); };
    s.tip1 = single("tip1"), s.tip2 = single("tip2"), s.tip3 = single("tip3"), s.pozic0 = single("pozic0");
    s.r0 = single("r0"), s.fak1 = single("fak1"), s.fak2 = single("fak2"), s.fak3 = single("fak3");
    s.fi0 = Value::dbl(params["fi0"].toDouble());
    s.korakfi1 = Value::dbl(params["korakfi1"].toDouble());

    const auto num = [](const std::string& t) { return std::strtod(t.c_str(), nullptr); };
    int carried = 0;
    for (std::size_t n = 2; n < rows.size(); ++n) {
        const auto& prev = rows[n - 1];
        const auto& want = rows[n];
        if (num(want[0]) != num(prev[0]) + 1) continue;  // first of a row: its predecessor is not traced
        s.i = Value::i16(static_cast<std::int16_t>(num(want[0])));
        s.j = Value::i16(static_cast<std::int16_t>(num(want[1])));
        s.x = Value::dbl(num(want[2]));
        s.y = Value::dbl(num(want[3]));
        s.fi1 = Value::dbl(num(prev[4]));
        s.fi = Value::dbl(num(prev[7]));
        s.ba = Value::dbl(num(prev[8]));
        s.re = Value::dbl(num(prev[9]));
        s.gr = Value::dbl(num(prev[10]));
        s.bl = Value::dbl(num(prev[11]));
        s.barva = Value::dbl(num(prev[12]));
        polarpos(s);
        calcba(s);
        calcrgb(s);
        calcbarva(s);
        const PlotLocals p = plotLocals(s);
        char colour[8];
        std::snprintf(colour, sizeof colour, "%06X", static_cast<unsigned>(p.colour));
        const std::vector<std::string> got = {
            want[0], want[1], want[2], want[3], numberText(s.fi1), numberText(s.fit), numberText(s.r), numberText(s.fi),
            numberText(s.ba), numberText(s.re), numberText(s.gr), numberText(s.bl), numberText(s.barva),
            numberText(p.m), numberText(p.k), numberText(p.R), numberText(p.G), numberText(p.B),
            numberText(p.strokes[0].x1), numberText(p.strokes[0].y1), numberText(p.strokes[0].x2),
            numberText(p.strokes[0].y2), numberText(p.strokes[1].x1), numberText(p.strokes[1].y1),
            numberText(p.strokes[1].x2), numberText(p.strokes[1].y2), colour};
        EXPECT_EQ(got, want) << "position " << want[0] << ',' << want[1];
        if (want[0] == "350") ++carried;
    }
    EXPECT_EQ(carried, 2);  // variant 15 carried its base value at x = 0 on both rows
}

}  // namespace
}  // namespace gc

namespace gc {
namespace {

TEST(CliNotes, APngCardTellsHowToMakeItAgain) {
    QTemporaryDir dir;
    const std::string card = dir.filePath("card.png").toStdString();
    const std::vector<std::string> set = {"--set", "tip1=3", "--set", "fi0=-0.25", "--set", "r0=0.1"};
    auto render = std::vector<std::string>{"render", "ana novak", "-o", card};
    render.insert(render.end(), set.begin(), set.end());
    ASSERT_EQ(runCli(render).status, 0);

    auto direct = std::vector<std::string>{"info", "ana novak"};
    direct.insert(direct.end(), set.begin(), set.end());
    const auto expected = runCli(direct);
    const auto fromCard = runCli({"info", "--from", card});
    EXPECT_EQ(fromCard.status, 0) << fromCard.err;
    EXPECT_EQ(fromCard.out, expected.out);

    const QImage image(QString::fromStdString(card));
    EXPECT_EQ(image.text("greetcard-name"), "ana novak");
    EXPECT_EQ(image.text("greetcard-seed"), "243207");
    EXPECT_FALSE(image.text("greetcard-version").isEmpty());
    // Rendering from what info --from read gives the very same file.
    const std::string again = dir.filePath("again.png").toStdString();
    ASSERT_EQ(runCli({"render", "ana novak", "-o", again, "--set", "tip1=3", "--set", "fi0=-0.25", "--set", "r0=0.1"}).status, 0);
    QFile a(QString::fromStdString(card)), b(QString::fromStdString(again));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

TEST(CliNotes, FilesThatCannotBeReadBack) {
    QTemporaryDir dir;
    const std::string bmp = dir.filePath("card.bmp").toStdString();
    ASSERT_EQ(runCli({"render", "ana", "-o", bmp}).status, 0);
    const std::string text = dir.filePath("notes.txt").toStdString();
    QFile t(QString::fromStdString(text));
    ASSERT_TRUE(t.open(QIODevice::WriteOnly));
    t.write("not an image");
    t.close();
    const struct {
        std::vector<std::string> args;
        const char* says;
    } rows[] = {
        {{"info", "--from", bmp}, "carries no card notes"},
        {{"info", "--from", text}, "cannot read"},
        {{"info", "--from", dir.filePath("missing.png").toStdString()}, "cannot read"},
        {{"info", "ana", "--from", bmp}, "not both"},
    };
    for (const auto& r : rows) {
        const auto res = runCli(r.args);
        EXPECT_EQ(res.status, 2) << r.says;
        EXPECT_NE(res.err.find(r.says), std::string::npos) << res.err;
        EXPECT_TRUE(res.out.empty());
    }
}

TEST(CliScale, PrintSizesAndWrongScales) {
    QTemporaryDir dir;
    const std::string big = dir.filePath("big.png").toStdString();
    ASSERT_EQ(runCli({"render", "ana", "-o", big, "--scale", "2"}).status, 0);
    EXPECT_EQ(QImage(QString::fromStdString(big)).size(), QSize(1400, 1050));
    for (const char* wrong : {"0", "9", "x", "1.5", ""}) {
        const auto r = runCli({"render", "ana", "-o", big, "--scale", wrong});
        EXPECT_EQ(r.status, 2) << wrong;
        EXPECT_NE(r.err.find("--scale needs a whole number from 1 to 8"), std::string::npos) << r.err;
    }
}

}  // namespace
}  // namespace gc
