#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class IniFile;

// The help for a learner who is stuck: from what the learner can see on a
// lesson page now, the control to use next and the hint that explains it.
// Pure: the page's glue (lesson_hints.cpp) fills the view from the widgets
// and finds the control on the screen.

// The popup menu open on top (the innermost one that matters).
enum class OpenMenu {
    None,
    Programs,     // the Start menu's Programs submenu
    Accessories,  // Programs > Accessories (with or without a submenu of it open)
    Documents,    // the Start menu's Documents submenu
    File,         // the word processor's File menu
    Edit,         // its Edit menu
    Other,        // any other menu
};

// The modal window in front of the page.
enum class OpenDialog {
    None,
    File,         // the simulated Open/Save dialog
    SaveChanges,  // the save-changes question
    Print,        // the system's print dialog
    PrintError,   // the print-error box
    Other,        // anything else (the contents dialog, an error box)
};

// What the learner sees on a lesson page.
struct LessonView {
    int page = 0;            // the page index: 1 (T051) to 9 (T059)
    bool taskDone = false;   // the page's task is done on this visit (Forward leads on)
    bool startMenuOpen = false;
    OpenMenu menu = OpenMenu::None;
    OpenDialog dialog = OpenDialog::None;
    // The Open/Save dialog, while it shows.
    int fileType = 0;        // 0 WordPad documents, 1 text documents, 2 all
    bool typeListOpen = false;
    QString fileName;        // the name box
    bool confirmAvailable = false;  // Open (Save) can be clicked
    // The word processor.
    bool wordpadVisible = false;
    bool modified = false;   // the text was changed since it was loaded
    int textLength = 0;
    bool hasSelection = false;
    bool copied = false;     // T055: text was cut or copied on this visit

    int exercise = 0;        // T059: 0 My Document shows, 1 new document, 2 comments saved

    bool operator==(const LessonView &) const = default;
};

// The controls a hint can point at.
enum class StepTarget {
    None,
    StartButton,
    StartMenuPrograms,    // the Programs row of the Start menu picture
    StartMenuDocuments,   // the Documents row
    ProgramsAccessories,  // Accessories in the Programs submenu
    AccessoriesWordpad,   // Wordpad in Accessories
    DocumentsMyDocument,  // My Document in the Documents submenu
    FileMenu,             // File in the word processor's menu bar
    FileNew,              // the File menu's commands
    FileOpen,
    FileSave,
    FilePrint,
    WordpadText,          // the word processor's text area
    WordpadClose,         // its close box
    EditMenu,             // Edit in the word processor's menu bar
    EditCopy,             // the Edit menu's Copy and Paste
    EditPaste,
    FileTypeBox,          // the Open/Save dialog's Files of type box
    FileTypeAll,          // its list's entry "All Documents (*.*)"
    FileTypeWordPad,      // its list's entry "WordPad Document (*.doc)"
    Document2Item,        // Document2 in the dialog's file list
    FileNameBox,          // the dialog's name box
    FileConfirm,          // the dialog's Open (Save) button
    QuestionNo,           // No in the save-changes question
    PrintConfirm,         // the print dialog's Print button
    PrintErrorOk,         // OK in the print-error box
    Forward,              // the info panel's Forward button
};

struct NextStep {
    StepTarget target = StepTarget::None;
    // How far along the lesson's path the step is: a change of view that
    // leads to a later step is the learner following the hint.
    int step = 0;
    QByteArray hintKey;  // key of section HINTS of the language file

    bool operator==(const NextStep &) const = default;
};

// The control to use next on the lesson page the view shows; target None
// when there is nothing to point at (not a lesson page, a window in front
// that the lesson does not know).
NextStep nextStep(const LessonView &view);

// Every key of section HINTS that nextStep can give.
QList<QByteArray> hintKeys();

// The wait before a hint, in seconds: HintDelay in section OPTIONS of the
// learner progress file (a teacher sets it), 0 for no hints.
inline constexpr int DefaultHintDelay = 40;
inline constexpr int MaxHintDelay = 86400;  // a day
// A value as a teacher writes it; nullopt for one that is no number of
// seconds from 0 to MaxHintDelay.
std::optional<int> parseHintDelay(QByteArrayView text);
// The delay the progress file sets: the default when it sets none or one
// that is no number of seconds from 0 to MaxHintDelay.
int hintDelayOf(const IniFile &progress);
