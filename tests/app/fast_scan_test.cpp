#include <gtest/gtest.h>

#include <QImage>

#include <set>

#include "app/card.h"
#include "runtime/clock.h"
#include "runtime/image_surface.h"

namespace gc {
namespace {

// The same surface without pixel access: a card drawn on it takes the plain
// scan, one position after another, each stroke drawn as it comes. That is
// the definition the fast scan must match.
class PlainSurface final : public Surface {
public:
    ImageSurface image{700, 525};
    int width() const override { return image.width(); }
    int height() const override { return image.height(); }
    void clear(Rgb c) override { image.clear(c); }
    void drawLine(float x1, float y1, float x2, float y2, Rgb c) override { image.drawLine(x1, y1, x2, y2, c); }
    void print(int x, int y, int points, Rgb c, std::string_view t) override { image.print(x, y, points, c, t); }
    Rgb point(int x, int y) const override { return image.point(x, y); }
    void setPoint(int x, int y, Rgb c) override { image.setPoint(x, y, c); }
};

class Given final : public NameDialog {
public:
    explicit Given(std::string n) : name(std::move(n)) {}
    std::string ask(const std::string&) override { return name; }
    std::string name;
};

std::vector<ParamSetting> settings(const std::vector<std::string>& texts) {
    std::vector<ParamSetting> out;
    for (const auto& t : texts) out.push_back(*parseParamSetting(t).setting);
    return out;
}

struct Drawn {
    QImage image;
    PictureState state;
};

// `pictures` passes in a row: from the second on, a picture starts from the
// slots the one before left.
Drawn draw(Surface& picture, ImageSurface& shown, const std::string& name, const std::vector<std::string>& set,
           int threads, int pictures, Host* host = nullptr) {
    ImageSurface copy(700, 525);
    NoWindow window;
    NoYield noYield;
    Given dialog(name);
    FixedClock clock("01-03-2010", "14:05:09");
    Card card(Platform{picture, copy, window, host ? *host : noYield, dialog, clock});
    card.setThreads(threads);
    card.setOverrides(settings(set));
    card.setup();
    card.askname();
    card.makepalette();
    for (int k = 0; k < pictures; ++k) card.newpicture();
    return {shown.image(), card.state()};
}

void expectSameSlots(const PictureState& a, const PictureState& b) {
    for (auto slot : {&PictureState::i, &PictureState::j, &PictureState::x, &PictureState::y, &PictureState::fi1,
                      &PictureState::fit, &PictureState::r, &PictureState::fi, &PictureState::ba, &PictureState::re,
                      &PictureState::gr, &PictureState::bl, &PictureState::barva})
        EXPECT_EQ(a.*slot, b.*slot);
}

void expectSamePicture(const std::string& name, const std::vector<std::string>& set) {
    PlainSurface plain;
    const Drawn reference = draw(plain, plain.image, name, set, 1, 2);
    for (int threads : {2, 3}) {
        SCOPED_TRACE(threads);
        ImageSurface fast(700, 525);
        const Drawn got = draw(fast, fast, name, set, threads, 2);
        EXPECT_TRUE(got.image == reference.image);
        expectSameSlots(got.state, reference.state);
    }
}

// Every base variant with every channel and colour-index variant.
class EveryVariant : public ::testing::TestWithParam<int> {};

TEST_P(EveryVariant, FastPictureIsThePlainOne) {
    const int tip1 = GetParam();
    for (int tip2 = 1; tip2 <= 3; ++tip2) {
        for (int tip3 = 1; tip3 <= 4; ++tip3) {
            SCOPED_TRACE("tip2=" + std::to_string(tip2) + " tip3=" + std::to_string(tip3));
            PlainSurface plain;
            const std::vector<std::string> set = {"tip1=" + std::to_string(tip1), "tip2=" + std::to_string(tip2),
                                                  "tip3=" + std::to_string(tip3)};
            const Drawn reference = draw(plain, plain.image, "ana novak", set, 1, 1);
            ImageSurface fast(700, 525);
            const Drawn got = draw(fast, fast, "ana novak", set, 2, 1);
            EXPECT_TRUE(got.image == reference.image);
            expectSameSlots(got.state, reference.state);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BaseVariants, EveryVariant, ::testing::Range(1, 16));

TEST(FastScan, NamesAndInheritedValuesAcrossChunks) {
    const struct {
        const char* name;
        std::vector<std::string> set;
    } rows[] = {
        {"", {}},
        {"janez novak", {}},
        {"zzzzzzzzzz", {"pozic0=1e9"}},  // palette rows out of range: black strokes
        // fit is exactly 0 at every position: colour-index variant 3 fails
        // everywhere and barva keeps the previous picture's value throughout.
        {"ana", {"tip3=3", "fi0=0", "korakfi1=0"}},
        // fit reaches exactly 0 at the first position of a row, where chunks
        // begin: one failing position right at a chunk's start.
        {"ana", {"tip3=3", "korakfi1=1", "fi0=-45566"}},
        {"ana", {"tip3=3", "korakfi1=1", "fi0=-91832"}},
        {"ana", {"tip3=3", "korakfi1=1", "fi0=-138098"}},
        {"ana", {"tip3=3", "korakfi1=1", "fi0=-184364"}},
        // The centre on the origin: fi fails at x = 0 on every row.
        {"ana", {"r0=0", "tip1=2"}},
        {"ana", {"tip1=0", "tip2=-3", "tip3=1e9"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        expectSamePicture(r.name, r.set);
    }
}

// A window that shows the picture at some yields only, and keeps what it
// showed. In between, the fast scan holds strokes back and draws them in
// batches of differing sizes.
class ShowsAtSomeRows final : public Host {
public:
    ShowsAtSomeRows(const ImageSurface& picture, std::set<int> rows) : picture_(picture), rows_(std::move(rows)) {}
    bool showsPictureAtNextYield() const override { return rows_.count(yields_) > 0; }
    void yieldToEvents() override {
        if (rows_.count(yields_)) shown.push_back(picture_.image().copy());
        ++yields_;
    }
    std::vector<QImage> shown;

private:
    const ImageSurface& picture_;
    std::set<int> rows_;
    int yields_ = 0;
};

TEST(FastScan, PictureShownBetweenRowsHoldsEveryRowAbove) {
    const std::set<int> rows{0, 1, 2, 3, 40, 41, 47, 160, 161, 300, 301, 302, 420, 525};
    PlainSurface plain;
    ShowsAtSomeRows plainHost(plain.image, rows);
    const Drawn reference = draw(plain, plain.image, "zoe", {}, 1, 1, &plainHost);
    ImageSurface fast(700, 525);
    ShowsAtSomeRows fastHost(fast, rows);
    const Drawn got = draw(fast, fast, "zoe", {}, 2, 1, &fastHost);
    ASSERT_EQ(fastHost.shown.size(), rows.size());
    for (std::size_t k = 0; k < rows.size(); ++k) {
        SCOPED_TRACE(*std::next(rows.begin(), static_cast<long>(k)));
        EXPECT_TRUE(fastHost.shown[k] == plainHost.shown[k]);
    }
    EXPECT_TRUE(got.image == reference.image);
}

}  // namespace
}  // namespace gc
