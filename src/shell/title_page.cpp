// The title page: the course's title picture with the maker's notices and a
// countdown; 30 seconds after it appears the first lesson starts by itself.
#include "shell/frm_main.h"

#include "platform/components.h"
#include "platform/panel.h"
#include "platform/safe_format.h"
#include "shell/pages.h"
#include "platform/period_look.h"

#include <QLabel>
#include <QStackedWidget>

namespace {

constexpr int kLogoWidth = 484;
constexpr int kLogoHeight = 364;
constexpr int kCountdownSeconds = 30;

}  // namespace

void TfrmMain::createTitlePage(QWidget *page)
{
    pnT001Logo = new TPanel(page);
    pnT001Logo->setObjectName(QStringLiteral("pnT001Logo"));
    pnT001Logo->setBevels(TPanel::Bevel::Raised, TPanel::Bevel::Raised);
    pnT001Logo->resize(kLogoWidth, kLogoHeight);

    imgT001Logo = new QLabel(pnT001Logo);
    imgT001Logo->setObjectName(QStringLiteral("imgT001Logo"));
    imgT001Logo->setGeometry(2, 2, 480, 360);
    setCrispPixmap(imgT001Logo, QPixmap(QStringLiteral(":/title.png")));

    addBevel(pnT001Logo, TBevel::Shape::Frame, "Bevel1", QRect(8, 8, 467, 346));
    addBevel(pnT001Logo, TBevel::Shape::BottomLine, "Bevel2", QRect(13, 276, 457, 6));

    // The maker's notices: fixed text in the Western character set.
    Label1 = transparentLabel(pnT001Logo, "Label1", QRect(15, 284, 453, 42));
    Label1->setText(QStringLiteral(
        "Quillan 2 \u00A9 2026 The Quillan 2 team. Free software: GNU GPL 3 or later.\n"
        "Windows is a registered trademark of Microsoft Corporation.\n"
        "This course is independent and not endorsed by Microsoft."));

    addBevel(pnT001Logo, TBevel::Shape::BottomLine, "Bevel3", QRect(13, 324, 457, 6));

    lbT001Time = transparentLabel(pnT001Logo, "lbT001Time", QRect(15, 336, 454, 13));
}

void TfrmMain::EnterT001()
{
    pnT001Logo->move((nbMain->width() - kLogoWidth) / 2, (nbMain->height() - kLogoHeight) / 2);
    FStep = kCountdownSeconds;
    FCountdownFormat = langText("LABELS", "lbT001Time", "%d");
    // The countdown's letters come decoded from the language's code page;
    // its line keeps its last text when the page is left.
    tmrTimer->setInterval(1000);
    m_page.bind(tmrTimer->OnTimer, [this] { tmrTimerT001Timer(); });
    m_page.setEnabled(tmrTimer, true);
    // Enter on the title page is the same as Forward.
    m_page.bind(aEnter->OnExecute, [this] { tbForwardClick(); });
    m_page.setEnabled(aEnter, true);
}

void TfrmMain::tmrTimerT001Timer()
{
    --FStep;
    // A translated line that does not fit one number is shown as it stands;
    // the countdown itself goes on.
    lbT001Time->setText(formatOrVerbatim(FCountdownFormat, {FStep}));
    if (FStep <= 0)
        ChangePage(Page::T051);
}
