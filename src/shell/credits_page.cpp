// The closing credits: on black, the product logo between two picture panels
// that dissolve every three seconds to the next of 24 course thumbnails (the
// left one forwards, the right one backwards), and below them the credits
// text scrolling slowly upwards, round and round.
#include "shell/frm_main.h"

#include "effects/harm_fade.h"
#include "effects/pic_clip.h"
#include "effects/secret_panel.h"
#include "platform/components.h"
#include "platform/error_report.h"
#include "platform/panel.h"
#include "platform/period_look.h"
#include "platform/picture.h"
#include "shell/pages.h"

#include <QLabel>
#include <QStackedWidget>

#include <chrono>
#include <utility>

namespace {

constexpr int Thumbnails = 24;

}  // namespace

void TfrmMain::createCreditsPage()
{
    QWidget *page = nbMain->widget(Page::T003);

    Panel4 = new TPanel(page);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setColor(Qt::black);
    Panel4->resize(nbMain->width(), 150);
    realignChildren(page, page->rect());

    imgQL2End = new QLabel(Panel4);
    imgQL2End->setObjectName(QStringLiteral("imgQL2End"));
    // The logo and the thumbnails are read on the page's first showing.
    imgQL2End->setGeometry(0, 0, 150, 150);

    for (auto [fade, name] : {std::pair{&hfFade1, "hfFade1"}, std::pair{&hfFade2, "hfFade2"}}) {
        *fade = new THarmFade(Panel4);
        (*fade)->setObjectName(QString::fromLatin1(name));
        (*fade)->setGeometry(0, 4, 185, 138);
    }

    pnCredits = new TSecretPanel(page);
    pnCredits->setObjectName(QStringLiteral("pnCredits"));
    pnCredits->setColor(Qt::black);
    pnCredits->setFontColor(Qt::white);
    pnCredits->setBevelOuter(TPanel::Bevel::None);
    pnCredits->setBevelInner(TPanel::Bevel::None);
    // Its font, with the logo and the thumbnails, on the page's first showing.
    pnCredits->setCycled(true);
    pnCredits->setGlyphLayout(GlyphLayout::glGlyphTop);
    pnCredits->setTextStyle(TextStyle::bvSpace);

    // The band at the top, the credits fill the rest of the page.
    page->setAutoFillBackground(true);
    QPalette pal = page->palette();
    pal.setColor(QPalette::Window, Qt::black);
    page->setPalette(pal);

    picClip = new TPicClip(QStringLiteral("picClip"), this);
    picClip->setCols(Thumbnails);
    picClip->setRows(1);
    picClip->setMasked(false);
}

void TfrmMain::prefetchCreditsStrip()
{
    // The thumbnails are the largest picture the course has: read on a worker
    // thread while the learner looks at the title page, they hold up neither
    // the first frame nor the credits page's first showing.
    m_creditsStrip = std::async(std::launch::async, [] {
        TPicture strip;
        strip.load(QStringLiteral(":/credits_strip.png"));
        return strip;
    });
}

void TfrmMain::prepareCreditsPage()
{
    // Most runs never reach the credits: their font is looked up and their
    // pictures taken on the page's first showing.
    if (std::exchange(m_creditsPrepared, true))
        return;
    pnCredits->setFont(periodFont(QStringLiteral("Arial"), 13, true));
    setCrispPixmap(imgQL2End, QPixmap::fromImage(QImage(QStringLiteral(":/credits_logo.png"))));
    if (!m_creditsStrip.valid())  // the page came before the worker started
        prefetchCreditsStrip();
    // The thumbnails are first shown by the first tick, three seconds on:
    // the page does not wait for a worker that is still reading them.
    takeCreditsStrip(false);
}

void TfrmMain::takeCreditsStrip(bool wait)
{
    if (!m_creditsStrip.valid())
        return;
    if (!wait && m_creditsStrip.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return;
    picClip->setPicture(m_creditsStrip.get());
}

void TfrmMain::EnterT003()
{
    prepareCreditsPage();
    // The page fills the notebook: the band on top, the credits below it.
    const QRect area(QPoint(0, 0), nbMain->size());
    Panel4->setGeometry(0, 0, area.width(), 150);
    pnCredits->setGeometry(0, 150, area.width(), std::max(0, area.height() - 150));

    // The credits' letters are decoded from the language's code page. A
    // file that is missing or cannot be read leaves the panel blank; the
    // pictures still change. One that is there but is not read (not a
    // regular file, over the limit) is told as well.
    const QString creditsPath = FInfoPath + QStringLiteral("T003Cred.txt");
    const ReadStatus credits = pnCredits->LoadLinesFromFile(creditsPath, FCharset);
    if (credits != ReadStatus::Ok)
        pnCredits->setLines({});
    if (credits != ReadStatus::Ok && credits != ReadStatus::Missing)
        reportError(unableToReadMessage(creditsPath));
    pnCredits->setActive(true);
    m_page.onLeave([this] { pnCredits->setActive(false); });  // its scrolling stops with the page

    const int logoLeft = (nbMain->width() - imgQL2End->width()) / 2;
    imgQL2End->move(logoLeft, 0);
    hfFade1->move((logoLeft - hfFade1->width()) / 2, 4);
    hfFade2->move((nbMain->width() + logoLeft + imgQL2End->width() - hfFade2->width()) / 2, 4);

    FThumbnail = 0;
    tmrTimer->setInterval(3000);
    m_page.bind(tmrTimer->OnTimer, [this] { CreditsTimerTick(); });
    m_page.setEnabled(tmrTimer, true);
}

void TfrmMain::CreditsTimerTick()
{
    takeCreditsStrip(true);
    // The left panel goes forwards through the thumbnails, the right one
    // backwards; the left one dissolves first.
    hfFade1->setPicFrom(hfFade1->PicTo());
    hfFade1->setPicTo(picClip->GraphicColRow(FThumbnail, 0));
    hfFade1->Dissolve();
    hfFade2->setPicFrom(hfFade2->PicTo());
    hfFade2->setPicTo(picClip->GraphicColRow(Thumbnails - 1 - FThumbnail, 0));
    hfFade2->Dissolve();
    FThumbnail = FThumbnail + 1 > Thumbnails - 1 ? 0 : FThumbnail + 1;
}
