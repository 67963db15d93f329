#include "effects/harm_fade_core.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <memory>
#include <random>

namespace HarmFade {

RandomSource clockSeededRandom()
{
    const auto seed = std::uint64_t(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    auto engine = std::make_shared<std::mt19937_64>(seed);
    return [engine](qint64 bound) {
        return std::uniform_int_distribution<qint64>(0, bound - 1)(*engine);
    };
}

std::vector<PixelPos> shuffledPixels(int width, int height, const RandomSource &random)
{
    if (width <= 0 || height <= 0)
        return {};
    const RandomSource source = random ? random : clockSeededRandom();
    const qint64 n = qint64(width) * height;

    std::vector<PixelPos> list(static_cast<size_t>(n));
    for (qint64 i = 0; i < n; ++i)
        list[size_t(i)] = PixelPos{int(i / width), int(i % width)};

    for (qint64 j = 0; j < n; ++j) {
        qint64 k = source(n);
        if (k < 0 || k >= n)
            k = (k % n + n) % n;
        std::swap(list[size_t(j)], list[size_t(k)]);
    }
    return list;
}

DissolvePlan planDissolve(qint64 pixels, int disolvRate)
{
    DissolvePlan plan;
    plan.pixels = std::max<qint64>(pixels, 0);
    plan.batchSize = plan.pixels / std::max(disolvRate, 1);
    if (plan.batchSize < 1)
        throw EHarmFade(RateTooHighMessage);
    plan.fullBatches = plan.pixels / plan.batchSize;
    plan.remainder = plan.pixels % plan.batchSize;
    return plan;
}

int clampDisolvRate(int rate, qint64 pixels)
{
    return int(std::max<qint64>(1, std::min<qint64>(rate, pixels)));
}

int clampBlendRate(int rate)
{
    return std::clamp(rate, 1, 255);
}

int blendWeight(int step, int blendRate)
{
    return step * 32 / std::max(blendRate, 1);
}

std::vector<int> blendWeights(int blendRate)
{
    blendRate = std::max(blendRate, 1);
    std::vector<int> weights;
    weights.reserve(size_t(blendRate) + 1);
    for (int e = 0; e <= blendRate; ++e)
        weights.push_back(blendWeight(e, blendRate));
    return weights;
}

void blendBytesReference(const uchar *s, const uchar *t, uchar *d, qsizetype n, int w)
{
    w = std::clamp(w, 0, 32);
    if (w == 0)
        return;
    for (qsizetype i = 0; i < n; ++i)
        d[i] = blendByte(s[i], t[i], w);
}

void blendBytes(const uchar *s, const uchar *t, uchar *d, qsizetype n, int w)
{
    w = std::clamp(w, 0, 32);
    if (w == 0)
        return;
    const quint32 ws = quint32(32 - w);
    const quint32 wt = quint32(w);

    // Bytes 0 and 2 of a word sit in the low byte of a 16-bit lane each
    // (0x00FF00FF), bytes 1 and 3 are moved there from 0xFF00FF00. A lane
    // then holds at most 255 x 32 = 8160, so the sums never reach the next
    // lane; dividing by 32 is a shift by 5, and for the odd bytes the shift
    // back into place (8 - 5 = 3) and the mask do both at once.
    qsizetype i = 0;
    for (; i + 4 <= n; i += 4) {
        quint32 a;
        quint32 b;
        std::memcpy(&a, s + i, 4);
        std::memcpy(&b, t + i, 4);
        const quint32 even = (((a & 0x00FF00FFu) * ws + (b & 0x00FF00FFu) * wt) >> 5) & 0x00FF00FFu;
        const quint32 odd = ((((a & 0xFF00FF00u) >> 8) * ws + ((b & 0xFF00FF00u) >> 8) * wt) << 3) & 0xFF00FF00u;
        const quint32 r = even | odd;
        std::memcpy(d + i, &r, 4);
    }
    for (; i < n; ++i)
        d[i] = blendByte(s[i], t[i], w);
}

static bool sameLayout(const QImage &a, const QImage &b)
{
    return !a.isNull() && a.depth() == 32 && b.depth() == 32 && a.size() == b.size()
        && a.bytesPerLine() == b.bytesPerLine();
}

bool blendImages(const QImage &s, const QImage &t, QImage &d, int w)
{
    if (!sameLayout(s, d) || !sameLayout(t, d))
        return false;
    if (std::clamp(w, 0, 32) == 0)
        return true;
    uchar *dst = d.bits();
    blendBytes(s.constBits(), t.constBits(), dst, d.sizeInBytes(), w);
    return true;
}

bool copyPixels(const QImage &from, QImage &to, std::span<const PixelPos> pixels)
{
    if (!sameLayout(from, to))
        return false;
    const int width = to.width();
    const int height = to.height();
    for (const PixelPos &p : pixels) {
        if (p.row < 0 || p.row >= height || p.col < 0 || p.col >= width)
            continue;
        reinterpret_cast<QRgb *>(to.scanLine(p.row))[p.col] =
            reinterpret_cast<const QRgb *>(from.constScanLine(p.row))[p.col];
    }
    return true;
}

} // namespace HarmFade
