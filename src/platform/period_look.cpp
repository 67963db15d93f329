#include "platform/period_look.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QStyleFactory>

namespace {

constexpr const char *kWineFontDir = "/usr/share/wine/fonts/";
constexpr const char *kWineFonts[] = {"tahoma.ttf", "tahomabd.ttf", "ms_sans_serif.ttf",
                                      "marlett.ttf"};

void registerPeriodFonts()
{
    for (const char *file : kWineFonts) {
        const QString path = QString::fromLatin1(kWineFontDir) + QString::fromLatin1(file);
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
    // Where the period fonts are missing, take the closest free ones.
    const QStringList families = QFontDatabase::families();
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    if (!families.contains(QStringLiteral("Tahoma")))
        QFont::insertSubstitutions(QStringLiteral("Tahoma"), sans);
    if (!families.contains(QStringLiteral("MS Sans Serif")))
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
}

}  // namespace

QFont periodFont(const QString &family, int pixelHeight, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferDefault);
    return f;
}

QPalette periodPalette()
{
    using namespace PeriodColor;
    QPalette p;
    const QColor face(ButtonFace), shadow(ButtonShadow), white(ButtonHighlight);
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(g, QPalette::Window, face);
        p.setColor(g, QPalette::Button, face);
        p.setColor(g, QPalette::Light, white);
        p.setColor(g, QPalette::Midlight, QColor(ButtonLight));
        p.setColor(g, QPalette::Mid, QColor(0xA0, 0xA0, 0xA0));
        p.setColor(g, QPalette::Dark, shadow);
        p.setColor(g, QPalette::Shadow, QColor(DarkShadow));
        p.setColor(g, QPalette::Base, g == QPalette::Disabled ? face : white);
        p.setColor(g, QPalette::AlternateBase, face);
        p.setColor(g, QPalette::WindowText, g == QPalette::Disabled ? shadow : Qt::black);
        p.setColor(g, QPalette::Text, g == QPalette::Disabled ? shadow : Qt::black);
        p.setColor(g, QPalette::ButtonText, g == QPalette::Disabled ? shadow : Qt::black);
        p.setColor(g, QPalette::BrightText, white);
        p.setColor(g, QPalette::Highlight, QColor(Highlight));
        p.setColor(g, QPalette::HighlightedText, white);
        p.setColor(g, QPalette::ToolTipBase, QColor(InfoYellow));
        p.setColor(g, QPalette::ToolTipText, Qt::black);
        p.setColor(g, QPalette::Link, QColor(Highlight));
    }
    return p;
}

void applyPeriodLook(QApplication &app)
{
    registerPeriodFonts();
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows")))
        app.setStyle(style);
    app.setPalette(periodPalette());
    app.setFont(periodFont(QStringLiteral("Tahoma"), 11));
}
