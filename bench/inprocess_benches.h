#pragma once

#include "bench_results.h"

#include <QString>

// The benchmarks run inside this process on the headless platform, on the
// real language pack in programDir (QL2Eng.ini and InfoEng/): start-up
// phases, page changes, the RTF reader, the credits panel, the fade and the
// clock. Every main window is shown at the course zoom given; zoomed, each
// page change's figure tells whether its median fits one 60 Hz frame. Extra
// Google Benchmark flags (e.g. --benchmark_filter) are passed on. Adds one
// figure per benchmark.
void runInProcessBenches(const QString &programDir, double zoom, int argc, char **argv, BenchResults &results);
