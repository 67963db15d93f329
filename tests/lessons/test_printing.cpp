// Printing on T058 and T059 through the machine's real print system. The
// Printing tests need the PDF print queue QuillanPDF that `make test` sets
// up (a CUPS queue writing ~/PDF/<job name>*.pdf); the NoPrinter tests run
// on their own against a print system without any printer.
#include "lessons/frm_msg_dlg.h"
#include "lessons/frm_wordpad.h"
#include "platform/rich_edit.h"
#include "shell/frm_main.h"
#include "support/course_fixture.h"
#include "support/print_jobs.h"

#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

namespace {

const char kQueue[] = "QuillanPDF";

const QByteArray kLanguage =
    "[LABELS]\r\nlbT058Error=The document could not be printed.\r\nbtnT058ErrorOK=Close\r\n";
const QByteArray kMyDocument =
    "[DOCUMENT]\r\nLine0=Dear Ann,\r\nLine1=\r\nLine2=see you soon\r\n";

// The text of the newest PDF the queue wrote for a job of that name.
QString printedText(const QString &jobName, const QDateTime &since)
{
    QDir out(QString::fromLocal8Bit(getpwuid(geteuid())->pw_dir) + QStringLiteral("/PDF"));
    const QString pattern = QString(jobName).replace(QLatin1Char(' '), QLatin1Char('_')) + "*.pdf";
    for (const QFileInfo &pdf : out.entryInfoList({pattern}, QDir::Files, QDir::Time)) {
        if (pdf.lastModified() < since.addSecs(-1))
            break;
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf.filePath(), QStringLiteral("-")});
        text.waitForFinished(30000);
        return QString::fromUtf8(text.readAllStandardOutput());
    }
    return {};
}

// What a print attempt showed: the print dialog, and the error box's text.
struct Attempt {
    int dialogs = 0;
    QStringList errorBoxes;
};

// Clicks Print on the word processor; the print dialog gets confirm (or is
// cancelled when that is empty), an error box is read and closed by Esc.
Attempt print(CourseFixture &f, const std::function<void(QPrintDialog *)> &confirm)
{
    Attempt a;
    ModalAnswerer answerer([&](QWidget *w) {
        if (auto *dialog = qobject_cast<QPrintDialog *>(w)) {
            ++a.dialogs;
            if (confirm)
                confirm(dialog);
            else
                dialog->reject();
        } else if (auto *box = qobject_cast<TfrmMsgDlg *>(w)) {
            a.errorBoxes << box->lbText->text() + " [" + box->btnDlg2->text() + "]"
                                + (box->btnDlg1->isVisible() ? " with Yes" : "");
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            w->close();
        }
    });
    QTest::mouseClick(f.main().frmWordpad->tbPrint, Qt::LeftButton);
    return a;
}

class Printing : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!QPrinterInfo::availablePrinterNames().contains(kQueue))
            FAIL() << "the print queue " << kQueue << " is missing: `make test` sets it up";
    }
};

TEST_F(Printing, T058PrintsMyDocumentAsAJobOfThatName)
{
    CourseFixture f(kLanguage, progressWith(8) + kMyDocument);
    f.start();
    f.goTo(8);
    TfrmMain &m = f.main();
    const QList<int> before = PrintJobs::ids(kQueue, false);
    const QDateTime started = QDateTime::currentDateTime();
    m.frmWordpad->printer()->setPrinterName(kQueue);

    const Attempt a = print(f, [](QPrintDialog *d) { d->accept(); });
    EXPECT_EQ(a.dialogs, 1);
    EXPECT_TRUE(a.errorBoxes.isEmpty()) << a.errorBoxes.join('\n').toStdString();
    EXPECT_TRUE(m.tbForward->isEnabled());
    EXPECT_EQ(f.storedMaxIndex(), "9");

    // The scheduler finishes the job on its own time.
    QStringList added;
    const bool done = QTest::qWaitFor(
        [&] { return !(added = PrintJobs::completedSince(kQueue, before)).isEmpty(); }, 60000);
    ASSERT_TRUE(done) << "no print job completed";
    EXPECT_EQ(added, QStringList{"My Document"});
    QString text;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !(text = printedText("My Document", started)).isEmpty(); }, 30000));
    EXPECT_TRUE(text.contains("Dear Ann,") && text.contains("see you soon")) << text.toStdString();
}

TEST_F(Printing, T058CancelledStillCompletesTheLesson)
{
    CourseFixture f(kLanguage, progressWith(8) + kMyDocument);
    f.start();
    f.goTo(8);
    const Attempt a = print(f, {});
    EXPECT_EQ(a.dialogs, 1);
    EXPECT_TRUE(a.errorBoxes.isEmpty());
    EXPECT_TRUE(f.main().tbForward->isEnabled());
    EXPECT_EQ(f.storedMaxIndex(), "9");
}

TEST_F(Printing, AFailedPrintShowsTheErrorBoxEachTimeAndT058StillCompletes)
{
    CourseFixture f(kLanguage, progressWith(8) + kMyDocument);
    f.start();
    f.goTo(8);
    // The learner prints to a file in a folder that does not exist.
    const auto toNowhere = [](QPrintDialog *d) {
        d->accept();
        d->printer()->setOutputFileName(QStringLiteral("/no/such/folder/letter.pdf"));
    };
    for (int attempt = 1; attempt <= 2; ++attempt) {
        SCOPED_TRACE(attempt);
        const Attempt a = print(f, toNowhere);
        EXPECT_EQ(a.errorBoxes, QStringList{"The document could not be printed. [Close]"});
        EXPECT_TRUE(f.main().tbForward->isEnabled());
    }
    EXPECT_EQ(f.storedMaxIndex(), "9");
}

TEST_F(Printing, T059PrintsTheCommentsAndKeepsTheExerciseWhereItWas)
{
    CourseFixture f(kLanguage, progressWith(9) + kMyDocument);
    f.start();
    f.goTo(9);
    TfrmMain &m = f.main();
    f.focusWordpad();
    QTest::keyClick(m.frmWordpad->reWPad, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClicks(m.frmWordpad->reWPad, QStringLiteral("Well explained"));
    const QList<int> before = PrintJobs::ids(kQueue, false);
    m.frmWordpad->printer()->setPrinterName(kQueue);

    const Attempt a = print(f, [](QPrintDialog *d) { d->accept(); });
    EXPECT_TRUE(a.errorBoxes.isEmpty());
    // The exercise is where it was: a new document, not saved yet.
    EXPECT_EQ(m.frmWordpad->caption(), "Document - Wordpad");
    EXPECT_TRUE(m.frmWordpad->tbSave->isEnabled());
    EXPECT_FALSE(m.tbForward->isEnabled());
    EXPECT_EQ(f.storedMaxIndex(), "9");
    const bool done = QTest::qWaitFor(
        [&] { return PrintJobs::completedSince(kQueue, before).contains("Comments"); }, 60000);
    EXPECT_TRUE(done) << "no job named Comments completed";
}

// Run with a print system that has no printer at all.
TEST(NoPrinter, PrintShowsTheErrorBoxWithoutADialogAndT058Completes)
{
    ASSERT_TRUE(QPrinterInfo::availablePrinterNames().isEmpty()) << "this test wants no printers";
    CourseFixture f(kLanguage, progressWith(8) + kMyDocument);
    f.start();
    f.goTo(8);
    for (int attempt = 1; attempt <= 2; ++attempt) {
        SCOPED_TRACE(attempt);
        const Attempt a = print(f, [](QPrintDialog *d) { d->accept(); });
        EXPECT_EQ(a.dialogs, 0);
        EXPECT_EQ(a.errorBoxes, QStringList{"The document could not be printed. [Close]"});
        EXPECT_TRUE(f.main().tbForward->isEnabled());
    }
}

}  // namespace
