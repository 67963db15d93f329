#pragma once

#include <QByteArrayView>
#include <QString>
#include <QWidget>

#include "platform/event.h"

#include <array>
#include <memory>

class IniFile;
class QDateTime;
class QLabel;
class QListWidget;
class QStackedWidget;
class QTextEdit;
class QToolButton;
class QMenu;
class QPainter;
class QPushButton;
class TAction;
class TImage;
class TToolBar;
class THarmFade;
class TPicClip;
class TRxClock;
class TSecretPanel;
class TImageList;
struct TMessage;
class TPanel;
class TTimer;
class TfrmContents;
class TfrmMsgDlg;
class TfrmOpnDlg;
class TfrmWordpad;

// The program's one visible window: full screen, no border. The page
// notebook nbMain on the left shows the current page of the course, the info
// panel pnControl on the right its instructions and the four navigation
// buttons, the simulated taskbar pnTaskbar runs along the bottom.
//
// The window owns the language file and the learner progress file of the run
// and the state the shell and the lessons share. Its methods are spread over
// files by subsystem: the shell's in src/shell, the lesson handlers in
// src/lessons/lessons_*.cpp.
class TfrmMain : public QWidget {
    Q_OBJECT
public:
    // Builds the controls and runs FormCreate with the chosen language file.
    TfrmMain(const QString &langFileName, const QString &programDir, QWidget *parent = nullptr);
    ~TfrmMain() override;  // FormDestroy

    // The windows created after this one at start-up.
    void attachWindows(TfrmContents *contents, TfrmWordpad *wordpad, TfrmOpnDlg *opnDlg,
                       TfrmMsgDlg *msgDlg);

    // First showing: display check, full-screen layout, page 0.
    void FormShow();

    // Page engine (page_engine.cpp).
    void EnterPage(int index);
    void LeavePage(int index);
    // Loads <info folder><name>.rtf into the info panel; when it cannot, tells
    // the learner and ends the program.
    void LoadPageInfo(const QString &name);
    int currentPage() const;

    // Title page (title_page.cpp).
    void tmrTimerT001Timer();

    // Navigation and progress (navigation.cpp).
    void tbBackClick();
    void tbForwardClick();
    void tbExitClick();
    void tbContentsClick();
    void SaveProgress(int p);

    // The simulated Open/Save dialog (file_dialog.cpp): fills its file list
    // for the filter FStep and the page showing (My Document dated now, or
    // at the given time); prepares the dialog with the caption word ("Open",
    // "Save") and the expected-name mode (1 to 3), shows it modally and tells
    // whether the learner confirmed.
    void FillFileList(QListWidget *list);
    void FillFileList(QListWidget *list, const QDateTime &now);
    bool ShowFileDialog(const QString &captionWord, int mode);
    // The lessons' handler of the file type box: the filter follows it.
    void frmOpnDlgcbTypeT052Change();

    // Message boxes of the lessons (message_boxes.cpp): the print-error box,
    // and the save-changes question (true unless the learner cancelled).
    void ShowPrintErrorBox();
    void PreparePrintErrorBox();  // the box's set-up, without showing it
    bool AskSaveChanges(const QString &question);

    // The lesson hooks of the word processor (lessons_common.cpp). The
    // standard one: no minimising, closing or window menu; moving, sizing
    // and maximising stay. T057's lets the window close and then hands the
    // learner the taskbar; T059's lets it close once the comments are saved,
    // which completes the course.
    void whHookT052BeforeMessage(QObject *sender, TMessage &msg, bool &handled);
    void whHookT057BeforeMessage(QObject *sender, TMessage &msg, bool &handled);
    void whHookT059BeforeMessage(QObject *sender, TMessage &msg, bool &handled);

    // Taskbar and Start menu (taskbar.cpp).
    // Redraws the menu picture on the image with the row at y highlighted;
    // returns the row (1 to 7) or -1.
    int StartMenuHitTest(TImage *menu, int y);
    // Opens or closes the Start menu shown by the image.
    void StartButtonToggle(TImage *menu);
    // Leaving a Start-menu lesson: the button comes up, whatever was open.
    void ReleaseStartButton();
    void tbarStartCustomDraw(QPainter &painter, const QRect &rect, bool &defaultDraw);
    void sbWPadClick();
    void frmWPadT052Show();

    // Lessons T051 to T055 (lessons_t051_t055.cpp).
    void sbStartT051Click();
    void imgT051StartMouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void mupuStartWordpadT051Click();
    void frmWPadaOpenT052Execute();
    void frmWPadaNewT053Execute();
    void frmWPadreWPadT054Change();
    void frmWPadaCutT055Execute();
    void frmWPadaCopyT055Execute();
    void frmWPadaPasteT055Execute();

    // Lessons T056 to T059 (lessons_t056_t059.cpp): saving, closing and
    // reopening, printing, and the final exercise.
    void frmWPadaSaveT056Execute();
    void sbStartT057Click();
    void imgT057StartMouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void mupuDocMyDocT057Click();
    void frmWPadaPrintT058Execute();
    void frmWPadaNewT059Execute();
    void frmWPadaSaveT059Execute();
    void frmWPadaPrintT059Execute();
    void aF3KeyT059Execute();

    // The credits page (credits_page.cpp): every 3 seconds the two picture
    // panels dissolve to the next course thumbnail.
    void CreditsTimerTick();

    // Asks the program to end once control is back in the event loop.
    void requestTermination();
    bool terminationRequested() const { return m_terminationRequested; }

    // A text of the language file, decoded in its character set.
    QString langText(QByteArrayView section, QByteArrayView key, QByteArrayView fallback) const;

    // State shared by the shell and the lessons.
    int FStep = 0;
    QString FCountdownFormat;
    QString FInfoPath;
    QString FUserPath;  // read at start-up; nothing depends on it
    int FCharset = 1;
    std::unique_ptr<IniFile> FLangFile;
    std::unique_ptr<IniFile> FUserFile;
    int FMaxIndex = 0;
    int FDocState = 0;

    // Controls.
    TPanel *pnMain = nullptr;
    TPanel *pnTaskbar = nullptr;
    TPanel *pnControl = nullptr;
    TPanel *Panel1 = nullptr;
    TPanel *Panel2 = nullptr;
    QTextEdit *reMain = nullptr;
    QToolButton *tbBack = nullptr;
    QToolButton *tbForward = nullptr;
    QToolButton *tbContents = nullptr;
    QToolButton *tbExit = nullptr;
    QStackedWidget *nbMain = nullptr;
    TPanel *pnT001Logo = nullptr;
    QLabel *imgT001Logo = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lbT001Time = nullptr;
    // The simulated taskbar.
    TToolBar *tbarStart = nullptr;
    QToolButton *sbStart = nullptr;
    Event<> sbStartOnClick;  // bound while a Start-menu lesson shows
    TImage *imgStartBottom = nullptr;
    QPushButton *sbWPad = nullptr;
    TPanel *Panel3 = nullptr;  // the clock's place
    TRxClock *RxClock1 = nullptr;
    // The Start menu's pictures, held (never shown) on Panel2: the empty
    // menu, and per row its normal and selected picture.
    TImage *imgStart = nullptr;
    std::array<TImage *, 7> imgStartItems{};
    std::array<TImage *, 7> imgStartItemsS{};
    QMenu *pmStart = nullptr;
    QMenu *pmDocuments = nullptr;
    TAction *mupuStartWordpad = nullptr;
    TAction *mupuStartExplorer = nullptr;
    TAction *Document21 = nullptr;
    TAction *mupuDocMyDoc = nullptr;
    // Lesson pages' pictures.
    TImage *imgT031Desktop = nullptr;
    TImage *imgT051Start = nullptr;
    TImage *imgT057Start = nullptr;
    std::array<TImage *, 8> imgT05xDesktop{};  // imgT052Desktop .. imgT059Desktop
    // The final exercise's congratulation panel.
    TPanel *pnT059Logo = nullptr;
    QLabel *imgT059Logo = nullptr;
    QLabel *lbT059Cngr = nullptr;
    QLabel *lbT059TCmp = nullptr;

    // The credits page.
    TPanel *Panel4 = nullptr;
    QLabel *imgQL2End = nullptr;
    THarmFade *hfFade1 = nullptr;
    THarmFade *hfFade2 = nullptr;
    TSecretPanel *pnCredits = nullptr;
    TPicClip *picClip = nullptr;  // 24 course thumbnails of 185 x 138

    TImageList *imglStart = nullptr;     // Start menu's Programs branch, 16 x 16
    TImageList *imglDesktop = nullptr;   // desktop and file icons, 32 x 32
    TImageList *imglDesktopS = nullptr;  // the same and a few more, 16 x 16
    TImageList *imglButtons = nullptr;   // the word processor's commands, 16 x 16
    TAction *aEnter = nullptr;
    TAction *aF3Key = nullptr;
    TTimer *tmrTimer = nullptr;

    // The other windows of the program (created after this one).
    TfrmContents *frmContents = nullptr;
    TfrmWordpad *frmWordpad = nullptr;
    TfrmOpnDlg *frmOpnDlg = nullptr;
    TfrmMsgDlg *frmMsgDlg = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;  // FormClose
    void resizeEvent(QResizeEvent *event) override;

private:
    void createControls();
    void createTitlePage(QWidget *page);
    void FormCreate();
    QToolButton *createNavButton(const char *name, const char *icon);
    void createTaskbar();
    void createStartMenus();
    void createLessonPages();
    void createCreditsPage();
    void EnterCreditsPage();
    void LeaveCreditsPage();
    void EnterTitlePage();
    void LeaveTitlePage();
    void EnterLesson(int index);
    void LeaveLesson(int index);
    void EnterLaterLesson(int index);  // T056 to T059
    void LeaveLaterLesson(int index);
    void createCompletionPanel();
    // The final exercise's end: the panel, the completion text, F3.
    void CompleteCourse();
    // The shared part of the lesson hooks; true for a close command.
    bool lessonHook(QObject *sender, TMessage &msg, bool &handled, bool closable);
    // Empties the word processor and shows the saved "My Document" in it.
    void loadMyDocument();
    // Stores the word processor's text in the section; false (the learner
    // told) when the progress file refused it.
    bool storeWordpadText(QByteArrayView section);
    // Prints the word processor's text as the named job; a failure shows
    // the print-error box.
    void printWordpadText(const QString &jobName);
    // The lesson pages' shared bindings on the word processor.
    void bindWordpadLesson();
    void unbindWordpadLesson();
    void showWordpadForLesson();

    QString m_langFileName;
    QString m_programDir;
    bool m_terminationRequested = false;
};
