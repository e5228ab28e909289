#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <cstdlib>
#include <iostream>

#include "app/headless.h"
#include "output/greeting.h"

namespace gc {
namespace {

std::string pixelDigest(const QImage& image) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (int y = 0; y < image.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 4));
    return hash.result().toHex().left(16).toStdString();
}

QImage renderCard(const std::string& name, std::vector<ParamSetting> settings = {}) {
    HeadlessCard headless(name, std::move(settings));
    EXPECT_TRUE(headless.card().newpicture());
    return headless.picture().image();
}

// Whole-picture digests. They change only when the picture deliberately
// changes; then run with GREETCARD_PRINT_GOLDEN=1 to print the new ones.
TEST(CardRender, GoldenPictures) {
    const struct {
        const char* name;
        const char* digest;
    } rows[] = {
        {"ana novak", "48cf8e54c903da51"},
        {"", "218d8bdb56a7aeb9"},
        {"zzzzzzzzzzzzzzzzzzzz zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz", "9ecac5fe35c17768"},
        {"janez", "bebd34eb46dd2664"},
    };
    const bool print = std::getenv("GREETCARD_PRINT_GOLDEN") != nullptr;
    for (const auto& r : rows) {
        const std::string got = pixelDigest(renderCard(r.name));
        if (print) std::cout << "{\"" << r.name << "\", \"" << got << "\"},\n";
        EXPECT_EQ(got, r.digest) << "'" << r.name << "'";
    }
}

TEST(CardRender, SameNameSamePictureAndRearrangedLettersToo) {
    EXPECT_EQ(renderCard("ana novak"), renderCard("ana novak"));
    // The captions differ by the name; the painting above them does not.
    const QRect above(0, 0, 700, 489);
    EXPECT_EQ(renderCard("ab").copy(above), renderCard("ba").copy(above));
    EXPECT_NE(renderCard("ab").copy(above), renderCard("ac").copy(above));
}

TEST(CardRender, CaptionIsWrittenOnceOverThePicture) {
    HeadlessCard headless("ana novak");
    headless.card().newpicture();
    const QImage& image = headless.picture().image();
    // White text pixels appear in the caption band and not above it at the
    // caption's left, where strokes seldom give pure white.
    int white = 0;
    for (int y = 490; y < 512; ++y)
        for (int x = 10; x < 300; ++x) white += (image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
    EXPECT_GT(white, 100);
    EXPECT_EQ(captionText("ana"), "ana, zelim ti veliko srece v letu 2010      www.greetcard.example");
    EXPECT_EQ(captionText(""), ", zelim ti veliko srece v letu 2010      www.greetcard.example");
}

}  // namespace
}  // namespace gc

namespace gc {
namespace {

TEST(PrintScale, ScaleOneIsTodaysCardAndLargerScalesKeepThePicture) {
    HeadlessCard plain("ana novak");
    plain.card().newpicture();
    // A scaled surface at 1 draws through the plain scan; it must be the same.
    HeadlessCard one("ana novak", {}, 1);
    one.card().newpicture();
    EXPECT_TRUE(one.image() == plain.image());

    HeadlessCard four("ana novak", {}, 4);
    four.card().newpicture();
    ASSERT_EQ(four.image().size(), QSize(2800, 2100));
    // Shrunk back, most of the picture above the caption agrees with the card.
    const QImage small = four.image().scaled(700, 525, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    long same = 0, all = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 700; ++x, ++all) same += small.pixel(x, y) == plain.image().pixel(x, y);
    EXPECT_GT(same, all * 6 / 10);
}

TEST(PrintScale, WideLinesAreSideBySideCopies) {
    std::vector<std::uint32_t> px(40 * 40, 0);
    const PixelBuffer buf{px.data(), 40, 40, 40};
    rasterWideLine(buf, IntLine{5, 20, 30, 22}, 3, 1);  // mostly horizontal: three rows thick
    long lit = 0;
    for (auto p : px) lit += p;
    EXPECT_EQ(lit, 3 * 26);
    EXPECT_EQ(px[19 * 40 + 5] + px[20 * 40 + 5] + px[21 * 40 + 5], 3u);
}

}  // namespace
}  // namespace gc
