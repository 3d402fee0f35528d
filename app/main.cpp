// Enclavio: the desktop program.
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <csignal>
#include <memory>

#include "storage/storage.hpp"
#include "windows/main_window.hpp"

namespace {

int signal_pipe[2] = {-1, -1};

void on_end_signal(int) {
    const char byte = 1;
    (void)!::write(signal_pipe[1], &byte, 1);
}

// Logging out, or `kill`, ends the program as closing its window does, so the
// preferences of the run are saved. A signal handler may do almost nothing:
// it only wakes the event loop, which closes the windows.
void close_windows_on_end_signals() {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signal_pipe) != 0) return;
    struct sigaction action {};
    action.sa_handler = on_end_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    close_windows_on_end_signals();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Enclavio"));
    QApplication::setApplicationName(QStringLiteral("Enclavio"));
    QApplication::setApplicationVersion(QString::fromLatin1(enclavio::kVersion));

    std::unique_ptr<QSocketNotifier> end_signals;
    if (signal_pipe[0] >= 0) {
        end_signals = std::make_unique<QSocketNotifier>(signal_pipe[0], QSocketNotifier::Read);
        QObject::connect(end_signals.get(), &QSocketNotifier::activated, [] {
            char byte = 0;
            (void)!::read(signal_pipe[0], &byte, 1);
            QApplication::closeAllWindows();
        });
    }

    // The folders come from the environment's own bytes, never through a
    // QString, so a home folder whose name is not UTF-8 stays the same folder.
    enclavio::Form1 form(enclavio::data_folder_from_environment(), enclavio::home_folder_from_environment());
    form.startup();
    form.show();
    return app.exec();
}
