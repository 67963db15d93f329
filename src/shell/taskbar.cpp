// The simulated taskbar: the Start button with its menu (a picture drawn from
// its rows' words, redrawn on every mouse move, with real popup menus for its
// submenus), the word processor's taskbar button, and the clock's place.
#include "shell/frm_main.h"

#include "platform/desktop_words.h"

#include "effects/rx_clock.h"
#include "lessons/frm_wordpad.h"
#include "platform/components.h"
#include "platform/image_list.h"
#include "platform/image_widget.h"
#include "platform/panel.h"
#include "platform/period_look.h"
#include "platform/tool_bar.h"
#include "shell/pages.h"
#include "shell/start_menu.h"
#include "shell/start_menu_picture.h"

#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStackedWidget>
#include <QToolButton>

#include <algorithm>

namespace {

// A taskbar button: a raised button with its glyph and caption at the left
// (margin 2, spacing 2), sunken while its window is the active one.
class TaskButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        option.icon = QIcon();
        style()->drawControl(QStyle::CE_PushButtonBevel, &option, &p, this);
        const int shift = isChecked() || isDown() ? 1 : 0;
        const QRect glyph(4 + shift, (height() - 16) / 2 + shift, 16, 16);
        icon().paint(&p, glyph);
        const QRect text(glyph.right() + 3, shift, width() - glyph.right() - 7, height());
        p.setFont(font());
        p.setPen(lookPalette(this).color(QPalette::ButtonText));
        p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                   p.fontMetrics().elidedText(this->text(), Qt::ElideRight, text.width()));
    }
};

}  // namespace

void TfrmMain::createTaskbar()
{
    pnTaskbar->setBevels(TPanel::Bevel::Raised, TPanel::Bevel::None);
    // A locked taskbar ignores the learner but is never drawn greyed.
    keepLookWhenDisabled(pnTaskbar);

    imgStartBottom = new TImage(pnTaskbar);
    imgStartBottom->setObjectName(QStringLiteral("imgStartBottom"));
    imgStartBottom->move(0, 0);
    imgStartBottom->hide();

    tbarStart = new TToolBar(pnTaskbar);
    tbarStart->setObjectName(QStringLiteral("tbarStart"));
    tbarStart->setEdges(false);
    tbarStart->setGeometry(3, 1, 56, 25);

    sbStart = new QToolButton(tbarStart);
    sbStart->setObjectName(QStringLiteral("sbStart"));
    sbStart->setText(desktopWord("StartButton"));
    sbStart->setIcon(imglDesktopS->icon(21));
    sbStart->setIconSize(QSize(16, 16));
    sbStart->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    sbStart->setFont(periodFont(QStringLiteral("Tahoma"), 11, true));
    sbStart->setCheckable(true);
    // Reached by keyboard (F6), never by a click.
    sbStart->setFocusPolicy(Qt::TabFocus);
    sbStart->setGeometry(0, 0, 56, 22);
    connect(sbStart, &QToolButton::clicked, this, [this] { sbStartOnClick(); });

    sbWPad = new TaskButton(pnTaskbar);
    sbWPad->setObjectName(QStringLiteral("sbWPad"));
    sbWPad->setText(desktopWords().windowCaption(desktopWord("DocumentUntitled")));
    sbWPad->setIcon(crispIcon(QPixmap(QStringLiteral(":/wordpad_icon16.png"))));
    sbWPad->setIconSize(QSize(16, 16));
    sbWPad->setCheckable(true);
    sbWPad->setFocusPolicy(Qt::NoFocus);
    sbWPad->setGeometry(65, 3, 161, 22);
    sbWPad->hide();
    connect(sbWPad, &QPushButton::clicked, this, &TfrmMain::sbWPadClick);

    // The clock sits at the right end, in its own sunken tray.
    Panel3 = new TPanel(pnTaskbar);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->resize(53, 26);
    pnTaskbar->setAlign(Panel3, Align::Right);
    RxClock1 = new TRxClock(Panel3);
    RxClock1->setObjectName(QStringLiteral("RxClock1"));
    RxClock1->setShowSeconds(false);
    RxClock1->setBevels(TRxClock::Bevel::Lowered, TRxClock::Bevel::None);
    RxClock1->setGeometry(2, 2, 49, 22);
}

QStringList TfrmMain::startMenuCaptions() const
{
    QStringList captions;
    for (const char *word : StartMenuWords)
        captions << desktopWord(word);
    return captions;
}

const StartMenuPicture &TfrmMain::startMenuPicture() const
{
    // Its pictures and font are read when a Start menu is first needed, not
    // at start-up.
    if (!m_startMenu)
        m_startMenu = std::make_unique<StartMenuPicture>(startMenuCaptions(),
                                                         QImage(QStringLiteral(":/start_banner.png")),
                                                         QImage(QStringLiteral(":/start_icons.png")));
    return *m_startMenu;
}

void TfrmMain::createStartMenus()
{
    // Every row shows a desktop word (the key given).
    const auto item = [this](QMenu *menu, const char *word, int image) {
        QAction *a = menu->addAction(imglStart->icon(image), desktopWord(word));
        return a;
    };
    const auto lessonItem = [](QMenu *menu, TAction *a, const char *word, const QIcon &icon) {
        a->setText(desktopWord(word));
        a->setIcon(icon);
        menu->addAction(a);
        return a;
    };
    const auto empty = [](QMenu *menu) {
        menu->addAction(desktopWord("MenuEmpty"))->setEnabled(false);
    };

    pmStart = new QMenu(this);
    pmStart->setObjectName(QStringLiteral("pmStart"));
    pmStart->setSeparatorsCollapsible(false);
    QMenu *accessories = pmStart->addMenu(imglStart->icon(0), desktopWord("Accessories"));
    QMenu *games = accessories->addMenu(imglStart->icon(0), desktopWord("Games"));
    item(games, "Minesweeper", 4);
    item(games, "Solitaire", 5);
    QMenu *tools = accessories->addMenu(imglStart->icon(0), desktopWord("SystemTools"));
    empty(tools);
    item(accessories, "Calculator", 6);
    item(accessories, "Notepad", 7);
    mupuStartWordpad = new TAction(QStringLiteral("mupuStartWordpad"), this);
    lessonItem(accessories, mupuStartWordpad, "Wordpad", imglStart->icon(8));
    QMenu *startup = pmStart->addMenu(imglStart->icon(0), desktopWord("Startup"));
    empty(startup);
    item(pmStart, "InternetExplorer", 3);
    item(pmStart, "MsDosPrompt", 1);
    mupuStartExplorer = new TAction(QStringLiteral("mupuStartExplorer"), this);
    lessonItem(pmStart, mupuStartExplorer, "WindowsExplorer", imglStart->icon(2));

    pmDocuments = new QMenu(this);
    pmDocuments->setObjectName(QStringLiteral("pmDocuments"));
    Document21 = new TAction(QStringLiteral("Document21"), this);
    lessonItem(pmDocuments, Document21, "Document2", imglDesktopS->icon(4));
    mupuDocMyDoc = new TAction(QStringLiteral("mupuDocMyDoc"), this);
    lessonItem(pmDocuments, mupuDocMyDoc, "MyDocument", imglDesktopS->icon(9));
}

int TfrmMain::StartMenuHitTest(TImage *menu, int y)
{
    const int row = startMenuRow(y);
    FStartRow = std::max(row, 0);  // the keys go on from where the pointer is
    redrawStartMenu(menu);
    return row;
}

void TfrmMain::redrawStartMenu(TImage *menu)
{
    const qreal scale = menu->devicePixelRatioF();
    if (scale == 1) {
        QPainter p(&menu->canvas());
        p.drawImage(0, 0, startMenuPicture().draw(FStartRow));
        p.end();
        menu->update();
        return;
    }
    // Above 1x the captions are written at the screen's resolution.
    menu->setPicture(QPixmap::fromImage(startMenuPicture().draw(FStartRow, scale)));
}

void TfrmMain::StartButtonToggle(TImage *menu)
{
    const bool open = !menu->isVisible();
    sbStart->setChecked(open);
    imgStartBottom->setVisible(open);
    if (open)
        tbarStart->OnCustomDraw.bind([this](QPainter &p, const QRect &r, bool &d) {
            tbarStartCustomDraw(p, r, d);
        });
    else
        tbarStart->OnCustomDraw.unbind();
    tbarStart->update();
    menu->setVisible(sbStart->isChecked());
    if (menu->isVisible())
        menu->raise();
    StartMenuHitTest(menu, -1);  // the menu always opens with no row highlighted
}

void TfrmMain::ReleaseStartButton()
{
    // A menu left open goes with its page: the Start button comes up and the
    // strip on the taskbar goes.
    sbStart->setChecked(false);
    imgStartBottom->hide();
    tbarStart->OnCustomDraw.unbind();
    tbarStart->update();
}

void TfrmMain::tbarStartCustomDraw(QPainter &painter, const QRect &, bool &defaultDraw)
{
    // The menu's bottom edge continues across the strip the toolbar covers.
    painter.drawPixmap(0, -1, imgStartBottom->picture());
    defaultDraw = true;
}

void TfrmMain::sbWPadClick()
{
    if (sbWPad->isChecked()) {
        frmWordpad->show();
        frmWordpad->raise();
    } else {
        sbWPad->setChecked(frmWordpad->isVisible());
    }
}
