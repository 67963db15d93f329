#include "lessons/next_step.h"
#include "platform/ini_file.h"
#include "shell/pages.h"
#include "support/core_test_support.h"

#include <QTemporaryDir>

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
         T::QuestionYes, "T053Question"},

        {"T054 typing", on(Page::T054, [](LessonView &v) { v.textLength = 12; }), T::WordpadText, "T054Type"},
        {"T054 done", on(Page::T054, [](LessonView &v) { v.taskDone = true; }), T::Forward, "Forward"},

        {"T055 nothing selected", on(Page::T055), T::WordpadText, "T055Select"},
        {"T055 selection", on(Page::T055, [](LessonView &v) { v.hasSelection = true; }), T::CopyButton, "T055Copy"},
        {"T055 clipboard", on(Page::T055, [](LessonView &v) { v.hasSelection = true, v.clipboardHasText = true; }),
         T::PasteButton, "T055Paste"},
        {"T055 done", on(Page::T055, [](LessonView &v) { v.clipboardHasText = true, v.taskDone = true; }), T::Forward,
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
        {"T059 question", on(Page::T059, [](LessonView &v) { v.dialog = OpenDialog::SaveChanges; }), T::QuestionYes,
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
