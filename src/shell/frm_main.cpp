#include "shell/frm_main.h"

#include "platform/language_files.h"
#include "lessons/frm_msg_dlg.h"
#include "lessons/frm_opn_dlg.h"
#include "lessons/frm_wordpad.h"
#include "platform/classic_window.h"
#include "platform/code_page.h"
#include "platform/components.h"
#include "platform/error_report.h"
#include "platform/image_list.h"
#include "platform/image_widget.h"
#include "platform/ini_file.h"
#include "platform/panel.h"
#include "platform/period_look.h"
#include "platform/quillan_application.h"
#include "platform/rich_edit.h"
#include "platform/screen_dpi.h"
#include "platform/screen_zoom.h"
#include "shell/main_layout.h"
#include "shell/pages.h"
#include "platform/desktop_words.h"
#include "shell/frm_contents.h"
#include "shell/panel_keys.h"
#include "shell/progress.h"
#include "shell/start_menu_picture.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextEdit>
#include <QToolButton>

#include <algorithm>

TfrmMain::TfrmMain(const QString &langFileName, const QString &programDir, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      m_langFileName(langFileName),
      m_programDir(programDir)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quillan 2"));
    setFont(periodFont(QStringLiteral("Tahoma"), 11));
    resize(794, 573);  // the designed size; the screen's size at first showing
    // The language comes first: the simulated desktop is built with its words.
    FLangFile = std::make_unique<IniFile>(m_langFileName);
    FCharset = FLangFile->readInteger("LANGUAGE", "Charset", 1);
    setDesktopWords(DesktopWords(*FLangFile, CodePage::forCharset(FCharset)));
    installDesktopKeyNames();
    createControls();
    FormCreate();
    createWindows();
    describeControls();
    // F6 from the panel goes back to the control the lesson starts with when
    // the keyboard had no other place on the desktop: Start on a Start-menu
    // lesson (the menu itself while it is open), else the word processor's
    // text.
    m_panelKeys = new TPanelKeys(this, {tbBack, tbForward, tbContents, tbExit}, [this]() -> QWidget * {
        if (TImage *menu = liveStartMenu())
            return menu->isVisible() ? static_cast<QWidget *>(menu) : sbStart;
        return frmWordpad->isVisible() ? frmWordpad->reWPad : nullptr;
    });
    createStartMenuKeys();
    createZoomKeys();
}

TfrmMain::~TfrmMain() = default;  // the language and progress files close with it

void TfrmMain::createWindows()
{
    // The course's dialogs are drawn inside the main window once it shows.
    setCourseWindow(this);
    // In the order of start-up, after the main window itself.
    frmContents = new TfrmContents(this);
    frmWordpad = new TfrmWordpad(imglButtons, this);
    frmOpnDlg = new TfrmOpnDlg(imglDesktop, imglDesktopS, this);
    frmMsgDlg = new TfrmMsgDlg(this);
    // Maximised, the word processor covers the notebook.
    frmWordpad->setWorkArea([this] { return nbMain->geometry(); });
    // The taskbar button always shows the window's caption.
    connect(frmWordpad, &QWidget::windowTitleChanged, sbWPad, &QPushButton::setText);
}

QToolButton *TfrmMain::createNavButton(const char *name, const char *icon)
{
    auto *b = new QToolButton(Panel1);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoRaise(true);
    // Takes no focus by a click (the keyboard stays where the lesson has it)
    // nor when the window is activated; the panel's keys (TPanelKeys) give
    // it the focus, with its mark, when the learner asks with Tab or F6.
    b->setFocusPolicy(Qt::NoFocus);
    b->setIcon(crispIcon(QPixmap(QString::fromLatin1(icon))));
    b->setIconSize(QSize(16, 16));
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    b->setGeometry(0, 2, 22, 22);
    return b;
}

void TfrmMain::createControls()
{
    const QColor paleYellow(PeriodColor::InfoYellow);

    pnMain = new TPanel(this);
    pnMain->setObjectName(QStringLiteral("pnMain"));
    pnMain->setColor(QColor(PeriodColor::Teal));

    pnTaskbar = new TPanel(pnMain);
    pnTaskbar->setObjectName(QStringLiteral("pnTaskbar"));
    pnTaskbar->resize(width(), 28);
    pnMain->setAlign(pnTaskbar, Align::Bottom);

    pnControl = new TPanel(pnMain);
    pnControl->setObjectName(QStringLiteral("pnControl"));
    pnControl->setBevels(TPanel::Bevel::None, TPanel::Bevel::Lowered);
    pnControl->setCursor(Qt::ArrowCursor);
    pnControl->resize(250, height());
    pnMain->setAlign(pnControl, Align::Right);

    Panel1 = new TPanel(pnControl);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setColor(paleYellow);
    Panel1->resize(250, 25);
    pnControl->setAlign(Panel1, Align::Bottom);

    Panel2 = new TPanel(pnControl);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setEnabled(false);  // the learner cannot click, select or scroll the instructions
    pnControl->setAlign(Panel2, Align::Client);

    reMain = new QTextEdit(Panel2);
    reMain->setObjectName(QStringLiteral("reMain"));
    reMain->setReadOnly(true);
    reMain->setUndoRedoEnabled(false);
    reMain->setFrameShape(QFrame::NoFrame);
    reMain->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    reMain->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    reMain->setAcceptRichText(true);
    reMain->setFont(periodFont(QStringLiteral("MS Sans Serif"), 11));
    {
        // Disabled through Panel2, yet drawn like normal text on pale yellow.
        QPalette pal = reMain->palette();
        for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            pal.setColor(g, QPalette::Base, paleYellow);
            pal.setColor(g, QPalette::Window, paleYellow);
            pal.setColor(g, QPalette::Text, Qt::black);
        }
        reMain->setPalette(pal);
    }
    Panel2->setAlign(reMain, Align::Client);

    tbBack = createNavButton("tbBack", ":/nav_back.png");
    tbForward = createNavButton("tbForward", ":/nav_forward.png");
    tbContents = createNavButton("tbContents", ":/nav_contents.png");
    tbExit = createNavButton("tbExit", ":/nav_exit.png");
    connect(tbBack, &QToolButton::clicked, this, &TfrmMain::tbBackClick);
    connect(tbForward, &QToolButton::clicked, this, &TfrmMain::tbForwardClick);
    connect(tbContents, &QToolButton::clicked, this, &TfrmMain::tbContentsClick);
    connect(tbExit, &QToolButton::clicked, this, &TfrmMain::tbExitClick);

    nbMain = new QStackedWidget(pnMain);
    nbMain->setObjectName(QStringLiteral("nbMain"));
    nbMain->setAutoFillBackground(true);
    {
        QPalette pal = nbMain->palette();
        pal.setColor(QPalette::Window, QColor(PeriodColor::Teal));
        nbMain->setPalette(pal);
    }
    for (int i = 0; i < PageCount; ++i) {
        auto *page = new QWidget;
        page->setObjectName(pageCode(i));
        page->setWindowTitle(pageCode(i));  // the page's caption is its code
        nbMain->addWidget(page);
    }
    createTitlePage(nbMain->widget(Page::T001));
    pnMain->setAlign(nbMain, Align::Client);

    aEnter = new TAction(QStringLiteral("aEnter"), this);
    aEnter->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    aEnter->setEnabled(false);
    addAction(aEnter);

    aF3Key = new TAction(QStringLiteral("aF3Key"), this);
    aF3Key->setShortcut(QKeySequence(Qt::Key_F3));
    aF3Key->setEnabled(false);
    addAction(aF3Key);

    tmrTimer = new TTimer(QStringLiteral("tmrTimer"), this);

    imglStart = new TImageList(QStringLiteral("imglStart"), QSize(16, 16), this);
    imglStart->addStrip(QStringLiteral(":/imgl_start.png"));
    imglDesktop = new TImageList(QStringLiteral("imglDesktop"), QSize(32, 32), this);
    imglDesktop->addStrip(QStringLiteral(":/imgl_desktop.png"));
    imglDesktopS = new TImageList(QStringLiteral("imglDesktopS"), QSize(16, 16), this);
    imglDesktopS->addStrip(QStringLiteral(":/imgl_desktop_s.png"));
    imglButtons = new TImageList(QStringLiteral("imglButtons"), QSize(16, 16), this);
    imglButtons->addStrip(QStringLiteral(":/imgl_buttons.png"));

    createTaskbar();
    createStartMenus();
    createLessonPages();
    createCreditsPage();
}

void TfrmMain::FormCreate()
{
    // The language's code page decodes paths as well as texts.
    const CodePage cp = CodePage::forCharset(FCharset);

    FInfoPath = cp.decode(FLangFile->readString("PATHS", "InfoPath", "NOVALUE"));
    if (FInfoPath == QLatin1String("NOVALUE"))
        FInfoPath = derivedInfoPath(m_langFileName, m_programDir);
    FInfoPath = withForwardSlashes(FInfoPath);

    const std::optional<QByteArray> userPath = FLangFile->value("PATHS", "UserPath");
    FUserPath = userPath ? withForwardSlashes(cp.decode(*userPath)) : m_programDir + "Users/";

    const QString progressPath = progressFilePath();
    // Temporary files of writes that a crash or a kill interrupted.
    IniFile::removeStrayTemporaryFiles(progressPath);
    FUserFile = std::make_unique<IniFile>(progressPath, ReadLimit::ProgressFile);
    // A progress file that is there but cannot be read (a FIFO, a device, an
    // oversized file) is told; the course starts from the beginning, and the
    // file is left alone: no progress of this run is written over it.
    const ReadStatus progressStatus = FUserFile->readStatus();
    FUserFileUnread = progressStatus != ReadStatus::Ok && progressStatus != ReadStatus::Missing;
    if (FUserFileUnread)
        reportError(unableToReadMessage(progressPath)
                    + QStringLiteral("\n\nThe course starts from the beginning, and this "
                                     "run's progress is not saved."));
    // A hand-edited value outside the course's pages must not lead anywhere.
    FMaxIndex = std::clamp(FUserFile->readInteger("USERINFO", "MaxIndex", 0), 0, PageCount - 1);

    // Fonts here carry no character set of their own: every text is decoded
    // from the language's code page when it is read (langText), which is what
    // makes the hint and menu texts show the right letters.
}

QString TfrmMain::langText(QByteArrayView section, QByteArrayView key,
                           QByteArrayView fallback) const
{
    return CodePage::forCharset(FCharset).decode(FLangFile->readString(section, key, fallback));
}

void TfrmMain::FormShow()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    // 0. The course zoom, before anything is laid out: the screen is then the
    // zoom times smaller in the course's pixels.
    const QString zoomRefused = startZoom(screen);
    const QRect desk = screen->geometry();

    // 1. The course needs 800 x 600 of its pixels, each drawn as a whole
    // square of the display's pixels (the zoom aside); if not, the learner
    // is told once the course shows (7).
    const DisplayScale scale = displayScale(screen);
    const bool displaySuitable = displayIsSuitable(desk.size(), scale.course, scale.shown);

    // 2. The screen's size, for now: where a window manager or compositor
    // gives the window full screen, it keeps that size; where one gives it
    // less, the course is laid out anew in what it gets (resizeEvent).
    setGeometry(desk);

    // 3. The info panel's width.
    pnControl->resize(FLangFile->readInteger("GENERAL", "InfoPanelWidth", 250), pnControl->height());
    layoutCourse();

    // 4. The navigation buttons share the panel's width.
    const NavButtonLayout nav = navButtonLayout(pnControl->width());
    QToolButton *buttons[] = {tbBack, tbForward, tbContents, tbExit};
    for (int i = 0; i < 4; ++i)
        buttons[i]->setGeometry(nav.lefts[i], 2, nav.width, 22);

    // 5. The word processor's text shows the language's letters through the
    // same decoding as every other text; nothing to set on its font.

    // 6. The title page, set up before the window maps: the learner's first
    // sight of the course is the whole page, never an empty panel.
    EnterPage(Page::T001);
    // Full screen: with a window manager the window asks for it
    // (_NET_WM_STATE_FULLSCREEN), which puts it above the desktop's panels
    // while it is active; on Wayland the toplevel's full-screen state. With
    // no window manager it simply keeps the screen's geometry.
    showFullScreen();

    // 7. The display notice, drawn over the title page like every dialog of
    // the course; the page's countdown waits until it is closed.
    if (!displaySuitable) {
        const bool counting = tmrTimer->enabled();
        tmrTimer->setEnabled(false);
        showErrorBox(QStringLiteral("Error"), langText("LABELS", "InvalidDisplaySettings", "!!!"));
        tmrTimer->setEnabled(counting);
    }
    if (!zoomRefused.isEmpty()) {
        const bool counting = tmrTimer->enabled();
        tmrTimer->setEnabled(false);
        showErrorBox(QStringLiteral("Error"), zoomRefused);
        tmrTimer->setEnabled(counting);
    }

    // Once the title page is up, the credits' thumbnails are read behind it.
    QTimer::singleShot(1000, this, [this] {
        if (!m_creditsPrepared)
            prefetchCreditsStrip();
    });
}

void TfrmMain::layoutCourse()
{
    pnMain->setGeometry(rect());
    pnMain->realign();
    // The word processor may grow to the notebook plus 2 pixels on every
    // side, the notebook measured with the taskbar showing whether or not
    // the page shows it.
    const QRect client = pnMain->clientRect();
    frmWordpad->setMaximumSize(
        wordpadMaxSize(QSize(client.width() - pnControl->width(), client.height() - pnTaskbar->height())));
    // The Start menus stand on the taskbar, wherever it now is.
    for (TImage *menu : {imgT051Start, imgT057Start}) {
        if (menu)
            placeStartMenu(menu);
    }
}

void TfrmMain::resizeEvent(QResizeEvent *)
{
    // A window manager that refuses full screen, or a panel that appears,
    // changes the window's size: the course fits what it gets.
    layoutCourse();
}

void TfrmMain::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The learner comes back from another window: the course is full screen
    // again (above the panels), should the window manager have taken that
    // away while it was behind.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isVisible()
        && !(windowState() & Qt::WindowFullScreen))
        setWindowState((windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)) | Qt::WindowFullScreen);
    // A window manager that takes full screen away (or refuses it) would
    // leave the window the screen's size with a panel over it: the course
    // takes the area the panels leave instead, until it is full screen again.
    if (event->type() == QEvent::WindowStateChange && isVisible()) {
        const auto *change = static_cast<QWindowStateChangeEvent *>(event);
        if ((change->oldState() & Qt::WindowFullScreen) && windowState() == Qt::WindowNoState)
            if (const QScreen *s = screen())
                setGeometry(s->availableGeometry());
    }
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    LeavePage(currentPage());
    event->accept();
}
