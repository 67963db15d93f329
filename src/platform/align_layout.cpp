#include "platform/align_layout.h"

#include <algorithm>

QList<QRect> alignLayout(const QRect &area, const QList<AlignItem> &items)
{
    QList<QRect> out;
    out.reserve(items.size());
    for (const AlignItem &item : items)
        out.append(item.geometry);

    int left = area.left();
    int top = area.top();
    int right = area.left() + area.width();   // exclusive
    int bottom = area.top() + area.height();  // exclusive

    const Align order[] = {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client};
    for (Align pass : order) {
        for (qsizetype i = 0; i < items.size(); ++i) {
            const AlignItem &item = items[i];
            if (!item.visible || item.align != pass)
                continue;
            const int w = std::max(0, right - left);
            const int h = std::max(0, bottom - top);
            switch (pass) {
            case Align::Top: {
                const int ih = item.geometry.height();
                out[i] = QRect(left, top, w, ih);
                top += ih;
                break;
            }
            case Align::Bottom: {
                const int ih = item.geometry.height();
                out[i] = QRect(left, bottom - ih, w, ih);
                bottom -= ih;
                break;
            }
            case Align::Left: {
                const int iw = item.geometry.width();
                out[i] = QRect(left, top, iw, h);
                left += iw;
                break;
            }
            case Align::Right: {
                const int iw = item.geometry.width();
                out[i] = QRect(right - iw, top, iw, h);
                right -= iw;
                break;
            }
            case Align::Client:
                out[i] = QRect(left, top, w, h);
                break;
            case Align::None:
                break;
            }
        }
    }
    return out;
}
