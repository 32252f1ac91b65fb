// Start-up and memory benchmark: runs the program's start-up probe and the
// reference Qt program alternately, each ending at its first paint with its
// content on show, and compares the median times and peak resident memory.
//
//   run_startup STARTUP-TAVORENO STARTUP-REFERENCE [RUNS]

#include "bench_stats.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <cstdio>

namespace {

// Runs one probe; returns its wall time in ms, and its peak memory.
bool runOnce(const QString &program, double &ms, long &peakKib)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return false;
    ms = double(timer.nsecsElapsed()) / 1e6;
    const QByteArray out = process.readAllStandardOutput();
    peakKib = out.mid(out.indexOf("peak_kib") + 8).trimmed().toLong();
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: run_startup STARTUP-TAVORENO STARTUP-REFERENCE [RUNS]\n");
        return 2;
    }
    const int runs = args.size() > 3 ? args[3].toInt() : 15;
    Timings ours, reference;
    Timings oursKib, referenceKib;
    for (int i = 0; i < runs; ++i) {
        double ms = 0;
        long kib = 0;
        if (runOnce(args[1], ms, kib)) {
            ours.values << ms;
            oursKib.values << double(kib);
        }
        if (runOnce(args[2], ms, kib)) {
            reference.values << ms;
            referenceKib.values << double(kib);
        }
    }
    if (ours.values.size() != runs || reference.values.size() != runs) {
        std::fprintf(stderr, "a probe failed to start or to finish\n");
        return 1;
    }
    std::printf("Start-up to the first paint with the content on show (%d runs each, alternating)\n", runs);
    ours.print("tavoreno", "ms");
    reference.print("reference Qt program", "ms");
    const double timeRatio = ours.median() / reference.median();
    std::printf("  ratio of medians: %.2f (target at most 1.25)\n", timeRatio);
    std::printf("Peak resident memory after start-up\n");
    std::printf("  tavoreno %.0f KiB, reference %.0f KiB, ratio %.2f (target at most 1.30)\n",
                oursKib.median(), referenceKib.median(), oursKib.median() / referenceKib.median());
    return 0;
}
