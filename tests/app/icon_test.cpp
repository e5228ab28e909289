// The icon is cut from a card: it must show the picture, never the caption,
// at exactly the size asked for.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <cstdlib>

#include "app/card.h"
#include "app/icon/icon.h"

namespace {

constexpr QRgb captionColour = 0xFFFF0000;
constexpr QRgb leftColour = 0xFF0000FF;
constexpr QRgb rightColour = 0xFF00FF00;

// A stand-in card: the caption band from its first row down is red, the
// picture above it blue on the left half and green on the right.
QImage standInCard() {
    QImage card(gc::pictureWidth, gc::pictureHeight, QImage::Format_RGB32);
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x)
            card.setPixel(x, y, y >= 490 ? captionColour : x < card.width() / 2 ? leftColour : rightColour);
    return card;
}

TEST(IconSquare, IsASquareOfThePictureAboveTheCaption) {
    const QRect square = gc::icon::iconSquare();
    EXPECT_EQ(square.width(), square.height());
    EXPECT_TRUE(QRect(0, 0, gc::pictureWidth, gc::pictureHeight).contains(square));
    EXPECT_LT(square.bottom(), 490);
    // Centred, so both halves of the card show.
    EXPECT_LE(std::abs(square.center().x() - gc::pictureWidth / 2), 1);
}

TEST(IconImage, EverySizeShowsThePictureAndNoCaption) {
    const QImage card = standInCard();
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon = gc::icon::iconImage(card, size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QColor c = QColor::fromRgba(icon.pixel(x, y));
                ASSERT_EQ(c.alpha(), 255) << x << "," << y;
                ASSERT_EQ(c.red(), 0) << "caption colour at " << x << "," << y;
            }
        EXPECT_EQ(icon.pixel(0, size - 1), leftColour);
        EXPECT_EQ(icon.pixel(size - 1, size - 1), rightColour);
    }
}

}  // namespace
