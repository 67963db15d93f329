// `make bench`: the in-process benchmarks on the headless platform, then the
// start-up comparison on an X server of its own; prints one table and
// writes it as JSON.
//
//   quillan_bench [--json FILE] [--no-x] [--x-only] [--runs N] [--cpu-runs N]
//                 [--quillan PROGRAM] [--scale 2] [--zoom 2] [Google Benchmark flags, e.g. --benchmark_filter=rtf/]
//
// --scale 2 runs everything on a HiDPI screen: 2048 x 1536 at 192 dpi.
// --zoom 2 runs the in-process benchmarks (no X part) with the course zoom
// at 2 on a 2048 x 1536 screen at 96 dpi: laid out as on the 1024 x 768 of
// the plain run, every pixel of it drawn as 2 x 2.
//
// --quillan compares another build of the program (one beside the built
// program's language files, e.g. a copy of an earlier build).

#include "bench_results.h"
#include "inprocess_benches.h"
#include "startup_compare.h"
#include "support/test_support.h"

#include "platform/quillan_application.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstring>
#include <vector>

int main(int argc, char **argv)
{
    QString jsonPath = QStringLiteral(QUILLAN_BUILD_DIR "/bench.json");
    bool inProcess = true, x = true;
    double zoom = 1;
    StartupCompareOptions options;
    options.quillanExe = QStringLiteral(QUILLAN_EXE);
    options.bareExe = QStringLiteral(BARE_WINDOW_EXE);
    options.shotsDir = QStringLiteral(QUILLAN_BUILD_DIR "/bench-shots");
    std::vector<char *> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const auto is = [&](const char *flag) { return std::strcmp(argv[i], flag) == 0; };
        if (is("--json") && i + 1 < argc)
            jsonPath = QString::fromLocal8Bit(argv[++i]);
        else if (is("--no-x"))
            x = false;
        else if (is("--x-only"))
            inProcess = false;
        else if (is("--quillan") && i + 1 < argc)
            options.quillanExe = QString::fromLocal8Bit(argv[++i]);
        else if (is("--runs") && i + 1 < argc)
            options.runs = std::max(1, std::atoi(argv[++i]));
        else if (is("--cpu-runs") && i + 1 < argc)
            options.cpuRuns = std::max(0, std::atoi(argv[++i]));
        else if (is("--scale") && i + 1 < argc)
            options.scale = std::atoi(argv[++i]) == 2 ? 2 : 1;
        else if (is("--zoom") && i + 1 < argc)
            zoom = std::atoi(argv[++i]) == 2 ? 2 : 1;
        else
            rest.push_back(argv[i]);
    }

    if (options.scale > 1)
        options.shotsDir += QStringLiteral("/%1x").arg(options.scale);
    if (zoom != 1)
        x = false;
    BenchResults results;
    if (inProcess) {
        // Headless, on the screen the tests use (or one at 2x: 2048 x 1536
        // at 192 dpi; or, zoomed, 2048 x 1536 at 96); the progress file in a
        // folder of its own.
        qputenv("QT_QPA_PLATFORM", zoom == 2              ? "offscreen:configfile=" QUILLAN_SCREEN_ZOOM2_FILE
                                   : options.scale == 2 ? "offscreen:configfile=" QUILLAN_SCREEN_2X_FILE
                                                        : "offscreen:configfile=" QUILLAN_SCREEN_FILE);
        TempConfigHome config;
        int qtArgc = 1;
        QuillanApplication app(qtArgc, argv);
        int benchArgc = int(rest.size());
        runInProcessBenches(QStringLiteral(QUILLAN_BUILD_DIR "/"), zoom, benchArgc, rest.data(), results);
    }
    if (x)
        runStartupComparison(options, results);

    if (zoom != 1)
        std::printf("At course zoom %g on a 2048 x 1536 screen at 96 dpi:\n", zoom);
    std::fputs(qPrintable(results.table()), stdout);
    QFile json(jsonPath);
    if (!json.open(QIODevice::WriteOnly | QIODevice::Truncate) || json.write(results.json()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(jsonPath));
        return 1;
    }
    std::printf("written to %s\n", qPrintable(QDir::toNativeSeparators(jsonPath)));
    return 0;
}
