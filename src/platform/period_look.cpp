#include "platform/period_look.h"

#include "platform/picture.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace {

constexpr const char *kWineFontDir = "/usr/share/wine/fonts/";
// Tahoma's bold file is left out: the toolkit draws its glyphs in a fallback
// face of normal weight at every size (captions, headings and the
// instructions' bold words came out neither bold nor Tahoma), while Tahoma
// made bold by the toolkit is both.
constexpr const char *kWineFonts[] = {"tahoma.ttf", "ms_sans_serif.ttf", "marlett.ttf"};

// The application font id of MS Sans Serif while it is registered, else -1.
int g_bitmapFaceId = -1;

QString wineFontPath(const char *file)
{
    return QString::fromLatin1(kWineFontDir) + QString::fromLatin1(file);
}

void registerPeriodFonts()
{
    for (const char *file : kWineFonts) {
        if (qstrcmp(file, "ms_sans_serif.ttf") != 0 && QFile::exists(wineFontPath(file)))
            QFontDatabase::addApplicationFont(wineFontPath(file));
    }
    updatePeriodFonts();
    // Where the period fonts are missing, take the closest free ones.
    const QStringList families = QFontDatabase::families();
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    if (!families.contains(QStringLiteral("Tahoma")))
        QFont::insertSubstitutions(QStringLiteral("Tahoma"), sans);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), QStringList{QStringLiteral("Tahoma")} + sans);
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
}

constexpr const char *kKeepLookProperty = "quillanKeepLook";
// The picture a label shows, as given, for making it anew at another scale.
constexpr const char *kCrispSourceProperty = "quillanCrispSource";
// The largest whole scale an icon carries a copy for: a HiDPI screen at 2 with
// the course zoomed 2 times.
constexpr int kMaxPixelScale = 4;

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

// At a whole scale N above 1 the toolkit draws frames and bevels with lines
// one device pixel thin; the period's lines are N device pixels. Such a part
// (no text in it) is drawn at 1x into a picture of its rectangle, and the
// picture is copied onto the screen with each pixel N x N; of a frame,
// which leaves its inside alone, only the edges are copied. Returns false,
// drawing nothing, where the part is drawn as it is: at 1x, at a fractional
// scale, or under a painter that scales or turns.
template <typename Draw>
bool drawReplicated(const QStyleOption *option, QPainter *painter, const Draw &draw, bool frame = false)
{
    const qreal dpr = painter->device() ? painter->device()->devicePixelRatio() : 1;
    const QRect r = option->rect;
    if (dpr < 2 || dpr != std::floor(dpr) || painter->worldTransform().type() > QTransform::TxTranslate
        || r.isEmpty() || r.width() > 4096 || r.height() > 4096)
        return false;
    QImage part(r.size(), QImage::Format_ARGB32_Premultiplied);
    part.fill(Qt::transparent);
    {
        QPainter p(&part);
        p.setPen(painter->pen());
        p.setBrush(painter->brush());
        p.setFont(painter->font());
        p.translate(-r.topLeft());
        draw(&p);
    }
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    constexpr int kEdge = 8;  // wider than any frame the course has
    const int w = r.width(), h = r.height();
    if (frame && w > 2 * kEdge && h > 2 * kEdge) {
        for (const QRect &edge : {QRect(0, 0, w, kEdge), QRect(0, h - kEdge, w, kEdge),
                                  QRect(0, kEdge, kEdge, h - 2 * kEdge),
                                  QRect(w - kEdge, kEdge, kEdge, h - 2 * kEdge)})
            painter->drawImage(edge.translated(r.topLeft()), part, edge);
    } else {
        painter->drawImage(r.topLeft(), part);
    }
    painter->restore();
    return true;
}

// The "Windows" style, with locked containers that keep their look and
// frames and bevels as thick as the course's pixels.
class PeriodStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        EnabledLook look(option, widget);
        const auto draw = [&](QPainter *p) { QProxyStyle::drawPrimitive(element, option, p, widget); };
        const bool frame = element == PE_Frame || element == PE_FrameLineEdit || element == PE_FrameGroupBox
            || element == PE_FrameStatusBarItem || element == PE_FrameWindow || element == PE_FrameTabWidget
            || element == PE_FrameMenu || element == PE_FrameFocusRect;
        if (element == PE_Widget || !drawReplicated(option, painter, draw, frame))
            draw(painter);
    }
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        EnabledLook look(option, widget);
        const auto draw = [&](QPainter *p) { QProxyStyle::drawControl(element, option, p, widget); };
        // Frames and the scroll bar's parts: lines and patterns, no text.
        const bool lines = element == CE_ShapedFrame || element == CE_ScrollBarAddPage
            || element == CE_ScrollBarSubPage || element == CE_ScrollBarAddLine
            || element == CE_ScrollBarSubLine || element == CE_ScrollBarSlider;
        if (!lines || !drawReplicated(option, painter, draw, element == CE_ShapedFrame))
            draw(painter);
    }
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override
    {
        EnabledLook look(option, widget);
        const auto draw = [&](QPainter *p) { QProxyStyle::drawComplexControl(control, option, p, widget); };
        // Those without text of their own (a combo box's text is its label's).
        const bool lines = control == CC_ScrollBar || control == CC_ComboBox || control == CC_SpinBox
            || control == CC_Slider;
        if (!lines || !drawReplicated(option, painter, draw))
            draw(painter);
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

void updatePeriodFonts()
{
    // MS Sans Serif is a bitmap face: its strikes are made for 1x and have
    // no larger sizes, so at any other scale its glyphs would be drawn at
    // their 1x size in wider spacing. There the outline Tahoma of the same
    // period and metrics stands for it (the substitution above), crisp at any
    // size; the face is registered only while the course is drawn at 1x.
    const bool bitmapFaceFits = qGuiApp->devicePixelRatio() == 1;
    if (bitmapFaceFits && g_bitmapFaceId < 0 && QFile::exists(wineFontPath("ms_sans_serif.ttf")))
        g_bitmapFaceId = QFontDatabase::addApplicationFont(wineFontPath("ms_sans_serif.ttf"));
    else if (!bitmapFaceFits && g_bitmapFaceId >= 0 && QFontDatabase::removeApplicationFont(g_bitmapFaceId))
        g_bitmapFaceId = -1;
}

QPixmap crispPixmap(const QPixmap &picture)
{
    if (picture.isNull() || picture.devicePixelRatio() != 1 || qGuiApp->devicePixelRatio() == 1)
        return picture;
    return QPixmap::fromImage(crispImage(picture.toImage(), qGuiApp->devicePixelRatio()));
}

void addCrispPixmap(QIcon &icon, const QPixmap &picture, QIcon::Mode mode)
{
    // Copies at every whole scale the course may be drawn at, so that a
    // change of zoom finds its own; the toolkit smooths the copy above a
    // fractional scale down to it.
    icon.addPixmap(picture, mode);
    if (picture.isNull() || picture.devicePixelRatio() != 1)
        return;
    for (int n = 2; n <= kMaxPixelScale; ++n) {
        QPixmap copy = picture.scaled(picture.size() * n, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        copy.setDevicePixelRatio(n);
        icon.addPixmap(copy, mode);
    }
}

QIcon crispIcon(const QPixmap &picture)
{
    if (picture.isNull())
        return QIcon();
    QIcon icon;
    addCrispPixmap(icon, picture);
    return icon;
}

void setCrispPixmap(QLabel *label, const QPixmap &picture)
{
    label->setProperty(kCrispSourceProperty, QVariant::fromValue(picture));
    label->setPixmap(crispPixmap(picture));
}

void refreshCrispPixmaps()
{
    const QList<QWidget *> widgets = QApplication::allWidgets();
    for (QWidget *w : widgets) {
        auto *label = qobject_cast<QLabel *>(w);
        const QVariant source = w->property(kCrispSourceProperty);
        if (label && source.isValid())
            label->setPixmap(crispPixmap(source.value<QPixmap>()));
    }
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
