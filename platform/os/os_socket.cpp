// POSIX sockets behind the layer's handles. Notifications follow Winsock's rules: one FD_ACCEPT
// per pending connection, FD_READ when data waits and again after a read while data remains
// (one pending per socket), FD_WRITE after selection of a connected socket and when room frees
// after a would-block, FD_CLOSE once, after the last byte was read.
#include "platform/os/os_socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

#include "platform/os/os.h"

namespace {

struct Eintrag {
    int fd = -1;
    uint32_t mask = 0;
    bool listening = false;
    bool read_pending = false;
    bool accept_pending = false;
    bool close_posted = false;
    bool want_write = false;
};

std::map<uint32_t, Eintrag> sockets;
// How many of them listen: a poll need not walk them to know whether only listeners are open.
size_t lauschende = 0;
uint32_t next_handle = 1;
int last_errno = 0;
char error_name[48] = "";

Eintrag* finden(uint32_t handle)
{
    auto it = sockets.find(handle);
    return it == sockets.end() ? nullptr : &it->second;
}

bool fehler(int e)
{
    last_errno = e;
    return false;
}

sockaddr_in adresse(uint16_t port_word, const uint8_t ip[4])
{
    sockaddr_in a{};
    a.sin_family = AF_INET;
    // The word is the port the user typed: a peer of any program reaches it.
    a.sin_port = htons(port_word);
    std::memcpy(&a.sin_addr, ip, 4);
    return a;
}

void nicht_blockierend(int fd) { fcntl(fd, F_SETFL, fcntl(fd, F_GETFL, 0) | O_NONBLOCK); }

void melden(uint32_t handle, uint32_t event) { Os_Post_Message(WM_SOCKET_NOTIFY, handle, int64_t(event)); }

// Keep-alive as a game needs it, not the system's two hours: a line quiet for KEEPALIVE_RUHE_S is
// asked every KEEPALIVE_ABSTAND_S, and one that has answered nothing, neither probe nor data,
// for OS_SOCKET_TOT_MS is dead (a pulled cable, a peer gone without a word). The peer's system
// answers the probes, so a program that is slow or busy, or reads nothing for a while, keeps
// its connection.
constexpr int KEEPALIVE_RUHE_S = 10, KEEPALIVE_ABSTAND_S = 5;
int keep_alive(int fd, bool an)
{
    const int v = an ? 1 : 0;
    if (setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &v, sizeof v) != 0) return -1;
    if (!an) return 0;
    const int ruhe = KEEPALIVE_RUHE_S, abstand = KEEPALIVE_ABSTAND_S;
    const int proben = int(OS_SOCKET_TOT_MS / 1000) / KEEPALIVE_ABSTAND_S;
    const unsigned tot = OS_SOCKET_TOT_MS;
    if (setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &ruhe, sizeof ruhe) != 0 ||
        setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &abstand, sizeof abstand) != 0 ||
        setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &proben, sizeof proben) != 0)
        return -1;
    // Data sent and never acknowledged for as long ends the connection too, instead of the
    // system's quarter of an hour of retries.
    return setsockopt(fd, IPPROTO_TCP, TCP_USER_TIMEOUT, &tot, sizeof tot);
}

}  // namespace

uint32_t Os_Socket_Create()
{
    int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return fehler(errno), 0;
    uint32_t h = next_handle++;
    if (!next_handle) next_handle = 1;
    sockets[h].fd = fd;
    return h;
}

bool Os_Socket_Close(uint32_t handle)
{
    Eintrag* e = finden(handle);
    if (!e) return fehler(EBADF);
    int r = close(e->fd);
    int err = errno;
    if (e->listening) --lauschende;
    sockets.erase(handle);
    Os_Drop_Messages(WM_SOCKET_NOTIFY, handle);
    return r == 0 ? true : fehler(err);
}

bool Os_Socket_Option(uint32_t handle, int32_t option, uint32_t value)
{
    Eintrag* e = finden(handle);
    if (!e) return fehler(EBADF);
    int v = int(value);
    int r = 0;
    switch (option) {
    case 300: r = setsockopt(e->fd, SOL_SOCKET, SO_BROADCAST, &v, sizeof v); break;
    case 301:
    case 310: break;  // debugging of the protocol stack needs privileges here; nothing to gain
    case 302: {
        linger l{};
        l.l_onoff = v ? 0 : 1;
        r = setsockopt(e->fd, SOL_SOCKET, SO_LINGER, &l, sizeof l);
        break;
    }
    case 303: r = setsockopt(e->fd, SOL_SOCKET, SO_DONTROUTE, &v, sizeof v); break;
    case 304: r = keep_alive(e->fd, v != 0); break;
    case 306: r = setsockopt(e->fd, SOL_SOCKET, SO_OOBINLINE, &v, sizeof v); break;
    case 308: r = setsockopt(e->fd, SOL_SOCKET, SO_REUSEADDR, &v, sizeof v); break;
    default: return fehler(ENOPROTOOPT);
    }
    return r == 0 ? true : fehler(errno);
}

bool Os_Socket_Bind(uint32_t handle, uint16_t port_word, const uint8_t ip[4])
{
    Eintrag* e = finden(handle);
    if (!e || !ip) return fehler(EBADF);
    // A restarted server gets its port back at once instead of after the TIME_WAIT.
    int eins = 1;
    setsockopt(e->fd, SOL_SOCKET, SO_REUSEADDR, &eins, sizeof eins);
    sockaddr_in a = adresse(port_word, ip);
    if (bind(e->fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) return fehler(errno);
    return true;
}

bool Os_Socket_Listen(uint32_t handle, int backlog)
{
    Eintrag* e = finden(handle);
    if (!e) return fehler(EBADF);
    if (listen(e->fd, backlog) != 0) return fehler(errno);
    if (!e->listening) ++lauschende;
    e->listening = true;
    return true;
}

bool Os_Socket_Connect(uint32_t handle, uint16_t port_word, const uint8_t ip[4], uint32_t timeout_ms)
{
    Eintrag* e = finden(handle);
    if (!e || !ip) return fehler(EBADF);
    sockaddr_in a = adresse(port_word, ip);
    nicht_blockierend(e->fd);
    if (connect(e->fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) return true;
    if (errno != EINPROGRESS) return fehler(errno);
    pollfd p{e->fd, POLLOUT, 0};
    int r;
    do r = poll(&p, 1, int(timeout_ms));
    while (r < 0 && errno == EINTR);
    if (r == 0) return fehler(ETIMEDOUT);
    if (r < 0) return fehler(errno);
    int err = 0;
    socklen_t n = sizeof err;
    getsockopt(e->fd, SOL_SOCKET, SO_ERROR, &err, &n);
    return err == 0 ? true : fehler(err);
}

bool Os_Socket_Select(uint32_t handle, uint32_t mask)
{
    Eintrag* e = finden(handle);
    if (!e) return fehler(EBADF);
    nicht_blockierend(e->fd);
    e->mask = mask;
    e->read_pending = e->accept_pending = e->want_write = false;
    if ((mask & OS_FD_WRITE) && !e->listening) melden(handle, OS_FD_WRITE);
    return true;
}

uint32_t Os_Socket_Accept(uint32_t handle, uint8_t peer[16])
{
    Eintrag* e = finden(handle);
    if (!e) return fehler(EBADF), 0;
    e->accept_pending = false;
    sockaddr_in a{};
    socklen_t n = sizeof a;
    int fd = accept4(e->fd, reinterpret_cast<sockaddr*>(&a), &n, SOCK_CLOEXEC);
    if (fd < 0) return fehler(errno), 0;
    if (peer) {
        std::memset(peer, 0, 16);
        peer[0] = uint8_t(AF_INET);
        std::memcpy(peer + 2, &a.sin_port, 2);
        std::memcpy(peer + 4, &a.sin_addr, 4);
    }
    uint32_t h = next_handle++;
    if (!next_handle) next_handle = 1;
    sockets[h].fd = fd;
    return h;
}

int32_t Os_Socket_Send(uint32_t handle, const void* data, uint32_t len)
{
    Eintrag* e = finden(handle);
    if (!e) return fehler(EBADF), -1;
    ssize_t n = send(e->fd, data, len, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n < 0) {
        if (errno == EAGAIN || errno == EWOULDBLOCK) e->want_write = true;
        return fehler(errno), -1;
    }
    return int32_t(n);
}

bool Os_Socket_Shutdown_Send(uint32_t handle)
{
    Eintrag* e = finden(handle);
    if (!e) return fehler(EBADF);
    if (shutdown(e->fd, SHUT_WR) != 0) return fehler(errno);
    return true;
}

int32_t Os_Socket_Recv(uint32_t handle, void* buffer, uint32_t len)
{
    Eintrag* e = finden(handle);
    if (!e) return fehler(EBADF), -1;
    // A read answers the pending FD_READ; the next poll posts another while data remains.
    e->read_pending = false;
    ssize_t n = recv(e->fd, buffer, len, MSG_DONTWAIT);
    if (n < 0) return fehler(errno), -1;
    if (n == 0) last_errno = ECONNRESET;
    return int32_t(n);
}

bool Os_Socket_Would_Block() { return last_errno == EAGAIN || last_errno == EWOULDBLOCK; }

const char* Os_Socket_Error_Name()
{
    static const struct {
        int e;
        const char* name;
    } namen[] = {
        {EAGAIN, "WSAEWOULDBLOCK"},          {ECONNRESET, "WSAECONNRESET"},
        {ECONNREFUSED, "WSAECONNREFUSED"},   {ETIMEDOUT, "WSAETIMEDOUT"},
        {EADDRINUSE, "WSAEADDRINUSE"},       {EADDRNOTAVAIL, "WSAEADDRNOTAVAIL"},
        {ENOTCONN, "WSAENOTCONN"},           {EPIPE, "WSAECONNABORTED"},
        {ECONNABORTED, "WSAECONNABORTED"},   {EBADF, "WSAENOTSOCK"},
        {ENOTSOCK, "WSAENOTSOCK"},           {EINVAL, "WSAEINVAL"},
        {EMFILE, "WSAEMFILE"},               {ENFILE, "WSAEMFILE"},
        {ENETUNREACH, "WSAENETUNREACH"},     {EHOSTUNREACH, "WSAEHOSTUNREACH"},
        {EINPROGRESS, "WSAEINPROGRESS"},     {EISCONN, "WSAEISCONN"},
        {EACCES, "WSAEACCES"},               {ENOBUFS, "WSAENOBUFS"},
        {ENOPROTOOPT, "WSAENOPROTOOPT"},     {ENETDOWN, "WSAENETDOWN"},
    };
    for (const auto& n : namen)
        if (n.e == last_errno) return n.name;
    std::snprintf(error_name, sizeof error_name, "WSAEUNBEKANNT(%d)", last_errno);
    return error_name;
}

// What the poll should wait for on this socket: nothing already notified and not yet answered.
static short erwartet(const Eintrag& e)
{
    if (!e.mask || e.close_posted) return 0;
    short ev = 0;
    if (e.listening) {
        if ((e.mask & OS_FD_ACCEPT) && !e.accept_pending) ev |= POLLIN;
    } else {
        if (!e.read_pending && (e.mask & (OS_FD_READ | OS_FD_CLOSE))) ev |= POLLIN;
        if (e.want_write && (e.mask & OS_FD_WRITE)) ev |= POLLOUT;
    }
    return ev;
}

int Os_Socket_Anzahl() { return int(sockets.size()); }

// Every pump polls: the calls that end at once stay out of the way of the poll's own frame.
static uint32_t poll_aufrufe = 0;
static void socket_poll();

void Os_Socket_Poll()
{
    if (sockets.empty()) return;
    // Listening sockets alone are asked once a tick of the coarse clock (a few milliseconds): a
    // caller waits in their queue, and a loop that pumps fast spends neither a system call nor
    // a reading of the fine clock a pass on them. Headless, where the idle pumps come thousands
    // a tick, only every eighth call reads even the coarse clock.
    if (lauschende == sockets.size() && poll_aufrufe++ % 8 != 0 && Os_Headless()) return;
    socket_poll();
}

[[gnu::noinline]] static void socket_poll()
{
    static int64_t zuletzt = -1000000000;
    if (lauschende == sockets.size()) {
        timespec ts{};
        clock_gettime(CLOCK_MONOTONIC_COARSE, &ts);
        const int64_t jetzt = int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
        if (jetzt - zuletzt < 1000000) return;
        zuletzt = jetzt;
    }
    static std::vector<pollfd> fds;
    static std::vector<uint32_t> handles;
    fds.clear();
    handles.clear();
    for (auto& [h, e] : sockets) {
        short ev = erwartet(e);
        if (!ev) continue;
        fds.push_back({e.fd, ev, 0});
        handles.push_back(h);
    }
    if (fds.empty() || poll(fds.data(), nfds_t(fds.size()), 0) <= 0) return;
    for (size_t i = 0; i < fds.size(); ++i) {
        short re = fds[i].revents;
        if (!re) continue;
        Eintrag* e = finden(handles[i]);
        if (!e) continue;
        if (e->listening) {
            e->accept_pending = true;
            melden(handles[i], OS_FD_ACCEPT);
            continue;
        }
        if (re & POLLOUT) {
            e->want_write = false;
            melden(handles[i], OS_FD_WRITE);
        }
        if (re & (POLLIN | POLLHUP | POLLERR)) {
            char c;
            ssize_t n = recv(e->fd, &c, 1, MSG_PEEK | MSG_DONTWAIT);
            if (n > 0) {
                if (e->mask & OS_FD_READ) {
                    e->read_pending = true;
                    melden(handles[i], OS_FD_READ);
                }
            } else if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
                if (e->mask & OS_FD_CLOSE) melden(handles[i], OS_FD_CLOSE);
                e->close_posted = true;
            }
        }
    }
}

void Os_Socket_Wait(uint32_t ms)
{
    // A notification the program has not taken yet is work to do now.
    Os_Socket_Poll();
    if (Os_Message_Waiting(WM_SOCKET_NOTIFY)) return;
    std::vector<pollfd> fds;
    for (auto& [h, e] : sockets) {
        short ev = erwartet(e);
        if (ev) fds.push_back({e.fd, ev, 0});
    }
    if (fds.empty()) {
        poll(nullptr, 0, int(ms));
        return;
    }
    poll(fds.data(), nfds_t(fds.size()), int(ms));
}

uint32_t Os_Socket_Clock_Ms()
{
    static const auto start = std::chrono::steady_clock::now();
    auto d = std::chrono::steady_clock::now() - start;
    // Starts at 1 so that a stamp of 0 can mean "never".
    return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(d).count()) + 1;
}

bool Os_Socket_Host(char* name, int size, uint8_t ip[4])
{
    if (!name || size <= 0 || !ip) return false;
    std::memset(ip, 0, 4);
    if (gethostname(name, size_t(size)) != 0) {
        std::snprintf(name, size_t(size), "error");
        return fehler(errno);
    }
    name[size - 1] = 0;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* list = nullptr;
    if (getaddrinfo(name, nullptr, &hints, &list) != 0 || !list) return fehler(EADDRNOTAVAIL);
    std::memcpy(ip, &reinterpret_cast<sockaddr_in*>(list->ai_addr)->sin_addr, 4);
    freeaddrinfo(list);
    return true;
}

int32_t Os_Socket_Max()
{
    rlimit r{};
    if (getrlimit(RLIMIT_NOFILE, &r) != 0 || r.rlim_cur == RLIM_INFINITY) return 32767;
    return r.rlim_cur > 32767 ? 32767 : int32_t(r.rlim_cur);
}
