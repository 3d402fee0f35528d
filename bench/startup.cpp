// Start-up of one process, for the start-up benchmark. Measures from before the
// application object is created to the main window exposed, painted and the
// pending events handled, and prints two numbers on one line:
//   <nanoseconds since main began> <CLOCK_MONOTONIC nanoseconds at the end>
// so that the caller can also count the time from launching the process.
//
//   bench_startup [--bare] [--appdata FOLDER]
//
// --bare starts a plain QMainWindow with one label instead of Enclavio, in the
// same way, as the floor the toolkit sets. --appdata is the folder of the
// settings file (an empty one gives the first start of a new user).
#include <sys/resource.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QWindow>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

#include "windows/main_window.hpp"

namespace {

// Notes the first paint of the window it watches.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return QObject::eventFilter(watched, event);
    }
};

long long monotonic_ns() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

// User and system time of the whole process, loading included.
long long cpu_ns() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ns = [](const timeval& t) {
        return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_usec * 1000LL;
    };
    return ns(usage.ru_utime) + ns(usage.ru_stime);
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer timer;
    timer.start();
    const long long cpu_at_start = cpu_ns();

    bool bare = false;
    std::string appdata;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--bare") == 0) bare = true;
        else if (std::strcmp(argv[i], "--appdata") == 0 && i + 1 < argc) appdata = argv[++i];
    }

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Enclavio"));
    QApplication::setApplicationName(QStringLiteral("Enclavio"));

    std::unique_ptr<QMainWindow> window;
    if (bare) {
        window = std::make_unique<QMainWindow>();
        window->setCentralWidget(new QLabel(QStringLiteral("Enclavio"), window.get()));
    } else {
        if (appdata.empty()) appdata = QDir::tempPath().toStdString() + "/enclavio-bench-startup";
        auto form = std::make_unique<enclavio::Form1>(appdata, QDir::homePath().toStdString());
        form->startup();
        window = std::move(form);
    }
    PaintWatch watch;
    window->installEventFilter(&watch);
    window->show();

    QElapsedTimer waited;
    waited.start();
    while (window->windowHandle() == nullptr || !window->windowHandle()->isExposed() || !watch.painted) {
        if (waited.elapsed() > 10000) {
            std::fprintf(stderr, "bench_startup: the window was not shown within 10 s\n");
            return 1;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QCoreApplication::processEvents();

    const long long elapsed = timer.nsecsElapsed();
    std::printf("%lld %lld %lld %lld\n", elapsed, monotonic_ns(), cpu_ns(), cpu_at_start);
    std::fflush(stdout);
    return 0;
}
