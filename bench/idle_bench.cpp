// Idle benchmark: starts the program, lets it settle, then measures the CPU
// time it uses over 10 s of an idle window. The message loop waits; it never
// polls.
//
//   idle_bench PROGRAM [SECONDS]

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <cstdio>

namespace {

// CPU time of a process and all its threads, in milliseconds, from the
// scheduler's nanosecond count of each thread's time on a CPU.
double cpuMs(qint64 pid)
{
    double ns = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(tasks.filePath(task) + QStringLiteral("/schedstat"));
        if (schedstat.open(QIODevice::ReadOnly))
            ns += schedstat.readAll().split(' ').value(0).toDouble();
    }
    return ns / 1e6;
}

int threadCount(qint64 pid)
{
    return int(QDir(QStringLiteral("/proc/%1/task").arg(pid)).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: idle_bench PROGRAM [SECONDS]\n");
        return 2;
    }
    const int seconds = args.size() > 2 ? args[2].toInt() : 10;
    QProcess program;
    program.start(args[1], {});
    if (!program.waitForStarted())
        return 1;
    QThread::sleep(3);
    const double before = cpuMs(program.processId());
    QThread::sleep(seconds);
    const double after = cpuMs(program.processId());
    const int threads = threadCount(program.processId());
    program.kill();
    program.waitForFinished();
    std::printf("Idle: %.2f ms of CPU time over %d s of an idle window, %d thread(s) (target under 5 ms)\n",
                after - before, seconds, threads);
    return 0;
}
