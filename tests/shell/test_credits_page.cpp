#include "effects/harm_fade.h"
#include "effects/pic_clip.h"
#include "effects/secret_panel.h"
#include "platform/components.h"
#include "shell/frm_main.h"
#include "support/course_fixture.h"

#include <QFile>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

QImage cell(TfrmMain &m, int index)
{
    return m.picClip->GraphicColRow(index, 0).convertToFormat(QImage::Format_RGB32);
}

QImage shown(const THarmFade *fade)
{
    return fade->displayImage().convertToFormat(QImage::Format_RGB32);
}

TEST(CreditsPage, ThePanelsDissolveThroughTheThumbnailsInOppositeDirections)
{
    CourseFixture f({}, progressWith(10));
    f.start();
    f.goTo(10);
    TfrmMain &m = f.main();
    EXPECT_TRUE(m.tmrTimer->enabled());
    EXPECT_EQ(m.tmrTimer->interval(), 3000);
    EXPECT_TRUE(m.pnCredits->Active());
    // The band: the logo in the middle of the 774-pixel page, a panel centred
    // in the space on each side.
    EXPECT_EQ(m.imgQL2End->geometry(), QRect(312, 0, 150, 150));
    EXPECT_EQ(m.hfFade1->geometry(), QRect(63, 4, 185, 138));
    EXPECT_EQ(m.hfFade2->geometry(), QRect(525, 4, 185, 138));

    // Nothing changes until the first tick, which has the thumbnails (the
    // page does not wait for the worker reading them).
    const QImage before = shown(m.hfFade1);
    m.CreditsTimerTick();
    ASSERT_EQ(m.picClip->CellCount(), 24);
    EXPECT_NE(before, cell(m, 0));

    const struct {
        int ticks;  // ticks so far
        int left;
        int right;
    } checkpoints[] = {{1, 0, 23}, {2, 1, 22}, {24, 23, 0}, {25, 0, 23}};
    int ticks = 1;
    for (const auto &c : checkpoints) {
        while (ticks < c.ticks) {
            m.CreditsTimerTick();
            ++ticks;
        }
        SCOPED_TRACE(ticks);
        EXPECT_EQ(shown(m.hfFade1), cell(m, c.left));
        EXPECT_EQ(shown(m.hfFade2), cell(m, c.right));
    }

    f.goTo(9);
    EXPECT_FALSE(m.tmrTimer->enabled());
    EXPECT_FALSE(m.pnCredits->Active());
}

TEST(CreditsPage, AMissingCreditsFileLeavesTheTextBlankAndThePicturesRunning)
{
    CourseFixture f({}, progressWith(10));
    QFile::remove(f.infoDir() + "T003Cred.txt");
    f.start();
    f.goTo(10);
    TfrmMain &m = f.main();
    EXPECT_TRUE(f.errors.isEmpty());
    EXPECT_TRUE(m.pnCredits->Active());
    EXPECT_TRUE(m.tmrTimer->enabled());
    m.CreditsTimerTick();
    EXPECT_EQ(shown(m.hfFade1), cell(m, 0));
}

}  // namespace
