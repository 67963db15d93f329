#include "effects/harm_fade.h"
#include "effects/harm_fade_pictures.h"
#include "support/core_test_support.h"

#include <QCoreApplication>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

namespace {

QImage rgb32(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

bool solid(const QImage &image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & RGB_MASK) != (colour & RGB_MASK))
                return false;
    return !image.isNull();
}

// ---- the panel ------------------------------------------------------------

// Records what a run of a panel raises, with the display after every repaint.
struct Recorder {
    explicit Recorder(THarmFade &fade) : fade(fade)
    {
        fade.OnBegin.bind([this] { log.push_back("begin"); });
        fade.OnEnd.bind([this] { log.push_back("end"); });
        fade.OnRepaint.bind([this] {
            log.push_back("repaint");
            snapshots.push_back(this->fade.displayImage().copy());
        });
    }
    int count(const std::string &what) const { return int(std::count(log.begin(), log.end(), what)); }

    THarmFade &fade;
    std::vector<std::string> log;
    std::vector<QImage> snapshots;
};

TEST(HarmFade, DefaultsOfTheControl)
{
    THarmFade fade;
    EXPECT_EQ(fade.size(), QSize(75, 75));
    EXPECT_EQ(fade.ColorFrom(), 0x000000u);
    EXPECT_EQ(fade.ColorTo(), 0xFFFFFFu);
    EXPECT_EQ(fade.DisolvRate(), 125);
    EXPECT_EQ(fade.BlendRate(), 32);
    EXPECT_TRUE(fade.StretchToFit());
    EXPECT_FALSE(fade.ProcessMsgs());
    EXPECT_FALSE(fade.AutoReverse());
    EXPECT_TRUE(fade.SwapOnReverse());
    EXPECT_EQ(fade.SwapDelay(), 1);
    EXPECT_TRUE(solid(fade.displayImage(), qRgb(0, 0, 0)));
    EXPECT_TRUE(solid(fade.targetImage(), qRgb(255, 255, 255)));
}

TEST(HarmFade, CreditsPanelDissolvesIn125BatchesOf204AndOneOf30)
{
    THarmFade fade;
    fade.setObjectName(QStringLiteral("hfFade1"));
    fade.resize(185, 138);
    const QImage cell = pattern(185, 138, 3);
    fade.setPicFrom(fade.PicTo()); // as the credits page does: both empty on the first tick
    fade.setPicTo(cell);
    EXPECT_TRUE(solid(fade.displayImage(), qRgb(0, 0, 0))) << "an empty PicFrom shows ColorFrom";

    Recorder rec(fade);
    QImage previous = fade.displayImage().copy();
    std::vector<int> batches;
    fade.OnRepaint.bind([&] {
        rec.log.push_back("repaint");
        batches.push_back(differingPixels(previous, fade.displayImage()));
        previous = fade.displayImage().copy();
    });
    fade.Dissolve();

    std::vector<int> expected(125, 204);
    expected.push_back(30);
    EXPECT_EQ(batches, expected);
    EXPECT_EQ(fade.lastRunSteps(), 126);
    ASSERT_EQ(rec.log.size(), 128u);
    EXPECT_EQ(rec.log.front(), "begin");
    EXPECT_EQ(rec.log.back(), "end");
    EXPECT_EQ(rgb32(fade.displayImage()), cell);
}

TEST(HarmFade, RepaintsFollowTheRate)
{
    struct Row {
        const char *name;
        int w, h, rate, repaints;
    };
    const Row rows[] = {
        {"one pixel per batch", 20, 15, 300, 300},
        {"one batch", 20, 15, 1, 1},
        {"uneven batches", 10, 10, 30, 34},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        THarmFade fade;
        fade.resize(r.w, r.h);
        fade.setDisolvRate(r.rate);
        fade.setPicFrom(pattern(r.w, r.h, 11));
        fade.setPicTo(pattern(r.w, r.h, 77));
        Recorder rec(fade);

        fade.Dissolve();
        EXPECT_EQ(rec.count("repaint"), r.repaints);
        EXPECT_EQ(rgb32(fade.displayImage()), pattern(r.w, r.h, 77));
        if (r.repaints == 1) {
            EXPECT_EQ(rgb32(rec.snapshots.front()), pattern(r.w, r.h, 77));
        }

        // A second run goes the same way, from the reset PicFrom.
        fade.Dissolve();
        EXPECT_EQ(rec.count("repaint"), 2 * r.repaints);
        EXPECT_EQ(rgb32(fade.displayImage()), pattern(r.w, r.h, 77));
    }
}

TEST(HarmFade, RateAbovePixelCountFailsBeforeAnythingIsDrawn)
{
    THarmFade fade;
    fade.resize(185, 138);
    fade.setDisolvRate(185 * 138);
    fade.resize(100, 100); // smaller than the rate now
    fade.setPicFrom(pattern(100, 100, 5));
    fade.setPicTo(pattern(100, 100, 50));
    Recorder rec(fade);

    EXPECT_EQ(errorOf([&] { fade.Dissolve(); }), "DisolvRate cannot be > Width * Height!");
    EXPECT_TRUE(rec.log.empty()) << "no OnBegin, no repaint, no OnEnd";
    EXPECT_EQ(rgb32(fade.displayImage()), pattern(100, 100, 5));
    EXPECT_FALSE(fade.running());

    // The panel is still usable once the rate fits.
    fade.setDisolvRate(10);
    fade.Dissolve();
    EXPECT_EQ(rgb32(fade.displayImage()), pattern(100, 100, 50));
}

TEST(HarmFade, RatesAreKeptInTheirRanges)
{
    struct Row {
        int set, disolv, blend;
    };
    const Row rows[] = {
        {-7, 1, 1}, {0, 1, 1}, {1, 1, 1}, {255, 255, 255}, {256, 256, 255}, {1000, 1000, 255}, {INT_MAX, 1200, 255},
    };
    THarmFade fade;
    fade.resize(40, 30);
    for (const Row &r : rows) {
        fade.setDisolvRate(r.set);
        fade.setBlendRate(r.set);
        EXPECT_EQ(fade.DisolvRate(), r.disolv) << "set " << r.set;
        EXPECT_EQ(fade.BlendRate(), r.blend) << "set " << r.set;
    }
}

TEST(HarmFade, PicturesAreScaledToThePanel)
{
    THarmFade fade;
    fade.resize(4, 4);
    QImage small(2, 2, QImage::Format_RGB32);
    small.setPixel(0, 0, qRgb(255, 0, 0));
    small.setPixel(1, 0, qRgb(0, 255, 0));
    small.setPixel(0, 1, qRgb(0, 0, 255));
    small.setPixel(1, 1, qRgb(9, 9, 9));
    fade.setPicFrom(small);

    const QImage shown = rgb32(fade.displayImage());
    ASSERT_EQ(shown.size(), QSize(4, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(shown.pixel(x, y), small.pixel(x / 2, y / 2)) << x << "," << y;
}

TEST(HarmFade, ColourShowsBehindAnIconAndForAnEmptyPicture)
{
    THarmFade fade;
    fade.resize(4, 4);
    fade.setColorFrom(0x0000FF); // 0x00BBGGRR: red
    EXPECT_TRUE(solid(fade.displayImage(), qRgb(255, 0, 0)));

    QImage icon(2, 2, QImage::Format_ARGB32);
    icon.fill(qRgba(0, 0, 255, 255));
    icon.setPixel(1, 0, qRgba(0, 0, 0, 0));
    fade.setPicFrom(TPicture::fromImage(icon, TPicture::Kind::Icon));

    const QImage shown = rgb32(fade.displayImage());
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(shown.pixel(x, y), (x >= 2 && y < 2) ? qRgb(255, 0, 0) : qRgb(0, 0, 255)) << x << "," << y;
}

TEST(HarmFade, UnscaledPanelTakesThePictureSize)
{
    const QImage from = pattern(7, 5, 1);
    const QImage to = pattern(4, 9, 2);
    struct Row {
        const char *name;
        bool withFrom, withTo;
        QSize size;
    };
    const Row rows[] = {
        {"neither", false, false, QSize(30, 20)},
        {"only PicFrom", true, false, QSize(7, 5)},
        {"only PicTo", false, true, QSize(4, 9)},
        {"both", true, true, QSize(7, 5)},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        THarmFade fade;
        fade.resize(30, 20);
        fade.setStretchToFit(false);
        if (r.withFrom)
            fade.setPicFrom(from);
        if (r.withTo)
            fade.setPicTo(to);

        EXPECT_EQ(fade.size(), r.size);
        const QImage display = rgb32(fade.displayImage());
        const QImage target = rgb32(fade.targetImage());
        EXPECT_EQ(display.size(), r.size);
        EXPECT_EQ(target.size(), r.size);
        if (r.withFrom)
            EXPECT_EQ(display, from);
        else
            EXPECT_TRUE(solid(display, qRgb(0, 0, 0)));
        if (r.withTo && !r.withFrom) {
            EXPECT_EQ(target, to);
        } else if (r.withTo) { // scaled onto PicFrom's size
            EXPECT_EQ(target.pixel(0, 0), to.pixel(0, 0));
            EXPECT_EQ(target.pixel(6, 4), to.pixel(3, 8));
        } else {
            EXPECT_TRUE(solid(target, qRgb(255, 255, 255)));
        }
    }
}

TEST(HarmFade, AutoReverseRunsBackToTheFirstPicture)
{
    struct Row {
        const char *name;
        bool crossFade, stretch;
        int returnRepaints;
    };
    // 12 x 10 at rate 10: 10 batches of 12; the cross-fade has BlendRate + 1 steps.
    const Row rows[] = {
        {"cross-fade", true, true, 5},
        {"reverse dissolve", false, true, 10},
        {"cross-fade, unscaled panel", true, false, 5},
        {"reverse dissolve, unscaled panel", false, false, 10},
    };
    const QImage first = pattern(12, 10, 21);
    const QImage second = pattern(12, 10, 142);
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        THarmFade fade;
        fade.resize(12, 10);
        fade.setStretchToFit(r.stretch);
        fade.setColorFrom(0x112233);
        fade.setColorTo(0x445566);
        fade.setDisolvRate(10);
        fade.setBlendRate(4);
        fade.setAutoReverse(true);
        fade.setSwapOnReverse(r.crossFade);
        fade.setSwapDelay(0);
        fade.setPicFrom(first);
        fade.setPicTo(second);
        Recorder rec(fade);

        fade.Dissolve();

        ASSERT_EQ(rec.count("repaint"), 10 + r.returnRepaints);
        EXPECT_EQ(rec.log.front(), "begin");
        EXPECT_EQ(rec.log.back(), "end");
        EXPECT_EQ(rec.count("begin"), 1);
        EXPECT_EQ(rgb32(rec.snapshots[9]), second) << "the forward run reached PicTo";
        EXPECT_EQ(rgb32(rec.snapshots.back()), first) << "the return run reached PicFrom";
        if (r.crossFade) {
            // Step weights 0, 8, 16, 24, 32 over the start copy (PicTo) and PicFrom.
            const QImage half = rgb32(rec.snapshots[12]);
            const QRgb a = second.pixel(5, 5), b = first.pixel(5, 5);
            EXPECT_EQ(half.pixel(5, 5), qRgb(HarmFade::blendByte(qRed(a), qRed(b), 16),
                                             HarmFade::blendByte(qGreen(a), qGreen(b), 16),
                                             HarmFade::blendByte(qBlue(a), qBlue(b), 16)));
        }

        // Everything the return run swapped is back.
        EXPECT_EQ(rgb32(fade.displayImage()), first);
        EXPECT_EQ(rgb32(fade.PicFrom().image()), first);
        EXPECT_EQ(rgb32(fade.PicTo().image()), second);
        EXPECT_EQ(fade.ColorFrom(), 0x112233u);
        EXPECT_EQ(fade.ColorTo(), 0x445566u);
        EXPECT_EQ(fade.StretchToFit(), r.stretch);

        // Picture changes reset again once the run is over.
        fade.setPicFrom(second);
        EXPECT_EQ(rgb32(fade.displayImage()), second);
    }
}

TEST(HarmFade, PendingEventsAreHandledBetweenBatchesOnlyWithProcessMsgs)
{
    for (bool process : {false, true}) {
        SCOPED_TRACE(process ? "ProcessMsgs" : "no ProcessMsgs");
        THarmFade fade;
        fade.resize(10, 10);
        fade.setDisolvRate(5);
        fade.setPicTo(pattern(10, 10, 4));
        fade.setProcessMsgs(process);
        Recorder rec(fade);

        QObject context;
        int handledAfter = -1;
        QMetaObject::invokeMethod(
            &context,
            [&] {
                handledAfter = rec.count("repaint");
                fade.Dissolve(); // a run inside the run is refused
            },
            Qt::QueuedConnection);

        fade.Dissolve();
        EXPECT_EQ(handledAfter, process ? 1 : -1);
        EXPECT_EQ(rec.count("begin"), 1);
        EXPECT_EQ(rec.count("repaint"), 5);
        EXPECT_EQ(rgb32(fade.displayImage()), pattern(10, 10, 4));
        QCoreApplication::processEvents();
    }
}

TEST(HarmFade, PaintsTheDisplayAndKeepsItWhenShown)
{
    QWidget page;
    page.resize(400, 200);
    auto *fade = new THarmFade(&page);
    fade->setObjectName(QStringLiteral("hfFade2"));
    fade->resize(185, 138);
    fade->move(20, 4);
    fade->setPicTo(pattern(185, 138, 8));
    fade->Dissolve();

    // Showing the page delivers the move and resize made while hidden; the
    // dissolved picture stays.
    page.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(rgb32(fade->displayImage()), pattern(185, 138, 8));
    EXPECT_EQ(rgb32(fade->grab().toImage()), pattern(185, 138, 8));

    // A real resize renders PicFrom again at the new size.
    fade->resize(60, 50);
    EXPECT_EQ(fade->displayImage().size(), QSize(60, 50));
    EXPECT_TRUE(solid(fade->displayImage(), qRgb(0, 0, 0)));
}

} // namespace

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

TEST(HarmFade, StepsWithinOneFrameOfTheLastRepaintWaitForTheNext)
{
    struct Row {
        const char *name;
        qint64 msPerStep; // how far the clock moves for each step
        bool reverse;     // a cross-fade back follows the dissolve
        int repaints;
    };
    // The credits panel's 126 steps; a cross-fade back adds 33.
    const Row rows[] = {
        {"all in one frame: the first and the last batch", 0, false, 2},
        {"a frame apart: every batch", 20, false, 126},
        {"every third batch a frame (16 ms) on", 6, false, 43},
        {"the return run paints its first and last step too", 0, true, 4},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        QWidget page;
        page.resize(200, 150);
        auto *fade = new THarmFade(&page);
        fade->resize(185, 138);
        fade->setAutoReverse(r.reverse);
        fade->setSwapDelay(0);
        qint64 now = 1000;
        fade->setClock([&] { return now; });
        fade->OnRepaint.bind([&] { now += r.msPerStep; });
        page.show();
        QCoreApplication::processEvents();
        PaintCounter counter;
        fade->installEventFilter(&counter);
        fade->setPicTo(pattern(185, 138, 9));
        QCoreApplication::processEvents(); // the reset's own repaint request

        counter.paints = 0;
        fade->Dissolve();
        EXPECT_EQ(counter.paints, r.repaints);
        EXPECT_EQ(fade->lastRunRepaints(), r.repaints);
        EXPECT_EQ(fade->lastRunSteps(), r.reverse ? 126 + 33 : 126);
        // The last step is always painted: the panel ends showing its picture.
        if (!r.reverse) {
            EXPECT_EQ(rgb32(fade->grab().toImage()), pattern(185, 138, 9));
        }
    }
}

} // namespace
