#include "effects/rx_clock.h"
#include "lessons/frm_wordpad.h"
#include "platform/classic_window.h"
#include "platform/code_page.h"
#include "platform/image_widget.h"
#include "platform/tool_bar.h"
#include "shell/frm_main.h"
#include "shell/start_menu.h"
#include "support/course_fixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// Whether a row of the menu picture is drawn highlighted, to its right end.
bool highlighted(const TImage *menu, int row)
{
    const QImage img = menu->picture().toImage();
    return img.pixelColor(img.width() - 3, startMenuRowTop(row) + 14) == QColor(0, 0, 128);
}

// The open menu as the English pictures of earlier editions made it: the
// empty menu, every row's picture on it (magenta shows the menu through),
// and the highlighted row's selected picture on the highlight.
QImage menuOfEarlierPictures(int highlightedRow)
{
    const QString folder = QStringLiteral(QUILLAN_START_MENU_PICTURES "/");
    const auto picture = [&folder](int row, bool selected) {
        const char *rows[] = {"programs", "documents", "settings", "find", "help", "run", "shutdown"};
        QImage img = QImage(folder + QStringLiteral("start_%1%2.png").arg(QLatin1String(rows[row - 1]),
                                                                            selected ? "_s" : ""))
                         .convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) == qRgb(255, 0, 255))
                    img.setPixel(x, y, 0);
        return img;
    };
    QImage menu = QImage(folder + QStringLiteral("start_menu.png")).convertToFormat(QImage::Format_RGB32);
    QPainter p(&menu);
    for (int row = 1; row <= StartMenuRows; ++row)
        p.drawImage(StartMenuItemLeft, startMenuRowTop(row), picture(row, false));
    if (highlightedRow > 0) {
        const int top = startMenuRowTop(highlightedRow);
        p.fillRect(QRect(StartMenuItemLeft, top, 126, 29), QColor(0, 0, 128));
        p.drawImage(StartMenuItemLeft, top, picture(highlightedRow, true));
    }
    return menu;
}

TEST(StartMenu, InEnglishTheMenuIsDrawnAsTheEarlierPicturesShowedIt)
{
    CourseFixture f;
    f.start();
    f.goTo(1);
    TfrmMain &m = f.main();
    QTest::mouseClick(m.sbStart, Qt::LeftButton);
    TImage *menu = m.imgT051Start;
    ASSERT_TRUE(menu->isVisible());
    // The frame with every row plain, then each row highlighted.
    for (int row = 0; row <= StartMenuRows; ++row) {
        m.StartMenuHitTest(menu, row > 0 ? startMenuRowTop(row) + 15 : -1);
        EXPECT_EQ(differingPixels(menu->picture().toImage().convertToFormat(QImage::Format_RGB32),
                                  menuOfEarlierPictures(row)),
                  0)
            << "row " << row;
    }
}

TEST(StartMenu, StartOpensAndClosesTheMenuWithItsStrip)
{
    CourseFixture f;
    f.start();
    f.goTo(1);
    TfrmMain &m = f.main();
    TImage *menu = m.imgT051Start;
    EXPECT_EQ(menu->geometry(), QRect(0, 740 - 224 + 3, 152, 224));
    EXPECT_FALSE(menu->isVisible());

    QTest::mouseClick(m.sbStart, Qt::LeftButton);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(m.sbStart->isChecked());
    EXPECT_TRUE(m.imgStartBottom->isVisible());
    EXPECT_TRUE(m.tbarStart->OnCustomDraw.isBound());
    for (int row = 1; row <= 7; ++row)
        EXPECT_FALSE(highlighted(menu, row)) << row;

    // The pointer's height picks the row, even over the banner at the left.
    PopupDriver noPopup({});
    moveOver(menu, 10, 40);
    EXPECT_TRUE(highlighted(menu, 2));
    EXPECT_FALSE(highlighted(menu, 1));
    moveOver(menu, 100, 200);
    EXPECT_TRUE(highlighted(menu, 7));
    moveOver(menu, 100, 187);  // the separator: nothing
    for (int row = 1; row <= 7; ++row)
        EXPECT_FALSE(highlighted(menu, row)) << row;
    EXPECT_TRUE(noPopup.shown().isEmpty());  // only Programs opens a submenu here

    moveOver(menu, 100, 200);
    QTest::mouseClick(m.sbStart, Qt::LeftButton);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_FALSE(m.sbStart->isChecked());
    EXPECT_FALSE(m.imgStartBottom->isVisible());
    EXPECT_FALSE(m.tbarStart->OnCustomDraw.isBound());
    EXPECT_FALSE(highlighted(menu, 7));  // the next opening shows no highlighted row
}

TEST(StartMenu, ProgramsOpensItsSubmenuAtTheMenusTopRightCorner)
{
    CourseFixture f;
    f.start();
    f.goTo(1);
    TfrmMain &m = f.main();
    QTest::mouseClick(m.sbStart, Qt::LeftButton);
    QPoint at;
    QStringList items;
    PopupDriver driver({[&](QMenu *menu) {
                            at = menu->pos();
                            for (QAction *a : menu->actions())
                                items << a->text();
                            PopupDriver::clickItem(menu, 0);  // Accessories
                        },
                        [&](QMenu *accessories) {
                            PopupDriver::clickItem(accessories, 2);  // Calculator, which does nothing
                        }});
    moveOver(m.imgT051Start, 60, 10);
    EXPECT_EQ(driver.shown().first(), m.pmStart);
    EXPECT_EQ(at, m.nbMain->mapToGlobal(QPoint(150, 740 - 224 + 3)));
    EXPECT_EQ(items, (QStringList{"Accessories", "Startup", "Internet Explorer", "MS-DOS Prompt",
                                  "Windows Explorer"}));
    // Calculator does nothing: the Start menu stays open on the same page.
    EXPECT_EQ(m.currentPage(), 1);
    EXPECT_TRUE(m.imgT051Start->isVisible());
    EXPECT_TRUE(m.sbStart->isChecked());
}

// A menu as text: items in order, submenus in brackets, disabled items
// marked with "~".
QString describe(const QMenu *menu)
{
    QStringList items;
    for (QAction *a : menu->actions()) {
        QString item = (a->isEnabled() ? QString() : QStringLiteral("~")) + a->text();
        if (a->menu())
            item += QStringLiteral(" [") + describe(a->menu()) + QStringLiteral("]");
        items << item;
    }
    return items.join(QStringLiteral(", "));
}

TEST(StartMenu, SubmenusHoldTheirItems)
{
    CourseFixture f;
    f.start();
    const TfrmMain &m = f.main();
    EXPECT_EQ(describe(m.pmStart),
              "Accessories [Games [Minesweeper, Solitaire], System Tools [~(Empty)], Calculator, "
              "Notepad, Wordpad], Startup [~(Empty)], Internet Explorer, MS-DOS Prompt, "
              "Windows Explorer");
    EXPECT_EQ(describe(m.pmDocuments), "Document2, My Document");
    EXPECT_EQ(m.sbStart->text(), "Start");
    EXPECT_EQ(m.sbStart->pos(), QPoint(0, 0));  // at the toolbar's origin
    EXPECT_TRUE(m.sbStart->font().bold());
    EXPECT_FALSE(m.sbStart->icon().isNull());
}

// A key as the learner presses it: to the control with the keyboard, or to
// the window when none has it.
void press(TfrmMain &m, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : static_cast<QWidget *>(&m), key, modifiers);
}

TEST(StartMenu, TheKeyboardOpensTheMenuAndMovesItsHighlight)
{
    CourseFixture f;
    f.start();
    f.goTo(1);
    TfrmMain &m = f.main();
    TImage *menu = m.imgT051Start;
    press(m, Qt::Key_Escape, Qt::ControlModifier);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_TRUE(m.sbStart->isChecked());
    EXPECT_TRUE(menu->hasFocus());
    EXPECT_TRUE(highlighted(menu, 1));

    press(m, Qt::Key_Down);
    press(m, Qt::Key_Down);
    EXPECT_TRUE(highlighted(menu, 3));
    EXPECT_FALSE(highlighted(menu, 1));
    press(m, Qt::Key_Up);
    EXPECT_TRUE(highlighted(menu, 2));
    // The keys go on from the row the pointer is on.
    moveOver(menu, 100, 200);
    press(m, Qt::Key_Down);
    EXPECT_TRUE(highlighted(menu, 1));

    // Esc closes it, the keyboard on Start, where Enter opens it again; the
    // Windows key closes it as it opens it.
    press(m, Qt::Key_Escape);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_FALSE(m.sbStart->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), m.sbStart);
    press(m, Qt::Key_Return);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_TRUE(highlighted(menu, 1));
    press(m, Qt::Key_Super_L);
    EXPECT_FALSE(menu->isVisible());

    // Opened by the pointer, Esc closes it too.
    QTest::mouseClick(m.sbStart, Qt::LeftButton);
    ASSERT_TRUE(menu->isVisible());
    press(m, Qt::Key_Escape);
    EXPECT_FALSE(menu->isVisible());
}

TEST(StartMenu, T051IsDoneByKeyboardAlone)
{
    CourseFixture f;
    f.start();
    f.goTo(1);
    TfrmMain &m = f.main();
    // F6 from the panel lands on Start.
    m.tbContents->setFocus(Qt::TabFocusReason);
    press(m, Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), m.sbStart);

    QAction *firstShown = nullptr;
    PopupDriver driver({[&](QMenu *programs) {
                            firstShown = programs->activeAction();
                            QTest::keyClick(programs, Qt::Key_Right);  // Accessories
                        },
                        [](QMenu *accessories) {
                            QTest::keyClick(accessories, Qt::Key_Up);  // round to the last, Wordpad
                            QTest::keyClick(accessories, Qt::Key_Return);
                        }});
    press(m, Qt::Key_Return);  // Start
    ASSERT_TRUE(m.imgT051Start->isVisible());
    press(m, Qt::Key_Right);  // Programs
    EXPECT_EQ(firstShown, m.pmStart->actions().first());
    EXPECT_EQ(m.currentPage(), 2);
    EXPECT_EQ(f.storedMaxIndex(), "2");
}

TEST(StartMenu, LeftClosesASubmenuBackToItsRow)
{
    CourseFixture f;
    f.start();
    f.goTo(1);
    TfrmMain &m = f.main();
    PopupDriver driver({[](QMenu *programs) { QTest::keyClick(programs, Qt::Key_Left); }});
    press(m, Qt::Key_Escape, Qt::ControlModifier);
    press(m, Qt::Key_P);  // Programs by its letter
    EXPECT_EQ(driver.shown().size(), 1);
    EXPECT_FALSE(m.pmStart->isVisible());
    EXPECT_TRUE(m.imgT051Start->isVisible());
    // The keyboard is back in the picture once the window is active again
    // (a desktop gives it back when the popup goes; the headless one is told).
    m.activateWindow();
    for (int i = 0; i < 100 && QApplication::activeWindow() != &m; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(m.imgT051Start->hasFocus());
    EXPECT_TRUE(highlighted(m.imgT051Start, 1));
}

TEST(StartMenu, LeavingThePageWithTheMenuOpenClosesItFully)
{
    CourseFixture f({}, progressWith(3));
    f.start();
    f.goTo(1);
    TfrmMain &m = f.main();
    QTest::mouseClick(m.sbStart, Qt::LeftButton);
    QTest::mouseClick(m.tbForward, Qt::LeftButton);
    EXPECT_EQ(m.currentPage(), 2);
    EXPECT_FALSE(m.sbStart->isChecked());
    EXPECT_FALSE(m.imgStartBottom->isVisible());
    EXPECT_FALSE(m.tbarStart->OnCustomDraw.isBound());
    EXPECT_FALSE(m.sbStartOnClick.isBound());
    EXPECT_TRUE(m.imgT051Start->picture().isNull());
}

TEST(Taskbar, TheWordProcessorsButtonFollowsItsWindow)
{
    CourseFixture f({}, progressWith(3));
    f.start();
    f.goTo(2);
    TfrmMain &m = f.main();
    ASSERT_TRUE(m.sbWPad->isVisible());
    EXPECT_TRUE(m.sbWPad->isChecked());
    EXPECT_TRUE(m.sbWPad->font().bold());
    EXPECT_EQ(m.sbWPad->text(), "Document - Wordpad");
    EXPECT_EQ(m.sbWPad->geometry(), QRect(65, 3, 161, 22));
    // Clicking the pressed button of a visible window changes nothing.
    QTest::mouseClick(m.sbWPad, Qt::LeftButton);
    EXPECT_TRUE(m.sbWPad->isChecked());
    EXPECT_TRUE(m.frmWordpad->isVisible());
    // Hidden by the engine on T051, shown again with the window on T052.
    f.goTo(1);
    EXPECT_FALSE(m.sbWPad->isVisible());
}

TEST(Taskbar, ALockedTaskbarIgnoresTheLearnerButKeepsItsLook)
{
    CourseFixture f({}, progressWith(9));
    f.start();
    TfrmMain &m = f.main();
    m.RxClock1->setTimeSource([] { return QDateTime(QDate(2026, 5, 4), QTime(9, 41)); });
    const auto looks = [&m] {
        return QList<QImage>{m.sbStart->grab().toImage(), m.sbWPad->grab().toImage(),
                             m.RxClock1->grab().toImage()};
    };
    f.goTo(2);  // T052: the taskbar takes input
    ASSERT_TRUE(m.pnTaskbar->isEnabled());
    const QList<QImage> open = looks();

    f.goTo(4);  // T054: the taskbar is locked
    ASSERT_FALSE(m.pnTaskbar->isEnabled());
    ASSERT_EQ(m.sbWPad->text(), "Document - Wordpad");
    EXPECT_EQ(looks(), open);
    QTest::mouseClick(m.sbStart, Qt::LeftButton);
    EXPECT_FALSE(m.sbStart->isChecked());
}

// Long words of other editions, the longest on a row with a submenu (German)
// and on one without (Russian).
const QStringList kGermanCaptions = {"&MS-DOS-Eingabeaufforderung", "&Dokumente", "&Einstellungen", "&Suchen",
                                     "&Hilfe", "Ausf&\u00FChren...", "&Beenden..."};
const QStringList kRussianCaptions = {
    "&\u041F\u0440\u043E\u0433\u0440\u0430\u043C\u043C\u044B", "&\u0414\u043E\u043A\u0443\u043C\u0435\u043D\u0442\u044B",
    "&\u041D\u0430\u0441\u0442\u0440\u043E\u0439\u043A\u0430", "\u041D&\u0430\u0439\u0442\u0438",
    "&\u0421\u043F\u0440\u0430\u0432\u043A\u0430", "\u0412&\u044B\u043F\u043E\u043B\u043D\u0438\u0442\u044C...",
    "&\u0417\u0430\u0432\u0435\u0440\u0448\u0435\u043D\u0438\u0435 \u0440\u0430\u0431\u043E\u0442\u044B..."};

TEST(StartMenu, AWiderMenuKeepsItsPartsAtItsRightEdge)
{
    const struct {
        QStringList captions;
        int charset;
    } packs[] = {{kGermanCaptions, 0}, {kRussianCaptions, 204}};
    for (const auto &[captions, charset] : packs) {
        SCOPED_TRACE(captions.first().toStdString());
        // A pack with these rows, in its code page.
        QString words = QStringLiteral("Charset=%1\r\n[DESKTOP]\r\n").arg(charset);
        for (int row = 0; row < StartMenuRows; ++row)
            words += QLatin1String(StartMenuWords[row]) + QLatin1Char('=') + captions[row] + QStringLiteral("\r\n");
        CourseFixture f(CodePage::forCharset(charset).encode(words), progressWith(7));
        f.start();
        TfrmMain &m = f.main();
        f.goTo(1);
        TImage *menu = m.imgT051Start;
        const int width = menu->width();
        EXPECT_GT(width, 152);
        EXPECT_EQ(menu->geometry(), QRect(0, 740 - 224 + 3, width, 224));
        QTest::mouseClick(m.sbStart, Qt::LeftButton);
        ASSERT_TRUE(menu->isVisible());
        EXPECT_EQ(m.imgStartBottom->width(), width);

        // Programs opens its submenu at the right edge, highlighted to it.
        QPoint at;
        PopupDriver programs({[&](QMenu *submenu) {
            at = submenu->pos();
            submenu->close();
        }});
        moveOver(menu, width - 5, 10);
        EXPECT_EQ(at, m.nbMain->mapToGlobal(QPoint(width - 2, 740 - 224 + 3)));
        EXPECT_TRUE(highlighted(menu, 1));

        // Find's underlined letter takes the keyboard to its row.
        menu->setFocus(Qt::OtherFocusReason);
        const QChar letter = captions[3].at(captions[3].indexOf('&') + 1);
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter.toLower()));
        QApplication::sendEvent(menu, &key);
        EXPECT_TRUE(highlighted(menu, 4));

        // Documents on T057, once the word processor is closed.
        f.goTo(7);
        QTest::mouseClick(m.frmWordpad, Qt::LeftButton, {}, m.frmWordpad->buttonRect(Ht::HTCLOSE).center());
        QTest::mouseClick(m.sbStart, Qt::LeftButton);
        ASSERT_TRUE(m.imgT057Start->isVisible());
        EXPECT_EQ(m.imgT057Start->width(), width);
        PopupDriver documents({[&](QMenu *submenu) {
            at = submenu->pos();
            submenu->close();
        }});
        moveOver(m.imgT057Start, width - 5, 40);
        EXPECT_EQ(documents.shown().value(0), m.pmDocuments);
        EXPECT_EQ(at, m.nbMain->mapToGlobal(QPoint(width - 2, 740 - 224 + 36)));
    }
}

}  // namespace
