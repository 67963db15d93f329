#include "platform/screen_dpi.h"

#include "platform/screen_zoom.h"

#include <QGuiApplication>
#include <QLibrary>
#include <QScreen>

#include <algorithm>
#include <cstdint>
#include <type_traits>
#include <vector>

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

// The outputs of a Wayland compositor, as it announces them to a client of
// its own: each output's name, current mode and whole scale. The toolkit
// tells only the whole scale, which a compositor rounds up from a fractional
// one (and then resamples the window); the mode against the output's logical
// size gives the real scale. The client library is the one the toolkit's
// Wayland platform loaded, found at run time, so the program needs nothing of
// Wayland to build or to run on X.
namespace wl {

struct Interface {
    const char *name;
    int version;
    int methodCount;
    const void *methods;
    int eventCount;
    const void *events;
};
struct Proxy;

struct Output {
    QString name;
    int modeWidth = 0;
    int modeHeight = 0;
    int scale = 1;
};

struct Client {
    Proxy *(*connect)(const char *) = nullptr;
    void (*disconnect)(Proxy *) = nullptr;
    int (*roundtrip)(Proxy *) = nullptr;
    Proxy *(*marshalFlags)(Proxy *, uint32_t, const Interface *, uint32_t, uint32_t, ...) = nullptr;
    int (*addListener)(Proxy *, void (**)(void), void *) = nullptr;
    void (*destroy)(Proxy *) = nullptr;
    uint32_t (*version)(Proxy *) = nullptr;
    const Interface *registryInterface = nullptr;
    const Interface *outputInterface = nullptr;

    bool load(QLibrary &lib)
    {
        lib.setFileNameAndVersion(QStringLiteral("wayland-client"), 0);
        if (!lib.load())
            return false;
        const auto get = [&lib](auto &f, const char *symbol) {
            f = reinterpret_cast<std::remove_reference_t<decltype(f)>>(lib.resolve(symbol));
            return f != nullptr;
        };
        return get(connect, "wl_display_connect") && get(disconnect, "wl_display_disconnect")
            && get(roundtrip, "wl_display_roundtrip") && get(marshalFlags, "wl_proxy_marshal_flags")
            && get(addListener, "wl_proxy_add_listener") && get(destroy, "wl_proxy_destroy")
            && get(version, "wl_proxy_get_version") && get(registryInterface, "wl_registry_interface")
            && get(outputInterface, "wl_output_interface");
    }
};

struct Session {
    Client *client = nullptr;
    Proxy *registry = nullptr;
    std::vector<Proxy *> proxies;
    std::vector<Output> outputs;  // in the order of proxies
};

Output *outputOf(void *data, Proxy *proxy)
{
    auto *s = static_cast<Session *>(data);
    const auto it = std::find(s->proxies.begin(), s->proxies.end(), proxy);
    return it == s->proxies.end() ? nullptr : &s->outputs[size_t(it - s->proxies.begin())];
}

void geometry(void *, Proxy *, int32_t, int32_t, int32_t, int32_t, int32_t, const char *, const char *, int32_t) {}
void mode(void *data, Proxy *proxy, uint32_t flags, int32_t width, int32_t height, int32_t)
{
    constexpr uint32_t kCurrent = 1;
    if (Output *o = outputOf(data, proxy); o && (flags & kCurrent)) {
        o->modeWidth = width;
        o->modeHeight = height;
    }
}
void done(void *, Proxy *) {}
void scale(void *data, Proxy *proxy, int32_t factor)
{
    if (Output *o = outputOf(data, proxy))
        o->scale = factor;
}
void name(void *data, Proxy *proxy, const char *text)
{
    if (Output *o = outputOf(data, proxy))
        o->name = QString::fromUtf8(text);
}
void description(void *, Proxy *, const char *) {}

void (*const kOutputListener[])(void) = {
    reinterpret_cast<void (*)(void)>(&geometry), reinterpret_cast<void (*)(void)>(&mode),
    reinterpret_cast<void (*)(void)>(&done),     reinterpret_cast<void (*)(void)>(&scale),
    reinterpret_cast<void (*)(void)>(&name),     reinterpret_cast<void (*)(void)>(&description),
};

void global(void *data, Proxy *registry, uint32_t id, const char *interface, uint32_t version)
{
    auto *s = static_cast<Session *>(data);
    if (qstrcmp(interface, "wl_output") != 0 || s->proxies.size() >= 64)
        return;
    const uint32_t use = std::min<uint32_t>(version, 4);  // the events listened to above
    constexpr uint32_t kBind = 0;
    Proxy *output = s->client->marshalFlags(registry, kBind, s->client->outputInterface, use, 0, id,
                                            s->client->outputInterface->name, use, nullptr);
    if (!output)
        return;
    s->proxies.push_back(output);
    s->outputs.push_back({});
    s->client->addListener(output, const_cast<void (**)(void)>(kOutputListener), s);
}
void globalRemove(void *, Proxy *, uint32_t) {}

void (*const kRegistryListener[])(void) = {
    reinterpret_cast<void (*)(void)>(&global),
    reinterpret_cast<void (*)(void)>(&globalRemove),
};

std::vector<Output> outputs()
{
    QLibrary lib;
    Client client;
    if (!client.load(lib))
        return {};
    Proxy *display = client.connect(nullptr);
    if (!display)
        return {};
    Session s;
    s.client = &client;
    constexpr uint32_t kGetRegistry = 1;
    s.registry = client.marshalFlags(display, kGetRegistry, client.registryInterface, client.version(display),
                                     0, nullptr);
    if (s.registry) {
        client.addListener(s.registry, const_cast<void (**)(void)>(kRegistryListener), &s);
        // The outputs, then their first events.
        client.roundtrip(display);
        client.roundtrip(display);
    }
    for (Proxy *p : s.proxies)
        client.destroy(p);
    if (s.registry)
        client.destroy(s.registry);
    client.disconnect(display);
    return s.outputs;
}

}  // namespace wl

// The real scale of a Wayland output: its mode's pixels over its logical
// size, which the toolkit takes from the compositor (its xdg-output); 0 when
// it is not known.
double waylandOutputScale(const QScreen *screen)
{
    const std::vector<wl::Output> all = wl::outputs();
    const wl::Output *match = nullptr;
    for (const wl::Output &o : all) {
        if (!o.name.isEmpty() && o.name == screen->name())
            match = &o;
    }
    if (!match && all.size() == 1)
        match = &all.front();
    // The compositor's logical size: the course zoom makes the toolkit's
    // screen that many times smaller.
    const QSize logical = (QSizeF(screen->geometry().size()) * courseZoom()).toSize();
    if (!match || match->modeWidth <= 0 || logical.isEmpty())
        return 0;
    // Turned outputs give their mode unturned: compare the longer sides.
    const int mode = std::max(match->modeWidth, match->modeHeight);
    return double(mode) / std::max(logical.width(), logical.height());
}

}  // namespace

DisplayScale displayScale(const QScreen *screen)
{
    DisplayScale s;
    // The course zoom is the course's own choice, not the display's.
    s.course = screen->devicePixelRatio() / courseZoom();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        const double real = waylandOutputScale(screen);
        s.output = real > 0 ? real : s.course;
        // The compositor shows the window's pixels at the output's scale.
        s.shown = s.output / s.course;
        return s;
    }
    // The logical resolution is what is left after the toolkit's scaling: a
    // desktop at 120 dots per inch that is scaled by 1.25 reports 96 there.
    int dpi = qRound(screen->logicalDotsPerInch() * s.course);
    if (dpi == 96) {
        const int server = xServerDotsPerInch();
        if (server > 0)
            dpi = server;
    }
    s.output = dpi / 96.0;
    return s;
}
