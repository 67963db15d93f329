#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "platform/course_zoom.h"
#include "platform/event.h"
#include "platform/page_scope.h"
#include "platform/picture.h"

#include <array>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <vector>

class IniFile;
class QDateTime;
class QKeyEvent;
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
class StartMenuPicture;
struct TMessage;
class TPanel;
class TTimer;
class TfrmContents;
class TfrmMsgDlg;
class TfrmOpnDlg;
class TfrmWordpad;
class QTextDocument;
class THintController;
struct HintPlace;
struct LessonView;
enum class StepTarget;
class TPanelKeys;
enum class FileDialogMode : int;

// The program's one visible window: full screen, no border. The page
// notebook nbMain on the left shows the current page of the course, the info
// panel pnControl on the right its instructions and the four navigation
// buttons, the simulated taskbar pnTaskbar runs along the bottom.
//
// The window owns the language file and the learner progress file of the run,
// the other windows of the course (made with it, in the order of start-up)
// and the state the shell and the lessons share. Its methods are spread over
// files by subsystem: the shell's in src/shell, each lesson's set-up and
// handlers in src/lessons/lessons_*.cpp.
class TfrmMain : public QWidget {
    Q_OBJECT
public:
    // Builds the controls and runs FormCreate with the chosen language file,
    // then makes the course's other windows: the contents dialog, the word
    // processor, the Open dialog and the message box.
    TfrmMain(const QString &langFileName, const QString &programDir, QWidget *parent = nullptr);
    ~TfrmMain() override;  // FormDestroy

    // First showing: display check, full-screen layout, page 0.
    void FormShow();

    // Page engine (page_engine.cpp). A change of page is LeavePage(current)
    // then EnterPage(target), made at once; a click that arrives while one is
    // running waits for its end, then does what it does on the page showing.
    void EnterPage(int index);
    void LeavePage(int index);
    // The change of page a page asks for; while another change runs, it
    // waits, and is dropped if by then that page no longer shows.
    void ChangePage(int target);
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
    // for the chosen file type and the page showing (My Document dated now, or
    // at the given time); prepares the dialog with the caption word ("Open",
    // "Save") and the expected-name mode, shows it modally and tells whether
    // the learner confirmed.
    void FillFileList(QListWidget *list);
    void FillFileList(QListWidget *list, const QDateTime &now);
    bool ShowFileDialog(FileDialogMode mode);
    // The lessons' handler of the file type box: the list follows it.
    void frmOpnDlgcbTypeT052Change();

    // Message boxes of the lessons (message_boxes.cpp): the print-error box,
    // and the save-changes question (true unless the learner cancelled).
    void ShowPrintErrorBox();
    void PreparePrintErrorBox();  // the box's set-up, without showing it
    bool AskSaveChanges(const QString &document);

    // The lesson hooks of the word processor (lessons_common.cpp). The
    // standard one: no minimising, closing or window menu; moving, sizing
    // and maximising stay. T057's lets the window close and then hands the
    // learner the taskbar; T059's lets it close once the comments are saved,
    // which completes the course. T058's and T059's let the menu bar open by
    // keyboard (Alt, Alt+letter): Print has no shortcut, and a learner
    // without a pointer prints through File. The window menu (Alt+Space)
    // stays shut everywhere.
    void whHookT052BeforeMessage(QObject *sender, TMessage &msg, bool &handled);
    void whHookT057BeforeMessage(QObject *sender, TMessage &msg, bool &handled);
    void whHookT058BeforeMessage(QObject *sender, TMessage &msg, bool &handled);
    void whHookT059BeforeMessage(QObject *sender, TMessage &msg, bool &handled);
    // The taskbar button follows the word processor when it shows.
    void frmWPadT052Show();

    // Taskbar and Start menu (taskbar.cpp).
    // Redraws the menu picture on the image with the row at y highlighted;
    // returns the row (1 to 7) or -1.
    int StartMenuHitTest(TImage *menu, int y);
    // The Start menu by keyboard (start_menu_keys.cpp): the menu of a page
    // (T051, T057), that menu while Start takes input on the page shown,
    // whether a key is the menu's, the key itself, a row highlighted (0 for
    // none; a focus change on the row while the menu has the keyboard), and
    // the menu closed as Start closes it.
    TImage *startMenuOf(int page) const;
    TImage *liveStartMenu() const;
    bool startMenuWantsKey(const QKeyEvent *event) const;
    bool startMenuKeyPress(const QKeyEvent *event);
    void highlightStartRow(TImage *menu, int row);
    void closeStartMenu(TImage *menu);
    // Opens or closes the Start menu shown by the image.
    void StartButtonToggle(TImage *menu);
    // Leaving a Start-menu lesson: the button comes up, whatever was open.
    void ReleaseStartButton();
    void tbarStartCustomDraw(QPainter &painter, const QRect &rect, bool &defaultDraw);
    void sbWPadClick();

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

    // Help for the learner who is stuck on a lesson page (lesson_hints.cpp).
    // The wait before a hint comes from the progress file ([OPTIONS]
    // HintDelay) unless the command line set it for the run; 0 is no hints.
    void setHintDelay(std::optional<int> seconds) { m_hintDelay = seconds; }

    // The course zoom (zoom.cpp): from the progress file ([OPTIONS] Zoom)
    // unless the command line set it for the run.
    void setZoom(std::optional<ZoomSetting> zoom) { m_zoomForRun = zoom; }
    ZoomSetting zoomSetting() const;
    // Ctrl+Plus (+1) and Ctrl+Minus (-1): the next zoom at once, remembered
    // in the progress file; a beep where there is none that way.
    void changeZoom(int direction);
    THintController *hints() const { return m_hints; }
    // What the learner sees on the lesson page now.
    LessonView observeLesson() const;

    // Asks the program to end once control is back in the event loop.
    void requestTermination();
    bool terminationRequested() const { return m_terminationRequested; }

    // A text of the language file, decoded in its character set.
    QString langText(QByteArrayView section, QByteArrayView key, QByteArrayView fallback) const;

    // What the run was set up with, and how far the learner has come.
    const IniFile &langFile() const { return *FLangFile; }
    const IniFile &userFile() const { return *FUserFile; }
    QString infoPath() const { return FInfoPath; }
    QString userPath() const { return FUserPath; }
    int charset() const { return FCharset; }
    int maxIndex() const { return FMaxIndex; }

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
    // The instructions as a screen reader's notification (never drawn).
    QWidget *pnInstructions = nullptr;
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
    QMenu *pmStart = nullptr;
    QMenu *pmDocuments = nullptr;
    TAction *mupuStartWordpad = nullptr;
    TAction *mupuStartExplorer = nullptr;
    TAction *Document21 = nullptr;
    TAction *mupuDocMyDoc = nullptr;
    // Lesson pages' pictures: the desktop's icons (the frame shows their left
    // column) and each lesson page's copy of them.
    TImage *imgT031Desktop = nullptr;
    TImage *imgT051Start = nullptr;
    TImage *imgT057Start = nullptr;
    TImage *imgT052Desktop = nullptr;
    TImage *imgT053Desktop = nullptr;
    TImage *imgT054Desktop = nullptr;
    TImage *imgT055Desktop = nullptr;
    TImage *imgT056Desktop = nullptr;
    TImage *imgT057Desktop = nullptr;
    TImage *imgT058Desktop = nullptr;
    TImage *imgT059Desktop = nullptr;
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

    // The other windows of the course, made right after this one.
    TfrmContents *frmContents = nullptr;
    TfrmWordpad *frmWordpad = nullptr;
    TfrmOpnDlg *frmOpnDlg = nullptr;
    TfrmMsgDlg *frmMsgDlg = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;  // FormClose
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;  // back to full screen when activated

private:
    void createControls();
    void layoutCourse();  // the panels and the word processor's limit in the window's size
    void createWindows();
    void createTitlePage(QWidget *page);
    void FormCreate();
    QToolButton *createNavButton(const char *name, const char *icon);
    void createTaskbar();
    // The Start menu drawn from its rows' words in the course's language,
    // '&' before each access letter (as wide as they need; their letters
    // open the rows by keyboard).
    QStringList startMenuCaptions() const;
    const StartMenuPicture &startMenuPicture() const;
    void createStartMenus();
    void createStartMenuKeys();
    void createZoomKeys();
    // Draws the open Start menu anew with the row FStartRow highlighted, at
    // the screen's scale.
    void redrawStartMenu(TImage *menu);
    // Draws the course at the zoom it is set to, as large as the screen
    // holds; returns what to tell the learner when the screen refused it.
    QString startZoom(QScreen *screen);
    void applyZoom(double zoom);
    void createLessonPages();
    void createCreditsPage();
    void prefetchCreditsStrip();
    void prepareCreditsPage();
    // The thumbnails read by the worker go to the picture clip once they are
    // there, or (wait) as soon as the worker is done.
    void takeCreditsStrip(bool wait);
    void createCompletionPanel();

    // Accessibility (accessible_course.cpp): names and roles for what shows
    // a picture or draws itself, and the instructions presented to a screen
    // reader whenever the info panel is loaded.
    void describeControls();
    QString accessibleText(const char *key, const char *fallback) const;
    QString instructionsTitle(const QString &name) const;
    void announceInstructions(const QString &name);

    // Each page's own set-up (its case of EnterPage). Whatever it changes on
    // the shared controls it registers in m_page with its undo, which
    // LeavePage runs.
    void EnterT001();
    void EnterT051();
    void EnterT052();
    void EnterT053();
    void EnterT054();
    void EnterT055();
    void EnterT056();
    void EnterT057();
    void EnterT058();
    void EnterT059();
    void EnterT003();

    // The set-up every page with the word processor shares: its show event
    // and the lesson hook.
    void bindWordpadLesson(void (TfrmMain::*hook)(QObject *, TMessage &, bool &));
    // A lesson page's copy of the desktop's icons, released on leaving.
    void showDesktop(TImage *image);
    // A Start-menu lesson: the menu picture on its page and the Start button.
    void prepareStartMenu(TImage *menu, void (TfrmMain::*startClick)());
    void placeStartMenu(TImage *menu);
    void showWordpadForLesson();
    // A click that arrives while a change of page runs waits for its end:
    // true when it was kept for then.
    bool waitForPageChange(std::function<void()> click);
    // The change of page is over: the clicks that waited run.
    void endChange();

    // The hints of a lesson page, from its entry until it is left.
    void startHints();
    std::optional<HintPlace> locateHintTarget(StepTarget target) const;

    // The final exercise's end: the panel, the completion text, F3.
    void CompleteCourse();
    // The shared part of the lesson hooks; true for a close command.
    bool lessonHook(QObject *sender, TMessage &msg, bool &handled, bool closable, bool menuBarKeys = false);
    // Empties the word processor and shows the saved "My Document" in it.
    void loadMyDocument();
    // Stores the word processor's text in the section; false (the learner
    // told) when the progress file refused it.
    bool storeWordpadText(QByteArrayView section);
    // Prints the word processor's text as the named job; a failure shows
    // the print-error box.
    void printWordpadText(const QString &jobName);

    // State of the run.
    int FStep = 0;  // the title page's seconds left
    QString FCountdownFormat;
    QString FInfoPath;
    QString FUserPath;  // read at start-up; nothing depends on it
    int FCharset = 1;
    // The Start menu, drawn once a page or a key needs it (startMenuPicture()).
    mutable std::unique_ptr<StartMenuPicture> m_startMenu;
    std::unique_ptr<IniFile> FLangFile;
    std::unique_ptr<IniFile> FUserFile;
    // The progress file was there at start-up but could not be read: the
    // run's progress is never written over it.
    bool FUserFileUnread = false;
    int FMaxIndex = 0;
    int FFileType = 0;   // the Open/Save dialog's file type: 0 .doc, 1 .txt, 2 all
    int FThumbnail = 0;  // the credits' next thumbnail
    bool m_creditsPrepared = false;  // font and pictures, on the first showing
    // The pages' instructions as the panel laid them out, by page, with the
    // file they were read from.
    struct InfoDocument {
        QByteArray bytes;
        QTextDocument *document = nullptr;
    };
    QHash<QString, InfoDocument> m_infoDocuments;
    std::future<TPicture> m_creditsStrip;  // the thumbnails, read on a worker thread

    // T055: text was cut or copied on this visit of the page.
    bool FCopiedOnPage = false;
    // T056: whether the document was saved on this visit of the page.
    enum class T056State { Unsaved, Saved };
    T056State FSaveState = T056State::Unsaved;
    // T059, the final exercise, step by step.
    enum class T059State { MyDocument, NewDocument, CommentsSaved };
    T059State FExerciseState = T059State::MyDocument;

    // The page's task is done on this visit: it recorded the next page as
    // reached.
    bool FTaskDone = false;
    THintController *m_hints = nullptr;
    std::optional<int> m_hintDelay;
    std::optional<ZoomSetting> m_zoomForRun;
    // The keyboard's way to the navigation buttons (Tab, Shift+Tab, F6).
    TPanelKeys *m_panelKeys = nullptr;
    int FStartRow = 0;                  // the Start menu's highlighted row, 0 for none
    bool m_submenuByKeyboard = false;   // a Start submenu opening from a key

    // What the page showing has changed on the shared controls.
    TPageScope m_page;
    // A change of page is running; those asked for meanwhile wait here.
    bool m_changingPage = false;
    std::vector<std::function<void()>> m_waitingClicks;

    QString m_langFileName;
    QString m_programDir;
    bool m_terminationRequested = false;
};
