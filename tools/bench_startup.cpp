// Start-up benchmark: starts the program and a bare Qt window (this tool run
// with --bare: one empty 644 x 463 window) in turn on the X display of
// $DISPLAY, and reports for each the time from launch until its window is
// mapped (the X server's MapNotify), the resident memory half a second
// later, and for the program the time of each start-up phase it logs. Medians
// of several runs; then the program's wake-ups per second, all threads
// together, while it waits on its home screen.
//
//   dbus-run-session -- xvfb-run -a <build>/tools/bench_startup [runs, default 7] [program]
//
// Run from anywhere: the program (by default the build's) is started in the
// build folder, where its recordings are. A benchmark, not a test: its figures depend on the machine.
// A desktop session has a session bus, which both windows' accessibility
// support connects to; without one, Qt starts a bus of its own in each run,
// which costs more than everything else, hence dbus-run-session.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QWidget>
#include "tools/resident_memory.h"

#include <xcb/xcb.h>

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <optional>
#include <thread>
#include <vector>

namespace {

using clock_type = std::chrono::steady_clock;

double ms_between(clock_type::time_point from, clock_type::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Writes a phase the way the program logs its own, for the same table.
void mark_bare_phase(const char* phase)
{
    const auto now = std::chrono::duration_cast<std::chrono::microseconds>(clock_type::now().time_since_epoch());
    std::fprintf(stderr, "parvolis.startup: %s %lld\n", phase, static_cast<long long>(now.count()));
}

int show_bare_window(int argc, char** argv)
{
    mark_bare_phase("main");
    QApplication application(argc, argv);
    mark_bare_phase("application");
    QWidget window;
    window.setFixedSize(644, 463);
    window.show();
    mark_bare_phase("shown");
    return application.exec();
}

// Waits for the next top-level window to be mapped on the display.
class map_watcher {
public:
    map_watcher() : connection_(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(connection_))
            return;
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, screen->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
        ok_ = true;
    }
    ~map_watcher() { xcb_disconnect(connection_); }

    bool ok() const { return ok_; }

    void drain()
    {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
            std::free(event);
    }

    std::optional<clock_type::time_point> wait_for_map(int timeout_ms)
    {
        const auto deadline = clock_type::now() + std::chrono::milliseconds(timeout_ms);
        while (clock_type::now() < deadline) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
                std::free(event);
                if (mapped)
                    return clock_type::now();
            }
            pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&fd, 1, 5);
        }
        return std::nullopt;
    }

private:
    xcb_connection_t* connection_;
    bool ok_ = false;
};

// Voluntary and involuntary context switches of every thread of a process.
long context_switches(qint64 pid)
{
    long total = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(task) + QStringLiteral("/status"));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.contains("ctxt_switches:"))
                total += line.mid(line.indexOf(':') + 1).trimmed().toLong();
    }
    return total;
}

struct run_result {
    double mapped_ms = -1;
    long resident_kib = -1;
    std::vector<std::pair<QString, double>> phases; // name, ms after launch
    double idle_wakeups_per_s = -1;
};

// Starts one run; `idle_seconds` > 0 also counts wake-ups on the home screen.
run_result run_once(map_watcher& watcher, const QString& program, const QStringList& arguments,
                    const QString& folder, int idle_seconds = 0)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("parvolis.startup.debug=true"));
    process.setProcessEnvironment(environment);
    watcher.drain();
    const auto launch = clock_type::now();
    process.start(program, arguments);
    run_result r;
    if (const auto mapped = watcher.wait_for_map(20000)) {
        r.mapped_ms = ms_between(launch, *mapped);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        r.resident_kib = resident_kib(QString::number(process.processId()));
        if (idle_seconds > 0) {
            std::this_thread::sleep_for(std::chrono::seconds(2));
            const long before = context_switches(process.processId());
            std::this_thread::sleep_for(std::chrono::seconds(idle_seconds));
            r.idle_wakeups_per_s = static_cast<double>(context_switches(process.processId()) - before) / idle_seconds;
        }
    }
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished();
    }
    const qint64 launch_us = std::chrono::duration_cast<std::chrono::microseconds>(launch.time_since_epoch()).count();
    for (const QByteArray& line : process.readAllStandardError().split('\n')) {
        if (!line.startsWith("parvolis.startup: "))
            continue;
        const QByteArray mark = line.mid(18).trimmed();
        const qsizetype space = mark.lastIndexOf(' ');
        const double at_ms = static_cast<double>(mark.mid(space + 1).toLongLong() - launch_us) / 1000.0;
        r.phases.emplace_back(QString::fromUtf8(mark.left(space)), at_ms);
    }
    return r;
}

double median(std::vector<double> values)
{
    values.erase(std::remove(values.begin(), values.end(), -1.0), values.end());
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QString listed(const std::vector<double>& values)
{
    QStringList parts;
    for (double v : values)
        parts << QString::number(v, 'f', 0);
    return parts.join(QStringLiteral(", "));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--bare")
        return show_bare_window(argc, argv);
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const QString tool = QCoreApplication::applicationFilePath();
    const QString build = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral(".."));
    const QString program = argc > 2 ? QString::fromLocal8Bit(argv[2]) : build + QStringLiteral("/app/parvolis");
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        std::fprintf(stderr, "no session bus: run under dbus-run-session for figures a desktop would give\n");
    map_watcher watcher;
    if (!watcher.ok()) {
        std::fprintf(stderr, "no X display: run under xvfb-run -a\n");
        return 2;
    }

    std::vector<run_result> bare, real;
    for (int run = 0; run < runs; ++run) {
        bare.push_back(run_once(watcher, tool, {QStringLiteral("--bare")}, build));
        real.push_back(run_once(watcher, program, {}, build));
    }

    auto figures = [](const std::vector<run_result>& results, auto field) {
        std::vector<double> values;
        for (const run_result& r : results)
            values.push_back(static_cast<double>(field(r)));
        return values;
    };
    const auto bare_map = figures(bare, [](const run_result& r) { return r.mapped_ms; });
    const auto real_map = figures(real, [](const run_result& r) { return r.mapped_ms; });
    const auto mib = [](const run_result& r) { return r.resident_kib < 0 ? -1.0 : static_cast<double>(r.resident_kib) / 1024.0; };
    const double bare_mib = median(figures(bare, mib));
    const double real_mib = median(figures(real, mib));

    std::printf("%d runs each, alternating, on display %s\n\n", runs, qgetenv("DISPLAY").constData());
    std::printf("                          bare Qt window    program\n");
    std::printf("mapped after, median      %8.1f ms     %8.1f ms   (%.2f x)\n", median(bare_map), median(real_map),
                median(real_map) / median(bare_map));
    std::printf("resident memory, median   %8.1f MiB    %8.1f MiB  (+%.1f MiB)\n", bare_mib, real_mib,
                real_mib - bare_mib);
    std::printf("mapped after, every run   bare: %s ms\n", qPrintable(listed(bare_map)));
    std::printf("                          program: %s ms\n\n", qPrintable(listed(real_map)));

    // Phases in the order the program logs them, medians over the runs,
    // beside the bare window's own (main, application, shown).
    const auto phase_medians = [](const std::vector<run_result>& results) {
        std::map<QString, std::vector<double>> times;
        for (const run_result& r : results)
            for (const auto& [name, at] : r.phases)
                times[name].push_back(at);
        std::map<QString, double> medians;
        for (auto& [name, values] : times)
            medians[name] = median(values);
        return medians;
    };
    const auto bare_phases = phase_medians(bare);
    const auto real_phases = phase_medians(real);
    std::printf("start-up phases, median ms after launch:   bare    program\n");
    std::vector<QString> order;
    for (const run_result& r : real)
        for (const auto& [name, at] : r.phases)
            if (std::find(order.begin(), order.end(), name) == order.end())
                order.push_back(name);
    double previous = 0;
    for (const QString& name : order) {
        const double at = real_phases.at(name);
        const auto in_bare = bare_phases.find(name);
        const QString bare_at = in_bare == bare_phases.end() ? QString() : QString::number(in_bare->second, 'f', 1);
        std::printf("  %-14s %30s %8.1f  (+%.1f)\n", qPrintable(name), qPrintable(bare_at), at, at - previous);
        previous = at;
    }
    std::printf("  %-14s %30.1f %8.1f\n", "mapped", median(bare_map), median(real_map));

    const run_result idle = run_once(watcher, program, {}, build, 10);
    std::printf("\nprogram idle on its home screen: %.1f wake-ups per second, all threads\n",
                idle.idle_wakeups_per_s);
    return 0;
}
