#include "platform/course_zoom.h"

#include <QByteArray>
#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace {

// Zooms are compared and stored to a hundredth: 1.25 read from a file is the
// step 1.25, not a float near it.
double hundredths(double z)
{
    return std::round(z * 100) / 100;
}

bool holdsLayout(QSize screen, double zoom)
{
    return screen.width() / zoom >= ZoomLayoutNeeds.width() - 1e-9
        && screen.height() / zoom >= ZoomLayoutNeeds.height() - 1e-9;
}

}  // namespace

std::optional<ZoomSetting> parseZoom(QByteArrayView text)
{
    const QByteArray t = text.toByteArray().trimmed();
    if (t.compare("fit", Qt::CaseInsensitive) == 0)
        return ZoomSetting{true, 1};
    // Digits, then at most one point with one or two digits after it: no
    // sign, exponent, "nan" or "inf", which toDouble would take.
    const int point = t.indexOf('.');
    const int whole = point < 0 ? int(t.size()) : point;
    const int decimals = point < 0 ? 0 : int(t.size()) - point - 1;
    if (whole < 1 || whole > 3 || (point >= 0 && (decimals < 1 || decimals > 2)))
        return std::nullopt;
    for (int i = 0; i < t.size(); ++i) {
        if (i != point && (t[i] < '0' || t[i] > '9'))
            return std::nullopt;
    }
    const double z = t.toDouble();
    if (z < MinZoom || z > MaxZoom)
        return std::nullopt;
    return ZoomSetting{false, hundredths(z)};
}

QString zoomText(double zoom)
{
    return QString::number(hundredths(zoom), 'g', 4);
}

QString zoomText(const ZoomSetting &setting)
{
    return setting.fit ? QStringLiteral("fit") : zoomText(setting.value);
}

double fitZoom(QSize screenAtZoom1)
{
    double z = MinZoom;
    while (z + ZoomStep <= MaxZoom && holdsLayout(screenAtZoom1, z + ZoomStep))
        z += ZoomStep;
    return z;
}

double usableZoom(double wanted, QSize screenAtZoom1)
{
    wanted = std::clamp(hundredths(wanted), MinZoom, MaxZoom);
    return holdsLayout(screenAtZoom1, wanted) ? wanted : fitZoom(screenAtZoom1);
}

double steppedZoom(double current, int direction, QSize screenAtZoom1)
{
    current = hundredths(current);
    // The step grid: 1, 1.25, 1.5 ... From 1.3 up is 1.5, down is 1.25.
    const double below = std::floor(current / ZoomStep + 1e-9) * ZoomStep;
    const double above = std::ceil(current / ZoomStep - 1e-9) * ZoomStep;
    if (direction < 0) {
        const double next = below < current - 1e-9 ? below : below - ZoomStep;
        return next >= MinZoom ? next : current;
    }
    const double next = above > current + 1e-9 ? above : above + ZoomStep;
    if (next > MaxZoom || !holdsLayout(screenAtZoom1, next))
        return current;
    return next;
}
