// The course as a screen reader sees it on Linux: through AT-SPI, on a
// desktop of its own. The test starts a private session bus, an X server and
// the built program with the toolkit's accessibility on, and reads the
// program's accessible tree as a client such as Orca does. The session bus
// starts the AT-SPI bus launcher when the first client asks for the
// accessibility bus (at-spi2-core's service file), and the launcher the
// accessibility bus and its registry; all of them end with the session bus.

// libatspi's GLib headers come before the toolkit's, whose keyword macros
// (signals) they would not survive.
#include <atspi/atspi.h>

#include "e2e/x_desktop.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>


using namespace std::chrono_literals;

namespace {

struct Unref {
    void operator()(void *p) const { g_object_unref(p); }
};
using Accessible = std::unique_ptr<AtspiAccessible, Unref>;

std::string nameOf(AtspiAccessible *a)
{
    gchar *name = atspi_accessible_get_name(a, nullptr);
    std::string s = name ? name : "";
    g_free(name);
    return s;
}

std::string descriptionOf(AtspiAccessible *a)
{
    gchar *d = atspi_accessible_get_description(a, nullptr);
    std::string s = d ? d : "";
    g_free(d);
    return s;
}

bool hasState(AtspiAccessible *a, AtspiStateType state)
{
    AtspiStateSet *set = atspi_accessible_get_state_set(a);
    const bool has = set && atspi_state_set_contains(set, state);
    if (set)
        g_object_unref(set);
    return has;
}

// The first object under a (depth first, a itself included) that matches.
Accessible find(AtspiAccessible *a, const std::function<bool(AtspiAccessible *)> &match, int depth = 0)
{
    if (!a || depth > 30)
        return nullptr;
    if (match(a))
        return Accessible(static_cast<AtspiAccessible *>(g_object_ref(a)));
    const gint n = atspi_accessible_get_child_count(a, nullptr);
    for (gint i = 0; i < n; ++i) {
        Accessible child(atspi_accessible_get_child_at_index(a, i, nullptr));
        if (Accessible found = find(child.get(), match, depth + 1))
            return found;
    }
    return nullptr;
}

std::function<bool(AtspiAccessible *)> roleAndName(AtspiRole role, const std::string &name)
{
    return [role, name](AtspiAccessible *a) {
        return atspi_accessible_get_role(a, nullptr) == role && nameOf(a) == name;
    };
}

// The application on the accessibility bus with this process id.
Accessible applicationOf(pid_t pid)
{
    Accessible desktop(atspi_get_desktop(0));
    const gint n = atspi_accessible_get_child_count(desktop.get(), nullptr);
    for (gint i = 0; i < n; ++i) {
        Accessible app(atspi_accessible_get_child_at_index(desktop.get(), i, nullptr));
        if (app && pid_t(atspi_accessible_get_process_id(app.get(), nullptr)) == pid)
            return app;
    }
    return nullptr;
}

bool executable(const QString &path)
{
    return QFileInfo(path).isExecutable();
}

TEST(AtSpi, AScreenReaderFindsTheNavigationButtonsAndEachPagesInstructions)
{
    ASSERT_TRUE(executable(QStringLiteral("/usr/libexec/at-spi-bus-launcher")))
        << "the AT-SPI bus launcher (Debian at-spi2-core) is missing";

    // A private session bus: nothing of the machine's own desktop is touched.
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const QString socket = runtime.path() + QStringLiteral("/bus");
    const QString busAddress = QStringLiteral("unix:path=") + socket;
    ChildProcess bus({QStringLiteral("dbus-daemon"), QStringLiteral("--session"), QStringLiteral("--nofork"),
                      QStringLiteral("--nopidfile"), QStringLiteral("--address=") + busAddress});

    XDesktop d(1024, 768, 96);
    ASSERT_TRUE(waitFor(d, "the session bus listens", [&] { return QFileInfo::exists(socket); }, 10s));

    const QStringList busEnv = {QStringLiteral("DBUS_SESSION_BUS_ADDRESS=") + busAddress,
                                QStringLiteral("XDG_RUNTIME_DIR=") + runtime.path()};

    QTemporaryDir config;
    ChildProcess quillan({QStringLiteral(QUILLAN_EXE), QStringLiteral("QL2Eng.ini")},
                         busEnv + QStringList{QStringLiteral("DISPLAY=") + QString::fromLatin1(d.displayName()),
                                              QStringLiteral("QT_QPA_PLATFORM=xcb"),
                                              QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1"),
                                              QStringLiteral("XDG_CONFIG_HOME=") + config.path()},
                         qtVariables() + QStringList{QStringLiteral("AT_SPI_BUS_ADDRESS")});

    // This process is the screen reader: on the same private bus.
    qputenv("DBUS_SESSION_BUS_ADDRESS", busAddress.toLocal8Bit());
    qunsetenv("AT_SPI_BUS_ADDRESS");
    const QByteArray display = qgetenv("DISPLAY");
    qunsetenv("DISPLAY");  // the bus's address comes from the session bus
    ASSERT_EQ(atspi_init(), 0) << "libatspi could not start";
    atspi_set_timeout(2000, 5000);

    std::optional<int> ended;
    auto step = [&](const std::string &name, const std::function<bool()> &condition,
                    const std::function<std::string()> &seen = {}) -> ::testing::AssertionResult {
        auto r = waitFor(d, name, [&] { return condition() || (ended = quillan.exitStatus()).has_value(); }, 20s, seen);
        if (r && ended)
            return ::testing::AssertionFailure() << "step \"" << name << "\": the program ended with status " << *ended;
        return r;
    };

    Accessible app;
    ASSERT_TRUE(step("the program appears on the accessibility bus", [&] {
        app = applicationOf(quillan.pid());
        return app != nullptr;
    }));
    EXPECT_EQ(nameOf(app.get()), "Quillan 2");

    // The title page: the four navigation buttons by their names.
    for (const char *button : {"Back", "Forward", "Contents", "Exit"}) {
        ASSERT_TRUE(step(std::string("the title page's button ") + button, [&] {
            atspi_accessible_clear_cache(app.get());
            return find(app.get(), roleAndName(ATSPI_ROLE_PUSH_BUTTON, button)) != nullptr;
        }));
    }

    // The instructions' notification, showing, with the page's title.
    Accessible notice;
    const auto noticeTitled = [&](const std::string &title) {
        atspi_accessible_clear_cache(app.get());
        notice = find(app.get(), [&](AtspiAccessible *a) {
            return atspi_accessible_get_role(a, nullptr) == ATSPI_ROLE_NOTIFICATION && nameOf(a) == title
                   && hasState(a, ATSPI_STATE_SHOWING);
        });
        return notice != nullptr;
    };
    ASSERT_TRUE(step("the title page's instructions are a notification", [&] { return noticeTitled("Welcome to Quillan 2"); }));
    EXPECT_NE(descriptionOf(notice.get()), "");

    // Enter starts the first lesson: the notification and the instructions'
    // view now carry its title.
    d.key(XK_Return);
    ASSERT_TRUE(step("T051's instructions are presented",
                     [&] { return noticeTitled("Starting Wordpad from the Start menu"); }));
    EXPECT_NE(descriptionOf(notice.get()).find("Start"), std::string::npos) << descriptionOf(notice.get());
    atspi_accessible_clear_cache(app.get());
    EXPECT_TRUE(find(app.get(), [](AtspiAccessible *a) {
        const AtspiRole role = atspi_accessible_get_role(a, nullptr);
        return (role == ATSPI_ROLE_TEXT || role == ATSPI_ROLE_ENTRY)
               && nameOf(a) == "Starting Wordpad from the Start menu";
    })) << "the info panel's view is named after the page";
    EXPECT_TRUE(find(app.get(), roleAndName(ATSPI_ROLE_PUSH_BUTTON, "Start")));

    if (!display.isNull())
        qputenv("DISPLAY", display);
    app.reset();
    notice.reset();
    atspi_exit();
    quillan.stop();
    bus.stop();
}

}  // namespace
