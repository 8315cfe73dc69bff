#include "skin/fcImageForm.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

struct Strip {
    const char* name;
    QSize button;
};

// The main window's buttons and the size of each one's image.
const Strip kStrips[] = {
    {"btn_prev.png", {15, 28}},   {"btn_next.png", {15, 28}},    {"btn_play.png", {35, 28}},
    {"btn_pause.png", {35, 18}},  {"btn_stop.png", {35, 18}},    {"btn_repeat.png", {29, 21}},
    {"btn_random.png", {29, 21}}, {"btn_playall.png", {29, 21}}, {"btn_volup.png", {27, 11}},
    {"btn_mute.png", {27, 11}},   {"btn_voldown.png", {27, 11}}, {"btn_catalog.png", {27, 11}},
    {"btn_org.png", {16, 16}},    {"btn_full.png", {16, 16}},    {"btn_hide.png", {16, 16}},
    {"btn_exit.png", {16, 16}},
};

QImage Art(const QString& name) {
    return QImage(":/art/" + name);
}

int CountOf(const QImage& img, const QRect& r, QRgb colour) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += (img.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

// Each strip holds three images of the button's size; its key colour only
// clips the corners, so no hole opens inside a button.
TEST(Artwork, ButtonStripsHoldThreeImagesOfTheButtonsSize) {
    for (const Strip& s : kStrips) {
        const QImage strip = Art(s.name);
        ASSERT_FALSE(strip.isNull()) << s.name;
        EXPECT_EQ(strip.size(), QSize(3 * s.button.width(), s.button.height())) << s.name;
        EXPECT_FALSE(strip.hasAlphaChannel()) << s.name;
        const QRgb key = strip.pixel(0, strip.height() - 1);
        for (int i = 0; i < 3; ++i) {
            const QRect image(i * s.button.width(), 0, s.button.width(), s.button.height());
            EXPECT_LE(CountOf(strip, image, key), 12) << s.name << " image " << i;
            EXPECT_EQ(CountOf(strip, image.adjusted(2, 2, -2, -2), key), 0) << s.name;
        }
        // The rest and pressed images differ.
        EXPECT_NE(strip.copy(0, 0, s.button.width(), s.button.height()),
                  strip.copy(2 * s.button.width(), 0, s.button.width(), s.button.height()))
            << s.name;
    }
}

TEST(Artwork, SliderGlyphsAndPictures) {
    for (const char* name :
         {"slider_normal.png", "slider_enter.png", "slider_down.png", "slider_inactive.png"}) {
        const QImage glyph = Art(name);
        EXPECT_EQ(glyph.size(), QSize(24, 14)) << name;
        EXPECT_EQ(glyph.pixelColor(0, 13), QColor(174, 165, 141)) << name;
        EXPECT_EQ(CountOf(glyph, QRect(2, 2, 20, 10), glyph.pixel(0, 13)), 0) << name;
    }
    EXPECT_EQ(Art("logo.png").size(), QSize(320, 252));
    EXPECT_EQ(Art("caption.png").size(), QSize(215, 17));
    EXPECT_EQ(Art("nopicture.png").size(), QSize(121, 95));
    const QImage hand = Art("handpoint.png");
    EXPECT_TRUE(hand.hasAlphaChannel());
    EXPECT_GT(qAlpha(hand.pixel(6, 1)), 0); // the finger tip at the hot spot
}

// Every control of the main window lies on opaque skin.
TEST(Artwork, SkinIsOpaqueUnderEveryControl) {
    const QRegion shape = BuildSkinRegion(Art("skin.png"), 0x001F1F00);
    const QRect controls[] = {
        {92, 16, 117, 13},  {26, 44, 42, 13},  {92, 44, 44, 13},  {166, 44, 44, 13},
        {10, 75, 260, 3},   {245, 38, 27, 11}, {245, 49, 27, 11}, {245, 60, 27, 11},
        {292, 45, 147, 14}, {287, 61, 29, 21}, {333, 61, 29, 21}, {375, 61, 29, 21},
        {468, 41, 16, 16},  {468, 60, 16, 16}, {477, 17, 27, 11}, {511, 38, 15, 28},
        {526, 20, 35, 18},  {526, 38, 35, 28}, {526, 66, 35, 18}, {561, 38, 15, 28},
        {585, 3, 16, 16},   {603, 3, 16, 16},  {284, 6, 47, 15},  {335, 6, 25, 15},
        {362, 6, 25, 15},   {392, 6, 65, 15},  {608, 52, 15, 13}, {608, 68, 15, 13},
        {218, 14, 54, 49},
    };
    for (const QRect& r : controls)
        EXPECT_EQ(shape.intersected(r), QRegion(r)) << r.x() << "," << r.y();
}

} // namespace
