// A line between loopback peers as the internet gives one: a relay that listens on a free port of
// its own, connects every peer that comes to the target port, and hands each direction's bytes on
// after a one-way delay and no faster than a byte rate. It runs in a thread of the test.
#pragma once
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "netz_hilfe.h"

namespace netz_test {

class Relais {
public:
    // Bytes per second 0: no limit.
    Relais(uint16_t ziel, int verzoegerung_ms, int bytes_pro_s)
        : ziel_(ziel), verzoegerung_(verzoegerung_ms), rate_(bytes_pro_s)
    {
        for (int versuch = 0; versuch < 20 && lauscher_ < 0; ++versuch) {
            port_ = freier_port();
            lauscher_ = socket(AF_INET, SOCK_STREAM, 0);
            const int ja = 1;
            setsockopt(lauscher_, SOL_SOCKET, SO_REUSEADDR, &ja, sizeof ja);
            sockaddr_in a = adresse(port_);
            if (bind(lauscher_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || listen(lauscher_, 16) != 0) {
                close(lauscher_);
                lauscher_ = -1;
            }
        }
        if (lauscher_ >= 0) faden_ = std::thread([this] { laufen(); });
    }
    ~Relais()
    {
        stop_ = true;
        if (faden_.joinable()) faden_.join();
        if (lauscher_ >= 0) close(lauscher_);
        for (auto& v : verbindungen_)
            for (int fd : {v->seite[0].fd, v->seite[1].fd})
                if (fd >= 0) close(fd);
    }
    Relais(const Relais&) = delete;
    Relais& operator=(const Relais&) = delete;

    bool bereit() const { return lauscher_ >= 0; }
    // The port the peers connect to in place of the target.
    uint16_t port() const { return port_; }
    // Connections taken since the start.
    int verbindungen() const { return angenommen_; }

private:
    using Uhr = std::chrono::steady_clock;
    struct Stueck {
        Uhr::time_point ankunft;
        std::vector<uint8_t> bytes;
        size_t gesendet = 0;
    };
    // One end and what travels towards it.
    struct Seite {
        int fd = -1;
        std::deque<Stueck> unterwegs;
        size_t bytes_unterwegs = 0;
        Uhr::time_point leitung_frei{};  // the line towards this end is busy until then
        bool quelle_zu = false;          // the other end has closed: close once all is delivered
    };
    struct Verbindung {
        Seite seite[2];  // 0 the peer, 1 the target
        bool tot = false;
    };
    // What one direction holds before it stops reading: the sender then feels the line's limit.
    static constexpr size_t PUFFER = 64 * 1024;

    static sockaddr_in adresse(uint16_t port)
    {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(port);
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return a;
    }
    static void nicht_blockierend(int fd)
    {
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
        const int ja = 1;
        setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &ja, sizeof ja);
    }

    void annehmen()
    {
        const int fd = accept(lauscher_, nullptr, nullptr);
        if (fd < 0) return;
        const int zu = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a = adresse(ziel_);
        if (zu < 0 || connect(zu, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
            close(fd);
            if (zu >= 0) close(zu);
            return;
        }
        nicht_blockierend(fd);
        nicht_blockierend(zu);
        auto v = std::make_unique<Verbindung>();
        v->seite[0].fd = fd;
        v->seite[1].fd = zu;
        verbindungen_.push_back(std::move(v));
        ++angenommen_;
    }

    // Bytes read from end `von` travel towards the other end: they leave once the line is free,
    // at the rate, and arrive the delay later.
    void lesen(Verbindung& v, int von)
    {
        Seite& nach = v.seite[1 - von];
        uint8_t puffer[4096];
        const ssize_t n = read(v.seite[von].fd, puffer, sizeof puffer);
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) {
            nach.quelle_zu = true;
            return;
        }
        if (n < 0) return;
        const Uhr::time_point jetzt = Uhr::now();
        const Uhr::time_point ab = std::max(jetzt, nach.leitung_frei);
        nach.leitung_frei = rate_ > 0 ? ab + std::chrono::microseconds(int64_t(n) * 1000000 / rate_) : ab;
        nach.unterwegs.push_back({nach.leitung_frei + std::chrono::milliseconds(verzoegerung_),
                                  std::vector<uint8_t>(puffer, puffer + n)});
        nach.bytes_unterwegs += size_t(n);
    }

    void zustellen(Verbindung& v, int an)
    {
        Seite& s = v.seite[an];
        const Uhr::time_point jetzt = Uhr::now();
        while (!s.unterwegs.empty() && s.unterwegs.front().ankunft <= jetzt) {
            Stueck& st = s.unterwegs.front();
            const ssize_t n = write(s.fd, st.bytes.data() + st.gesendet, st.bytes.size() - st.gesendet);
            if (n < 0) {
                if (errno != EAGAIN && errno != EINTR) v.tot = true;
                return;
            }
            st.gesendet += size_t(n);
            s.bytes_unterwegs -= size_t(n);
            if (st.gesendet < st.bytes.size()) return;
            s.unterwegs.pop_front();
        }
        if (s.unterwegs.empty() && s.quelle_zu) v.tot = true;
    }

    void laufen()
    {
        while (!stop_) {
            std::vector<pollfd> fds{{lauscher_, POLLIN, 0}};
            for (auto& v : verbindungen_)
                for (int k = 0; k < 2; ++k) {
                    const bool lesbar = !v->seite[1 - k].quelle_zu && v->seite[1 - k].bytes_unterwegs < PUFFER;
                    fds.push_back({v->seite[k].fd, short(lesbar ? POLLIN : 0), 0});
                }
            poll(fds.data(), fds.size(), 2);
            if (fds[0].revents & POLLIN) annehmen();
            size_t i = 1;
            for (auto& v : verbindungen_)
                for (int k = 0; k < 2; ++k, ++i)
                    if (i < fds.size() && (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) && (fds[i].events & POLLIN))
                        lesen(*v, k);
            for (auto& v : verbindungen_)
                for (int k = 0; k < 2; ++k) zustellen(*v, k);
            // A connection whose one end closed closes at the other once all has arrived there.
            for (auto& v : verbindungen_)
                if (v->tot)
                    for (Seite& s : v->seite) {
                        if (s.fd >= 0) close(s.fd);
                        s.fd = -1;
                    }
            std::erase_if(verbindungen_, [](const auto& v) { return v->tot; });
        }
    }

    uint16_t ziel_ = 0, port_ = 0;
    int verzoegerung_ = 0, rate_ = 0;
    int lauscher_ = -1;
    std::atomic<bool> stop_{false};
    std::atomic<int> angenommen_{0};
    std::vector<std::unique_ptr<Verbindung>> verbindungen_;
    std::thread faden_;
};

}  // namespace netz_test
