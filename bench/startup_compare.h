#pragma once

#include "bench_results.h"

#include <QString>

struct StartupCompareOptions {
    QString quillanExe;    // the built quillan2, beside QL2Eng.ini
    QString bareExe;       // the bare full-screen window
    int runs = 9;          // start-ups of each program, alternated
    int cpuRuns = 3;       // 10-second CPU windows on each page, alternated
    int cpuSeconds = 10;
    QString shotsDir;      // a screenshot of each page measured goes here
    int scale = 1;         // 2: a HiDPI screen, 2048 x 1536 at 192 dpi (Xft.dpi too)
};

// On an X server of its own (Xvfb, 1024 x 768, 96 dpi, or that times the
// scale; no window manager):
// starts the bare window and quillan2 alternately, each timed from exec to
// its top-level window being mapped (MapNotify) and to the first frame drawn
// into it (the first DAMAGE report), with the peak resident memory (VmHWM)
// read at that frame; then quillan2's CPU use idle on T054 and on the
// credits page. Adds the medians and the ratios quillan2 / bare. Without
// Xvfb (or the DAMAGE extension) the figures are skipped with the reason.
void runStartupComparison(const StartupCompareOptions &options, BenchResults &results);
