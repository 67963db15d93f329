// Quillan 2 as `cmake --install` lays it out (the CTest fixture "installed"
// installs the build into QUILLAN_INSTALL_PREFIX): the files a desktop and
// a packager rely on, and the installed program itself, started on a real
// X server the way the menu entry starts it.
#include "e2e/x_desktop.h"

#include "platform/ini_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

using namespace std::chrono_literals;

// Readable values in failure messages.
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QByteArray &b, std::ostream *os)
{
    *os << '"' << b.toStdString() << '"';
}
inline void PrintTo(const QSize &s, std::ostream *os)
{
    *os << s.width() << " x " << s.height();
}

namespace {

const QString kAppId = QStringLiteral(QUILLAN_APP_ID);

QString prefix()
{
    return qEnvironmentVariable("QUILLAN_INSTALL_PREFIX");
}

QString installed(const QString &path)
{
    return prefix() + QLatin1Char('/') + path;
}

// Every file below dir, as paths relative to it, sorted.
QStringList filesBelow(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(dir).relativeFilePath(it.next());
    files.sort();
    return files;
}

// The values of the desktop entry's main group.
QString desktopEntry(const QString &key)
{
    QFile f(installed(QStringLiteral("share/applications/") + kAppId + QStringLiteral(".desktop")));
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    bool inGroup = false;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line == QLatin1String("[Desktop Entry]");
        else if (inGroup && line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    }
    return {};
}

// The first element of that name in the AppStream file: its text, or the
// value of one of its attributes.
QString metainfo(const QString &element, const QString &attribute = {})
{
    QFile f(installed(QStringLiteral("share/metainfo/") + kAppId + QStringLiteral(".metainfo.xml")));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&f);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == element)
            return attribute.isEmpty() ? xml.readElementText() : xml.attributes().value(attribute).toString();
    return {};
}

TEST(InstalledFiles, TheDataFolderHoldsExactlyWhatShipsInData)
{
    const QStringList shipped = filesBelow(qEnvironmentVariable("QUILLAN_DATA_DIR"));
    ASSERT_FALSE(shipped.isEmpty());
    const QStringList there = filesBelow(installed(QStringLiteral("share/quillan2")));
    QStringList missing, extra;
    for (const QString &f : shipped)
        if (!there.contains(f))
            missing << f;
    for (const QString &f : there)
        if (!shipped.contains(f))
            extra << f;
    EXPECT_TRUE(missing.isEmpty()) << "not installed: " << missing.join(QStringLiteral(", ")).toStdString();
    EXPECT_TRUE(extra.isEmpty()) << "installed, but not in data/: " << extra.join(QStringLiteral(", ")).toStdString();
}

TEST(InstalledFiles, TheProgramIsTheOnlyThingInBin)
{
    EXPECT_EQ(QDir(installed(QStringLiteral("bin"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("quillan2")})
        << "the tools and tests are for building only";
    EXPECT_TRUE(QFileInfo(installed(QStringLiteral("bin/quillan2"))).isExecutable());
}

// The menu entry starts the installed program and shows an icon the theme
// has at every size a desktop asks for; the software centre's description
// points at that entry.
TEST(InstalledFiles, TheMenuEntryAndTheSoftwareCentreFindTheProgramAndItsIcon)
{
    const QString exec = desktopEntry(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
    ASSERT_FALSE(exec.isEmpty());
    EXPECT_TRUE(QFileInfo(installed(QStringLiteral("bin/") + exec)).isExecutable()) << "Exec=" << exec.toStdString();

    const QString icon = desktopEntry(QStringLiteral("Icon"));
    EXPECT_EQ(icon, kAppId);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QString dir = QStringLiteral("share/icons/hicolor/%1x%1/apps/").arg(size);
        QImageReader png(installed(dir + icon + QStringLiteral(".png")));
        EXPECT_EQ(png.format(), QByteArray("png")) << png.fileName().toStdString() << ": " << png.errorString().toStdString();
        EXPECT_EQ(png.size(), QSize(size, size));
    }

    EXPECT_EQ(metainfo(QStringLiteral("id")), kAppId);
    EXPECT_EQ(metainfo(QStringLiteral("launchable")), kAppId + QStringLiteral(".desktop"));
    EXPECT_EQ(metainfo(QStringLiteral("binary")), exec);
}

// Every screenshot the software centre is told about is in the repository's
// folder for the web site, at the size the AppStream file gives.
TEST(InstalledFiles, EveryScreenshotIsReadyForTheWebSite)
{
    QFile f(installed(QStringLiteral("share/metainfo/") + kAppId + QStringLiteral(".metainfo.xml")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString site = QStringLiteral("https://quillan2.org/screenshots/");
    int images = 0;
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("image"))
            continue;
        ++images;
        const QSize size(xml.attributes().value(QLatin1String("width")).toInt(),
                         xml.attributes().value(QLatin1String("height")).toInt());
        const QString url = xml.readElementText();
        SCOPED_TRACE(url.toStdString());
        ASSERT_TRUE(url.startsWith(site));
        QImageReader png(qEnvironmentVariable("QUILLAN_SCREENSHOTS_DIR") + QLatin1Char('/') + url.mid(site.size()));
        EXPECT_EQ(png.format(), QByteArray("png")) << png.errorString().toStdString();
        EXPECT_EQ(png.size(), size);
    }
    EXPECT_GT(images, 0);
}

// What the installed program prints for one option (it needs no display
// for --help and --version).
QString programOutput(const QString &option)
{
    QProcess p;
    p.start(installed(QStringLiteral("bin/quillan2")), {option});
    if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// The software centre announces the version the program says it is.
TEST(InstalledFiles, TheNewestReleaseIsTheProgramsVersion)
{
    const QString release = metainfo(QStringLiteral("release"), QStringLiteral("version"));
    ASSERT_FALSE(release.isEmpty());
    EXPECT_EQ(programOutput(QStringLiteral("--version")).trimmed().section(QLatin1Char(' '), -1), release);
}

// Every option --help lists, in its short and long form, is in the manual
// page (where a hyphen is written \-).
TEST(InstalledFiles, TheManualPageDescribesEveryOptionOfHelp)
{
    QFile man(installed(QStringLiteral("share/man/man1/quillan2.1")));
    ASSERT_TRUE(man.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString page = QString::fromUtf8(man.readAll());
    const QRegularExpression option(QStringLiteral("(?:^|[ ,])(--?[a-z][a-z-]*)"));
    QStringList options;
    for (const QString &line : programOutput(QStringLiteral("--help")).split(QLatin1Char('\n')))
        if (line.trimmed().startsWith(QLatin1Char('-')))
            for (auto it = option.globalMatch(line.trimmed().section(QRegularExpression(QStringLiteral("\\s{2,}")), 0, 0));
                 it.hasNext();)
                options << it.next().captured(1);
    ASSERT_FALSE(options.isEmpty()) << "--help lists no options";
    for (const QString &o : options)
        EXPECT_TRUE(page.contains(QString(o).replace(QLatin1Char('-'), QStringLiteral("\\-"))))
            << o.toStdString() << " is not in the manual page";
}

// The installed program on a real X server, started as the menu entry does
// but with the English language file, so no language dialog asks: it finds
// its language files and course pages in the installed data folder and
// shows the title page (teal) with the info panel (pale yellow) at the
// right; Exit, the panel's fourth button, ends it with status 0.
TEST(InstalledProgram, ReachesTheTitlePageWithTheInfoPanel)
{
    const QString program = installed(QStringLiteral("bin/quillan2"));
    ASSERT_TRUE(QFileInfo(program).isExecutable()) << program.toStdString();
    const int panelWidth = IniFile(installed(QStringLiteral("share/quillan2/QL2Eng.ini")))
                               .readInteger("GENERAL", "InfoPanelWidth", 250);

    XDesktop d(1024, 768, 96);
    QTemporaryDir config;
    ChildProcess quillan({program, QStringLiteral("QL2Eng.ini")},
                         {QStringLiteral("DISPLAY=") + QString::fromLatin1(d.displayName()),
                          QStringLiteral("QT_QPA_PLATFORM=xcb"), QStringLiteral("XDG_CONFIG_HOME=") + config.path()},
                         qtVariables());
    std::optional<int> ended;
    // A step of the program; waiting ends at once when it has died.
    auto step = [&](const std::string &name, const std::function<bool()> &condition,
                    const std::function<std::string()> &seen = {}) -> ::testing::AssertionResult {
        auto r = waitFor(d, name, [&] { return condition() || (ended = quillan.exitStatus()).has_value(); }, 15s, seen);
        if (r && ended)
            return ::testing::AssertionFailure() << "step \"" << name << "\": the program ended with status " << *ended
                                                 << "; screenshot "
                                                 << saveScreenshot(d, QString::fromStdString("failed-" + name)).toStdString();
        return r;
    };

    std::optional<XWindowInfo> main, languageDialog;
    ASSERT_TRUE(step("the main window (or the language dialog) shows", [&] {
        main = d.windowTitled(QStringLiteral("Quillan 2"));
        languageDialog = d.windowTitled(QStringLiteral("Select language"));
        return main || languageDialog;
    }));
    ASSERT_FALSE(languageDialog) << "the language dialog asks: the program did not find QL2Eng.ini in its data folder; "
                                 << saveScreenshot(d, QStringLiteral("failed-installed-language-dialog")).toStdString();
    EXPECT_EQ(main->geometry, QRect(0, 0, 1024, 768));

    const QPoint panel(1024 - panelWidth + 4, 300), notebook(100, 300);
    unsigned atPanel = 0, atNotebook = 0;
    ASSERT_TRUE(step(
        "the title page shows with the info panel",
        [&] {
            atPanel = d.pixel(panel);
            atNotebook = d.pixel(notebook);
            return atPanel == 0xFFFFE1 && atNotebook == 0x008080;
        },
        [&] { return "info panel " + hexColour(atPanel) + ", title page " + hexColour(atNotebook); }));

    // Exit: the fourth of the panel's buttons, (width - 12) / 4 wide and 2
    // apart from x 2 inside its 1 pixel bevel, in the 25 pixel strip at its
    // bottom (the title page has no taskbar).
    const int w = (panelWidth - 12) / 4;
    d.click(QPoint(1024 - panelWidth + 1 + 2 + 3 * (w + 2) + w / 2, 768 - 1 - 25 + 2 + 11));
    ASSERT_TRUE(waitFor(d, "the program ends after Exit", [&] { return (ended = quillan.exitStatus()).has_value(); }, 15s));
    EXPECT_EQ(*ended, 0);
}

}  // namespace
