#include "effects/secret_panel.h"
#include "platform/error_report.h"
#include "platform/period_look.h"
#include "support/test_support.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPaintEvent>
#include <QRegion>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <stdexcept>

namespace {

// The worker sleeps this long between steps, so a test that calls Step()
// itself is never overtaken by it.
constexpr int NoAutomaticStep = 3'600'000;

const QRgb Background = qRgb(0, 0, 0);
const QRgb Ink = qRgb(255, 255, 255);

// A panel set up as the credits page sets up pnCredits, at a known size,
// stepped only by the test.
struct CreditsPanel {
    explicit CreditsPanel(const QStringList &lines, QSize size = {200, 120})
    {
        panel.setBevelOuter(TPanel::Bevel::None);
        panel.setColor(QColor(Background));
        panel.setFontColor(QColor(Ink));
        panel.setFont(periodFont(QStringLiteral("Arial"), 13, true));
        panel.setTextStyle(TextStyle::bvSpace);
        panel.setCycled(true);
        panel.setInterval(NoAutomaticStep);
        panel.resize(size);
        panel.setLines(lines);
    }

    void steps(int n)
    {
        for (int i = 0; i < n; ++i)
            panel.Step();
    }

    TSecretPanel panel;
};

// The rows of an image with any pixel other than the background, as
// [first, last]; nothing when the image is blank.
std::optional<std::pair<int, int>> inkRows(const QImage &image, QRgb background = Background)
{
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    if (first < 0)
        return std::nullopt;
    return std::make_pair(first, last);
}

std::optional<std::pair<int, int>> inkColumns(const QImage &image, QRgb background = Background)
{
    return inkRows(image.transformed(QTransform().rotate(90)), background);
}

bool hasPixel(const QImage &image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                return true;
    return false;
}

// ---- The panel's layout -----------------------------------------------------

TEST(TSecretPanel, DefaultsAndTheFrameAroundTheTextArea)
{
    TSecretPanel panel;
    EXPECT_FALSE(panel.Active());
    EXPECT_FALSE(panel.Cycled());
    EXPECT_EQ(panel.Interval(), 30);
    EXPECT_EQ(panel.Alignment(), Qt::AlignHCenter);
    EXPECT_EQ(panel.ScrollDirection(), ScrollDirection::sdVertical);
    EXPECT_EQ(panel.TextStyle(), TextStyle::bvNone);
    EXPECT_EQ(panel.GlyphLayout(), GlyphLayout::glGlyphLeft);
    EXPECT_TRUE(panel.AsyncDrawing());
    EXPECT_EQ(panel.BevelOuter(), TPanel::Bevel::Lowered);

    panel.resize(200, 100);
    EXPECT_EQ(panel.TextRect(), QRect(4, 4, 192, 92));
    panel.setBevelOuter(TPanel::Bevel::None);
    EXPECT_EQ(panel.TextRect(), QRect(3, 3, 194, 94));
}

TEST(TSecretPanel, LineHeightIsFontHeightPlusLeadingPlusOneWithAStyle)
{
    struct Case {
        int pixelSize;
        TextStyle style;
        int extra;
    };
    // Liberation Sans ("Arial") has an external leading at 100 pixels; 300
    // pixels gives a line taller than 255.
    const Case cases[] = {
        {100, TextStyle::bvNone, 0},  {100, TextStyle::bvLowered, 1}, {100, TextStyle::bvRaised, 1},
        {100, TextStyle::bvSpace, 1}, {13, TextStyle::bvSpace, 1},    {300, TextStyle::bvSpace, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.pixelSize << " px, style " << int(c.style));
        TSecretPanel panel;
        const QFont font = periodFont(QStringLiteral("Arial"), c.pixelSize, true);
        panel.setFont(font);
        panel.setTextStyle(c.style);
        const QFontMetrics fm(font, &panel);
        if (c.pixelSize == 100) {
            ASSERT_GT(fm.leading(), 0) << "the check needs a font with external leading";
        }
        EXPECT_EQ(panel.LineHeight(), fm.height() + fm.leading() + c.extra);
    }
}

TEST(TSecretPanel, ScrollLengthIsTextHeightPlusTheShownLines)
{
    struct Case {
        QStringList lines;
        int first;
    };
    const Case cases[] = {
        {{}, 0},
        {{"One"}, 0},
        {{"One", "", "Two", "Three", "", "", "Four"}, 0},
        {{"", "  ", "One", "Two"}, 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.lines.join(u'|').toStdString());
        CreditsPanel f(c.lines);
        const int h = f.panel.TextRect().height();
        EXPECT_EQ(h, 114);
        EXPECT_EQ(f.panel.FirstShownLine(), c.first);
        EXPECT_EQ(f.panel.ScrollLength(), h + (c.lines.size() - c.first) * f.panel.LineHeight());
    }
}

// ---- Scrolling ----------------------------------------------------------------

TEST(TSecretPanel, FirstNonBlankLineIsTheFirstToEnterAtTheBottom)
{
    CreditsPanel withBlanks({"", "   ", "\t", "Quillan 2", "Credits"});
    CreditsPanel plain({"Quillan 2", "Credits"});
    withBlanks.panel.setActive(true);
    plain.panel.setActive(true);
    const int h = withBlanks.panel.TextRect().height();
    const int lh = withBlanks.panel.LineHeight();

    for (int k : {lh / 2, lh + 2}) {
        SCOPED_TRACE(k);
        while (withBlanks.panel.ScrollPos() < k) {
            withBlanks.panel.Step();
            plain.panel.Step();
        }
        const QImage image = withBlanks.panel.OffscreenImage();
        const auto rows = inkRows(image);
        ASSERT_TRUE(rows) << "the first line has not entered after " << k << " steps";
        EXPECT_GE(rows->first, h - k);
        EXPECT_EQ(image, plain.panel.OffscreenImage());
    }
}

TEST(TSecretPanel, AfterTheScrollLengthTheTextStartsAgainFromTheBottom)
{
    CreditsPanel f({"Quillan 2", "Credits"});
    f.panel.setActive(true);
    const int d = f.panel.ScrollLength();
    const int lh = f.panel.LineHeight();

    f.steps(lh + 2);
    const QImage firstPass = f.panel.OffscreenImage();
    ASSERT_TRUE(inkRows(firstPass));

    f.steps(d - (lh + 2));
    EXPECT_EQ(f.panel.ScrollPos(), d);
    EXPECT_FALSE(inkRows(f.panel.OffscreenImage())) << "every line has left at D";

    f.panel.Step();
    EXPECT_EQ(f.panel.ScrollPos(), 0);
    EXPECT_FALSE(inkRows(f.panel.OffscreenImage()));

    f.panel.Step();
    EXPECT_EQ(f.panel.ScrollPos(), 1);
    f.steps(lh + 1);
    EXPECT_EQ(f.panel.OffscreenImage(), firstPass);
    EXPECT_TRUE(f.panel.Active());
}

TEST(TSecretPanel, WithoutCycledItStopsItselfOnTheGuiThread)
{
    CreditsPanel f({"Credits"});
    f.panel.setCycled(false);
    int stops = 0;
    f.panel.OnStopPlay.bind([&] { ++stops; });
    f.panel.setActive(true);

    f.steps(f.panel.ScrollLength());
    f.panel.Step();
    f.panel.Step();
    EXPECT_TRUE(f.panel.Active()) << "the stop is carried out by the GUI thread's event loop";
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(f.panel.Active());
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(f.panel.ScrollPos(), 0);
    EXPECT_TRUE(f.panel.OffscreenImage().isNull());
}

TEST(TSecretPanel, ALateStopRequestDoesNotStopTheNextRun)
{
    CreditsPanel f({"Credits"});
    f.panel.setCycled(false);
    f.panel.setActive(true);
    f.steps(f.panel.ScrollLength() + 1);  // asks for the stop

    f.panel.setActive(false);
    f.panel.setActive(true);
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(f.panel.Active());
    f.panel.Step();
    EXPECT_EQ(f.panel.ScrollPos(), 1);
}

TEST(TSecretPanel, StartHidesVisibleChildrenAndStopShowsThemAgain)
{
    CreditsPanel f({"Credits"});
    auto *shown = new QLabel(QStringLiteral("shown"), &f.panel);
    auto *hidden = new QLabel(QStringLiteral("hidden"), &f.panel);
    auto *goes = new QLabel(QStringLiteral("deleted while playing"), &f.panel);
    hidden->hide();
    int starts = 0, stops = 0;
    f.panel.OnStartPlay.bind([&] { ++starts; });
    f.panel.OnStopPlay.bind([&] { ++stops; });

    f.panel.setActive(true);
    EXPECT_EQ(starts, 1);
    EXPECT_TRUE(shown->isHidden());
    EXPECT_TRUE(hidden->isHidden());
    delete goes;

    f.panel.setActive(false);
    EXPECT_EQ(stops, 1);
    EXPECT_FALSE(shown->isHidden());
    EXPECT_TRUE(hidden->isHidden()) << "a child hidden before the start stays hidden";
    EXPECT_TRUE(f.panel.OffscreenImage().isNull());
}

TEST(TSecretPanel, NoLinesDrawNothing)
{
    for (const QStringList &lines : {QStringList{}, QStringList{"", "  "}}) {
        SCOPED_TRACE(lines.size());
        CreditsPanel f(lines);
        f.panel.setActive(true);
        const int d = f.panel.ScrollLength();
        for (int i = 0; i <= d + 2; ++i) {
            f.panel.Step();
            const QImage image = f.panel.OffscreenImage();
            ASSERT_EQ(image.size(), f.panel.TextRect().size());
            ASSERT_FALSE(inkRows(image)) << "at position " << f.panel.ScrollPos();
        }
    }
}

TEST(TSecretPanel, EachLineIsAlignedAcrossTheTextArea)
{
    struct Case {
        Qt::Alignment alignment;
        const char *name;
    };
    const Case cases[] = {{Qt::AlignLeft, "left"}, {Qt::AlignRight, "right"}, {Qt::AlignHCenter, "centre"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CreditsPanel f({"Credits"});
        f.panel.setTextStyle(TextStyle::bvNone);
        f.panel.setAlignment(c.alignment);
        f.panel.setActive(true);
        f.steps(f.panel.LineHeight());
        const QImage image = f.panel.OffscreenImage();
        const auto cols = inkColumns(image);
        ASSERT_TRUE(cols);
        const int leftGap = cols->first, rightGap = image.width() - 1 - cols->second;
        if (c.alignment == Qt::AlignLeft)
            EXPECT_LE(leftGap, 2);
        else if (c.alignment == Qt::AlignRight)
            EXPECT_LE(rightGap, 2);
        else
            EXPECT_LE(std::abs(leftGap - rightGap), 2);
    }
}

TEST(TSecretPanel, LoweredAndRaisedDrawAHighlightCopyOnTheirSide)
{
    struct Case {
        TextStyle style;
        bool highlight;
    };
    const Case cases[] = {{TextStyle::bvNone, false},
                          {TextStyle::bvSpace, false},
                          {TextStyle::bvLowered, true},
                          {TextStyle::bvRaised, true}};
    const QRgb red = qRgb(255, 0, 0);
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.style));
        CreditsPanel f({"Credits"});
        f.panel.setFontColor(QColor(red));
        f.panel.setTextStyle(c.style);
        f.panel.setActive(true);
        f.steps(f.panel.LineHeight() + 4);
        const QImage image = f.panel.OffscreenImage();
        ASSERT_TRUE(hasPixel(image, red));
        EXPECT_EQ(hasPixel(image, PeriodColor::ButtonHighlight), c.highlight);
        if (!c.highlight)
            continue;
        // The copy lies one pixel down-right (lowered) or up-left (raised) of the text.
        QImage copyOnly = image, textOnly = image;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb px = image.pixel(x, y);
                if (px != PeriodColor::ButtonHighlight)
                    copyOnly.setPixel(x, y, Background);
                if (qGreen(px) != 0 || qRed(px) == 0)
                    textOnly.setPixel(x, y, Background);
            }
        }
        const auto copyRows = inkRows(copyOnly), textRows = inkRows(textOnly);
        ASSERT_TRUE(copyRows && textRows);
        if (c.style == TextStyle::bvLowered)
            EXPECT_GT(copyRows->second, textRows->second);
        else
            EXPECT_LT(copyRows->first, textRows->first);
    }
}

TEST(TSecretPanel, HorizontalTextEntersAtTheRightEdge)
{
    CreditsPanel f({"", "Quillan 2", "Credits"});
    f.panel.setScrollDirection(ScrollDirection::sdHorizontal);
    f.panel.setActive(true);
    const int w = f.panel.TextRect().width();
    EXPECT_GT(f.panel.ScrollLength(), w);
    f.steps(20);
    const auto cols = inkColumns(f.panel.OffscreenImage());
    ASSERT_TRUE(cols);
    EXPECT_GE(cols->first, w - 20);
}

TEST(TSecretPanel, AnErrorInAStepIsReportedAndTheNextStepGoesOn)
{
    QStringList reported;
    const ErrorReporter previous = setErrorReporter([&](const QString &m) { reported << m; });
    CreditsPanel f({"Credits"});
    f.panel.setActive(true);
    f.panel.OnPaintClient.bind([](QPainter &, const QRect &) { throw std::runtime_error("paint failed"); });
    f.panel.Step();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(reported, QStringList{QStringLiteral("paint failed")});

    f.panel.OnPaintClient.unbind();
    f.panel.Step();
    EXPECT_EQ(f.panel.ScrollPos(), 2);
    EXPECT_TRUE(f.panel.Active());
    setErrorReporter(previous);
}

TEST(TSecretPanel, PaintClientPaintsTheBackgroundOfEachStep)
{
    CreditsPanel f({});
    const QRgb blue = qRgb(0, 0, 200);
    f.panel.OnPaintClient.bind([&](QPainter &p, const QRect &r) { p.fillRect(r, QColor(blue)); });
    f.panel.setActive(true);
    f.panel.Step();
    const QImage image = f.panel.OffscreenImage();
    EXPECT_EQ(image.pixel(0, 0), blue);
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), blue);
}

// ---- Drawing only what moved --------------------------------------------------------

// A step one pixel on moves the lines' ink up a row instead of drawing them
// all: at every position, through the end of the text and into the next
// round, the image must be what drawing it whole gives. The reference panel
// is drawn whole at every step (its background comes from OnPaintClient).
TEST(TSecretPanel, MovingTheInkUpARowGivesTheSamePixelsAsDrawingItWhole)
{
    struct Case {
        const char *name;
        QStringList lines;
        TextStyle style;
        Qt::Alignment alignment;
        QSize size;
    };
    const QStringList credits = {"", "QUILLAN 2", "", "Course design", "The Quillan 2 team", "",
                                 "gjpqy \u00c1\u00c9\u00d6 (descenders, accents)", "\tTabbed", "W"};
    const Case cases[] = {
        {"credits, space", credits, TextStyle::bvSpace, Qt::AlignHCenter, {200, 120}},
        {"lowered, left", credits, TextStyle::bvLowered, Qt::AlignLeft, {200, 120}},
        {"raised, right", credits, TextStyle::bvRaised, Qt::AlignRight, {200, 120}},
        {"plain, area lower than a line", credits, TextStyle::bvNone, Qt::AlignHCenter, {120, 16}},
        {"lines wider than the area", {"A very long line of the credits, wider than all"}, TextStyle::bvSpace,
         Qt::AlignHCenter, {60, 50}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList &lines = c.lines;
        CreditsPanel moved(lines, c.size), whole(lines, c.size);
        for (TSecretPanel *panel : {&moved.panel, &whole.panel}) {
            panel->setTextStyle(c.style);
            panel->setAlignment(c.alignment);
            panel->setActive(true);
        }
        whole.panel.OnPaintClient.bind([](QPainter &p, const QRect &r) { p.fillRect(r, QColor(Background)); });
        const int steps = moved.panel.ScrollLength() + moved.panel.LineHeight() + 3;
        for (int i = 0; i < steps; ++i) {
            moved.panel.Step();
            whole.panel.Step();
            ASSERT_EQ(moved.panel.OffscreenImage(), whole.panel.OffscreenImage())
                << "at position " << moved.panel.ScrollPos();
        }
    }
}

// Watches the regions a widget repaints.
class PaintRegions : public QObject {
public:
    explicit PaintRegions(QWidget *w) { w->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

// The pixels of b that differ from a, as a region.
QRegion differences(const QImage &a, const QImage &b)
{
    QRegion r;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                r += QRect(x, y, 1, 1);
    return r;
}

// Lets the repaints asked for run: the step's request, then the paint.
void paintNow()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

qint64 area(const QRegion &r)
{
    qint64 n = 0;
    for (const QRect &rect : r)
        n += qint64(rect.width()) * rect.height();
    return n;
}

// A step repaints every pixel that moved and little else: a short line in a
// wide area is a small part of it. Steps with no text on view (blank lines
// at the end scroll through an empty area) repaint nothing.
TEST(TSecretPanel, AStepRepaintsOnlyWhatMoved)
{
    CreditsPanel f({"Credits", "", "Quillan 2", "", "", "", ""}, {300, 120});
    f.panel.setActive(true);
    f.panel.show();
    paintNow();
    const QRect text = f.panel.TextRect();
    PaintRegions watch(&f.panel);
    const int lh = f.panel.LineHeight();

    f.steps(lh + 10);  // the first step draws the whole image
    paintNow();
    for (int i = 0; i < 3 * lh; ++i) {
        const QImage before = f.panel.OffscreenImage();
        watch.painted = QRegion();
        f.panel.Step();
        paintNow();
        const QRegion changed = differences(before, f.panel.OffscreenImage()).translated(text.topLeft());
        ASSERT_FALSE(changed.isEmpty());
        ASSERT_EQ(changed - watch.painted, QRegion()) << "a changed pixel not repainted, step " << i;
        ASSERT_LT(area(watch.painted), qint64(text.width()) * text.height() / 3) << "step " << i;
    }

    // "Quillan 2" (the third line) has left the top edge; four blank lines follow.
    f.steps(text.height() + 3 * lh + 2 - f.panel.ScrollPos());
    paintNow();
    ASSERT_FALSE(inkRows(f.panel.OffscreenImage()));
    watch.painted = QRegion();
    f.steps(2 * lh);
    paintNow();
    EXPECT_EQ(watch.painted, QRegion());
    EXPECT_FALSE(inkRows(f.panel.OffscreenImage()));
}

// ---- Lines from a file -------------------------------------------------------------

TEST(TSecretPanel, LoadsLinesInTheLanguagesCodePage)
{
    QTemporaryDir dir;
    struct Case {
        const char *name;
        QByteArray bytes;
        int charset;
        QStringList expected;
    };
    const Case cases[] = {
        {"western, every line ending", "Caf\xe9\r\nTwo\rThree\nFour\n", 0,
         {QStringLiteral("Caf\u00e9"), "Two", "Three", "Four"}},
        {"cyrillic", "\xcf\xf0\xe8\xe2\xe5\xf2", 204, {QStringLiteral("\u041f\u0440\u0438\u0432\u0435\u0442")}},
        {"blank lines kept", "\n\nCredits", 0, {"", "", "Credits"}},
        {"long line cut at 255", QByteArray(300, 'x') + "\nnext", 0, {QString(255, u'x'), "next"}},
        {"empty file", "", 0, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QStringLiteral("T003Cred.txt"));
        writeFile(path, c.bytes);
        TSecretPanel panel;
        ASSERT_EQ(panel.LoadLinesFromFile(path, c.charset), ReadStatus::Ok);
        EXPECT_EQ(panel.Lines(), c.expected);
    }
}

TEST(TSecretPanel, AMissingFileLeavesTheLinesAsTheyWere)
{
    QTemporaryDir dir;
    TSecretPanel panel;
    panel.setLines({"Before"});
    EXPECT_EQ(panel.LoadLinesFromFile(dir.filePath(QStringLiteral("missing.txt")), 0),
              ReadStatus::Missing);
    EXPECT_EQ(panel.LoadLinesFromFile(dir.path(), 0), ReadStatus::NotRegular)
        << "a folder is no text file";
    EXPECT_EQ(panel.Lines(), QStringList{"Before"});
}

TEST(TSecretPanel, ChangingTheLinesWhilePlayingStartsFromTheBottom)
{
    CreditsPanel f({"One"});
    f.panel.setActive(true);
    f.steps(10);
    f.panel.setLines({"One", "Two"});
    EXPECT_EQ(f.panel.ScrollPos(), 0);
    EXPECT_EQ(f.panel.ScrollLength(), f.panel.TextRect().height() + 2 * f.panel.LineHeight());
}

// ---- Threads -------------------------------------------------------------------------

// The worker steps every millisecond while the GUI thread paints, changes what
// the step reads, and starts and stops the panel over and over. Run under
// ThreadSanitizer to find races; here it must simply hold together. Each round
// keeps the GUI thread busy until the worker has stepped a few times (or a
// bound is reached), so the two really overlap; nothing depends on how fast.
TEST(TSecretPanel, WorkerThreadAndGuiThreadShareThePanelSafely)
{
    QStringList lines;
    for (int i = 0; i < 40; ++i)
        lines << QStringLiteral("Line %1").arg(i);
    TSecretPanel panel;
    panel.setInterval(1);
    panel.setColor(Qt::black);
    panel.setFontColor(Qt::white);
    panel.resize(160, 60);
    panel.setLines(lines);
    new QLabel(QStringLiteral("child"), &panel);
    std::atomic<int> steps{0};
    panel.OnPaintClient.bind([&](QPainter &p, const QRect &r) {
        p.fillRect(r, Qt::black);
        ++steps;
    });

    for (int round = 0; round < 60; ++round) {
        panel.setCycled(round % 3 != 0);
        panel.setInterval(1 + round % 2);
        // Short text without Cycled: the worker asks the GUI thread to stop.
        const bool runsOut = round % 6 == 3;
        panel.setLines(runsOut ? QStringList{"short"} : lines);
        panel.setActive(true);
        const int target = steps.load() + (runsOut ? 1000 : 4);
        for (int i = 0; i < 20000 && steps.load() < target && panel.Active(); ++i) {
            switch (i % 5) {
            case 0: panel.resize(160 + i % 30, 40 + i % 50); break;
            case 1: panel.setTextStyle(TextStyle(i % 4)); break;
            case 2: panel.setFont(periodFont(QStringLiteral("Arial"), 10 + i % 8, true)); break;
            case 3: panel.setAlignment(i % 2 ? Qt::AlignLeft : Qt::AlignHCenter); break;
            case 4: panel.setGlyphLayout(GlyphLayout(i % 4)); break;
            }
            (void)panel.grab();
            (void)panel.OffscreenImage();
            QCoreApplication::processEvents();
        }
        if (round % 10 == 5) {
            // Destroyed while its worker runs.
            TSecretPanel other;
            other.setInterval(1);
            other.setLines(lines);
            other.resize(100, 40);
            other.setActive(true);
            other.Step();
        }
        if (round % 2)
            panel.setActive(false);
        else
            panel.setAsyncDrawing(round % 4 != 0);  // switches between worker and timer
    }
    panel.setActive(false);
    EXPECT_TRUE(panel.OffscreenImage().isNull());
    EXPECT_EQ(panel.ScrollPos(), 0);
}

}  // namespace
