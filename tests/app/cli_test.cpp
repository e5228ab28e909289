#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli_runner.h"
#include "generator/palette.h"
#include "generator/params.h"
#include "runtime/clock.h"
#include "scripted_generator.h"

namespace gc {
namespace {

using test::runCli;

QJsonObject infoOf(const std::vector<std::string>& args) {
    const auto r = runCli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    QJsonParseError error{};
    const auto doc = QJsonDocument::fromJson(QByteArray::fromStdString(r.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << r.out.substr(0, 200);
    return doc.object();
}

std::vector<float> drawsOf(const QJsonObject& info) {
    std::vector<float> out;
    for (const auto& v : info["draws"].toArray()) out.push_back(static_cast<float>(v.toDouble()));
    return out;
}

TEST(CliInfo, PaletteAndParamsFollowFromTheDraws) {
    const QJsonObject info = infoOf({"info", "ana novak"});
    EXPECT_EQ(info["name"].toString(), "ana novak");
    EXPECT_EQ(info["length"].toInt(), 9);
    EXPECT_EQ(info["seed"].toInt(), 234567 + 9 * 879 + 729);
    EXPECT_EQ(info["imeslike"].toString(), "T20100103140509");  // SOURCE_DATE_EPOCH
    const auto draws = drawsOf(info);
    ASSERT_EQ(draws.size(), 20u);

    // Replaying the printed draws through the procedures gives the printed
    // palette and parameters.
    test::ScriptedGenerator g(draws);
    PictureState s;
    makepalette(s, g);
    FixedClock clock("01-03-2010", "14:05:09");
    setparams(s, g, clock);
    const QJsonArray palette = info["palette"].toArray();
    ASSERT_EQ(palette.size(), 602);
    for (int k = 0; k < 602; ++k)
        for (int c = 0; c < 3; ++c)
            ASSERT_EQ(palette[k].toArray()[c].toDouble(), s.pal[static_cast<std::size_t>(k)][static_cast<std::size_t>(c + 1)].num());
    const QJsonObject params = info["params"].toObject();
    EXPECT_EQ(params["tip1"].toDouble(), s.tip1.num());
    EXPECT_EQ(params["pozic0"].toDouble(), s.pozic0.num());
    EXPECT_EQ(params["fi0"].toDouble(), s.fi0.num());
    EXPECT_EQ(static_cast<float>(params["r0"].toDouble()), static_cast<float>(s.r0.num()));
    EXPECT_EQ(static_cast<float>(params["fak3"].toDouble()), static_cast<float>(s.fak3.num()));
    EXPECT_EQ(params["korakfi1"].toDouble(), 3e-05);
}

TEST(CliInfo, RepeatableAndDependsOnlyOnLengthAndCodeSum) {
    const auto first = runCli({"info", "ana novak"});
    const auto second = runCli({"info", "ana novak"});
    EXPECT_EQ(first.out, second.out);
    EXPECT_EQ(drawsOf(infoOf({"info", "ab"})), drawsOf(infoOf({"info", "ba"})));
    EXPECT_NE(drawsOf(infoOf({"info", "ab"})), drawsOf(infoOf({"info", "ac"})));
}

TEST(CliInfo, SetOverridesAParameterWithItsWritersKind) {
    const QJsonObject plain = infoOf({"info", "ana novak"});
    const QJsonObject set = infoOf({"info", "ana novak", "--set", "tip1=16", "--set", "fi0=-3", "--set", "pozic0=1e9",
                                    "--set", "r0=0.1"});
    EXPECT_EQ(set["draws"], plain["draws"]);
    EXPECT_EQ(set["params"].toObject()["tip1"].toDouble(), 16);
    EXPECT_EQ(set["params"].toObject()["fi0"].toDouble(), -3);
    EXPECT_EQ(set["params"].toObject()["pozic0"].toDouble(), 1e9);
    // r0 holds a single: 0.1 is stored as the nearest single and printed so.
    const auto r = runCli({"info", "x", "--set", "r0=0.1"});
    EXPECT_NE(r.out.find("\"r0\": 0.1,"), std::string::npos);
    EXPECT_EQ(set["params"].toObject()["tip2"], plain["params"].toObject()["tip2"]);
}

TEST(Cli, MistakesExitWithStatus2AndOneLine) {
    const struct {
        std::vector<std::string> args;
        const char* says;
    } rows[] = {
        {{"info", "Ana"}, "'A' at position 1"},
        {{"info", std::string(101, 'a')}, "101 characters"},
        {{"info"}, "needs a NAME"},
        {{"paint", "ana"}, "unknown command 'paint'"},
        {{}, "no command"},
        {{"info", "ana", "--set", "tip9=1"}, "unknown slot 'tip9'"},
        {{"info", "ana", "--set", "tip1=abc"}, "'abc' is not a number"},
        {{"info", "ana", "--set", "tip1=1.5x"}, "is not a number"},
        {{"info", "ana", "--set", "tip1"}, "SLOT=VALUE"},
        {{"info", "ana", "--set", "r0=1e39"}, "does not fit r0"},
        {{"info", "ana", "--set"}, "--set needs a value"},
        {{"info", "ana", "--frobnicate"}, "unknown option '--frobnicate'"},
        {{"info", "ana", "bob"}, "more than one name"},
        {{"render", "ana"}, "render needs -o FILE"},
        {{"trace", "ana"}, "trace needs --rows"},
        {{"trace", "ana", "--rows", "5-2"}, "--rows needs a range"},
        {{"trace", "ana", "--rows", "0-526"}, "--rows needs a range"},
        {{"trace", "ana", "--rows", "0-1", "--cols", "x-3"}, "--cols needs a range"},
    };
    for (const auto& r : rows) {
        const auto res = runCli(r.args);
        SCOPED_TRACE(res.err);
        EXPECT_EQ(res.status, 2);
        EXPECT_TRUE(res.out.empty());
        EXPECT_NE(res.err.find(r.says), std::string::npos);
        EXPECT_EQ(res.err.find('\n'), res.err.size() - 1);  // one line
    }
}

TEST(Cli, HelpDescribesTheTool) {
    const auto r = runCli({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* word : {"info", "render", "trace", "--set", "tip1", "SOURCE_DATE_EPOCH"})
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
}

}  // namespace
}  // namespace gc
