#include "platform/screen_dpi.h"

#include <QGuiApplication>
#include <QScreen>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace {

// The X server's own resolution (the one xdpyinfo shows, set with -dpi or a
// display size), 0 when there is no X server. The toolkit only follows the
// desktop's font resolution (the Xft.dpi resource) and reports 96 without it.
int xServerDotsPerInch()
{
#if QT_CONFIG(xcb)
    if (const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        if (xcb_connection_t *c = x11->connection()) {
            const xcb_screen_t *s = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
            if (s && s->width_in_millimeters > 0)
                return qRound(s->width_in_pixels * 25.4 / s->width_in_millimeters);
        }
    }
#endif
    return 0;
}

}  // namespace

int screenDotsPerInch(const QScreen *screen)
{
    // The logical resolution is what is left after the toolkit's scaling: a
    // desktop at 120 dots per inch that is scaled by 1.25 reports 96 there.
    const int dpi = qRound(screen->logicalDotsPerInch() * screen->devicePixelRatio());
    if (dpi != 96)
        return dpi;
    const int server = xServerDotsPerInch();
    return server > 0 ? server : dpi;
}
