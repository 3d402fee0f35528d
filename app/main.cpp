// Enclavio: the desktop program.
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "forms/desktop_options.hpp"
#include "storage/data_folder.hpp"
#include "windows/drawings/app_icon.hpp"
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

// Prints a text on standard output; a failed write (a full disk, a closed
// pipe) is an error.
int print(const std::string& text) {
    const bool written = std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0;
    if (!written) std::fputs("enclavio: write error on standard output\n", stderr);
    return written ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    // --help and --version answer before any window system is needed.
    const auto arguments = [&argc, &argv] { return std::vector<std::string>(argv + 1, argv + argc); };
    switch (enclavio::parse_desktop_arguments(arguments(), true).action) {
        case enclavio::DesktopCommand::Action::Help: return print(enclavio::desktop_help());
        case enclavio::DesktopCommand::Action::Version: return print(enclavio::desktop_version());
        default: break;
    }

    close_windows_on_end_signals();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Enclavio"));
    QApplication::setApplicationName(QStringLiteral("Enclavio"));
    QApplication::setApplicationVersion(QString::fromLatin1(enclavio::kVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("enclavio"));
    QApplication::setWindowIcon(enclavio::app_icon());

    // The toolkit has taken its own options out of argv: what is left is ours.
    const enclavio::DesktopCommand command = enclavio::parse_desktop_arguments(arguments());
    if (command.action == enclavio::DesktopCommand::Action::UsageError) {
        std::fputs(enclavio::desktop_usage_error(command.error).c_str(), stderr);
        return 2;
    }

    // The folders come from the environment's own bytes, never through a
    // QString, so a home folder whose name is not UTF-8 stays the same folder.
    enclavio::Form1 form(enclavio::data_folder_from_environment(), enclavio::home_folder_from_environment());

    std::unique_ptr<QSocketNotifier> end_signals;
    if (signal_pipe[0] >= 0) {
        end_signals = std::make_unique<QSocketNotifier>(signal_pipe[0], QSocketNotifier::Read);
        QObject::connect(end_signals.get(), &QSocketNotifier::activated, [&form] {
            char byte = 0;
            (void)!::read(signal_pipe[0], &byte, 1);
            form.close_without_asking();
            QApplication::closeAllWindows();
        });
    }

    form.startup();
    form.show();
    // A project named on the command line opens once the event loop runs, so a
    // refusal has a window to stand on, and a signal that comes while its
    // message is shown ends the program like any other.
    if (!command.project.empty()) {
        QTimer::singleShot(0, &form, [&form, &command] { form.open_project(command.project); });
    }
    return app.exec();
}
