#pragma once

#include <QImage>
#include <QtGlobal>

#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// The arithmetic of the fade panel (THarmFade): the shuffled order in which a
// dissolve replaces the pixels, how the pixels are cut into batches, the
// direct pixel copy, and the weighted blend of the cross-fade. Nothing here
// needs a widget.

// The fade panel's own error kind.
class EHarmFade : public std::runtime_error {
public:
    explicit EHarmFade(const std::string &message) : std::runtime_error(message) {}
};

namespace HarmFade {

// The message of a dissolve whose rate leaves batches of no pixels.
inline constexpr const char *RateTooHighMessage = "DisolvRate cannot be > Width * Height!";

// One pixel of the picture.
struct PixelPos {
    int row = 0;
    int col = 0;
    friend bool operator==(const PixelPos &, const PixelPos &) = default;
};

// A source of random numbers: given a bound n > 0 it returns a number in
// 0 .. n - 1. Values outside that range are folded back into it.
using RandomSource = std::function<qint64(qint64 bound)>;

// A uniform source seeded from the clock; every call of this function gives a
// source with a fresh seed.
RandomSource clockSeededRandom();

// The order in which a dissolve replaces the pixels of a width x height
// picture: the list is filled row by row (entry i is row i / width, column
// i % width), then every position j = 0 .. N - 1 is swapped with a position
// drawn from the whole list (random(N)), not only from the part not yet
// visited. Every pixel appears exactly once. Empty for an empty size.
std::vector<PixelPos> shuffledPixels(int width, int height, const RandomSource &random);

// How a dissolve of `pixels` pixels at a rate of `disolvRate` batches is cut:
// batches of pixels / disolvRate pixels, as many as fit, and the rest in one
// last, smaller batch. The picture is repainted after every batch.
struct DissolvePlan {
    qint64 pixels = 0;      // N
    qint64 batchSize = 0;   // B = N / rate
    qint64 fullBatches = 0; // N / B
    qint64 remainder = 0;   // N % B, the last batch (none when 0)

    qint64 repaints() const { return fullBatches + (remainder > 0 ? 1 : 0); }
};

// Throws EHarmFade(RateTooHighMessage) when the rate exceeds the number of
// pixels (a batch would hold no pixel). A rate below 1 counts as 1.
DissolvePlan planDissolve(qint64 pixels, int disolvRate);

// The stored value of DisolvRate: kept in 1 .. pixels (1 when there are no
// pixels at all).
int clampDisolvRate(int rate, qint64 pixels);
// The stored value of BlendRate: kept in 1 .. 255.
int clampBlendRate(int rate);

// The weight (0 .. 32) of cross-fade step `step` (0 .. blendRate):
// step x 32 / blendRate.
int blendWeight(int step, int blendRate);
// The weights of all blendRate + 1 steps, from 0 to 32.
std::vector<int> blendWeights(int blendRate);

// One byte of a blend with weight w (0 .. 32): (s x (32 - w) + t x w) / 32.
constexpr uchar blendByte(uchar s, uchar t, int w)
{
    return uchar((unsigned(s) * unsigned(32 - w) + unsigned(t) * unsigned(w)) / 32);
}

// Blends n bytes of s and t into d with weight w, clamped to 0 .. 32. Weight
// 0 writes nothing (d keeps what it holds). blendBytes works on four bytes at
// a time, two bytes per 32-bit lane; blendBytesReference one byte at a time.
// Both give the same result, for any alignment and any n.
void blendBytes(const uchar *s, const uchar *t, uchar *d, qsizetype n, int w);
void blendBytesReference(const uchar *s, const uchar *t, uchar *d, qsizetype n, int w);

// Blends the whole pixel memory of two images into a third with weight w.
// All three must be 32 bits per pixel, of the same size and row length;
// otherwise nothing is written and the result is false.
bool blendImages(const QImage &s, const QImage &t, QImage &d, int w);

// Copies the listed pixels from one image into another, straight through
// their row memory. Both must be 32 bits per pixel and of the same size;
// otherwise nothing is copied and the result is false. Positions outside the
// images are skipped.
bool copyPixels(const QImage &from, QImage &to, std::span<const PixelPos> pixels);

} // namespace HarmFade
