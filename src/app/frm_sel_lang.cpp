#include "app/frm_sel_lang.h"

#include "platform/language_files.h"
#include "platform/panel.h"
#include "platform/period_look.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

TfrmSelLang::TfrmSelLang(const QString &programDir, QWidget *parent)
    : TClassicDialog(parent), m_programDir(programDir)
{
    setObjectName(QStringLiteral("frmSelLang"));
    setCaption(QStringLiteral("Select language"));
    frame()->setHelpButtonVisible(false);
    setFont(periodFont(QStringLiteral("Tahoma"), 11));
    setClientSize(QSize(480, 268));
    QWidget *c = client();

    auto *image1 = new QLabel(c);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(0, 0, 480, 64);
    setCrispPixmap(image1, QPixmap(QStringLiteral(":/banner.png")));

    addBevel(c, TBevel::Shape::BottomLine, "Bevel2", QRect(0, 64, 480, 6));

    auto *prompt = new QLabel(QStringLiteral("Select desired language and click OK:"), c);
    prompt->setObjectName(QStringLiteral("lbT001Time"));
    prompt->setGeometry(7, 76, 466, 13);

    flbLangs = new QListWidget(c);
    flbLangs->setObjectName(QStringLiteral("flbLangs"));
    flbLangs->hide();

    lbLangs = new QListWidget(c);
    lbLangs->setObjectName(QStringLiteral("lbLangs"));
    lbLangs->setGeometry(4, 96, 469, 137);
    lbLangs->setSelectionMode(QAbstractItemView::SingleSelection);
    lbLangs->setFrameShape(QFrame::StyledPanel);
    lbLangs->setAccessibleName(QStringLiteral("Languages"));  // a list's name is not its label's
    lbLangs->setFrameShadow(QFrame::Sunken);
    prompt->setBuddy(lbLangs);

    auto *button1 = new QPushButton(QStringLiteral("OK"), c);
    button1->setObjectName(QStringLiteral("Button1"));
    button1->setGeometry(312, 238, 75, 25);
    button1->setDefault(true);
    connect(button1, &QPushButton::clicked, this, &TfrmSelLang::Button1Click);

    auto *button2 = new QPushButton(QStringLiteral("Cancel"), c);
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
    // English, the language of this dialog's own words, is chosen at first
    // where it ships, wherever its name sorts (Deutsch comes before it);
    // otherwise the first language.
    int english = 0;
    for (const QString &file : findLanguageFiles(m_programDir)) {
        if (file.compare(QLatin1String("QL2Eng.ini"), Qt::CaseInsensitive) == 0)
            english = flbLangs->count();
        flbLangs->addItem(file);
        lbLangs->addItem(languageDisplayName(m_programDir + file));
    }
    if (lbLangs->count() > 0)
        lbLangs->setCurrentRow(english);
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
    centreOnScreen();  // the whole window, frame and all
    lbLangs->setFocus();
    if (exec() != QDialog::Accepted || lbLangs->currentRow() < 0)
        return {};
    return m_programDir + flbLangs->item(lbLangs->currentRow())->text();
}
