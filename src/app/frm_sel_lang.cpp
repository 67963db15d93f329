#include "app/frm_sel_lang.h"

#include "app/language_files.h"
#include "platform/panel.h"
#include "platform/period_look.h"

#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

TfrmSelLang::TfrmSelLang(const QString &programDir, QWidget *parent)
    : QDialog(parent), m_programDir(programDir)
{
    setObjectName(QStringLiteral("frmSelLang"));
    setWindowTitle(QStringLiteral("Select language"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(periodFont(QStringLiteral("Tahoma"), 11));
    setFixedSize(480, 268);

    auto *image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(0, 0, 480, 64);
    image1->setPixmap(QPixmap(QStringLiteral(":/banner.png")));

    addBevel(this, TBevel::Shape::BottomLine, "Bevel2", QRect(0, 64, 480, 6));

    auto *prompt = new QLabel(QStringLiteral("Select desired language and click OK:"), this);
    prompt->setObjectName(QStringLiteral("lbT001Time"));
    prompt->setGeometry(7, 76, 466, 13);

    flbLangs = new QListWidget(this);
    flbLangs->setObjectName(QStringLiteral("flbLangs"));
    flbLangs->hide();

    lbLangs = new QListWidget(this);
    lbLangs->setObjectName(QStringLiteral("lbLangs"));
    lbLangs->setGeometry(4, 96, 469, 137);
    lbLangs->setSelectionMode(QAbstractItemView::SingleSelection);
    lbLangs->setFrameShape(QFrame::StyledPanel);
    lbLangs->setFrameShadow(QFrame::Sunken);
    prompt->setBuddy(lbLangs);

    auto *button1 = new QPushButton(QStringLiteral("OK"), this);
    button1->setObjectName(QStringLiteral("Button1"));
    button1->setGeometry(312, 238, 75, 25);
    button1->setDefault(true);
    connect(button1, &QPushButton::clicked, this, &TfrmSelLang::Button1Click);

    auto *button2 = new QPushButton(QStringLiteral("Cancel"), this);
    button2->setObjectName(QStringLiteral("Button2"));
    button2->setGeometry(396, 238, 75, 25);
    connect(button2, &QPushButton::clicked, this, &QDialog::reject);

    // A double click on a language is a choice too.
    connect(lbLangs, &QListWidget::itemDoubleClicked, this, &TfrmSelLang::Button1Click);

    setTabOrder(lbLangs, button1);
    setTabOrder(button1, button2);
    lbLangs->setFocus();

    FormCreate();
}

void TfrmSelLang::FormCreate()
{
    for (const QString &file : findLanguageFiles(m_programDir)) {
        flbLangs->addItem(file);
        lbLangs->addItem(languageDisplayName(m_programDir + file));
    }
    if (lbLangs->count() > 0)
        lbLangs->setCurrentRow(0);
}

void TfrmSelLang::Button1Click()
{
    // With no language file at all there is nothing to choose: OK keeps the
    // dialog open, and Cancel is the way out.
    if (lbLangs->currentRow() < 0)
        return;
    accept();
}

QString TfrmSelLang::SelectLanguage()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect desk = screen->geometry();
        move(desk.x() + (desk.width() - width()) / 2, desk.y() + (desk.height() - height()) / 2);
    }
    lbLangs->setFocus();
    if (exec() != QDialog::Accepted || lbLangs->currentRow() < 0)
        return {};
    return m_programDir + flbLangs->item(lbLangs->currentRow())->text();
}
