#include "platform/os/os_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

bool Os_File_Readable(const char* path)
{
    if (!path) return false;
    FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

int64_t Os_File_Size(const char* path)
{
    if (!path) return -1;
    FILE* f = std::fopen(path, "rb");
    if (!f) return -1;
    int64_t n = -1;
    if (fseeko(f, 0, SEEK_END) == 0) n = int64_t(ftello(f));
    std::fclose(f);
    return n;
}

bool Os_File_Match(const char* p, const char* s)
{
    // Iterative wildcard match with backtracking to the last star.
    const char* star = nullptr;
    const char* retry = nullptr;
    while (*s) {
        if (*p == '*') {
            star = p++;
            retry = s;
        } else if (*p == '?' ||
                   (*p && std::tolower((unsigned char)*p) == std::tolower((unsigned char)*s))) {
            ++p, ++s;
        } else if (star) {
            p = star + 1;
            s = ++retry;
        } else {
            return false;
        }
    }
    while (*p == '*') ++p;
    // "*.*" finds names without a dot too, as on Windows.
    if (p[0] == '.' && p[1] == '*' && p[2] == 0) return true;
    return *p == 0;
}

std::vector<std::string> Os_File_Search(const char* folder, const char* pattern)
{
    std::vector<std::string> names;
    if (!folder || !pattern) return names;
    DIR* d = opendir(*folder ? folder : ".");
    if (!d) return names;
    while (dirent* e = readdir(d)) {
        if (!Os_File_Match(pattern, e->d_name)) continue;
        std::string full = std::string(*folder ? folder : ".") + "/" + e->d_name;
        struct stat st;
        if (stat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode)) names.push_back(e->d_name);
    }
    closedir(d);
    std::sort(names.begin(), names.end());
    return names;
}

static uint64_t file_time(const timespec& t)
{
    // Seconds between 1601-01-01 and 1970-01-01.
    constexpr uint64_t epoch_diff = 11644473600ull;
    return (uint64_t(t.tv_sec) + epoch_diff) * 10000000ull + uint64_t(t.tv_nsec) / 100;
}

bool Os_File_Times(const char* path, uint64_t* created, uint64_t* written)
{
    if (!path) return false;
    int fd = open(path, O_RDONLY);
    if (fd < 0) return false;
    struct statx sx;
    bool have_birth = statx(fd, "", AT_EMPTY_PATH, STATX_BTIME | STATX_MTIME | STATX_CTIME, &sx) == 0 &&
                      (sx.stx_mask & STATX_BTIME);
    struct stat st;
    bool ok = fstat(fd, &st) == 0;
    close(fd);
    if (!ok) return false;
    if (created)
        *created = have_birth ? file_time(timespec{time_t(sx.stx_btime.tv_sec), long(sx.stx_btime.tv_nsec)})
                              : file_time(st.st_ctim);
    if (written) *written = file_time(st.st_mtim);
    return true;
}

bool Os_File_Copy(const char* from, const char* to)
{
    if (!from || !to) return false;
    FILE* in = std::fopen(from, "rb");
    if (!in) return false;
    std::string tmp = std::string(to) + ".kopie";
    FILE* out = std::fopen(tmp.c_str(), "wb");
    if (!out) {
        std::fclose(in);
        return false;
    }
    char buf[65536];
    bool ok = true;
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, in)) > 0)
        if (std::fwrite(buf, 1, n, out) != n) ok = false;
    if (std::ferror(in)) ok = false;
    std::fclose(in);
    if (std::fclose(out) != 0) ok = false;
    if (ok && std::rename(tmp.c_str(), to) == 0) return true;
    std::remove(tmp.c_str());
    return false;
}

bool Os_File_Delete(const char* path) { return path && unlink(path) == 0; }

bool Os_File_Ganz_Schreiben(const char* path, const uint8_t* daten, size_t n, size_t platz)
{
    if (!path || (!daten && n)) return false;
    const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    const size_t gerundet = (n + OS_FILE_SEITE - 1) / OS_FILE_SEITE * OS_FILE_SEITE;
    const int art = fcntl(fd, F_GETFL);
    bool direkt = n > 0 && reinterpret_cast<uintptr_t>(daten) % OS_FILE_SEITE == 0 && platz >= gerundet && art >= 0 &&
                  fcntl(fd, F_SETFL, art | O_DIRECT) == 0;
    size_t pos = 0, ende = direkt ? gerundet : n;
    bool ok = true;
    while (ok && pos < ende) {
        const ssize_t w = write(fd, daten + pos, ende - pos);
        if (w > 0) {
            pos += size_t(w);
        } else if (w < 0 && errno == EINTR) {
            continue;
        } else if (direkt) {
            // the file system refused the direct write: the rest through its buffers, which
            // report a real fault (a full disk) themselves
            direkt = false;
            ok = fcntl(fd, F_SETFL, art) == 0;
            ende = std::max(n, pos);
        } else {
            ok = false;
        }
    }
    // the rounding's bytes past the end are cut off again
    if (ok && pos > n) ok = ftruncate(fd, off_t(n)) == 0;
    ok = ok && fsync(fd) == 0;
    return close(fd) == 0 && ok;
}

uint64_t Os_Disk_Free(const char* path)
{
    struct statvfs st;
    if (statvfs(path && *path ? path : ".", &st) != 0) return 0;
    return uint64_t(st.f_bavail) * uint64_t(st.f_frsize);
}

bool Os_Is_Dir(const char* path)
{
    struct stat st;
    return path && stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

bool Os_Make_Dirs(const char* path)
{
    if (!path || !*path) return false;
    std::string p = path;
    for (size_t i = 1; i <= p.size(); ++i)
        if (i == p.size() || p[i] == '/') mkdir(p.substr(0, i).c_str(), 0755);
    return Os_Is_Dir(path);
}

bool Os_Change_Dir(const char* path) { return path && chdir(path) == 0; }

int Os_Process_Start(const char* program, const char* argument)
{
    if (!program) return -1;
    pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        char* argv[3] = {const_cast<char*>(program), const_cast<char*>(argument), nullptr};
        execv(program, argv);
        _exit(127);
    }
    return int(pid);
}

bool Os_Process_Running(int pid)
{
    if (pid <= 0) return false;
    int status = 0;
    pid_t r = waitpid(pid_t(pid), &status, WNOHANG);
    return r == 0;
}

bool Os_File_Sync(std::FILE* datei)
{
    return datei && std::fflush(datei) == 0 && fsync(fileno(datei)) == 0;
}
