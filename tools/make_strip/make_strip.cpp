// Builds the picture strip of the closing credits: 24 thumbnails of the
// course's own pages, 185 x 138 each, side by side in one 4440 x 138 picture.
// It runs the real program headless on a 1024 x 768 screen and photographs
// the pages and windows a learner sees:
//
//   QT_QPA_PLATFORM=offscreen:configfile=build/tests/screens/1024x768.json
//   build/make_strip build/ assets/credits_strip.png
//
// The first argument is a program directory (with QL2Eng.ini and InfoEng/),
// the second the picture to write. An optional third names a folder that gets
// every scene at full size as well (scene_00.png ...), to look at.
#include "app/program.h"
#include "lessons/frm_msg_dlg.h"
#include "lessons/frm_opn_dlg.h"
#include "lessons/frm_wordpad.h"
#include "platform/classic_window.h"
#include "platform/image_widget.h"
#include "platform/quillan_application.h"
#include "platform/rich_edit.h"
#include "shell/frm_contents.h"
#include "shell/frm_main.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <functional>

namespace {

constexpr int CellWidth = 185;
constexpr int CellHeight = 138;
constexpr int Cells = 24;

// The screen as the learner sees it: the main window with every other
// visible window of the program over it.
QImage screenShot(TfrmMain &main)
{
    QApplication::processEvents();
    QImage screen(main.size(), QImage::Format_RGB32);
    QPainter p(&screen);
    p.drawPixmap(0, 0, main.grab());
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w != &main && w->isVisible())
            p.drawPixmap(w->pos(), w->grab());
    }
    return screen;
}

// Shows a window of the program without a modal loop, for its photograph.
void showOver(QWidget *dialog, TfrmMain &main)
{
    dialog->move((main.width() - dialog->width()) / 2, (main.height() - dialog->height()) / 2);
    dialog->show();
}

// Answers the next modal dialog as the learner would: runs inside its own
// event loop, once it shows.
void answerNextDialog(std::function<void(QDialog *)> answer)
{
    QTimer::singleShot(0, qApp, [answer = std::move(answer)] {
        if (auto *dialog = qobject_cast<QDialog *>(frontDialog()))
            answer(dialog);
    });
}

// The Save dialog, given the name and confirmed.
void saveAs(const QString &name)
{
    answerNextDialog([name](QDialog *dialog) {
        if (auto *save = qobject_cast<TfrmOpnDlg *>(dialog)) {
            save->edName->setText(name);
            save->btnOpen->click();
        }
    });
}

}  // namespace

int main(int argc, char **argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QuillanApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: make_strip <program directory> <output picture> [scene folder]\n");
        return 2;
    }
    QString dir = QString::fromLocal8Bit(argv[1]);
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    // Every page may be visited.
    QFile progress(config.path() + QStringLiteral("/QL2Dusr.qlu"));
    progress.open(QIODevice::WriteOnly);
    progress.write("[USERINFO]\r\nMaxIndex=10\r\n");
    progress.close();

    Program program(dir, {QStringLiteral("QL2Eng.ini")});
    if (!program.start())
        return 1;
    TfrmMain &m = *program.frmMain();
    m.FormShow();
    TfrmWordpad &wp = *m.frmWordpad;
    const auto go = [&m](int page) { m.ChangePage(page); };
    const auto type = [&wp](const QString &text) {
        wp.reWPad->moveCursor(QTextCursor::End);
        wp.reWPad->insertPlainText(text);
    };
    const QString letter = QStringLiteral(
        "Dear Ann,\n\nThank you for the lovely flowers.\nThey are on the kitchen table\nand "
        "the whole house smells of spring.\n\nLove, Mary");

    // The scenes, in the order the credits show them.
    const QList<std::function<void()>> scenes = {
        [&] { for (int i = 0; i < 3; ++i) m.tmrTimerT001Timer(); },
        [&] { go(1); },
        [&] { m.sbStartT051Click(); },
        [&] { m.StartMenuHitTest(m.imgT051Start, 10); },
        [&] { m.StartMenuHitTest(m.imgT051Start, 40); },
        [&] { m.sbStartT051Click(); go(2); },
        [&] {
            m.FillFileList(m.frmOpnDlg->lvFiles);
            m.frmOpnDlg->setCaption(QStringLiteral("Open"));
            showOver(m.frmOpnDlg, m);
        },
        [&] {
            m.frmOpnDlg->cbType->setCurrentIndex(2);
            m.frmOpnDlgcbTypeT052Change();
            m.frmOpnDlg->lvFiles->setCurrentRow(1);
        },
        [&] { m.frmOpnDlg->hide(); go(3); },
        [&] { wp.reWPad->moveCursor(QTextCursor::End); type(QStringLiteral(" And a P.S.")); },
        [&] { go(4); type(letter.left(46)); },
        [&] { type(letter.mid(46)); },
        [&] { go(5); wp.reWPad->selectAll(); },
        [&] {
            wp.reWPad->moveCursor(QTextCursor::End);
            type(QStringLiteral("\nLove, Mary"));
        },
        [&] { go(6); wp.reWPad->setPlainText(letter); },
        [&] {
            m.FillFileList(m.frmOpnDlg->lvFiles);
            m.frmOpnDlg->setCaption(QStringLiteral("Save"));
            m.frmOpnDlg->edName->setText(QStringLiteral("My Document"));
            showOver(m.frmOpnDlg, m);
        },
        [&] {
            // Saved (the name was shown in the dialog of the scene before).
            m.frmOpnDlg->hide();
            saveAs(QStringLiteral("My Document"));
            m.frmWPadaSaveT056Execute();
            go(7);
        },
        [&] { wp.sendMessage(Msg::WM_SYSCOMMAND, Sc::SC_CLOSE, 0); },
        [&] {
            m.sbStartT057Click();
            m.StartMenuHitTest(m.imgT057Start, 40);
        },
        [&] { m.sbStartT057Click(); go(8); },
        [&] { m.PreparePrintErrorBox(); showOver(m.frmMsgDlg, m); },
        [&] {
            m.frmMsgDlg->hide();
            go(9);
            m.frmWPadaNewT059Execute();
            type(QStringLiteral("My comments:\nThe course was easy to follow."));
        },
        [&] {
            saveAs(QStringLiteral("Comments"));
            m.frmWPadaSaveT059Execute();
            wp.move(120, 60);
        },
        [&] { wp.sendMessage(Msg::WM_SYSCOMMAND, Sc::SC_CLOSE, 0); },
    };

    QImage strip(CellWidth * Cells, CellHeight, QImage::Format_RGB32);
    strip.fill(Qt::black);
    QPainter p(&strip);
    for (int i = 0; i < Cells && i < scenes.size(); ++i) {
        scenes[i]();
        const QImage screen = screenShot(m);
        if (argc == 4)
            screen.save(QStringLiteral("%1/scene_%2.png").arg(QString::fromLocal8Bit(argv[3])).arg(i, 2, 10, QLatin1Char('0')));
        p.drawImage(i * CellWidth, 0,
                    screen.scaled(CellWidth, CellHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    p.end();
    m.LeavePage(m.currentPage());
    if (!strip.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "make_strip: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
