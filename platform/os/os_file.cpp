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

#include "platform/os/os_text.h"

namespace {

bool ascii(std::string_view s)
{
    for (unsigned char c : s)
        if (c >= 0x80) return false;
    return true;
}

bool vorhanden(const std::string& pfad)
{
    struct stat st;
    return lstat(pfad.empty() ? "." : pfad.c_str(), &st) == 0;
}

// The entry of the folder whose program form is `text`, in name order: a name written as
// Windows-1252, or a UTF-8 name with characters listed as '?'. Empty when none is.
std::string eintrag_suchen(const std::string& ordner, const std::string& text)
{
    std::string gefunden;
    DIR* d = opendir(ordner.empty() ? "." : ordner.c_str());
    if (!d) return gefunden;
    while (dirent* e = readdir(d)) {
        const std::string name = e->d_name;
        if (name == "." || name == ".." || Os_Text_Aus_System(name) != text) continue;
        // a UTF-8 name is the one a save wrote last
        const bool besser = gefunden.empty() || (Os_Text_Ist_Utf8(name) && !Os_Text_Ist_Utf8(gefunden)) ||
                            (Os_Text_Ist_Utf8(name) == Os_Text_Ist_Utf8(gefunden) && name < gefunden);
        if (besser) gefunden = name;
    }
    closedir(d);
    return gefunden;
}

// The system's name of one path component below `ordner` (the system path so far, ending in
// '/', or empty).
std::string komponente(const std::string& ordner, const std::string& text, bool neu)
{
    if (ascii(text)) return text;
    const bool utf8 = Os_Text_Ist_Utf8(text);
    const std::string als_utf8 = Os_Text_Utf8(text);
    std::string wahl;
    if (utf8 && vorhanden(ordner + text)) wahl = text;  // as the system gave it
    else if (vorhanden(ordner + als_utf8)) wahl = als_utf8;
    else if (std::string e = eintrag_suchen(ordner, text); !e.empty()) wahl = e;
    else wahl = utf8 ? text : als_utf8;
    if (neu && !Os_Text_Ist_Utf8(wahl)) wahl = als_utf8;
    return wahl;
}

std::string aufloesen(const char* pfad, bool neu)
{
    if (!pfad) return std::string();
    const std::string_view p = pfad;
    if (ascii(p)) return std::string(p);
    std::string sys;
    size_t von = 0;
    for (;;) {
        const size_t bis = p.find('/', von);
        const bool letzte = bis == std::string_view::npos;
        const std::string text(p.substr(von, letzte ? std::string_view::npos : bis - von));
        sys += komponente(sys, text, neu && letzte);
        if (letzte) break;
        sys += '/';
        von = bis + 1;
    }
    return sys;
}

}  // namespace

std::string Os_Pfad(const char* pfad) { return aufloesen(pfad, false); }

std::string Os_Pfad_Neu(const char* pfad) { return aufloesen(pfad, true); }

std::string Os_Pfad_Text(const char* system_pfad)
{
    if (!system_pfad) return std::string();
    std::string_view p = system_pfad;
    std::string text;
    size_t von = 0;
    for (;;) {
        const size_t bis = p.find('/', von);
        text += Os_Text_Aus_System(p.substr(von, bis == std::string_view::npos ? std::string_view::npos : bis - von));
        if (bis == std::string_view::npos) break;
        text += '/';
        von = bis + 1;
    }
    return text;
}

// Once the file of `ziel` stands, other files of the folder that list under the same name
// and are not named in UTF-8 (an older version's) go, so that no two files list alike.
static void alte_namen_entfernen(const char* pfad, const std::string& ziel)
{
    const char* name = std::strrchr(pfad, '/');
    name = name ? name + 1 : pfad;
    if (ascii(name)) return;
    const size_t trenner = ziel.rfind('/');
    const std::string ordner = trenner == std::string::npos ? std::string() : ziel.substr(0, trenner + 1);
    const std::string eigener = ziel.substr(ordner.size());
    std::vector<std::string> weg;
    if (DIR* d = opendir(ordner.empty() ? "." : ordner.c_str())) {
        while (dirent* e = readdir(d))
            if (e->d_name != eigener && !Os_Text_Ist_Utf8(e->d_name) && Os_Text_Aus_System(e->d_name) == name)
                weg.push_back(ordner + e->d_name);
        closedir(d);
    }
    for (const std::string& w : weg) unlink(w.c_str());
}

std::FILE* Os_File_Open(const char* pfad, const char* modus)
{
    if (!pfad || !modus) return nullptr;
    if (!std::strchr(modus, 'w')) return std::fopen(Os_Pfad(pfad).c_str(), modus);
    // as truncating the file would: the old one goes once the new one is open
    const std::string ziel = Os_Pfad_Neu(pfad);
    std::FILE* f = std::fopen(ziel.c_str(), modus);
    if (f) alte_namen_entfernen(pfad, ziel);
    return f;
}

bool Os_File_Rename(const char* von, const char* nach)
{
    if (!von || !nach) return false;
    const std::string ziel = Os_Pfad_Neu(nach);
    if (std::rename(Os_Pfad(von).c_str(), ziel.c_str()) != 0) return false;
    alte_namen_entfernen(nach, ziel);
    return true;
}

bool Os_File_Readable(const char* path)
{
    if (!path) return false;
    FILE* f = Os_File_Open(path, "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

int64_t Os_File_Size(const char* path)
{
    if (!path) return -1;
    FILE* f = Os_File_Open(path, "rb");
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
    const std::string ordner = *folder ? Os_Pfad(folder) : std::string(".");
    DIR* d = opendir(ordner.c_str());
    if (!d) return names;
    while (dirent* e = readdir(d)) {
        std::string name = Os_Text_Aus_System(e->d_name);
        if (!Os_File_Match(pattern, name.c_str())) continue;
        std::string full = ordner + "/" + e->d_name;
        struct stat st;
        if (stat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode)) names.push_back(std::move(name));
    }
    closedir(d);
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
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
    int fd = open(Os_Pfad(path).c_str(), O_RDONLY);
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
    FILE* in = Os_File_Open(from, "rb");
    if (!in) return false;
    std::string tmp = std::string(to) + ".kopie";
    FILE* out = Os_File_Open(tmp.c_str(), "wb");
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
    if (ok && Os_File_Rename(tmp.c_str(), to)) return true;
    Os_File_Delete(tmp.c_str());
    return false;
}

bool Os_File_Delete(const char* path) { return path && unlink(Os_Pfad(path).c_str()) == 0; }

bool Os_File_Ganz_Schreiben(const char* path, const uint8_t* daten, size_t n, size_t platz)
{
    if (!path || (!daten && n)) return false;
    const std::string ziel = Os_Pfad_Neu(path);
    const int fd = open(ziel.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
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
    ok = close(fd) == 0 && ok;
    if (ok) alte_namen_entfernen(path, ziel);
    return ok;
}

uint64_t Os_Disk_Free(const char* path)
{
    struct statvfs st;
    if (statvfs(path && *path ? Os_Pfad(path).c_str() : ".", &st) != 0) return 0;
    return uint64_t(st.f_bavail) * uint64_t(st.f_frsize);
}

bool Os_Is_Dir(const char* path)
{
    struct stat st;
    return path && stat(Os_Pfad(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Os_Make_Dirs(const char* path)
{
    if (!path || !*path) return false;
    std::string p = Os_Pfad(path);
    for (size_t i = 1; i <= p.size(); ++i)
        if (i == p.size() || p[i] == '/') mkdir(p.substr(0, i).c_str(), 0755);
    return Os_Is_Dir(path);
}

bool Os_Change_Dir(const char* path) { return path && chdir(Os_Pfad(path).c_str()) == 0; }

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
