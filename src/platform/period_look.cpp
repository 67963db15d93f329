#include "platform/period_look.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

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

constexpr const char *kKeepLookProperty = "quillanKeepLook";

// Lets a control that keeps its enabled look be drawn as enabled: the style
// option of the one drawing call says enabled, in the active or inactive
// colours, and is put back afterwards.
class EnabledLook {
public:
    EnabledLook(const QStyleOption *option, const QWidget *widget)
    {
        if (!option || !widget || !keepsEnabledLook(widget))
            return;
        m_option = const_cast<QStyleOption *>(option);  // the caller's own, on its stack
        m_state = m_option->state;
        m_group = m_option->palette.currentColorGroup();
        m_option->state |= QStyle::State_Enabled;
        m_option->palette.setCurrentColorGroup(widget->isActiveWindow() ? QPalette::Active
                                                                         : QPalette::Inactive);
    }
    ~EnabledLook()
    {
        if (!m_option)
            return;
        m_option->state = m_state;
        m_option->palette.setCurrentColorGroup(m_group);
    }
    EnabledLook(const EnabledLook &) = delete;
    EnabledLook &operator=(const EnabledLook &) = delete;

private:
    QStyleOption *m_option = nullptr;
    QStyle::State m_state;
    QPalette::ColorGroup m_group = QPalette::Active;
};

// The "Windows" style, with locked containers that keep their look.
class PeriodStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        EnabledLook look(option, widget);
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        EnabledLook look(option, widget);
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override
    {
        EnabledLook look(option, widget);
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }
};

}  // namespace

void keepLookWhenDisabled(QWidget *container)
{
    container->setProperty(kKeepLookProperty, true);
}

bool keepsEnabledLook(const QWidget *w)
{
    if (w->isEnabled())
        return false;
    // The nearest widget that was disabled on its own decides.
    for (const QWidget *p = w; p; p = p->parentWidget()) {
        if (p->testAttribute(Qt::WA_ForceDisabled))
            return p->property(kKeepLookProperty).toBool();
        if (p->isWindow())
            break;
    }
    return false;
}

QPalette lookPalette(const QWidget *w)
{
    QPalette pal = w->palette();
    if (keepsEnabledLook(w))
        pal.setCurrentColorGroup(w->isActiveWindow() ? QPalette::Active : QPalette::Inactive);
    return pal;
}

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
    if (QStyle *windows = QStyleFactory::create(QStringLiteral("Windows")))
        app.setStyle(new PeriodStyle(windows));
    app.setPalette(periodPalette());
    app.setFont(periodFont(QStringLiteral("Tahoma"), 11));
}
