#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "runtime/generator.h"
#include "seed/name.h"

namespace gc {
namespace {

TEST(Seed, TableOfNames) {
    const struct {
        std::string name;
        std::int32_t seed;
    } rows[] = {
        {"", 234567},
        {" ", 234567 + 32 + 1},
        {"  ", 234567 + 128 + 8},
        {"ab", 234567 + 390 + 8},
        {"ba", 234567 + 390 + 8},
        {std::string(100, 'z'), 234567 + 100 * (100 * 122) + 100 * 100 * 100},
        {"ana novak", 234567 + 9 * 879 + 729},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE("'" + r.name + "'");
        EXPECT_TRUE(isAcceptableName(r.name));
        EXPECT_EQ(nameSeed(r.name), r.seed);
    }
}

TEST(NameRules, WhatIsAcceptedAndWhy) {
    const struct {
        std::string name;
        bool accepted;
        const char* problemContains;
    } rows[] = {
        {"ana novak", true, ""},
        {"   ", true, ""},
        {std::string(100, 'a'), true, ""},
        {std::string(101, 'a'), false, "101 characters"},
        {"Ana", false, "'A' at position 1"},
        {"ana2", false, "'2' at position 4"},
        {"ana-novak", false, "'-'"},
        {"ana.", false, "'.'"},
        {"ana\tnovak", false, "U+0009"},
        {"\xC4\x8D" "ana", false, "U+010D"},  // c with caron
        {std::string(105, ' '), false, "105 characters"},
        {"ana\xff", false, "U+FFFD"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE("'" + r.name + "'");
        const auto problem = nameProblem(r.name);
        EXPECT_EQ(!problem, r.accepted);
        if (problem) EXPECT_NE(problem->find(r.problemContains), std::string::npos) << *problem;
    }
}

TEST(NameRules, CharactersAreCountedNotBytes) {
    // 50 two-byte letters are 100 characters: too long only past 100.
    std::string caron;
    for (int k = 0; k < 50; ++k) caron += "\xC5\xA1";
    EXPECT_EQ(nameCharacters(caron).size(), 50u);
    EXPECT_EQ(nameProblem(caron)->find("characters"), std::string::npos);  // rejected for the letter
}

class ScriptedDialog final : public NameDialog {
public:
    explicit ScriptedDialog(std::deque<std::string> answers) : answers_(std::move(answers)) {}
    std::string ask(const std::string& prompt) override {
        prompts.push_back(prompt);
        std::string a = answers_.front();
        answers_.pop_front();
        return a;
    }
    std::vector<std::string> prompts;

private:
    std::deque<std::string> answers_;
};

TEST(Askname, AsksAgainUntilANameIsAccepted) {
    PictureState s;
    s.t1 = "enter your name and surname";
    s.t2 = "small letters";
    ScriptedDialog dialog({"Ana", std::string(101, 'a'), "ana 9", "ba"});
    MersenneGenerator gen;
    askname(s, dialog, gen);
    EXPECT_EQ(dialog.prompts.size(), 4u);
    EXPECT_EQ(dialog.prompts[0], "enter your name and surname\rsmall letters");
    EXPECT_EQ(s.t, "ba");
    EXPECT_EQ(s.dolz, Value::i32(2));
    EXPECT_EQ(s.seed, Value::i32(234567 + 390 + 8));
    // Codes of the rejected "ana 9" beyond the accepted name stay behind.
    EXPECT_EQ(s.kode[1], 'b');
    EXPECT_EQ(s.kode[2], 'a');
    EXPECT_EQ(s.kode[3], 'a');
    EXPECT_EQ(s.kode[5], '9');
}

TEST(Askname, CancelIsTheEmptyNameAndTheGeneratorDependsOnlyOnTheSeed) {
    PictureState s;
    ScriptedDialog dialog({"", "ab"});
    MersenneGenerator a, b;
    for (int k = 0; k < 37; ++k) b.next();  // whatever came before
    askname(s, dialog, a);
    EXPECT_EQ(s.t, "");
    EXPECT_EQ(s.dolz, Value::i32(0));
    EXPECT_EQ(s.seed, Value::i32(234567));

    PictureState s2;
    ScriptedDialog again({"ba"});
    askname(s, dialog, a);   // "ab"
    askname(s2, again, b);  // "ba": the same seed
    for (int k = 0; k < 20; ++k) ASSERT_EQ(a.next(), b.next());
}

}  // namespace
}  // namespace gc
