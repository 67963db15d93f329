#include "inprocess_benches.h"

#include "effects/harm_fade.h"
#include "effects/pic_clip.h"
#include "effects/rx_clock.h"
#include "effects/secret_panel.h"
#include "platform/error_report.h"
#include "platform/ini_file.h"
#include "platform/language_files.h"
#include "platform/rtf_reader.h"
#include "platform/course_zoom.h"
#include "shell/frm_main.h"
#include "shell/pages.h"
#include "support/test_support.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <memory>

namespace {

QString g_programDir;
QString languageFile()
{
    return g_programDir + QStringLiteral("QL2Eng.ini");
}

// The course zoom every main window is shown at.
double g_zoom = 1;

// A main window on the real pack, not shown yet.
std::unique_ptr<TfrmMain> newMainWindow()
{
    auto main = std::make_unique<TfrmMain>(languageFile(), g_programDir);
    main->setZoom(ZoomSetting{false, g_zoom});
    return main;
}

// Seconds of one piece of work, for manual timing.
template <class F>
double seconds(F &&work)
{
    QElapsedTimer t;
    t.start();
    work();
    return double(t.nsecsElapsed()) / 1e9;
}

// Lets the posted events run (repaints included) until none is left.
void settle()
{
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// A main window on the real pack, shown on its title page, as start-up leaves it.
std::unique_ptr<TfrmMain> shownMainWindow()
{
    auto main = newMainWindow();
    main->FormShow();
    settle();
    return main;
}

// One main window kept for the benchmarks that want a course already running;
// it goes before the application does.
std::unique_ptr<TfrmMain> g_shared;
TfrmMain &sharedMainWindow()
{
    if (!g_shared)
        g_shared = shownMainWindow();
    return *g_shared;
}

void goTo(TfrmMain &main, int page)
{
    main.LeavePage(main.currentPage());
    main.EnterPage(page);
}

// ---- Start-up phases --------------------------------------------------------

void languageFilePhase(benchmark::State &state)
{
    for (auto _ : state) {
        // What start-up does with the chosen file, then every value read once.
        const std::optional<QString> problem = languageFileProblem(languageFile());
        IniFile ini(languageFile());
        qsizetype values = 0;
        for (const QByteArray &section : ini.sections())
            values += ini.readSection(section).size();
        benchmark::DoNotOptimize(problem);
        benchmark::DoNotOptimize(values);
    }
}

void createWindowsPhase(benchmark::State &state)
{
    for (auto _ : state) {
        std::unique_ptr<TfrmMain> main;
        state.SetIterationTime(seconds([&] { main = newMainWindow(); }));
        main.reset();
        settle();
    }
}

// The title page's first paint: showing it and painting it, until the
// first paint event of a widget of the window has been handled (the whole
// window is painted in one go).
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget *window) : m_window(window) { qApp->installEventFilter(this); }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            auto *w = qobject_cast<QWidget *>(watched);
            if (w && w->window() == m_window)
                painted = true;
        }
        return false;
    }

private:
    QWidget *m_window;
};

void firstPaintPhase(benchmark::State &state)
{
    for (auto _ : state) {
        auto main = newMainWindow();
        settle();
        std::optional<PaintWatch> watch(main.get());
        state.SetIterationTime(seconds([&] {
            main->FormShow();
            QElapsedTimer bound;
            bound.start();
            while (!watch->painted && bound.elapsed() < 5000)
                QCoreApplication::processEvents();
        }));
        if (!watch->painted)
            state.SkipWithError("the title page was never painted");
        watch.reset();
        main.reset();
        settle();
    }
}

// ---- Page changes -----------------------------------------------------------

// A change from the title page to the page, on a course that has never shown
// it (a window fresh from start-up), or on one that has shown it before; drawn,
// the later change with the repaint it brings, which the learner waits for.
void pageChange(benchmark::State &state, int page, bool first, bool drawn = false)
{
    for (auto _ : state) {
        std::unique_ptr<TfrmMain> fresh;
        TfrmMain *main;
        if (first) {
            fresh = shownMainWindow();
            main = fresh.get();
        } else {
            main = &sharedMainWindow();
            if (main->currentPage() == page || page == Page::T001)
                goTo(*main, page == Page::T001 ? Page::T051 : Page::T001);
            else if (main->currentPage() != Page::T001)
                goTo(*main, Page::T001);
        }
        state.SetIterationTime(seconds([&] {
            goTo(*main, page);
            if (drawn)
                settle();
        }));
        settle();
        if (first) {
            goTo(*main, Page::T001);  // stops what the page runs
            fresh.reset();
            settle();
        }
    }
}

// ---- Rich text ----------------------------------------------------------------

void rtfLoad(benchmark::State &state, const QByteArray &data)
{
    QString error;
    for (auto _ : state) {
        QTextDocument doc;
        if (!loadRtf(data, doc, &error)) {
            state.SkipWithError(error.toStdString().c_str());
            break;
        }
        benchmark::DoNotOptimize(doc.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * data.size());
}

// A long document of the kind the course loads: paragraphs with bold, italic,
// coloured and sized runs, accented letters and tabs; about 2 MB.
QByteArray largeRtf()
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier New;}}"
                     "{\\colortbl;\\red0\\green0\\blue128;\\red128\\green0\\blue0;}\n";
    for (int i = 0; i < 12000; ++i) {
        rtf += "\\pard\\li" + QByteArray::number(i % 4 * 120) + (i % 7 == 0 ? "\\qc" : "")
               + " {\\b Step " + QByteArray::number(i) + ".}\\tab Click {\\i Start}, then {\\cf1 Programs}"
               + ", {\\f1\\fs20 Accessories} and caf\\'e9 {\\ul Wordpad}\\cf2  \\u8212? done.\\par\n";
    }
    rtf += "}";
    return rtf;
}

// ---- Credits, fade, clock -------------------------------------------------------

TfrmMain &creditsShown()
{
    TfrmMain &main = sharedMainWindow();
    if (main.currentPage() != Page::T003)
        goTo(main, Page::T003);
    return main;
}

// One step of the scroll (advance, draw the lines on view), on this thread.
void creditsStep(benchmark::State &state)
{
    TSecretPanel *panel = creditsShown().pnCredits;
    panel->setAsyncDrawing(false);  // no worker beside the measured steps
    for (int i = 0; i < 400; ++i)   // into the text
        panel->Step();
    for (auto _ : state)
        panel->Step();
    settle();
    panel->setAsyncDrawing(true);
}

// The repaint a step asks for, with the frame's flush to the screen.
void creditsPaint(benchmark::State &state)
{
    TSecretPanel *panel = creditsShown().pnCredits;
    panel->setAsyncDrawing(false);
    for (int i = 0; i < 400; ++i)
        panel->Step();
    settle();
    for (auto _ : state) {
        panel->Step();
        state.SetIterationTime(seconds([] { settle(); }));
    }
    panel->setAsyncDrawing(true);
}

// One batch of a dissolve and its repaint: a whole dissolve between two
// thumbnails, divided by its repaints.
void fadeStep(benchmark::State &state)
{
    TfrmMain &main = creditsShown();
    THarmFade *fade = main.hfFade1;
    for (auto _ : state) {
        fade->setPicFrom(main.picClip->GraphicColRow(1, 0));
        fade->setPicTo(main.picClip->GraphicColRow(2, 0));
        settle();
        const double s = seconds([&] { fade->Dissolve(); });
        state.SetIterationTime(s / std::max(fade->lastRunSteps(), 1));
    }
}

// The credits page's tick: both panels dissolve to the next thumbnails.
void creditsTick(benchmark::State &state)
{
    TfrmMain &main = creditsShown();
    for (auto _ : state) {
        state.SetIterationTime(seconds([&] { main.CreditsTimerTick(); }));
        settle();
    }
}

// A tick of the taskbar's clock on a lesson page, the minute changing each
// time, with the repaint it asks for.
void clockTick(benchmark::State &state)
{
    TfrmMain &main = sharedMainWindow();
    goTo(main, Page::T051);
    settle();
    TRxClock *clock = main.RxClock1;
    QDateTime now(QDate(2024, 3, 1), QTime(10, 0));
    clock->setTimeSource([&now] { return now; });
    settle();
    for (auto _ : state) {
        now = now.addSecs(60);
        state.SetIterationTime(seconds([&] {
            clock->ClockTimerTick();
            settle();
        }));
    }
    clock->setTimeSource({});
}

// One frame of a 60 Hz screen, in the page changes' unit.
constexpr double kFrameAt60Hz = 16.7;

// ---- Collecting the runs ------------------------------------------------------

const char *unitName(benchmark::TimeUnit unit)
{
    switch (unit) {
    case benchmark::kNanosecond: return "ns";
    case benchmark::kMicrosecond: return "us";
    case benchmark::kMillisecond: return "ms";
    default: return "s";
    }
}


// Gathers every repetition of every benchmark as one sample; prints nothing
// (the table comes at the end).
class Collector : public benchmark::BenchmarkReporter {
public:
    struct Entry {
        QList<double> samples;
        qint64 iterations = 0;
        QString error;
        QString unit;
    };
    std::map<std::string, Entry> entries;
    std::vector<std::string> order;

    bool ReportContext(const Context &) override { return true; }
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            const std::string name = run.run_name.function_name;
            if (!entries.count(name))
                order.push_back(name);
            Entry &e = entries[name];
            if (run.error_occurred) {
                e.error = QString::fromStdString(run.error_message);
                continue;
            }
            e.samples.append(run.GetAdjustedRealTime());
            e.unit = QString::fromLatin1(unitName(run.time_unit));
            e.iterations += run.iterations;
            std::fprintf(stderr, ".");
        }
    }
};

}  // namespace

void runInProcessBenches(const QString &programDir, double zoom, int argc, char **argv, BenchResults &results)
{
    g_programDir = programDir;
    g_zoom = zoom;
    setErrorReporter([](const QString &message) {
        std::fprintf(stderr, "\nreported to the learner: %s\n", qPrintable(message));
    });
    // A page that opens a modal window must not stop the run.
    ModalAnswerer closer([](QWidget *w) { w->close(); });

    using benchmark::RegisterBenchmark;
    // Fast pieces: many iterations per sample. Whole windows: one per sample.
    const auto fast = [](benchmark::internal::Benchmark *b, benchmark::TimeUnit unit = benchmark::kMicrosecond) {
        b->Unit(unit)->MinTime(0.05)->Repetitions(9);
    };
    const auto single = [](benchmark::internal::Benchmark *b, int samples) {
        b->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Repetitions(samples);
    };

    fast(RegisterBenchmark("startup/language_file", languageFilePhase));
    single(RegisterBenchmark("startup/create_windows", createWindowsPhase), 9);
    single(RegisterBenchmark("startup/first_paint", firstPaintPhase), 9);

    for (int page = 0; page < PageCount; ++page) {
        const std::string code = pageCode(page).toStdString();
        single(RegisterBenchmark(("page_change/first/" + code).c_str(),
                                 [page](benchmark::State &s) { pageChange(s, page, true); }),
               5);
        single(RegisterBenchmark(("page_change/later/" + code).c_str(),
                                 [page](benchmark::State &s) { pageChange(s, page, false); }),
               15);
        single(RegisterBenchmark(("page_change/drawn/" + code).c_str(),
                                 [page](benchmark::State &s) { pageChange(s, page, false, true); }),
               15);
    }

    const QDir info(programDir + QStringLiteral("InfoEng"));
    for (const QString &file : info.entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name)) {
        QFile f(info.filePath(file));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray data = f.readAll();
        fast(RegisterBenchmark(("rtf/" + QFileInfo(file).baseName().toStdString()).c_str(),
                               [data](benchmark::State &s) { rtfLoad(s, data); }));
    }
    {
        const QByteArray data = largeRtf();
        RegisterBenchmark("rtf/generated_2MB", [data](benchmark::State &s) { rtfLoad(s, data); })
            ->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
    }

    fast(RegisterBenchmark("credits/step", creditsStep));
    RegisterBenchmark("credits/paint", creditsPaint)->Unit(benchmark::kMicrosecond)->UseManualTime()
        ->Iterations(200)->Repetitions(9);
    RegisterBenchmark("fade/step", fadeStep)->Unit(benchmark::kMicrosecond)->UseManualTime()
        ->Iterations(3)->Repetitions(9);
    single(RegisterBenchmark("credits/fade_tick", creditsTick), 9);
    RegisterBenchmark("clock/tick", clockTick)->Unit(benchmark::kMicrosecond)->UseManualTime()
        ->Iterations(100)->Repetitions(9);

    benchmark::Initialize(&argc, argv);
    Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    std::fprintf(stderr, "\n");
    g_shared.reset();
    settle();

    for (const std::string &name : collector.order) {
        const Collector::Entry &e = collector.entries.at(name);
        BenchFigure f;
        f.name = QString::fromStdString(name);
        f.samples = e.samples;
        f.iterations = e.iterations;
        f.unit = e.unit;
        f.note = e.samples.isEmpty() ? e.error : QString();
        // Zoomed, a page change should still be drawn within one frame of a
        // 60 Hz screen.
        if (zoom != 1 && !e.samples.isEmpty() && f.name.startsWith(QLatin1String("page_change/")))
            f.note = f.median() <= kFrameAt60Hz ? QStringLiteral("within a 60 Hz frame, %1 ms").arg(kFrameAt60Hz)
                                                : QStringLiteral("over a 60 Hz frame, %1 ms").arg(kFrameAt60Hz);
        results.add(f);
    }
    benchmark::Shutdown();
}
