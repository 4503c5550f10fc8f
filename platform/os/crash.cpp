// The crash report. The handler runs on an alternate stack inside a fault, so it uses only
// async-signal-safe calls (open, read, write, close, stat, sysinfo, raise) and formats with its
// own small routines; everything that needs the C library (user name, time zone, program path)
// is taken when the handler is installed. Memory that may be invalid is read only after the
// kernel has confirmed it readable: writing it into a pipe fails with EFAULT when it is not.
#include "platform/os/crash.h"

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysinfo.h>
#include <ucontext.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <initializer_list>

namespace {

struct Code_Name {
    uint32_t code;
    const char* name;
};

constexpr Code_Name exception_names[] = {
    {0x40010005, "a Control-C"},
    {0x40010008, "a Control-Break"},
    {0x80000002, "a Datatype Misalignment"},
    {0x80000003, "a Breakpoint"},
    {0xC0000005, "an Access Violation"},
    {0xC0000006, "an In Page Error"},
    {0xC0000017, "a No Memory"},
    {0xC000001D, "an Illegal Instruction"},
    {0xC0000025, "a Noncontinuable Exception"},
    {0xC0000026, "an Invalid Disposition"},
    {0xC000008C, "a Array Bounds Exceeded"},
    {0xC000008D, "a Float Denormal Operand"},
    {0xC000008E, "a Float Divide by Zero"},
    {0xC000008F, "a Float Inexact Result"},
    {0xC0000090, "a Float Invalid Operation"},
    {0xC0000091, "a Float Overflow"},
    {0xC0000092, "a Float Stack Check"},
    {0xC0000093, "a Float Underflow"},
    {0xC0000094, "an Integer Divide by Zero"},
    {0xC0000095, "an Integer Overflow"},
    {0xC0000096, "a Privileged Instruction"},
    {0xC00000FD, "a Stack Overflow"},
    {0xC0000142, "a DLL Initialization Failed"},
    {0xE06D7363, "a Microsoft C++ Exception"},
};

// Taken at installation.
char report_folder[512];
char exe_path[512];
char program_name[128];
char user_name[200];
char thread_label[64];
long processors = 0;
long tz_offset = 0;  // seconds east of UTC
int probe_pipe[2] = {-1, -1};
volatile sig_atomic_t report_written = 0;
bool installed = false;
alignas(16) char alt_stack[64 * 1024];

// ---- Output without the C library's formatter ----

struct Out {
    int fd;
    char buf[2000];
    size_t n = 0;

    explicit Out(int f) : fd(f) {}

    void flush()
    {
        size_t done = 0;
        while (done < n) {
            ssize_t w = write(fd, buf + done, n - done);
            if (w <= 0) {
                if (w < 0 && errno == EINTR) continue;
                break;
            }
            done += size_t(w);
        }
        n = 0;
    }
    void c(char ch)
    {
        if (n + 1 >= sizeof buf - 50) flush();
        buf[n++] = ch;
    }
    void s(const char* t)
    {
        while (t && *t) c(*t++);
    }
    void hex(uint64_t v, int digits)
    {
        for (int i = digits - 1; i >= 0; --i) c("0123456789abcdef"[(v >> (4 * i)) & 15]);
    }
    void dec(int64_t v, int min_digits = 1)
    {
        char t[24];
        int i = 0;
        bool neg = v < 0;
        uint64_t u = neg ? uint64_t(-(v + 1)) + 1 : uint64_t(v);
        do {
            t[i++] = char('0' + u % 10);
            u /= 10;
        } while (u);
        while (i < min_digits) t[i++] = '0';
        if (neg) c('-');
        while (i) c(t[--i]);
    }
};

// The number in base 10 or 16, padded to the width with zeros or blanks.
void zahl(Out& o, uint64_t v, bool negativ, unsigned basis, int breite, bool nullen)
{
    char t[24];
    int n = 0;
    do {
        t[n++] = "0123456789abcdef"[v % basis];
        v /= basis;
    } while (v);
    int laenge = n + (negativ ? 1 : 0);
    if (negativ && nullen) o.c('-');
    for (; laenge < breite; ++laenge) o.c(nullen ? '0' : ' ');
    if (negativ && !nullen) o.c('-');
    while (n) o.c(t[--n]);
}

// The conversions the report uses: %s %c %d %u %x with a 0 flag, a width and l/z lengths.
void formatieren(Out& o, const char* f, va_list ap)
{
    while (f && *f) {
        if (*f != '%') {
            o.c(*f++);
            continue;
        }
        ++f;
        bool nullen = false;
        if (*f == '0') nullen = true, ++f;
        int breite = 0;
        while (*f >= '0' && *f <= '9') breite = breite * 10 + (*f++ - '0');
        bool lang = false;
        while (*f == 'l' || *f == 'z') lang = true, ++f;
        const char art = *f ? *f++ : 0;
        switch (art) {
        case '%': o.c('%'); break;
        case 'c': o.c(char(va_arg(ap, int))); break;
        case 's': {
            const char* t = va_arg(ap, const char*);
            if (!t) t = "(null)";
            for (int n = int(std::strlen(t)); n < breite; ++n) o.c(' ');
            o.s(t);
            break;
        }
        case 'd': {
            const int64_t v = lang ? int64_t(va_arg(ap, long)) : int64_t(va_arg(ap, int));
            zahl(o, v < 0 ? uint64_t(-(v + 1)) + 1 : uint64_t(v), v < 0, 10, breite, nullen);
            break;
        }
        case 'u':
        case 'x': {
            const uint64_t v = lang ? uint64_t(va_arg(ap, unsigned long)) : uint64_t(va_arg(ap, unsigned));
            zahl(o, v, false, art == 'x' ? 16 : 10, breite, nullen);
            break;
        }
        default: break;
        }
    }
}

// A word of a stack that the kernel found readable. The stack holds the sanitizer's guard zones
// between the frames: the dump reads past them on purpose.
__attribute__((no_sanitize("address"), noinline)) uint32_t stack_wort(const uint32_t* p) { return *p; }

void copy(char* dst, size_t size, const char* src)
{
    size_t i = 0;
    for (; src && src[i] && i + 1 < size; ++i) dst[i] = src[i];
    dst[i] = 0;
}

bool readable(const void* addr, size_t n)
{
    if (probe_pipe[1] < 0 || n == 0) return false;
    // The system call itself: a sanitizer's write() would check the memory first.
    ssize_t w = ssize_t(syscall(SYS_write, probe_pipe[1], addr, n));
    if (w > 0) {
        char drain[64];
        while (read(probe_pipe[0], drain, sizeof drain) > 0) {
        }
    }
    return w == ssize_t(n);
}

// Reads /proc/self/maps a line at a time into a fixed buffer.
struct Maps {
    int fd = -1;
    char buf[4096];
    size_t len = 0, pos = 0;
    char line[1024];

    bool open_maps()
    {
        fd = open("/proc/self/maps", O_RDONLY);
        return fd >= 0;
    }
    void close_maps()
    {
        if (fd >= 0) close(fd);
        fd = -1;
    }
    bool next()
    {
        size_t k = 0;
        for (;;) {
            if (pos >= len) {
                ssize_t r = fd >= 0 ? read(fd, buf, sizeof buf) : 0;
                if (r <= 0) {
                    line[k] = 0;
                    return k > 0;
                }
                len = size_t(r), pos = 0;
            }
            char ch = buf[pos++];
            if (ch == '\n') {
                line[k] = 0;
                return true;
            }
            if (k + 1 < sizeof line) line[k++] = ch;
        }
    }
};

uint64_t parse_hex(const char*& p)
{
    uint64_t v = 0;
    for (;; ++p) {
        char ch = *p;
        int d = ch >= '0' && ch <= '9' ? ch - '0' : ch >= 'a' && ch <= 'f' ? ch - 'a' + 10 : -1;
        if (d < 0) return v;
        v = v * 16 + uint64_t(d);
    }
}

// A maps line: start, end, offset and the path (empty for anonymous memory).
struct Region {
    uint64_t start, end, offset;
    const char* path;
};

bool parse_region(char* line, Region* r)
{
    const char* p = line;
    r->start = parse_hex(p);
    if (*p++ != '-') return false;
    r->end = parse_hex(p);
    while (*p == ' ') ++p;
    while (*p && *p != ' ') ++p;  // permissions
    while (*p == ' ') ++p;
    r->offset = parse_hex(p);
    for (int field = 0; field < 2; ++field) {  // device, inode
        while (*p == ' ') ++p;
        while (*p && *p != ' ') ++p;
    }
    while (*p == ' ') ++p;
    r->path = p;
    return true;
}

// Local time without the C library's time-zone code: the offset was taken at installation.
void format_time(char* out, int64_t t)
{
    t += tz_offset;
    int64_t days = t >= 0 ? t / 86400 : (t - 86399) / 86400;
    int64_t secs = t - days * 86400;
    // Civil date from days since 1970-01-01.
    int64_t z = days + 719468;
    int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t y = yoe + era * 400;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    int64_t d = doy - (153 * mp + 2) / 5 + 1;
    int64_t m = mp < 10 ? mp + 3 : mp - 9;
    if (m <= 2) ++y;
    Out o(-1);
    o.dec(m), o.c('/'), o.dec(d), o.c('/'), o.dec(y), o.c(' ');
    o.dec(secs / 3600, 2), o.c(':'), o.dec(secs / 60 % 60, 2), o.c(':'), o.dec(secs % 60, 2);
    size_t n = o.n < 31 ? o.n : 31;
    std::memcpy(out, o.buf, n);
    out[n] = 0;
}

void write_module_list(Out& o)
{
    o.s("\r\n\tModule list: names, addresses, sizes, time stamps and file times:\r\n");
    Maps maps;
    if (!maps.open_maps()) return;
    char last[512] = "";
    while (maps.next()) {
        Region r;
        if (!parse_region(maps.line, &r) || r.path[0] != '/' || r.offset != 0) continue;
        if (!std::strcmp(last, r.path)) continue;
        copy(last, sizeof last, r.path);
        struct stat st;
        bool have = stat(r.path, &st) == 0;
        o.s(r.path), o.s(", loaded at 0x"), o.hex(r.start, 16), o.s(" - ");
        o.dec(have ? int64_t(st.st_size) : 0), o.s(" bytes - ");
        o.hex(have ? uint32_t(st.st_mtime) : 0, 8);
        if (have) {
            char t[32];
            format_time(t, int64_t(st.st_mtime));
            o.s(" - file date is "), o.s(t);
        }
        o.s("\r\n");
    }
    maps.close_maps();
}

void write_report(int sig, siginfo_t* si, ucontext_t* uc, const char* label)
{
    char path[600];
    copy(path, sizeof path - 16, report_folder);
    size_t len = std::strlen(path);
    copy(path + len, sizeof path - len, len && path[len - 1] != '/' ? "/errorlog.txt" : "errorlog.txt");
    int fd = open(path, O_WRONLY | O_CREAT | O_APPEND | O_SYNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        const char msg[] = "Error creating exception report\n";
        ssize_t ignored = write(2, msg, sizeof msg - 1);
        (void)ignored;
        return;
    }
    Out o(fd);
    o.s("\r\n\r\n\r\n\r\n");

    const greg_t* g = uc->uc_mcontext.gregs;
    uint64_t rip = uint64_t(g[REG_RIP]), rsp = uint64_t(g[REG_RSP]);
    uint64_t csgsfs = uint64_t(g[REG_CSGSFS]);
    uint32_t cs = uint32_t(csgsfs & 0xFFFF), gs = uint32_t((csgsfs >> 16) & 0xFFFF),
             fs = uint32_t((csgsfs >> 32) & 0xFFFF), ss = uint32_t((csgsfs >> 48) & 0xFFFF);

    // The module that holds the instruction, and the stack region that holds RSP.
    char module[256] = "Unknown";
    uint64_t stack_top = 0;
    Maps maps;
    if (maps.open_maps()) {
        while (maps.next()) {
            Region r;
            if (!parse_region(maps.line, &r)) continue;
            if (rip >= r.start && rip < r.end && r.path[0] == '/') copy(module, sizeof module, Crash_File_Name(r.path));
            if (rsp >= r.start && rsp < r.end) stack_top = r.end;
        }
        maps.close_maps();
    }

    uint32_t code = Crash_Code_From_Signal(sig, si ? si->si_code : 0);
    o.flush();
    Crash_Write(fd, "%s caused %s in module %s at %04x:%016lx.\r\n", program_name, Crash_Exception_Name(code), module,
                cs, rip);
    Crash_Write(fd, "Exception handler called in %s.\r\n", label && *label ? label : thread_label);

    struct timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    char t[32];
    format_time(t, int64_t(now.tv_sec));
    Crash_Write(fd, "Error occurred at %s.\r\n", t);
    Crash_Write(fd, "%s, run by %s.\r\n", exe_path[0] ? exe_path : "Unknown", user_name[0] ? user_name : "Unknown");
    Crash_Write(fd, "%d processor(s), type %d.\r\n", int(processors), 8664);
    struct sysinfo info;
    uint64_t mem = sysinfo(&info) == 0 ? uint64_t(info.totalram) * info.mem_unit : 0;
    Crash_Write(fd, "%d MBytes physical memory.\r\n", int((mem + 0xFFFFF) >> 20));

    if (sig == SIGSEGV && si) {
        // Bit 1 of the page-fault error code: the access was a write.
        Crash_Write(fd, "%s location %016lx caused an access violation.\r\n", (g[REG_ERR] & 2) ? "Write to" : "Read from",
                    uint64_t(reinterpret_cast<uintptr_t>(si->si_addr)));
    }

    Crash_Write(fd, "\r\nRegisters:\r\n");
    Crash_Write(fd, "RAX=%016lx CS=%04x RIP=%016lx EFLGS=%08x\r\n", uint64_t(g[REG_RAX]), cs, rip, unsigned(g[REG_EFL]));
    Crash_Write(fd, "RBX=%016lx SS=%04x RSP=%016lx RBP=%016lx\r\n", uint64_t(g[REG_RBX]), ss, rsp, uint64_t(g[REG_RBP]));
    Crash_Write(fd, "RCX=%016lx DS=0000 RSI=%016lx FS=%04x\r\n", uint64_t(g[REG_RCX]), uint64_t(g[REG_RSI]), fs);
    Crash_Write(fd, "RDX=%016lx ES=0000 RDI=%016lx GS=%04x\r\n", uint64_t(g[REG_RDX]), uint64_t(g[REG_RDI]), gs);
    const int high[8] = {REG_R8, REG_R9, REG_R10, REG_R11, REG_R12, REG_R13, REG_R14, REG_R15};
    for (int i = 0; i < 8; ++i)
        Crash_Write(fd, "R%d=%016lx%s", 8 + i, uint64_t(g[high[i]]), i % 4 == 3 ? "\r\n" : " ");

    o.s("Bytes at CS:EIP:\r\n");
    const auto* ip = reinterpret_cast<const unsigned char*>(rip);
    for (int i = 0; i < 16; ++i) {
        if (readable(ip + i, 1)) o.hex(ip[i], 2), o.c(' ');
        else o.s("?? ");
    }

    o.s("\r\nStack dump:\r\n");
    uint64_t end = stack_top;
    if (end <= rsp || end - rsp > 8192) end = rsp + 8192;
    const uint32_t* word = reinterpret_cast<const uint32_t*>(rsp);
    size_t count = size_t((end - rsp) / 4);
    for (size_t i = 0; i < count; ++i) {
        if (i % 8 == 0) {
            if (!readable(word + i, 4 * ((count - i) < 8 ? (count - i) : 8))) {
                o.s("Exception encountered during stack dump.\r\n");
                break;
            }
            o.hex(uint64_t(reinterpret_cast<uintptr_t>(word + i)), 16), o.s(": ");
        }
        o.hex(stack_wort(word + i), 8);
        o.s((i % 8 == 7 || i + 1 == count) ? "\r\n" : " ");
    }

    write_module_list(o);
    o.flush();
    close(fd);
}

void handler(int sig, siginfo_t* si, void* context)
{
    const Crash_Ausnahme ausnahme{sig, si, context};
    Crash_Report(&ausnahme, thread_label);
    // The handler was installed for one delivery only: the fault now takes its default course.
    // A fault of the processor repeats when the instruction runs again; a signal that was sent
    // (abort, kill) is sent again.
    if (!si || si->si_code <= 0) raise(sig);
}

}  // namespace

int Crash_Report(const Crash_Ausnahme* ausnahme, const char* label)
{
    if (report_written || !ausnahme || !ausnahme->context) return 0;
    report_written = 1;
    write_report(ausnahme->signal, static_cast<siginfo_t*>(ausnahme->siginfo), static_cast<ucontext_t*>(ausnahme->context),
                 label);
    return 0;
}

void Crash_Write(int file, const char* format, ...)
{
    Out o(file);
    va_list ap;
    va_start(ap, format);
    formatieren(o, format, ap);
    va_end(ap);
    o.flush();
}

const char* Crash_Exception_Name(uint32_t code)
{
    for (const auto& e : exception_names)
        if (e.code == code) return e.name;
    return "Unknown exception type";
}

uint32_t Crash_Code_From_Signal(int signal, int code)
{
    switch (signal) {
    case SIGFPE:
        switch (code) {
        case FPE_INTDIV: return 0xC0000094;
        case FPE_INTOVF: return 0xC0000095;
        case FPE_FLTDIV: return 0xC000008E;
        case FPE_FLTOVF: return 0xC0000091;
        case FPE_FLTUND: return 0xC0000093;
        case FPE_FLTRES: return 0xC000008F;
        case FPE_FLTINV: return 0xC0000090;
        case FPE_FLTSUB: return 0xC000008C;
        default: return 0xC0000090;
        }
    case SIGSEGV: return 0xC0000005;
    case SIGILL: return code == ILL_PRVOPC || code == ILL_PRVREG ? 0xC0000096 : 0xC000001D;
    case SIGBUS: return code == BUS_ADRALN ? 0x80000002 : 0xC0000006;
    case SIGABRT: return 0xC0000025;
    default: return 0;
    }
}

void Crash_Format_Time(char* out, int64_t unix_seconds)
{
    if (out) format_time(out, unix_seconds);
}

const char* Crash_File_Name(const char* path)
{
    if (!path) return "";
    const char* slash = std::strrchr(path, '/');
    return slash ? slash + 1 : path;
}

void Crash_Set_Folder(const char* folder)
{
    if (folder && *folder) copy(report_folder, sizeof report_folder, folder);
}

void Crash_Install(const char* folder, const char* label)
{
    ssize_t n = readlink("/proc/self/exe", exe_path, sizeof exe_path - 1);
    exe_path[n > 0 ? n : 0] = 0;
    copy(program_name, sizeof program_name, Crash_File_Name(exe_path));
    if (char* dot = std::strrchr(program_name, '.')) *dot = 0;
    if (folder && *folder) {
        copy(report_folder, sizeof report_folder, folder);
    } else {
        copy(report_folder, sizeof report_folder, exe_path);
        char* slash = std::strrchr(report_folder, '/');
        if (slash) slash[1] = 0;
        else report_folder[0] = 0;
    }
    copy(thread_label, sizeof thread_label, label ? label : "main thread");
    const char* user = std::getenv("USER");
    if (!user || !*user) {
        struct passwd* pw = getpwuid(getuid());
        user = pw ? pw->pw_name : nullptr;
    }
    copy(user_name, sizeof user_name, user);
    processors = sysconf(_SC_NPROCESSORS_ONLN);
    time_t now = time(nullptr);
    struct tm local;
    tzset();
    tz_offset = localtime_r(&now, &local) ? local.tm_gmtoff : 0;
    if (probe_pipe[0] < 0 && pipe2(probe_pipe, O_NONBLOCK | O_CLOEXEC) != 0) probe_pipe[0] = probe_pipe[1] = -1;

    stack_t ss{};
    ss.ss_sp = alt_stack;
    ss.ss_size = sizeof alt_stack;
    sigaltstack(&ss, nullptr);
    struct sigaction sa{};
    sa.sa_sigaction = handler;
    sa.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGSEGV, SIGFPE, SIGILL, SIGBUS, SIGABRT}) sigaction(sig, &sa, nullptr);
    installed = true;
}
