#include "support/course_fixture.h"

#include "app/program.h"
#include "lessons/frm_wordpad.h"
#include "platform/error_box.h"
#include "platform/error_report.h"
#include "platform/rich_edit.h"
#include "shell/frm_main.h"
#include "shell/pages.h"

#include <QApplication>
#include <QTextEdit>

#include <gtest/gtest.h>

QByteArray progressWith(int maxIndex)
{
    return "[USERINFO]\r\nMaxIndex=" + QByteArray::number(maxIndex) + "\r\n";
}

CourseFixture::CourseFixture(const QByteArray &languageLines, const QByteArray &progress)
{
    writeFile(programDir() + "QL2Test.ini", "[LANGUAGE]\r\nName=Test\r\n" + languageLines);
    QStringList pages;
    for (int i = 0; i < PageCount; ++i)
        pages << pageCode(i);
    pages << QStringLiteral("T004") << QStringLiteral("T059Cmp");
    for (const QString &code : pages)
        writeFile(infoDir() + code + ".rtf", "{\\rtf1\\ansi Page " + code.toLatin1() + "\\par}");
    writeFile(infoDir() + "T052Txt.rtf", "{\\rtf1\\ansi Dear Ann,\\par thank you for the flowers.\\par}");
    writeFile(infoDir() + "T003Cred.txt", "QUILLAN 2\r\n\r\nCOURSE DESIGN\r\nThe Quillan 2 team\r\n");
    if (!progress.isNull())
        writeFile(progressFile(), progress);
    setErrorReporter([this](const QString &message) { errors << message; });
}

CourseFixture::~CourseFixture()
{
    m_program.reset();
    setErrorReporter({});
}

void CourseFixture::start(const std::function<void(Program &)> &setUp)
{
    m_boxAnswerer = std::make_unique<ModalAnswerer>([this](QWidget *w) {
        if (auto *box = qobject_cast<TErrorBox *>(w)) {
            boxes << box->windowTitle() + ": " + box->text();
            box->accept();
        }
    });
    m_program = std::make_unique<Program>(programDir(), QStringList{QStringLiteral("QL2Test.ini")});
    if (setUp)
        setUp(*m_program);
    ASSERT_TRUE(m_program->start());
    m_program->frmMain()->FormShow();
}

TfrmMain &CourseFixture::main() const
{
    return *m_program->frmMain();
}

void CourseFixture::goTo(int index)
{
    main().LeavePage(main().currentPage());
    main().EnterPage(index);
}

void CourseFixture::focusWordpad()
{
    main().activateWindow();
    main().frmWordpad->reWPad->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
}

QString CourseFixture::infoText() const
{
    return main().reMain->toPlainText();
}

QByteArray CourseFixture::storedMaxIndex() const
{
    const QByteArray file = readFile(progressFile());
    const qsizetype at = file.indexOf("MaxIndex=");
    return at < 0 ? QByteArray() : file.mid(at + 9).split('\r').first().split('\n').first();
}
