#include "title.h"

#include "drawing.h"
#include "pixel_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace art {
namespace {

// Where things go on the picture. The program draws a frame round the whole
// picture and writes its notices in the grey strip below the art panel.
constexpr int PanelLeft = 11;
constexpr int PanelTop = 11;
constexpr int PanelRight = 467;
constexpr int PanelBottom = 265;

// ---------------------------------------------------------------------------
// Drawing on a grid

// A shadow on the desk: every other pixel of an ellipse, the way pictures in
// few colours let the background show through.
void shadow(Grid &g, double cx, double cy, double rx, double ry, char code)
{
    Grid blot(g.width(), g.height());
    ellipse(blot, cx, cy, rx, ry, code);
    for (int y = 0; y < g.height(); ++y)
        for (int x = 0; x < g.width(); ++x)
            if (blot.at(x, y) != Clear && (x + y) % 2 == 0)
                g.set(x, y, code);
}

// Tiny lettering, five pixels high, for the labels inside the picture.
void tinyText(Grid &g, int x, int y, const std::string &text, char ink)
{
    struct Glyph {
        char letter;
        const char *rows[5];
    };
    static const Glyph glyphs[] = {
        { 'S', { ".kk", "k..", ".k.", "..k", "kk." } },
        { 't', { ".k.", "kkk", ".k.", ".k.", "..k" } },
        { 'a', { "...", ".kk", "k.k", "k.k", ".kk" } },
        { 'r', { "...", "k.k", "kk.", "k..", "k.." } },
        { '0', { "kkk", "k.k", "k.k", "k.k", "kkk" } },
        { '1', { ".k.", "kk.", ".k.", ".k.", "kkk" } },
        { '9', { "kkk", "k.k", "kkk", "..k", "kkk" } },
        { ':', { "...", ".k.", "...", ".k.", "..." } },
    };
    for (char letter : text) {
        if (letter == ' ') {
            x += 2;
            continue;
        }
        for (const Glyph &glyph : glyphs) {
            if (glyph.letter != letter)
                continue;
            const int width = static_cast<int>(std::string(glyph.rows[0]).size());
            for (int row = 0; row < 5; ++row)
                for (int col = 0; col < width; ++col)
                    if (glyph.rows[row][col] != '.')
                        g.set(x + col, y + row, ink);
            x += width + 1;
        }
    }
}

// "Writing" too small to read: words as dashes, with gaps between them.
void scribble(Grid &g, int x0, int x1, int y, char ink, int seed)
{
    static const int words[] = { 5, 3, 7, 4, 2, 6, 4, 8, 3, 5, 2, 4, 6, 3 };
    int x = x0;
    for (int i = seed;; ++i) {
        const int length = words[i % 14];
        if (x + length - 1 > x1)
            return;
        hline(g, x, x + length - 1, y, ink);
        x += length + 2;
    }
}

// ---------------------------------------------------------------------------
// The little desktop on the monitor's screen

constexpr int ScreenWidth = 128;
constexpr int ScreenHeight = 96;

// A raised desktop button, the way the system draws one.
void button(Grid &g, int x0, int y0, int x1, int y1)
{
    fill(g, x0, y0, x1, y1, 's');
    bevel(g, x0, y0, x1, y1, 'w', 'k');
    hline(g, x0 + 1, x1 - 1, y1 - 1, 'd');
    vline(g, x1 - 1, y0 + 1, y1 - 1, 'd');
}

// A desktop icon (given as rows) with its white caption below.
void desktopIcon(Grid &g, int x, int y, const std::vector<std::string> &rows, int caption)
{
    const Grid icon = Grid::fromRows(rows);
    g.paste(icon, x, y);
    const int centre = x + icon.width() / 2;
    hline(g, centre - caption / 2, centre - caption / 2 + caption - 1, y + icon.height() + 2, 'w');
}

Grid screen()
{
    Grid g(ScreenWidth, ScreenHeight, 't');

    // Icons down the left edge: the computer, a folder, the wastebasket.
    desktopIcon(g, 4, 4,
                {
                    ".kkkkkkkk.",
                    ".kssssssk.",
                    ".ksnnnnsk.",
                    ".ksnaansk.",
                    ".ksnnnnsk.",
                    ".kssssssk.",
                    ".kkkkkkkk.",
                    "kssssssssk",
                    "kkkkkkkkkk",
                },
                10);
    desktopIcon(g, 4, 25,
                {
                    ".kkkk.....",
                    "kyyyykkkk.",
                    "kyyyyyyyyk",
                    "kwwwwwwwwk",
                    "kyyyyyyyyk",
                    "kyyyyyyyyk",
                    "kyyyyyyyyk",
                    "kkkkkkkkkk",
                },
                8);
    desktopIcon(g, 5, 45,
                {
                    "kkkkkkkk",
                    "kwsssssk",
                    ".kdsdsk.",
                    ".kdsdsk.",
                    ".kdsdsk.",
                    ".kdsdsk.",
                    ".kkkkkk.",
                },
                10);

    // A word processor window with a letter in it.
    const int left = 24, top = 5, right = 121, bottom = 79;
    fill(g, left, top, right, bottom, 's');
    bevel(g, left, top, right, bottom, 's', 'k');
    bevel(g, left + 1, top + 1, right - 1, bottom - 1, 'w', 'd');
    // Title bar, dark blue shading to light blue.
    for (int x = left + 2; x <= right - 2; ++x) {
        const double t = double(x - left - 2) / double(right - left - 4);
        for (int y = top + 2; y <= top + 8; ++y)
            g.set(x, y, t > 0.4 + 0.5 * bayer(x, y) ? 'b' : 'n');
    }
    g.paste(Grid::fromRows({
                "wwwww",
                "wbbbw",
                "wwwww",
                "wbbbw",
                "wwwww",
            }),
            left + 3, top + 3);
    hline(g, left + 10, left + 16, top + 5, 'w');
    hline(g, left + 18, left + 30, top + 5, 'w');
    hline(g, left + 10, left + 16, top + 6, 'w');
    hline(g, left + 18, left + 30, top + 6, 'w');
    for (int i = 0; i < 3; ++i) {
        const int bx = right - 23 + i * 7 + (i == 2 ? 1 : 0);
        button(g, bx, top + 3, bx + 5, top + 7);
    }
    hline(g, right - 21, right - 19, top + 5, 'k');              // minimise
    bevel(g, right - 14, top + 4, right - 12, top + 5, 'k', 'k'); // maximise
    g.set(right - 6, top + 4, 'k');                               // close
    g.set(right - 4, top + 4, 'k');
    g.set(right - 5, top + 5, 'k');
    g.set(right - 6, top + 6, 'k');
    g.set(right - 4, top + 6, 'k');
    // Menu bar.
    int mx = left + 4;
    for (int length : { 4, 4, 4, 6, 6, 4 }) {
        hline(g, mx, mx + length - 1, top + 12, 'k');
        mx += length + 4;
    }
    // Toolbar: a row of little buttons with coloured pictures.
    hline(g, left + 2, right - 2, top + 15, 'd');
    hline(g, left + 2, right - 2, top + 16, 'w');
    const char toolColours[] = { 'w', 'y', 'b', 'k', 'r', 'n', 'g', 'p', 'b' };
    for (int i = 0; i < 9; ++i) {
        const int tx = left + 4 + i * 8 + (i >= 3 ? 3 : 0) + (i >= 6 ? 3 : 0);
        fill(g, tx + 1, top + 19, tx + 4, top + 21, toolColours[i]);
        bevel(g, tx, top + 18, tx + 5, top + 22, 'w', 'd');
    }
    // The page, sunk into the window, with a few lines of writing.
    const int pageTop = top + 25;
    fill(g, left + 3, pageTop, right - 3, bottom - 3, 'w');
    bevel(g, left + 2, pageTop - 1, right - 2, bottom - 2, 'd', 'w');
    hline(g, left + 3, right - 3, pageTop, 'k');
    vline(g, left + 3, pageTop, bottom - 3, 'k');
    scribble(g, left + 8, right - 8, pageTop + 4, 'n', 0);
    hline(g, left + 8, left + 30, pageTop + 4, 'n');
    for (int i = 0; i < 6; ++i)
        scribble(g, left + 8, right - 8 - (i == 5 ? 30 : 0), pageTop + 10 + i * 4, 'd', i * 3 + 1);
    // The caret at the end of the writing.
    vline(g, right - 36, pageTop + 28, pageTop + 32, 'k');

    // The taskbar with the Start button, the window's button and the clock.
    const int barTop = ScreenHeight - 13;
    fill(g, 0, barTop, ScreenWidth - 1, ScreenHeight - 1, 's');
    hline(g, 0, ScreenWidth - 1, barTop + 1, 'w');
    button(g, 2, barTop + 3, 34, ScreenHeight - 2);
    g.paste(Grid::fromRows({
                "rr.ll",
                "rr.ll",
                ".....",
                "bb.yy",
                "bb.yy",
            }),
            5, barTop + 5);
    tinyText(g, 12, barTop + 5, "Start", 'k');
    // The word processor's button, pushed in because its window is active.
    fill(g, 38, barTop + 3, 80, ScreenHeight - 2, 's');
    for (int y = barTop + 4; y < ScreenHeight - 2; ++y)
        for (int x = 39; x < 80; ++x)
            if ((x + y) % 2 == 0)
                g.set(x, y, 'w');
    bevel(g, 38, barTop + 3, 80, ScreenHeight - 2, 'k', 'w');
    hline(g, 39, 79, barTop + 4, 'd');
    vline(g, 39, barTop + 4, ScreenHeight - 3, 'd');
    fill(g, 42, barTop + 6, 45, barTop + 9, 'w');
    hline(g, 42, 45, barTop + 7, 'b');
    hline(g, 48, 62, barTop + 7, 'k');
    hline(g, 48, 62, barTop + 8, 'k');
    // The clock.
    bevel(g, 103, barTop + 3, ScreenWidth - 3, ScreenHeight - 2, 'd', 'w');
    tinyText(g, 106, barTop + 5, "10:09", 'k');

    // The mouse pointer, on its way to the toolbar.
    g.paste(Grid::fromRows({
                "k.......",
                "kk......",
                "kwk.....",
                "kwwk....",
                "kwwwk...",
                "kwwwwk..",
                "kwwwwwk.",
                "kwwwwwwk",
                "kwwwkkkk",
                "kwkkwk..",
                "kk.kwk..",
                "k...kwk.",
                "....kwk.",
                ".....k..",
            }),
            64, top + 20);

    // The corners of the picture tube are rounded.
    const int cx[] = { 0, ScreenWidth - 1 };
    const int cy[] = { 0, ScreenHeight - 1 };
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) {
            const int sx = i ? -1 : 1;
            const int sy = j ? -1 : 1;
            g.set(cx[i], cy[j], 'k');
            g.set(cx[i] + sx, cy[j], 'k');
            g.set(cx[i], cy[j] + sy, 'k');
        }
    return g;
}

// ---------------------------------------------------------------------------
// The computer

// Draws 'shape' (coloured pixels on a clear grid) into 'g' at (x, y) with a
// black outline round it.
void pasteOutlined(Grid &g, const Grid &shape, int x, int y)
{
    Grid framed(shape.width() + 2, shape.height() + 2);
    framed.paste(shape, 1, 1);
    framed.outline('k');
    g.paste(framed, x - 1, y - 1);
}

constexpr int MonitorWidth = 160;
constexpr int MonitorHeight = 136;

// A beige monitor, its front's top left corner at (x, y); the back of the
// tube housing shows above it and the stand below.
void monitor(Grid &g, int x, int y)
{
    const int w = MonitorWidth;
    const int h = MonitorHeight;

    // The housing behind, narrowing towards the back, with air vents.
    Grid back(w, 6);
    for (int r = 0; r < 6; ++r) {
        const int inset = 24 - r * 4;
        hline(back, inset, w - 1 - inset, r, r < 2 ? 'e' : 'c');
    }
    for (int vx = 44; vx <= w - 46; vx += 5) {
        back.set(vx, 2, 'h');
        back.set(vx, 3, 'h');
        back.set(vx + 1, 3, 'h');
        back.set(vx + 1, 4, 'h');
    }
    pasteOutlined(g, back, x, y - 7);

    // The front, its corners slightly rounded.
    Grid front(w, h);
    for (int r = 0; r < h; ++r) {
        const int cut = (r == 0 || r == h - 1) ? 2 : (r == 1 || r == h - 2) ? 1 : 0;
        hline(front, cut, w - 1 - cut, r, 'e');
    }
    hline(front, 2, w - 3, 0, 'c');
    hline(front, 1, w - 2, 1, 'c');
    vline(front, 0, 2, h - 3, 'c');
    vline(front, 1, 2, h - 3, 'c');
    vline(front, w - 1, 2, h - 3, 'h');
    vline(front, w - 2, 2, h - 3, 'h');
    hline(front, 2, w - 3, h - 1, 'u');
    hline(front, 1, w - 2, h - 2, 'h');
    front.set(1, h - 2, 'e');
    front.set(w - 2, 1, 'e');

    // The recess round the glass, and the glass itself.
    const int gx0 = 12, gy0 = 10, gx1 = w - 13, gy1 = 113;
    bevel(front, gx0 - 1, gy0 - 1, gx1 + 1, gy1 + 1, 'h', 'c');
    bevel(front, gx0, gy0, gx1, gy1, 'u', 'w');
    fill(front, gx0 + 1, gy0 + 1, gx1 - 1, gy1 - 1, 'k');
    front.paste(screen(), gx0 + 4, gy0 + 4);
    // Below the glass: a name plate, the knobs, the power button and its lamp.
    const int chin = gy1 + 2;
    fill(front, 14, chin + 7, 40, chin + 11, 'h');
    bevel(front, 14, chin + 7, 40, chin + 11, 'u', 'c');
    for (int i = 0; i < 4; ++i) {
        const int kx = 86 + i * 8;
        fill(front, kx, chin + 8, kx + 4, chin + 10, 'h');
        bevel(front, kx, chin + 8, kx + 4, chin + 10, 'c', 'u');
    }
    fill(front, w - 28, chin + 6, w - 16, chin + 12, 'e');
    bevel(front, w - 28, chin + 6, w - 16, chin + 12, 'c', 'j');
    hline(front, w - 27, w - 17, chin + 11, 'u');
    vline(front, w - 17, chin + 7, chin + 11, 'u');
    hline(front, w - 12, w - 11, chin + 8, 'l');
    hline(front, w - 12, w - 11, chin + 9, 'g');

    pasteOutlined(g, front, x, y);

    // The stand: a short neck on a round foot.
    const int centre = x + w / 2;
    Grid neck(48, 7);
    for (int r = 0; r < 7; ++r) {
        const int inset = 6 - r;
        hline(neck, inset, 47 - inset, r, 'h');
        neck.set(inset, r, 'e');
        neck.set(47 - inset, r, 'u');
    }
    pasteOutlined(g, neck, centre - 24, y + h + 1);
    Grid foot(112, 16);
    ellipse(foot, 56, 9, 55, 6.5, 'u');
    ellipse(foot, 56, 7, 55, 6.5, 'e');
    ellipse(foot, 56, 6.5, 44, 4, 'c');
    ellipse(foot, 56, 6, 26, 2.5, 'h');
    pasteOutlined(g, foot, centre - 56, y + h + 5);
}

// A keyboard seen from the front and above, its top left corner at (x, y).
constexpr int KeyboardWidth = 174;
constexpr int KeyboardDepth = 38;

void keyboard(Grid &g, int x, int y)
{
    const int w = KeyboardWidth;
    const int d = KeyboardDepth;
    Grid board(w, d + 4);
    for (int r = 0; r < d; ++r) {
        const int inset = (4 * (d - 1 - r)) / (d - 1);
        hline(board, inset, w - 1 - inset, r, 'e');
        board.set(inset, r, 'c');
        board.set(w - 1 - inset, r, 'h');
    }
    hline(board, 4, w - 5, 0, 'c');
    // The front edge.
    hline(board, 0, w - 1, d, 'h');
    hline(board, 0, w - 1, d + 1, 'h');
    hline(board, 1, w - 2, d + 2, 'u');
    hline(board, 2, w - 3, d + 3, 'u');

    // The keys: one row to a string, each number a key's width in pixels
    // and each negative number a gap.
    auto key = [&](int kx, int ky, int width, int height) {
        fill(board, kx, ky, kx + width - 1, ky + height - 1, 'c');
        hline(board, kx, kx + width - 1, ky + height - 1, 'u');
        vline(board, kx + width - 1, ky, ky + height - 1, 'h');
        board.set(kx + width - 1, ky + height - 1, 'u');
        hline(board, kx + 1, kx + width - 2, ky, 'w');
    };
    const std::vector<std::vector<int>> rows = {
        { 6, -6, 6, 6, 6, 6, -3, 6, 6, 6, 6, -3, 6, 6, 6, 6, -4, 6, 6, 6 },
        { 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 12, -4, 6, 6, 6, -4, 6, 6, 6, 6 },
        { 9, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 9, -4, 6, 6, 6, -4, 6, 6, 6, 6 },
        { 11, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 14, -4, -6, -6, -6, -4, 6, 6, 6, 6 },
        { 15, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 17, -4, -6, 6, -6, -4, 6, 6, 6, 6 },
        { 8, 8, 8, 49, 8, 8, 8, -4, 6, 6, 6, -4, 13, 6, 6 },
    };
    const int keyLeft = 8;
    int ky = 3;
    for (size_t r = 0; r < rows.size(); ++r) {
        const int height = r == 0 ? 4 : 5;
        int kx = keyLeft;
        for (int width : rows[r]) {
            if (width > 0)
                key(kx, ky, width, height);
            kx += std::abs(width) + 1;
        }
        ky += height + (r == 0 ? 2 : 1);
    }
    // The three lamps above the number pad.
    for (int i = 0; i < 3; ++i) {
        board.set(w - 30 + i * 7, 4, 'g');
        board.set(w - 29 + i * 7, 4, i == 0 ? 'l' : 'g');
    }
    pasteOutlined(g, board, x, y);
}

// A two button mouse seen from above, centred on (cx, cy).
void mouse(Grid &g, int cx, int cy)
{
    Grid body(24, 34);
    const double ox = 12.0, oy = 17.0;
    for (int y = 0; y < 34; ++y)
        for (int x = 0; x < 24; ++x) {
            const double dy = (y + 0.5 - oy) / 16.0;
            const double rx = (dy < 0 ? 10.0 : 11.0) * std::sqrt(std::max(0.0, 1.0 - dy * dy));
            const double dx = (x + 0.5 - ox) / std::max(rx, 0.1);
            if (std::abs(dx) > 1.0 || std::abs(dy) > 1.0)
                continue;
            // Lit from the top left.
            const double level = -0.55 * dx - 0.35 * dy;
            body.set(x, y, level > 0.35 ? 'c' : level > -0.45 ? 'e' : 'h');
        }
    // The buttons.
    for (int x = 1; x < 23; ++x)
        if (body.at(x, 11) != Clear)
            body.set(x, 11, 'u');
    for (int y = 1; y < 11; ++y)
        body.set(12, y, 'u');
    pasteOutlined(g, body, cx - 12, cy - 17);
}

// The mouse's lead: a gentle curve from (x0, y0) by way of (cx, cy) to (x1, y1).
void lead(Grid &g, double x0, double y0, double cx, double cy, double x1, double y1)
{
    int lastX = static_cast<int>(std::lround(x0));
    int lastY = static_cast<int>(std::lround(y0));
    for (int i = 1; i <= 64; ++i) {
        const double t = i / 64.0;
        const double u = 1.0 - t;
        const int px = static_cast<int>(std::lround(u * u * x0 + 2 * u * t * cx + t * t * x1));
        const int py = static_cast<int>(std::lround(u * u * y0 + 2 * u * t * cy + t * t * y1));
        line(g, lastX, lastY, px, py, 'j');
        line(g, lastX, lastY + 1, px, py + 1, 'k');
        lastX = px;
        lastY = py;
    }
}

// The computer on its desk: monitor, keyboard and mouse with their shadows.
Grid computer()
{
    Grid g(224, 232);
    const int monitorX = 14;
    const int monitorY = 8;
    const int centre = monitorX + MonitorWidth / 2;
    const int keyboardY = monitorY + MonitorHeight + 30;

    shadow(g, centre + 4, monitorY + MonitorHeight + 16, 62, 9, 'v');
    shadow(g, centre + 6, keyboardY + KeyboardDepth + 4, KeyboardWidth / 2 + 4, 8, 'v');
    shadow(g, 207, keyboardY + 38, 13, 7, 'v');

    monitor(g, monitorX, monitorY);
    lead(g, 205, keyboardY + 5, 210, keyboardY - 14, 150, monitorY + MonitorHeight + 12);
    keyboard(g, centre - KeyboardWidth / 2, keyboardY);
    mouse(g, 205, keyboardY + 20);
    return g;
}

// The course book lying on the desk with the course disc on it, seen from
// the front and above like the keyboard.
Grid courseBook()
{
    const int w = 96;   // width of the cover at the front
    const int d = 30;   // depth of the cover, front to back
    const int t = 9;    // thickness
    Grid g(w + 24, d + t + 12);

    shadow(g, w / 2 + 8, d + t - 1, w / 2 + 6, 6, 'v');

    Grid book(w, d + t);
    // The front cover: purple, lit along its back and left edges.
    for (int r = 0; r < d; ++r) {
        const int inset = (5 * (d - 1 - r)) / (d - 1);
        hline(book, inset, w - 1 - inset, r, 'p');
        book.set(inset, r, 'f');
        book.set(inset + 1, r, 'f');
        // The hinge along the spine.
        book.set(inset + 7, r, 'k');
        book.set(inset + 8, r, 'f');
    }
    hline(book, 5, w - 6, 0, 'f');
    // The edge of the front board, then the pages, then the back board.
    hline(book, 0, w - 1, d, 'p');
    for (int r = d + 1; r < d + t - 1; ++r)
        hline(book, 2, w - 1, r, (r - d) % 2 ? 'w' : 's');
    hline(book, 0, w - 1, d + t - 1, 'p');
    vline(book, w - 1, d + 1, d + t - 2, 'p');
    // The rounded spine wraps round the left end of the pages.
    for (int r = d; r < d + t; ++r) {
        book.set(0, r, 'p');
        book.set(1, r, 'p');
        book.set(2, r, r == d || r == d + t - 1 ? 'p' : 'f');
    }
    // Gold bands across the spine.
    for (int band : { 4, d - 5 }) {
        const int inset = (5 * (d - 1 - band)) / (d - 1);
        hline(book, inset, inset + 6, band, 'y');
        hline(book, inset, inset + 6, band + 1, 'o');
    }
    // A gold frame on the cover with the title in it.
    const int fx0 = 18, fy0 = 5, fx1 = w - 10, fy1 = d - 6;
    bevel(book, fx0, fy0, fx1, fy1, 'y', 'o');
    scribble(book, fx0 + 5, fx1 - 5, fy0 + 5, 'y', 7);
    hline(book, fx0 + 5, fx1 - 5, fy0 + 6, 'y');
    hline(book, fx0 + 10, fx1 - 10, fy0 + 12, 'o');
    hline(book, fx0 + 16, fx1 - 16, fy0 + 15, 'o');
    pasteOutlined(g, book, 2, 2);

    // The disc, lying across the right-hand side of the cover.
    Grid disc(48, 20);
    const double cx = 24.0, cy = 10.0, rx = 23.0, ry = 9.5;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 48; ++x) {
            const double nx = (x + 0.5 - cx) / rx;
            const double ny = (y + 0.5 - cy) / ry;
            const double rho = std::sqrt(nx * nx + ny * ny);
            if (rho > 1.0 || rho < 0.16)
                continue;
            if (rho < 0.36) {
                disc.set(x, y, rho < 0.22 ? 'd' : 's');
                continue;
            }
            // Silver, brighter towards the top left, with a rainbow where
            // the light catches the tracks.
            const double angle = std::atan2(ny, nx);
            const double fromSheen = std::abs(std::sin(angle + 0.8));
            char code = (0.5 - 0.5 * (nx + ny)) > bayer(x, y) ? 'w' : 's';
            if (fromSheen < 0.2)
                code = rho < 0.6 ? 'a' : rho < 0.8 ? 'f' : 'y';
            disc.set(x, y, code);
        }
    Grid edged(50, 23);
    edged.paste(disc, 1, 1);
    edged.outline('d');
    // The disc's edge, seen below its rim.
    for (int y = edged.height() - 1; y > 0; --y)
        for (int x = 0; x < edged.width(); ++x)
            if (edged.at(x, y) == Clear && edged.at(x, y - 1) == 'd')
                edged.set(x, y, 'k');
    g.paste(edged, w - 38, 6);
    return g;
}

} // namespace

QImage titlePicture(const BannerFonts &fonts)
{
    QImage image(TitleWidth, TitleHeight, QImage::Format_RGB32);
    image.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter painter(&image);

    // The art panel: a white sheet shading to pale steel blue, sunk into the
    // grey like a picture in a dialog.
    const QRect sheetRect(PanelLeft + 1, PanelTop + 1, PanelRight - PanelLeft - 1,
                          PanelBottom - PanelTop - 1);
    QLinearGradient sheet(sheetRect.left(), 0, sheetRect.right(), 0);
    sheet.setColorAt(0.0, QColor(255, 255, 255));
    sheet.setColorAt(0.40, QColor(255, 255, 255));
    sheet.setColorAt(1.0, QColor(190, 208, 236));
    painter.fillRect(sheetRect, sheet);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(PanelLeft, PanelTop, PanelRight - 1, PanelTop);
    painter.drawLine(PanelLeft, PanelTop, PanelLeft, PanelBottom - 1);
    painter.setPen(QColor(0xFF, 0xFF, 0xFF));
    painter.drawLine(PanelLeft, PanelBottom, PanelRight, PanelBottom);
    painter.drawLine(PanelRight, PanelTop, PanelRight, PanelBottom);

    const Grid art = computer();
    painter.drawImage(QPoint(PanelRight - 6 - art.width(),
                             PanelTop + (PanelBottom - PanelTop - art.height()) / 2 + 2),
                      art.toImage());

    const Grid book = courseBook();
    painter.drawImage(QPoint(122, 198), book.toImage());

    // The name, navy shading to royal blue, with a grey drop shadow.
    QFont title(fonts.title);
    title.setPixelSize(46);
    title.setBold(true);
    title.setHintingPreference(QFont::PreferFullHinting);
    QPainterPath name;
    name.addText(QPointF(26, 112), title, QStringLiteral("Quillan 2"));
    painter.setRenderHint(QPainter::Antialiasing);
    // The banner's thickening suits its 24 pixel name; this one is twice as big.
    const double thickening = fonts.titleThickening * 2.0;
    auto pen = [&](const QBrush &brush) {
        return thickening > 0.0
            ? QPen(brush, thickening, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
            : QPen(Qt::NoPen);
    };
    painter.setPen(pen(QColor(0x80, 0x80, 0x80)));
    painter.setBrush(QColor(0x80, 0x80, 0x80));
    painter.drawPath(name.translated(3, 3));
    QLinearGradient ink(0, 112 - 36, 0, 112);
    ink.setColorAt(0.0, QColor(0, 0, 128));
    ink.setColorAt(1.0, QColor(16, 72, 200));
    painter.setPen(pen(ink));
    painter.setBrush(ink);
    painter.drawPath(name);

    // A rule under the name, fading out to the right.
    QLinearGradient rule(26, 0, 236, 0);
    rule.setColorAt(0.0, QColor(0, 0, 128));
    rule.setColorAt(1.0, QColor(0, 0, 128, 0));
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(26, 124, 210, 2), rule);

    QFont subtitle(fonts.subtitle);
    subtitle.setPixelSize(15);
    subtitle.setHintingPreference(QFont::PreferFullHinting);
    subtitle.setStyleStrategy(QFont::PreferNoShaping);
    painter.setFont(subtitle);
    painter.setPen(QColor(0, 0, 0));
    painter.drawText(QPoint(28, 148), QStringLiteral("An interactive course"));
    painter.drawText(QPoint(28, 166), QStringLiteral("for the Windows desktop"));
    painter.end();
    return image;
}

} // namespace art
