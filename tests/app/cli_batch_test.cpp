#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "app/cli/name_list.h"
#include "app/cli/progress.h"
#include "cli_runner.h"

namespace gc::cli {
namespace {

using test::runCli;

std::vector<std::string> namesOf(const NameList& l) {
    std::vector<std::string> out;
    for (const auto& c : l.cards) out.push_back(std::to_string(c.line) + ":" + c.name);
    return out;
}

TEST(BatchNameList, LinesNamesAndTheirNumbers) {
    const struct {
        std::string text;
        std::vector<std::string> cards;  // line:name
        std::vector<int> skipped;
        std::vector<std::pair<int, int>> repeats;  // line, first line
    } rows[] = {
        {"", {}, {}, {}},
        {"\n", {"1:"}, {}, {}},  // one empty line is the empty name
        {"ana", {"1:ana"}, {}, {}},
        {"ana\n\nbob\n", {"1:ana", "2:", "3:bob"}, {}, {}},
        {"ana\n\n", {"1:ana", "2:"}, {}, {}},
        {"ana\r\nana novak\r\n", {"1:ana", "2:ana novak"}, {}, {}},
        {"Ana\nana\nana\n\n\n", {"2:ana", "4:"}, {1}, {{3, 2}, {5, 4}}},
        {std::string(101, 'a') + "\n" + std::string(100, 'a'), {"2:" + std::string(100, 'a')}, {1}, {}},
        {"ana\r\r\n\tbob\nana \n", {"3:ana "}, {1, 2}, {}},  // only one CR is a line ending
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.text);
        const NameList l = readNameList(r.text);
        EXPECT_EQ(namesOf(l), r.cards);
        std::vector<int> skipped;
        for (const auto& s : l.skipped) {
            skipped.push_back(s.line);
            EXPECT_FALSE(s.problem.empty());
        }
        EXPECT_EQ(skipped, r.skipped);
        std::vector<std::pair<int, int>> repeats;
        for (const auto& p : l.repeats) repeats.emplace_back(p.line, p.firstLine);
        EXPECT_EQ(repeats, r.repeats);
    }
}

TEST(BatchNameList, EveryNameGetsAFileNameOfItsOwn) {
    EXPECT_EQ(cardFileName("ana novak", "png"), "ana-novak.png");
    EXPECT_EQ(cardFileName("  a", "bmp"), "--a.bmp");
    EXPECT_EQ(cardFileName("", "png"), "_empty.png");
    EXPECT_NE(cardFileName("", "png"), cardFileName("empty", "png"));
}

TEST(BatchProgressLine, RateAndTimeLeft) {
    const struct {
        int done, total;
        double seconds;
        std::string want;
    } rows[] = {
        {0, 40, 0.0, "[--------------------]  0/40"},  // no rate before the first card
        {0, 0, 0.0, "[####################]  0/0"},
        {10, 40, 4.0, "[#####---------------]  10/40  2.5 cards/s  12 s left"},
        {1, 3, 0.0, "[######--------------]  1/3"},  // no division by a zero time
        {40, 40, 16.0, "[####################]  40/40  2.5 cards/s  done in 16 s"},
        {1, 1000, 2.0, "[--------------------]  1/1000  0.5 cards/s  33 min 18 s left"},
    };
    for (const auto& r : rows) EXPECT_EQ(progressLine(r.done, r.total, r.seconds), r.want);
    EXPECT_EQ(durationText(0.2), "1 s");  // never "0 s left" while a card is still painting
    EXPECT_EQ(durationText(59.5), "1 min 00 s");
    EXPECT_EQ(durationText(7620), "2 h 07 min");
}

// A folder with a names file in it, and the batch's output folder beside it.
class Batch : public ::testing::Test {
protected:
    std::string names(const std::string& text, const char* file = "names.txt") {
        QFile f(dir.filePath(file));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text.data(), static_cast<qint64>(text.size()));
        return f.fileName().toStdString();
    }
    QStringList outputFiles(const QString& sub = "out") const {
        return QDir(dir.filePath(sub)).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
    QByteArray bytes(const QString& path) const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    std::string out(const QString& sub = "out") const { return dir.filePath(sub).toStdString(); }

    QTemporaryDir dir;
};

int count(const std::string& text, const std::string& word) {
    int n = 0;
    for (auto p = text.find(word); p != std::string::npos; p = text.find(word, p + 1)) ++n;
    return n;
}

TEST_F(Batch, GoodBadAndRepeatedNames) {
    const auto file = names("ana novak\nBob\n\nana novak\nzoe\n" + std::string(101, 'z') + "\nzoe");
    const auto r = runCli({"batch", file, "-o", out()});
    EXPECT_EQ(r.status, 1) << r.err;  // some lines were skipped
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(outputFiles(), (QStringList{"_empty.png", "ana-novak.png", "zoe.png"}));
    EXPECT_NE(r.err.find("names.txt line 2: the name has 'B' at position 1"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("names.txt line 6: the name has 101 characters"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("line 4 repeats the name of line 1"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("line 7 repeats the name of line 5"), std::string::npos) << r.err;
    EXPECT_EQ(count(r.err, "written " + out()), 3) << r.err;  // one line a card, not a terminal
    EXPECT_NE(r.err.find("3 cards written"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("2 lines skipped"), std::string::npos) << r.err;

    // Each card is the one render paints for the name, to the byte.
    for (const auto& [name, file] : {std::pair<std::string, QString>{"ana novak", "ana-novak.png"}, {"", "_empty.png"}}) {
        const QString single = dir.filePath("single.png");
        ASSERT_EQ(runCli({"render", name, "-o", single.toStdString()}).status, 0);
        ASSERT_FALSE(bytes(single).isEmpty());
        EXPECT_EQ(bytes(dir.filePath("out/" + file)), bytes(single)) << name;
    }
}

TEST_F(Batch, AllWrittenIsStatus0AndJobsDoNotChangeTheCards) {
    const auto file = names("ana\nbob novak\neve\n\nmax mustermann\n");
    for (const char* jobs : {"1", "2"}) {
        const auto r = runCli({"batch", file, "-o", out(jobs), "--jobs", jobs, "--format", "bmp"});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.err.find("5 cards written"), std::string::npos) << r.err;
    }
    const QStringList want{"_empty.bmp", "ana.bmp", "bob-novak.bmp", "eve.bmp", "max-mustermann.bmp"};
    ASSERT_EQ(outputFiles("1"), want);
    ASSERT_EQ(outputFiles("2"), want);
    for (const QString& f : want) {
        EXPECT_TRUE(bytes(dir.filePath("1/" + f)).startsWith("BM"));
        EXPECT_EQ(bytes(dir.filePath("1/" + f)), bytes(dir.filePath("2/" + f))) << f.toStdString();
    }
}

TEST_F(Batch, SettingsApplyToEveryCard) {
    const auto r = runCli({"batch", names("ana\n"), "-o", out(), "--set", "tip1=15"});
    ASSERT_EQ(r.status, 0) << r.err;
    const QString single = dir.filePath("single.png"), plain = dir.filePath("plain.png");
    ASSERT_EQ(runCli({"render", "ana", "-o", single.toStdString(), "--set", "tip1=15"}).status, 0);
    ASSERT_EQ(runCli({"render", "ana", "-o", plain.toStdString()}).status, 0);
    EXPECT_EQ(bytes(dir.filePath("out/ana.png")), bytes(single));
    EXPECT_NE(bytes(single), bytes(plain));
}

TEST_F(Batch, NamesFromStandardInput) {
    QProcess p;
    p.start(QStringLiteral(GREETCARD_CLI), {"batch", "-", "-o", QString::fromStdString(out())});
    p.write("eve\n");
    p.closeWriteChannel();
    ASSERT_TRUE(p.waitForFinished(120000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_EQ(outputFiles(), QStringList{"eve.png"});
}

TEST_F(Batch, MistakesInTheCommandAreStatus2AndWriteNothing) {
    const auto file = names("ana\n");
    const struct {
        std::vector<std::string> args;
        const char* says;
    } rows[] = {
        {{"batch", "-o", out()}, "batch needs a FILE"},
        {{"batch", file}, "batch needs -o DIR"},
        {{"batch", file, "-o", ""}, "-o needs a folder name"},
        {{"batch", file, "-o", out(), "--format", "jpg"}, "--format needs bmp or png, got 'jpg'"},
        {{"batch", file, "-o", out(), "--format"}, "--format needs a value"},
        {{"batch", file, "-o", out(), "--jobs", "0"}, "--jobs needs a whole number from 1 to 64, got '0'"},
        {{"batch", file, "-o", out(), "--jobs", "65"}, "got '65'"},
        {{"batch", file, "-o", out(), "--jobs", "2x"}, "got '2x'"},
        {{"batch", file, "-o", out(), "--jobs", ""}, "got ''"},
        {{"batch", file, file, "-o", out()}, "more than one FILE"},
        {{"batch", file, "-o", out(), "--rows", "1-2"}, "unknown option '--rows' for batch"},
        {{"render", "ana", "-o", out() + ".png", "--jobs", "2"}, "unknown option '--jobs' for render"},
        {{"batch", dir.filePath("nothing.txt").toStdString(), "-o", out()}, "cannot read '"},
        {{"batch", dir.path().toStdString(), "-o", out()}, "cannot read '"},  // a folder
    };
    for (const auto& r : rows) {
        const auto res = runCli(r.args);
        SCOPED_TRACE(res.err);
        EXPECT_EQ(res.status, 2);
        EXPECT_NE(res.err.find(r.says), std::string::npos);
        EXPECT_EQ(res.err.find('\n'), res.err.size() - 1);  // one line
        EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(out())));
    }
}

TEST(BatchHelp, SaysHowFilesAreNamed) {
    const auto r = runCli({"--help"});
    for (const char* word : {"batch FILE -o DIR", "--jobs", "--format", "_empty.png", "CR LF"})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
}

TEST_F(Batch, OutputFolderThatCannotBeMade) {
    const auto file = names("ana\n");
    for (const std::string& where : {file, file + "/out"}) {
        const auto r = runCli({"batch", file, "-o", where});
        EXPECT_EQ(r.status, 1) << where;
        EXPECT_NE(r.err.find("cannot make the folder '" + where + "': Not a directory"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1);
    }
    EXPECT_EQ(bytes(QString::fromStdString(file)), "ana\n");  // the names file is untouched
}

TEST_F(Batch, ACardThatCannotBeWrittenLosesNoOther) {
    const auto file = names("ana\nbob\neve\n");
    // A folder in the way of one card's file.
    ASSERT_TRUE(QDir(dir.path()).mkpath("out/bob.png"));
    const auto r = runCli({"batch", file, "-o", out(), "--jobs", "2"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cannot write '" + out() + "/bob.png'"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("2 cards written"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("1 could not be written"), std::string::npos) << r.err;
    // No temporary file is left beside the cards.
    EXPECT_EQ(outputFiles(), (QStringList{"ana.png", "eve.png"}));
}

TEST_F(Batch, InterruptedBatchKeepsOnlyWholeCards) {
    std::string many;
    for (char a = 'a'; a <= 'z'; ++a)
        for (char b = 'a'; b <= 'c'; ++b) many += std::string{a, ' ', b, '\n'};
    QProcess p;
    p.setReadChannel(QProcess::StandardError);
    p.start(QStringLiteral(GREETCARD_CLI), {"batch", QString::fromStdString(names(many)), "-o", QString::fromStdString(out())});
    std::string err;
    while (err.find("written ") == std::string::npos && p.waitForReadyRead(60000)) err += p.readAllStandardError().toStdString();
    p.terminate();
    ASSERT_TRUE(p.waitForFinished(60000));
    err += p.readAllStandardError().toStdString();
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_NE(err.find("interrupted; "), std::string::npos) << err;
    // Every file in the folder is a card that was reported written.
    const QStringList files = outputFiles();
    EXPECT_EQ(count(err, "written " + out()), files.size()) << err;
    EXPECT_LT(files.size(), 78);
    for (const QString& f : files) {
        EXPECT_TRUE(f.endsWith(".png")) << f.toStdString();
        EXPECT_EQ(QImage(dir.filePath("out/" + f)).size(), QSize(700, 525)) << f.toStdString();
    }
}

TEST_F(Batch, FolderWhereNoFileCanBeMade) {
    // A folder that refuses new files even to the administrator.
    if (!QFileInfo(QStringLiteral("/proc/self")).isDir()) GTEST_SKIP() << "no /proc";
    const auto r = runCli({"batch", names("ana\nbob\n"), "-o", "/proc/self"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(count(r.err, "cannot write '/proc/self/"), 2) << r.err;
    EXPECT_NE(r.err.find("0 cards written"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace gc::cli
