// The course on screens of other resolutions, on a real X server (Xvfb, no
// window manager): at 2x (2048 x 1536 at 192 dots per inch, as the server and
// the desktop's Xft.dpi tell it) every picture is the 1x one with each pixel
// doubled, the instructions are readable (OCR) and no display notice shows;
// at 144 dots per inch the course is drawn at 1x with the instructions'
// heading and body in the proportion they have at 96; a 2x screen too small
// for the course gets the notice, which is readable there too.
#include "e2e/x_desktop.h"

#include "platform/ini_file.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <X11/keysym.h>

#include <cstdlib>
#include <optional>

using namespace std::chrono_literals;

namespace {

const QString kProgram = QStringLiteral(QUILLAN_EXE);
constexpr unsigned kFace = 0xC0C0C0;  // the taskbar
constexpr unsigned kNavy = 0x000080;  // the instructions' heading
constexpr unsigned kBlack = 0x000000;

QString englishFile()
{
    return QFileInfo(kProgram).absolutePath() + QStringLiteral("/QL2Eng.ini");
}

int panelWidth()
{
    return IniFile(englishFile()).readInteger("GENERAL", "InfoPanelWidth", 250);
}

// The program on one desktop, at the scale n its resolution gives. Places
// are in the course's pixels and turned into the screen's here.
class Screen {
public:
    Screen(int width, int height, int dpi, int scale, const QByteArray &resources = {})
        : d(width, height, dpi, resources), n(scale),
          m_program(QStringList{kProgram, QStringLiteral("QL2Eng.ini")},
                    {QStringLiteral("DISPLAY=") + QString::fromLatin1(d.displayName()),
                     QStringLiteral("QT_QPA_PLATFORM=xcb"), QStringLiteral("XDG_CONFIG_HOME=") + m_config.path()},
                    qtVariables())
    {
    }

    XDesktop d;
    const int n;

    QSize course() const { return QSize(d.width(), d.height()) / n; }
    QRect onScreen(const QRect &r) const { return {r.topLeft() * n, r.size() * n}; }
    QPoint onScreen(QPoint p) const { return p * n; }
    int taskbarTop() const { return course().height() - 28; }

    ::testing::AssertionResult wait(const std::string &step, const std::function<bool()> &condition,
                                    Milliseconds bound = 10s)
    {
        ::testing::AssertionResult r = waitFor(
            d, "[" + std::to_string(n) + "x] " + step,
            [&] { return condition() || m_program.exitStatus().has_value(); }, bound);
        if (r && m_program.exitStatus() && !condition())
            return ::testing::AssertionFailure() << "[" << n << "x] the program ended at: " << step;
        return r;
    }

    // The main window shows with the keyboard (after the notice, when one shows).
    ::testing::AssertionResult mainWindow()
    {
        return wait("the main window shows and has the keyboard", [&] {
            const std::optional<XWindowInfo> w = d.windowTitled(QStringLiteral("Quillan 2"));
            return w && d.inputFocus() == w->id;
        });
    }

    ::testing::AssertionResult pixelIs(const std::string &step, QPoint course, unsigned colour)
    {
        return wait(step, [&] { return d.pixel(onScreen(course)) == colour; });
    }

    // The area (in course pixels) shows the same picture for 200 ms.
    std::optional<QImage> settled(const std::string &step, const QRect &course)
    {
        const QRect area = onScreen(course);
        QImage last = d.grab(area);
        auto since = std::chrono::steady_clock::now();
        const bool ok = wait(step + " settles", [&] {
            QImage now = d.grab(area);
            if (now != last) {
                last = now;
                since = std::chrono::steady_clock::now();
            }
            return std::chrono::steady_clock::now() - since >= 200ms;
        });
        return ok ? std::optional<QImage>(last) : std::nullopt;
    }

    // The screen in course pixels: one of each n x n square.
    QImage coursePixels()
    {
        const QImage shot = d.grab();
        return n == 1 ? shot : shot.scaled(shot.size() / n, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }

    // A dialog of the course (the display notice, at the start) stands in
    // front, drawn in the course's window: where, in course pixels.
    std::optional<QRect> dialogShown() { return dialogInFront(coursePixels()); }

private:
    QTemporaryDir m_config;
    ChildProcess m_program;
};

// Each pixel of the picture n x n: what a course drawn at 1x should look
// like at n.
QImage replicated(const QImage &image, int n)
{
    return image.scaled(image.size() * n, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The share of pixels that differ, with a picture of the differences saved
// beside the screenshots when there are any.
double differing(const QImage &a, const QImage &b, const QString &name)
{
    if (a.size() != b.size())
        return 1;
    QImage marks(a.size(), QImage::Format_RGB32);
    marks.fill(Qt::white);
    qint64 count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF)) {
                ++count;
                marks.setPixel(x, y, qRgb(255, 0, 0));
            }
    if (count > 0) {
        a.save(shotPath(name + QStringLiteral("-seen")));
        b.save(shotPath(name + QStringLiteral("-expected")));
        marks.save(shotPath(name + QStringLiteral("-differences")));
    }
    return double(count) / (a.width() * a.height());
}

// The text tesseract reads in a picture, a single space between its words.
std::optional<QString> ocr(const QImage &image, const QString &name)
{
    const std::optional<QList<ReadWord>> words = readWords(image, name);
    if (!words)
        return std::nullopt;
    QStringList text;
    for (const ReadWord &w : *words)
        text << w.text;
    return text.join(QLatin1Char(' '));
}

// The rows of the picture where the colour is, as runs [first, last].
QList<std::pair<int, int>> inkRows(const QImage &image, unsigned colour)
{
    QList<std::pair<int, int>> runs;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = (image.pixel(x, y) & 0xFFFFFF) == colour;
        if (!ink)
            continue;
        if (!runs.isEmpty() && runs.back().second == y - 1)
            runs.back().second = y;
        else
            runs.append({y, y});
    }
    return runs;
}

// T051's instructions: the heading's ink height (navy) and the first body
// line's (black, below it), in screen pixels.
struct TextHeights {
    int heading = 0;
    int body = 0;
};
std::optional<TextHeights> textHeights(const QImage &panel)
{
    const auto heading = inkRows(panel, kNavy);
    if (heading.isEmpty())
        return std::nullopt;
    for (const auto &run : inkRows(panel, kBlack)) {
        if (run.first > heading.back().second)
            return TextHeights{heading.back().second - heading.front().first + 1, run.second - run.first + 1};
    }
    return std::nullopt;
}

struct Page {
    QImage title;  // the title page's picture and frame, above its notices
    QImage start;  // T051's Start button
    QImage desktop;  // T051's desktop icons
    QImage instructions;  // T051's info panel, above its buttons
};

// The title page, then T051 after Enter, photographed at their areas.
std::optional<Page> photograph(Screen &r)
{
    const QSize c = r.course();
    const int notebook = c.width() - panelWidth();
    // The title picture's panel, 484 x 364, centred over the notebook; its
    // picture and frames down to the line above the maker's notices.
    const QRect title((notebook - 484) / 2, (c.height() - 364) / 2, 484, 276);
    const QRect start(3, r.taskbarTop() + 1, 56, 22);
    const QRect desktop(0, 0, 100, 400);
    const QRect instructions(notebook + 2, 2, panelWidth() - 4, 200);

    Page p;
    if (!r.mainWindow() || !r.pixelIs("the title page shows", QPoint(notebook - 2, 300), 0x008080))
        return std::nullopt;
    auto title_ = r.settled("the title picture", title);
    if (!title_)
        return std::nullopt;
    if (r.dialogShown()) {
        ADD_FAILURE() << "[" << r.n << "x] the display notice shows over the title page";
        saveScreenshot(r.d, QStringLiteral("hidpi-unexpected-notice-%1x").arg(r.n));
        return std::nullopt;
    }
    p.title = *title_;
    r.d.key(XK_Return);
    if (!r.pixelIs("T051's taskbar shows", QPoint(c.width() / 2, r.taskbarTop() + 14), kFace))
        return std::nullopt;
    auto start_ = r.settled("the Start button", start);
    auto desktop_ = r.settled("the desktop icons", desktop);
    auto instructions_ = r.settled("T051's instructions", instructions);
    if (!start_ || !desktop_ || !instructions_)
        return std::nullopt;
    p.start = *start_;
    p.desktop = *desktop_;
    p.instructions = *instructions_;
    saveScreenshot(r.d, QStringLiteral("hidpi-T051-%1x").arg(r.n));
    return p;
}

// The pages at 1x on a 1024 x 768 screen at 96 dots per inch, the measure of
// the others: photographed once for all the tests.
const std::optional<Page> &pageAt1x()
{
    static const std::optional<Page> page = [] {
        Screen r(1024, 768, 96, 1);
        return photograph(r);
    }();
    return page;
}

TEST(HiDpi, At2xEveryPictureIsThe1xOneWithItsPixelsDoubled)
{
    const std::optional<Page> &one = pageAt1x();
    ASSERT_TRUE(one);
    Screen r(2048, 1536, 192, 2, "Xft.dpi:\t192\n");
    const std::optional<Page> two = photograph(r);
    ASSERT_TRUE(two);
    EXPECT_EQ(r.d.windowTitled(QStringLiteral("Quillan 2"))->geometry, QRect(0, 0, 2048, 1536));

    const struct {
        const char *name;
        const QImage &seen, &at1x;
    } pictures[] = {
        {"the title picture", two->title, one->title},
        {"the desktop icons", two->desktop, one->desktop},
    };
    for (const auto &p : pictures)
        EXPECT_EQ(differing(p.seen, replicated(p.at1x, 2), QStringLiteral("hidpi-") + QLatin1String(p.name)), 0)
            << p.name << " at 2x is not the 1x one doubled (pictures in e2e-shots/)";
    // The Start button's icon and bevels; its word is text, drawn at 2x
    // in its own right, and is compared for its size below.
    const QRect startIcon(0, 0, 21, 22);
    EXPECT_EQ(differing(two->start.copy(QRect(startIcon.topLeft() * 2, startIcon.size() * 2)),
                        replicated(one->start.copy(startIcon), 2), QStringLiteral("hidpi-start-icon")),
              0);
    // Its bevel along the top and bottom, two lines each at 1x.
    for (int y : {0, 1, 20, 21}) {
        const QRect row(0, y, 56, 1);
        EXPECT_EQ(differing(two->start.copy(QRect(row.topLeft() * 2, row.size() * 2)),
                            replicated(one->start.copy(row), 2), QStringLiteral("hidpi-start-edge-%1").arg(y)),
                  0)
            << "the Start button's edge, row " << y << " at 1x";
    }

    // The instructions are readable: their first sentence, as the page's
    // file has it.
    const std::optional<QString> read = ocr(two->instructions, QStringLiteral("hidpi-T051-instructions-2x"));
    ASSERT_TRUE(read) << "tesseract could not read the instructions";
    EXPECT_TRUE(read->contains(QStringLiteral("The practice screen now looks like a computer desktop.")))
        << "read: " << read->toStdString();
    // In the proportion they have at 1x, twice as high.
    const auto h1 = textHeights(one->instructions), h2 = textHeights(two->instructions);
    ASSERT_TRUE(h1 && h2);
    EXPECT_NEAR(h2->heading, 2 * h1->heading, 2);
    EXPECT_NEAR(h2->body, 2 * h1->body, 2);
}

// At 144 dots per inch the toolkit draws the course at 1x: the instructions
// are laid out in the course's pixels, their heading and body text as high as
// at 96, and no notice shows.
TEST(HiDpi, At144DotsPerInchTheInstructionsKeepTheirProportion)
{
    const std::optional<Page> &at96 = pageAt1x();
    ASSERT_TRUE(at96);
    Screen r(1024, 768, 144, 1, "Xft.dpi:\t144\n");
    const std::optional<Page> at144 = photograph(r);
    ASSERT_TRUE(at144);
    const auto h96 = textHeights(at96->instructions), h144 = textHeights(at144->instructions);
    ASSERT_TRUE(h96 && h144) << "no heading and body text found in the info panel";
    EXPECT_EQ(h144->heading, h96->heading);
    EXPECT_EQ(h144->body, h96->body);
    EXPECT_DOUBLE_EQ(double(h144->heading) / h144->body, double(h96->heading) / h96->body);
}

// A 2x screen with fewer than 800 x 600 of the course's pixels (1366 x 768 is
// 683 x 384 at 2x): the notice shows, and its text is readable.
TEST(HiDpi, A2xScreenTooSmallForTheCourseGetsAReadableNotice)
{
    Screen r(1366, 768, 192, 2, "Xft.dpi:\t192\n");
    std::optional<QRect> notice;
    ASSERT_TRUE(r.wait("the display notice shows over the title page", [&] {
        notice = r.dialogShown();
        return notice.has_value();
    }));
    // Centred on the course, which fills the screen.
    EXPECT_LE(std::abs(notice->center().x() - r.course().width() / 2), 1);
    EXPECT_LE(std::abs(notice->center().y() - r.course().height() / 2), 1);
    const std::optional<QImage> shot = r.settled("the display notice", *notice);
    ASSERT_TRUE(shot);
    saveScreenshot(r.d, QStringLiteral("hidpi-notice-2x-too-small"));
    const std::optional<QString> read = ocr(*shot, QStringLiteral("hidpi-notice-2x"));
    ASSERT_TRUE(read) << "tesseract could not read the notice";
    const QString text = QString::fromLatin1(IniFile(englishFile()).readString("LABELS", "InvalidDisplaySettings", "!!!"));
    const QString firstSentence = text.left(text.indexOf(QLatin1Char('.')) + 1).simplified();
    EXPECT_TRUE(read->contains(firstSentence)) << "read: " << read->toStdString();
    r.d.key(XK_Return);
    ASSERT_TRUE(r.wait("Enter closes the notice", [&] { return !r.dialogShown(); }));
    ASSERT_TRUE(r.mainWindow());
}

}  // namespace
