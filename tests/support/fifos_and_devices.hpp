// What the file tests need beyond plain files: FIFOs, sockets and device
// nodes to save onto and open, a guard that turns a hang into a failure, and
// a child process that runs as a user without root rights (the tests run as
// root, for whom permissions stop nothing).
#pragma once

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <string>

namespace enclavio::test_support {

// While alive, a test that blocks longer than `seconds` is killed by SIGALRM:
// a regression fails instead of hanging the run.
class HangGuard {
public:
    explicit HangGuard(unsigned seconds) { ::alarm(seconds); }
    ~HangGuard() { ::alarm(0); }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;
};

inline bool make_fifo(const std::string& path) { return ::mkfifo(path.c_str(), 0644) == 0; }

// A Unix socket bound at `path`; the socket file stays after it is closed.
inline bool make_socket(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) return false;
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

// A character device node such as /dev/null (1, 3) or /dev/full (1, 7), made
// in a test folder so that a faulty save can never hurt the real one. Needs
// root; false where the system does not allow it.
inline bool make_char_device(const std::string& path, unsigned major, unsigned minor) {
    return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(major, minor)) == 0;
}

// The kind of entry at `path`, the link itself for a link: 'f' regular file,
// 'l' link, 'd' folder, 'p' FIFO, 'c' character device, 's' socket, '-' none.
inline char kind_of(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return '-';
    if (S_ISREG(st.st_mode)) return 'f';
    if (S_ISLNK(st.st_mode)) return 'l';
    if (S_ISDIR(st.st_mode)) return 'd';
    if (S_ISFIFO(st.st_mode)) return 'p';
    if (S_ISCHR(st.st_mode)) return 'c';
    return S_ISSOCK(st.st_mode) ? 's' : '?';
}
inline mode_t mode_of(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

// The user the unprivileged child runs as: nobody when the tests run as root,
// else the user running them.
inline uid_t unprivileged_uid() { return ::geteuid() == 0 ? 65534 : ::geteuid(); }
inline gid_t unprivileged_gid() { return ::geteuid() == 0 ? 65534 : ::getegid(); }
inline void give_to_unprivileged(const std::string& path) {
    (void)!::lchown(path.c_str(), unprivileged_uid(), unprivileged_gid());
}

// Exit status of a child that could not give up root.
inline constexpr int kCannotDropRoot = 125;

// Runs `body` in a child process as the unprivileged user and gives its exit
// status: `body`'s result, kCannotDropRoot, or 128 + the signal that ended it.
inline int run_unprivileged(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child < 0) return kCannotDropRoot;
    if (child == 0) {
        if (::geteuid() == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0 || ::geteuid() == 0)
                ::_exit(kCannotDropRoot);
        }
        ::_exit(body());
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}

}  // namespace enclavio::test_support
