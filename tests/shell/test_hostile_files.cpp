// Files that are not what the course expects where it expects them: a FIFO,
// an endless stream, a folder, a huge file. Each ends in a message, at once.

#include "lessons/frm_wordpad.h"
#include "platform/bounded_read.h"
#include "platform/rich_edit.h"
#include "shell/frm_main.h"
#include "shell/pages.h"
#include "support/course_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QToolButton>

#include <functional>

#include <gtest/gtest.h>

namespace {

struct Hostile {
    const char *name;
    std::function<bool(const QString &path)> put;
};

// What may stand where a file of the given read limit is expected.
QList<Hostile> hostileFiles(qint64 limit)
{
    return {
        {"FIFO", makeFifo},
        {"endless stream", makeEndlessStream},
        {"directory", [](const QString &p) { QFile::remove(p); return QDir().mkpath(p); }},
        {"over the limit",
         [limit](const QString &p) { writeFile(p, QByteArray(limit + 1, ' ')); return true; }},
    };
}

// The course starts from the beginning and says why; the file stays as it
// was, however far the learner goes.
TEST(HostileFiles, AProgressFileThatCannotBeReadIsToldAndLeftAlone)
{
    for (const Hostile &h : hostileFiles(ReadLimit::ProgressFile)) {
        SCOPED_TRACE(h.name);
        CourseFixture f;
        const QString progress = f.progressFile();
        QDir().mkpath(QFileInfo(progress).path());
        ASSERT_TRUE(h.put(progress));
        const ReadStatus before = readBoundedFile(progress, ReadLimit::ProgressFile).status;
        {
            HangWatchdog watchdog({progress});
            f.start();
            ASSERT_TRUE(watchdog.finishedInTime()) << "start-up waited on the progress file";
        }
        EXPECT_EQ(f.errors, QStringList{"Unable to read " + progress
                                        + "\n\nThe course starts from the beginning, and this "
                                          "run's progress is not saved."});
        EXPECT_EQ(f.main().currentPage(), Page::T001);
        f.goTo(Page::T051);
        f.goTo(Page::T052);
        f.goTo(Page::T051);
        EXPECT_TRUE(f.main().tbForward->isEnabled()) << "the progress holds for the run";
        EXPECT_EQ(f.errors.size(), 1) << "told once";
        EXPECT_EQ(readBoundedFile(progress, ReadLimit::ProgressFile).status, before)
            << "the file was replaced";
    }
}

// As a missing page: the box of the language file, and the course ends.
TEST(HostileFiles, ACoursePageThatCannotBeReadIsAMissingPage)
{
    for (const Hostile &h : hostileFiles(ReadLimit::CoursePage)) {
        SCOPED_TRACE(h.name);
        CourseFixture f("[LABELS]\r\nErrorLoadingInfo=The page could not be loaded.\r\n");
        f.start();
        const QString page = f.infoDir() + "T051.rtf";
        ASSERT_TRUE(h.put(page));
        {
            HangWatchdog watchdog({page});
            f.goTo(Page::T051);
            ASSERT_TRUE(watchdog.finishedInTime()) << "the page load waited on the file";
        }
        EXPECT_EQ(f.boxes, QStringList{"Error: The page could not be loaded."});
        EXPECT_TRUE(f.main().terminationRequested());
    }
}

TEST(HostileFiles, CreditsThatCannotBeReadAreToldAndLeftBlank)
{
    for (const Hostile &h : hostileFiles(ReadLimit::CreditsText)) {
        SCOPED_TRACE(h.name);
        CourseFixture f;
        f.start();
        const QString credits = f.infoDir() + "T003Cred.txt";
        ASSERT_TRUE(h.put(credits));
        {
            HangWatchdog watchdog({credits});
            f.goTo(Page::T003);
            ASSERT_TRUE(watchdog.finishedInTime());
        }
        EXPECT_EQ(f.errors, QStringList{"Unable to read " + credits});
        EXPECT_FALSE(f.main().terminationRequested());
    }
}

// T053's letter: told, and the lesson goes on with an empty document.
TEST(HostileFiles, ALessonDocumentThatCannotBeReadIsToldAndLeftEmpty)
{
    for (const Hostile &h : hostileFiles(ReadLimit::LessonDocument)) {
        SCOPED_TRACE(h.name);
        CourseFixture f({}, progressWith(Page::T053));
        f.start();
        const QString letter = f.infoDir() + "T052Txt.rtf";
        ASSERT_TRUE(h.put(letter));
        {
            HangWatchdog watchdog({letter});
            f.goTo(Page::T053);
            ASSERT_TRUE(watchdog.finishedInTime());
        }
        EXPECT_EQ(f.errors, QStringList{"Unable to read " + letter});
        EXPECT_TRUE(f.main().frmWordpad->reWPad->toPlainText().isEmpty());
        EXPECT_FALSE(f.main().terminationRequested());
    }
}

TEST(HostileFiles, StrayTemporaryFilesAreRemovedAtStartUp)
{
    CourseFixture f({}, progressWith(4));
    const QString progress = f.progressFile();
    writeFile(progress + ".XyZabc", "[USERINFO]\r\nMaxIndex=9\r\n");
    writeFile(progress + ".bak", "kept");
    f.start();
    EXPECT_FALSE(QFile::exists(progress + ".XyZabc"));
    EXPECT_TRUE(QFile::exists(progress + ".bak"));
    EXPECT_EQ(f.storedMaxIndex(), "4");
    EXPECT_TRUE(f.errors.isEmpty());
}

}  // namespace
