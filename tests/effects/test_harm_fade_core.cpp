#include "effects/harm_fade_core.h"
#include "effects/harm_fade_pictures.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

using HarmFade::PixelPos;

namespace {

// ---- the arithmetic -------------------------------------------------------

TEST(HarmFadeCore, DissolveIsCutIntoEqualBatchesAndOneForTheRest)
{
    struct Row {
        const char *name;
        qint64 pixels;
        int rate;
        qint64 batch, full, rest, repaints;
    };
    const Row rows[] = {
        {"credits panel 185 x 138 at the default rate", 185 * 138, 125, 204, 125, 30, 126},
        {"rate equal to the pixel count", 300, 300, 1, 300, 0, 300},
        {"rate 1", 300, 1, 300, 1, 0, 1},
        {"more batches than the rate", 100, 30, 3, 33, 1, 34},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const HarmFade::DissolvePlan plan = HarmFade::planDissolve(r.pixels, r.rate);
        EXPECT_EQ(plan.batchSize, r.batch);
        EXPECT_EQ(plan.fullBatches, r.full);
        EXPECT_EQ(plan.remainder, r.rest);
        EXPECT_EQ(plan.repaints(), r.repaints);
    }
}

TEST(HarmFadeCore, RateAbovePixelCountIsAnError)
{
    for (auto [pixels, rate] : {std::pair<qint64, int>{300, 301}, {0, 1}}) {
        EXPECT_EQ(errorOf([&] { HarmFade::planDissolve(pixels, rate); }), "DisolvRate cannot be > Width * Height!")
            << pixels << " pixels at rate " << rate;
    }
}

TEST(HarmFadeCore, BlendWeightsRunFromZeroTo32)
{
    EXPECT_EQ(HarmFade::blendWeights(3), (std::vector<int>{0, 10, 21, 32}));
    std::vector<int> all(33);
    for (int i = 0; i <= 32; ++i)
        all[i] = i;
    EXPECT_EQ(HarmFade::blendWeights(32), all);
    EXPECT_EQ(HarmFade::blendWeights(255).back(), 32);
}

TEST(HarmFadeCore, FourBytesAtATimeEqualsThePerByteFormula)
{
    std::mt19937 random(20240607);
    std::uniform_int_distribution<int> byte(0, 255);
    constexpr int Size = 1027; // not a multiple of 4
    std::vector<uchar> s(Size + 3), t(Size + 3), d(Size + 3);
    for (size_t i = 0; i < s.size(); ++i) {
        s[i] = uchar(byte(random));
        t[i] = uchar(byte(random));
        d[i] = uchar(byte(random));
    }
    // The extremes, against each other.
    for (int i = 0; i < 8; ++i) {
        s[i] = (i & 1) ? 255 : 0;
        t[i] = (i & 2) ? 255 : 0;
    }

    for (int offset = 0; offset < 4; ++offset) {
        const qsizetype n = Size - offset;
        for (int w = 0; w <= 32; ++w) {
            std::vector<uchar> fast = d, slow = d;
            HarmFade::blendBytes(s.data() + offset, t.data() + offset, fast.data() + offset, n, w);
            HarmFade::blendBytesReference(s.data() + offset, t.data() + offset, slow.data() + offset, n, w);
            ASSERT_EQ(fast, slow) << "weight " << w << ", offset " << offset;
        }
    }
    // The formula itself, on a few hand-worked bytes.
    EXPECT_EQ(HarmFade::blendByte(255, 0, 10), 175);    // 255 x 22 / 32 = 175.3
    EXPECT_EQ(HarmFade::blendByte(0, 255, 21), 167);    // 255 x 21 / 32 = 167.3
    EXPECT_EQ(HarmFade::blendByte(200, 100, 16), 150);
}

TEST(HarmFadeCore, WeightZeroLeavesTheDisplayAndWeight32MakesItTheTarget)
{
    const QImage s = pattern(13, 7, 1);
    const QImage t = pattern(13, 7, 90);
    const QImage before = pattern(13, 7, 170);

    QImage d = before.copy();
    ASSERT_TRUE(HarmFade::blendImages(s, t, d, 0));
    EXPECT_EQ(d, before);

    ASSERT_TRUE(HarmFade::blendImages(s, t, d, 32));
    EXPECT_EQ(d, t);

    // Bitmaps that do not match are refused and left alone.
    QImage other = before.copy();
    EXPECT_FALSE(HarmFade::blendImages(pattern(12, 7, 1), t, other, 16));
    EXPECT_EQ(other, before);
}

TEST(HarmFadeCore, ShuffledOrderHoldsEveryPixelOnce)
{
    const int w = 185, h = 138;
    const std::vector<PixelPos> order = HarmFade::shuffledPixels(w, h, HarmFade::clockSeededRandom());
    ASSERT_EQ(order.size(), size_t(w * h));
    std::vector<bool> seen(size_t(w * h));
    for (const PixelPos &p : order) {
        ASSERT_TRUE(p.row >= 0 && p.row < h && p.col >= 0 && p.col < w) << p.row << "," << p.col;
        ASSERT_FALSE(seen[size_t(p.row * w + p.col)]) << "twice: " << p.row << "," << p.col;
        seen[size_t(p.row * w + p.col)] = true;
    }
    EXPECT_TRUE(HarmFade::shuffledPixels(0, 5, {}).empty());
}

TEST(HarmFadeCore, EveryPositionIsSwappedWithOneDrawnFromTheWholeList)
{
    // 3 x 2 pixels, filled row by row, then position j swapped with k[j].
    const std::vector<qint64> draws = {5, 0, 4, 1, 3, 2};
    std::vector<qint64> bounds;
    size_t next = 0;
    const auto order = HarmFade::shuffledPixels(3, 2, [&](qint64 bound) {
        bounds.push_back(bound);
        return draws[next++];
    });
    EXPECT_EQ(bounds, std::vector<qint64>(6, 6));
    const std::vector<PixelPos> expected = {{0, 1}, {1, 0}, {0, 0}, {0, 2}, {1, 2}, {1, 1}};
    EXPECT_EQ(order, expected);
}

}  // namespace
