#include "lessons/next_step.h"
#include "platform/code_page.h"
#include "platform/ini_file.h"
#include "platform/language_files.h"
#include "platform/rtf_reader.h"
#include "shell/pages.h"
#include "support/core_test_support.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <functional>

namespace {

using T = StepTarget;

// A view of a lesson page with the word processor showing, changed by the
// case's own setter.
LessonView on(int page, const std::function<void(LessonView &)> &change = {})
{
    LessonView v;
    v.page = page;
    v.wordpadVisible = page != Page::T051;
    if (change)
        change(v);
    return v;
}

struct Case {
    const char *name;
    LessonView view;
    T target;
    const char *key;
};

// Each lesson's path, step by step, and the detours a learner takes.
TEST(NextStep, EveryLessonsPath)
{
    const Case cases[] = {
        {"T051 closed menu", on(Page::T051), T::StartButton, "T051Start"},
        {"T051 menu open", on(Page::T051, [](LessonView &v) { v.startMenuOpen = true; }), T::StartMenuPrograms,
         "T051Programs"},
        {"T051 Programs", on(Page::T051, [](LessonView &v) { v.startMenuOpen = true, v.menu = OpenMenu::Programs; }),
         T::ProgramsAccessories, "T051Accessories"},
        {"T051 Accessories",
         on(Page::T051, [](LessonView &v) { v.startMenuOpen = true, v.menu = OpenMenu::Accessories; }),
         T::AccessoriesWordpad, "T051Wordpad"},

        {"T052 start", on(Page::T052), T::FileMenu, "File"},
        {"T052 other menu", on(Page::T052, [](LessonView &v) { v.menu = OpenMenu::Other; }), T::FileMenu, "File"},
        {"T052 File menu", on(Page::T052, [](LessonView &v) { v.menu = OpenMenu::File; }), T::FileOpen, "FileOpen"},
        {"T052 dialog, .doc listed", on(Page::T052, [](LessonView &v) { v.dialog = OpenDialog::File; }),
         T::FileTypeBox, "T052FileType"},
        {"T052 type list open",
         on(Page::T052, [](LessonView &v) { v.dialog = OpenDialog::File, v.typeListOpen = true; }),
         T::FileTypeAll, "T052TypeList"},
        {"T052 .txt listed", on(Page::T052, [](LessonView &v) { v.dialog = OpenDialog::File, v.fileType = 1; }),
         T::Document2Item, "T052Document2"},
        {"T052 all listed", on(Page::T052, [](LessonView &v) { v.dialog = OpenDialog::File, v.fileType = 2; }),
         T::Document2Item, "T052Document2"},
        {"T052 name typed under .doc",
         on(Page::T052, [](LessonView &v) { v.dialog = OpenDialog::File, v.confirmAvailable = true; }),
         T::FileConfirm, "T052Confirm"},

        {"T053 unchanged", on(Page::T053), T::WordpadText, "T053Change"},
        {"T053 changed", on(Page::T053, [](LessonView &v) { v.modified = true; }), T::FileMenu, "File"},
        {"T053 File menu", on(Page::T053, [](LessonView &v) { v.modified = true, v.menu = OpenMenu::File; }),
         T::FileNew, "FileNew"},
        {"T053 question", on(Page::T053, [](LessonView &v) { v.modified = true, v.dialog = OpenDialog::SaveChanges; }),
         T::QuestionNo, "T053Question"},

        {"T054 typing", on(Page::T054, [](LessonView &v) { v.textLength = 12; }), T::WordpadText, "T054Type"},
        {"T054 done", on(Page::T054, [](LessonView &v) { v.taskDone = true; }), T::Forward, "Forward"},

        {"T055 nothing selected", on(Page::T055), T::WordpadText, "T055Select"},
        {"T055 selection", on(Page::T055, [](LessonView &v) { v.hasSelection = true; }), T::EditMenu, "T055Edit"},
        {"T055 Edit menu",
         on(Page::T055, [](LessonView &v) { v.hasSelection = true, v.menu = OpenMenu::Edit; }), T::EditCopy,
         "T055Copy"},
        {"T055 Edit menu, nothing selected", on(Page::T055, [](LessonView &v) { v.menu = OpenMenu::Edit; }),
         T::WordpadText, "T055Select"},
        {"T055 copied", on(Page::T055, [](LessonView &v) { v.hasSelection = true, v.copied = true; }), T::EditMenu,
         "T055Place"},
        {"T055 copied, Edit menu",
         on(Page::T055, [](LessonView &v) { v.copied = true, v.menu = OpenMenu::Edit; }), T::EditPaste,
         "T055Paste"},
        {"T055 done", on(Page::T055, [](LessonView &v) { v.copied = true, v.taskDone = true; }), T::Forward,
         "Forward"},

        {"T056 start", on(Page::T056), T::FileMenu, "File"},
        {"T056 File menu", on(Page::T056, [](LessonView &v) { v.menu = OpenMenu::File; }), T::FileSave, "FileSave"},
        {"T056 dialog", on(Page::T056, [](LessonView &v) { v.dialog = OpenDialog::File; }), T::FileNameBox,
         "T056Name"},
        {"T056 wrong type",
         on(Page::T056, [](LessonView &v) { v.dialog = OpenDialog::File, v.fileType = 1; }), T::FileTypeBox,
         "SaveFileType"},
        {"T056 type list",
         on(Page::T056, [](LessonView &v) { v.dialog = OpenDialog::File, v.fileType = 1, v.typeListOpen = true; }),
         T::FileTypeWordPad, "SaveTypeList"},
        {"T056 name right",
         on(Page::T056, [](LessonView &v) { v.dialog = OpenDialog::File, v.confirmAvailable = true; }),
         T::FileConfirm, "SaveConfirm"},
        {"T056 saved", on(Page::T056, [](LessonView &v) { v.taskDone = true; }), T::Forward, "Forward"},

        {"T057 window open", on(Page::T057), T::WordpadClose, "T057Close"},
        {"T057 window closed", on(Page::T057, [](LessonView &v) { v.wordpadVisible = false; }), T::StartButton,
         "T057Start"},
        {"T057 menu open",
         on(Page::T057, [](LessonView &v) { v.wordpadVisible = false, v.startMenuOpen = true; }),
         T::StartMenuDocuments, "T057Documents"},
        {"T057 Documents",
         on(Page::T057,
            [](LessonView &v) { v.wordpadVisible = false, v.startMenuOpen = true, v.menu = OpenMenu::Documents; }),
         T::DocumentsMyDocument, "T057MyDocument"},

        {"T058 start", on(Page::T058), T::FileMenu, "File"},
        {"T058 File menu", on(Page::T058, [](LessonView &v) { v.menu = OpenMenu::File; }), T::FilePrint,
         "FilePrint"},
        {"T058 print dialog", on(Page::T058, [](LessonView &v) { v.dialog = OpenDialog::Print; }), T::PrintConfirm,
         "PrintDialog"},
        {"T058 print failed", on(Page::T058, [](LessonView &v) { v.dialog = OpenDialog::PrintError; }),
         T::PrintErrorOk, "PrintError"},
        {"T058 printed", on(Page::T058, [](LessonView &v) { v.taskDone = true; }), T::Forward, "Forward"},

        {"T059 My Document", on(Page::T059), T::FileMenu, "T059New"},
        {"T059 File menu", on(Page::T059, [](LessonView &v) { v.menu = OpenMenu::File; }), T::FileNew, "FileNew"},
        {"T059 question", on(Page::T059, [](LessonView &v) { v.dialog = OpenDialog::SaveChanges; }), T::QuestionNo,
         "T059Question"},
        {"T059 new, empty", on(Page::T059, [](LessonView &v) { v.exercise = 1; }), T::WordpadText, "T059Type"},
        {"T059 comments typed", on(Page::T059, [](LessonView &v) { v.exercise = 1, v.textLength = 5; }),
         T::FileMenu, "T059Save"},
        {"T059 File menu to save",
         on(Page::T059, [](LessonView &v) { v.exercise = 1, v.textLength = 5, v.menu = OpenMenu::File; }),
         T::FileSave, "FileSave"},
        {"T059 Save dialog", on(Page::T059, [](LessonView &v) { v.exercise = 1, v.dialog = OpenDialog::File; }),
         T::FileNameBox, "T059Name"},
        {"T059 print dialog", on(Page::T059, [](LessonView &v) { v.exercise = 2, v.dialog = OpenDialog::Print; }),
         T::PrintConfirm, "PrintDialog"},
        {"T059 saved", on(Page::T059, [](LessonView &v) { v.exercise = 2; }), T::WordpadClose, "T059Close"},
        {"T059 completed", on(Page::T059, [](LessonView &v) { v.exercise = 2, v.wordpadVisible = false; }), T::None,
         ""},

        {"the contents dialog in front", on(Page::T052, [](LessonView &v) { v.dialog = OpenDialog::Other; }),
         T::None, ""},
        {"the title page", on(Page::T001), T::None, ""},
        {"the credits page", on(Page::T003), T::None, ""},
    };
    const QList<QByteArray> keys = hintKeys();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const NextStep s = nextStep(c.view);
        EXPECT_EQ(s.target, c.target);
        EXPECT_EQ(s.hintKey, QByteArray(c.key));
        if (s.target != T::None) {
            EXPECT_TRUE(keys.contains(s.hintKey)) << "hintKeys() lacks " << s.hintKey.constData();
        }
    }
}

// Following a lesson's path, each step is further along than the one
// before; going back (a menu closed, a wrong type chosen) is not.
TEST(NextStep, FollowingThePathLeadsFurther)
{
    const struct {
        const char *name;
        QList<LessonView> path;
    } paths[] = {
        {"T051",
         {on(Page::T051), on(Page::T051, [](LessonView &v) { v.startMenuOpen = true; }),
          on(Page::T051, [](LessonView &v) { v.startMenuOpen = true, v.menu = OpenMenu::Programs; }),
          on(Page::T051, [](LessonView &v) { v.startMenuOpen = true, v.menu = OpenMenu::Accessories; })}},
        {"T052",
         {on(Page::T052), on(Page::T052, [](LessonView &v) { v.menu = OpenMenu::File; }),
          on(Page::T052, [](LessonView &v) { v.dialog = OpenDialog::File; }),
          on(Page::T052, [](LessonView &v) { v.dialog = OpenDialog::File, v.typeListOpen = true; }),
          on(Page::T052, [](LessonView &v) { v.dialog = OpenDialog::File, v.fileType = 1; }),
          on(Page::T052, [](LessonView &v) { v.dialog = OpenDialog::File, v.fileType = 1, v.confirmAvailable = true; })}},
        {"T057",
         {on(Page::T057), on(Page::T057, [](LessonView &v) { v.wordpadVisible = false; }),
          on(Page::T057, [](LessonView &v) { v.wordpadVisible = false, v.startMenuOpen = true; }),
          on(Page::T057,
             [](LessonView &v) { v.wordpadVisible = false, v.startMenuOpen = true, v.menu = OpenMenu::Documents; })}},
        {"T059",
         {on(Page::T059), on(Page::T059, [](LessonView &v) { v.menu = OpenMenu::File; }),
          on(Page::T059, [](LessonView &v) { v.dialog = OpenDialog::SaveChanges; }),
          on(Page::T059, [](LessonView &v) { v.exercise = 1, v.textLength = 3, v.menu = OpenMenu::File; }),
          on(Page::T059, [](LessonView &v) { v.exercise = 1, v.dialog = OpenDialog::File; }),
          on(Page::T059, [](LessonView &v) { v.exercise = 1, v.dialog = OpenDialog::File, v.confirmAvailable = true; }),
          on(Page::T059, [](LessonView &v) { v.exercise = 2; })}},
    };
    for (const auto &p : paths) {
        SCOPED_TRACE(p.name);
        for (qsizetype i = 1; i < p.path.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_GT(nextStep(p.path[i]).step, nextStep(p.path[i - 1]).step);
            EXPECT_LT(nextStep(p.path[i - 1]).step, nextStep(p.path[i]).step);
        }
    }
    // Typing on T053 and T059 does not move the spotlight on to File while
    // the learner is still typing: a letter typed hides it.
    EXPECT_EQ(nextStep(on(Page::T053)).step, nextStep(on(Page::T053, [](LessonView &v) { v.modified = true; })).step);
    EXPECT_EQ(nextStep(on(Page::T059, [](LessonView &v) { v.exercise = 1; })).step,
              nextStep(on(Page::T059, [](LessonView &v) { v.exercise = 1, v.textLength = 1; })).step);
}

// The hint and the page's instructions tell the learner the same path: each
// hint on a lesson's path belongs to a numbered step of the instructions, in
// the order the steps come, and the hint and that step name the control by
// the same word, in every pack that ships: the word the simulated desktop
// shows in that pack (its DESKTOP section), or a word of no pack (a key, the
// X of the close button, the system's print dialog).
struct Word {
    Word(const char *literal = nullptr) : text(literal) {}
    // The desktop's word under DESKTOP/key, English when a pack has none.
    static Word desktop(const char *key, const char *english)
    {
        Word w(english);
        w.desktopKey = key;
        return w;
    }
    const char *text;  // nullptr: the hint names no control
    const char *desktopKey = nullptr;
};

struct Hinted {
    LessonView view;
    const char *key;
    int step;   // the instructions' step; 0: anywhere on the page
    Word word;  // the control's word
    bool detour = false;  // off the path (a wrong choice put right)
};

const Word kStart = Word::desktop("StartButton", "Start");
const Word kFile = Word::desktop("MenuFile", "File");
const Word kEdit = Word::desktop("MenuEdit", "Edit");
const Word kNew = Word::desktop("FileNew", "New");
const Word kSave = Word::desktop("FileSave", "Save");
const Word kSaveButton = Word::desktop("ButtonSave", "Save");
const Word kNo = Word::desktop("ButtonNo", "No");
const Word kMyDocument = Word::desktop("MyDocument", "My Document");
const Word kPrograms = Word::desktop("StartPrograms", "Programs");
const Word kAccessories = Word::desktop("Accessories", "Accessories");
const Word kWordpad = Word::desktop("Wordpad", "Wordpad");
const Word kOpen = Word::desktop("FileOpen", "Open");
const Word kAllDocuments = Word::desktop("FilterAll", "All Documents");
const Word kDocument2 = Word::desktop("Document2", "Document2");
const Word kOpenButton = Word::desktop("ButtonOpen", "Open");
const Word kCopy = Word::desktop("EditCopy", "Copy");
const Word kPaste = Word::desktop("EditPaste", "Paste");
const Word kWordpadDocument = Word::desktop("TypeWordpad", "WordPad Document");
const Word kDocuments = Word::desktop("StartDocuments", "Documents");
const Word kPrint = Word::desktop("FilePrint", "Print");
const Word kComments = Word::desktop("Comments", "Comments");

const struct {
    const char *code;
    QList<Hinted> rows;
} kLessonHints[] = {
    {"T051",
     {{on(Page::T051), "T051Start", 1, kStart},
      {on(Page::T051, [](LessonView &v) { v.startMenuOpen = true; }), "T051Programs", 2, kPrograms},
      {on(Page::T051, [](LessonView &v) { v.startMenuOpen = true, v.menu = OpenMenu::Programs; }),
       "T051Accessories", 3, kAccessories},
      {on(Page::T051, [](LessonView &v) { v.startMenuOpen = true, v.menu = OpenMenu::Accessories; }), "T051Wordpad",
       4, kWordpad}}},
    {"T052",
     {{on(Page::T052), "File", 1, kFile},
      {on(Page::T052, [](LessonView &v) { v.menu = OpenMenu::File; }), "FileOpen", 1, kOpen},
      {on(Page::T052, [](LessonView &v) { v.dialog = OpenDialog::File; }), "T052FileType", 3, kAllDocuments},
      {on(Page::T052, [](LessonView &v) { v.dialog = OpenDialog::File, v.typeListOpen = true; }), "T052TypeList", 3,
       kAllDocuments},
      {on(Page::T052, [](LessonView &v) { v.dialog = OpenDialog::File, v.fileType = 2; }), "T052Document2", 4,
       kDocument2},
      {on(Page::T052, [](LessonView &v) { v.dialog = OpenDialog::File, v.fileType = 2, v.confirmAvailable = true; }),
       "T052Confirm", 5, kOpenButton}}},
    {"T053",
     {{on(Page::T053), "T053Change", 1, nullptr},
      {on(Page::T053, [](LessonView &v) { v.modified = true; }), "File", 3, kFile},
      {on(Page::T053, [](LessonView &v) { v.modified = true, v.menu = OpenMenu::File; }), "FileNew", 3, kNew},
      {on(Page::T053, [](LessonView &v) { v.modified = true, v.dialog = OpenDialog::SaveChanges; }), "T053Question",
       4, kNo}}},
    {"T054",
     {{on(Page::T054), "T054Type", 0, "Enter"},
      {on(Page::T054, [](LessonView &v) { v.taskDone = true; }), "Forward", 0, nullptr}}},
    {"T055",
     {{on(Page::T055), "T055Select", 1, nullptr},
      {on(Page::T055, [](LessonView &v) { v.hasSelection = true; }), "T055Edit", 2, kEdit},
      {on(Page::T055, [](LessonView &v) { v.hasSelection = true, v.menu = OpenMenu::Edit; }), "T055Copy", 2, kCopy},
      {on(Page::T055, [](LessonView &v) { v.copied = true; }), "T055Place", 4, kEdit},
      {on(Page::T055, [](LessonView &v) { v.copied = true, v.menu = OpenMenu::Edit; }), "T055Paste", 4, kPaste},
      {on(Page::T055, [](LessonView &v) { v.copied = true, v.taskDone = true; }), "Forward", 0, nullptr}}},
    {"T056",
     {{on(Page::T056), "File", 1, kFile},
      {on(Page::T056, [](LessonView &v) { v.menu = OpenMenu::File; }), "FileSave", 1, kSave},
      {on(Page::T056, [](LessonView &v) { v.dialog = OpenDialog::File; }), "T056Name", 2, kMyDocument},
      {on(Page::T056, [](LessonView &v) { v.dialog = OpenDialog::File, v.fileType = 1; }), "SaveFileType", 3,
       kWordpadDocument, true},
      {on(Page::T056, [](LessonView &v) { v.dialog = OpenDialog::File, v.fileType = 1, v.typeListOpen = true; }),
       "SaveTypeList", 3, kWordpadDocument, true},
      {on(Page::T056, [](LessonView &v) { v.dialog = OpenDialog::File, v.confirmAvailable = true; }), "SaveConfirm",
       4, kSaveButton},
      {on(Page::T056, [](LessonView &v) { v.taskDone = true; }), "Forward", 0, nullptr}}},
    {"T057",
     {{on(Page::T057), "T057Close", 1, "X"},
      {on(Page::T057, [](LessonView &v) { v.wordpadVisible = false; }), "T057Start", 2, kStart},
      {on(Page::T057, [](LessonView &v) { v.wordpadVisible = false, v.startMenuOpen = true; }), "T057Documents", 3,
       kDocuments},
      {on(Page::T057,
          [](LessonView &v) { v.wordpadVisible = false, v.startMenuOpen = true, v.menu = OpenMenu::Documents; }),
       "T057MyDocument", 4, kMyDocument}}},
    {"T058",
     {{on(Page::T058), "File", 2, kFile},
      {on(Page::T058, [](LessonView &v) { v.menu = OpenMenu::File; }), "FilePrint", 2, kPrint},
      {on(Page::T058, [](LessonView &v) { v.dialog = OpenDialog::Print; }), "PrintDialog", 3, "Print"},
      {on(Page::T058, [](LessonView &v) { v.dialog = OpenDialog::PrintError; }), "PrintError", 0, "OK", true},
      {on(Page::T058, [](LessonView &v) { v.taskDone = true; }), "Forward", 0, nullptr}}},
    {"T059",
     {{on(Page::T059), "T059New", 1, kFile},
      {on(Page::T059, [](LessonView &v) { v.menu = OpenMenu::File; }), "FileNew", 1, kNew},
      {on(Page::T059, [](LessonView &v) { v.dialog = OpenDialog::SaveChanges; }), "T059Question", 1, kNo},
      {on(Page::T059, [](LessonView &v) { v.exercise = 1; }), "T059Type", 2, nullptr},
      {on(Page::T059, [](LessonView &v) { v.exercise = 1, v.textLength = 5; }), "T059Save", 3, kFile},
      {on(Page::T059, [](LessonView &v) { v.exercise = 1, v.textLength = 5, v.menu = OpenMenu::File; }), "FileSave",
       3, kSave},
      {on(Page::T059, [](LessonView &v) { v.exercise = 1, v.dialog = OpenDialog::File; }), "T059Name", 3,
       kComments},
      {on(Page::T059, [](LessonView &v) { v.exercise = 1, v.dialog = OpenDialog::File, v.confirmAvailable = true; }),
       "SaveConfirm", 3, kSaveButton},
      {on(Page::T059, [](LessonView &v) { v.exercise = 2, v.dialog = OpenDialog::Print; }), "PrintDialog", 4,
       "Print", true},
      {on(Page::T059, [](LessonView &v) { v.exercise = 2; }), "T059Close", 5, "X"}}},
};

// The paragraphs of a page's instructions; numbered steps ("3.<tab>...") by
// their number.
struct Instructions {
    QString all;
    QMap<int, QString> steps;
};

Instructions instructionsOf(const QString &rtfPath)
{
    Instructions in;
    QTextDocument doc;
    QString error;
    EXPECT_TRUE(loadRtf(readFile(rtfPath), doc, &error)) << rtfPath.toStdString() << ": " << error.toStdString();
    static const QRegularExpression numbered(QStringLiteral("^(\\d+)\\.\\s"));
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QString text = b.text();
        in.all += text + QLatin1Char('\n');
        const QRegularExpressionMatch m = numbered.match(text);
        if (m.hasMatch())
            in.steps[m.captured(1).toInt()] = text;
    }
    return in;
}

// How the instructions name a control that shows a desktop word: without its
// access key's mark, the dots of a command that opens a window and the file
// pattern of a type ("All Documents (*.*)" is All Documents).
QString controlWord(QString shown)
{
    shown.remove(QLatin1Char('&'));
    if (shown.endsWith(QLatin1String("...")))
        shown.chop(3);
    const qsizetype pattern = shown.indexOf(QLatin1String(" (*."));
    if (pattern > 0)
        shown.truncate(pattern);
    return shown;
}

QString wordIn(const IniFile &pack, const CodePage &cp, const Word &word)
{
    const QByteArray shown = word.desktopKey ? pack.readString("DESKTOP", word.desktopKey, "") : QByteArray();
    return shown.isEmpty() ? QString::fromUtf8(word.text) : controlWord(cp.decode(shown));
}

bool namesWord(const QString &text, const QString &word)
{
    const QRegularExpression re(QStringLiteral("(^|\\W)") + QRegularExpression::escape(word)
                                    + QStringLiteral("(\\W|$)"),
                                QRegularExpression::UseUnicodePropertiesOption);
    return re.match(text).hasMatch();
}

TEST(NextStep, EachHintFollowsTheInstructionsInEveryPack)
{
    // The path in code: each view gives its hint, in the order of the steps.
    for (const auto &lesson : kLessonHints) {
        SCOPED_TRACE(lesson.code);
        int lastStep = 0;
        for (const Hinted &row : lesson.rows) {
            SCOPED_TRACE(row.key);
            EXPECT_EQ(nextStep(row.view).hintKey, QByteArray(row.key));
            if (row.detour || row.step == 0)
                continue;
            EXPECT_GE(row.step, lastStep) << "a hint comes before the step it follows";
            lastStep = row.step;
        }
    }

    // The words in the packs.
    if (qEnvironmentVariableIsEmpty("QUILLAN_DATA_DIR"))
        GTEST_SKIP() << "QUILLAN_DATA_DIR is not set (CTest sets it)";
    const QString dir = sourceDataDir();
    const QStringList packs = findLanguageFiles(dir);
    ASSERT_GE(packs.size(), 2);
    for (const QString &pack : packs) {
        SCOPED_TRACE(pack.toStdString());
        const IniFile ini(dir + pack);
        const CodePage cp = CodePage::forCharset(ini.readInteger("LANGUAGE", "Charset", 1));
        const QString infoPath = derivedInfoPath(pack, dir);
        for (const auto &lesson : kLessonHints) {
            SCOPED_TRACE(lesson.code);
            const Instructions in = instructionsOf(infoPath + QLatin1String(lesson.code) + QStringLiteral(".rtf"));
            for (const Hinted &row : lesson.rows) {
                SCOPED_TRACE(row.key);
                const QString hint = cp.decode(ini.readString("HINTS", row.key, ""));
                EXPECT_FALSE(hint.isEmpty());
                if (row.step != 0) {
                    ASSERT_TRUE(in.steps.contains(row.step)) << "no step " << row.step;
                }
                if (!row.word.text)
                    continue;
                const QString word = wordIn(ini, cp, row.word);
                const QString said = row.step == 0 ? in.all : in.steps.value(row.step);
                EXPECT_TRUE(namesWord(said, word)) << "the instructions do not name " << word.toStdString();
                EXPECT_TRUE(namesWord(hint, word))
                    << "the hint \"" << hint.toStdString() << "\" does not name " << word.toStdString();
            }
        }
    }
}

TEST(HintDelay, FromTheProgressFileOrTheDefault)
{
    const struct {
        const char *name;
        QByteArray file;
        int seconds;
    } cases[] = {
        {"no file", {}, DefaultHintDelay},
        {"no section", "[USERINFO]\r\nMaxIndex=3\r\n", DefaultHintDelay},
        {"set", "[USERINFO]\r\nMaxIndex=3\r\n[OPTIONS]\r\nHintDelay=15\r\n", 15},
        {"off", "[options]\r\nhintdelay = 0\r\n", 0},
        {"a day", "[OPTIONS]\r\nHintDelay=86400\r\n", 86400},
        {"over a day", "[OPTIONS]\r\nHintDelay=86401\r\n", DefaultHintDelay},
        {"negative", "[OPTIONS]\r\nHintDelay=-5\r\n", DefaultHintDelay},
        {"no number", "[OPTIONS]\r\nHintDelay=soon\r\n", DefaultHintDelay},
        {"empty", "[OPTIONS]\r\nHintDelay=\r\n", DefaultHintDelay},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("QL2Dusr.qlu"));
        if (!c.file.isNull())
            writeFile(path, c.file);
        EXPECT_EQ(hintDelayOf(IniFile(path)), c.seconds);
    }
}

}  // namespace
