// The registry file. Plain text, one entry a line:
//
//   # comment                  (also blank lines)
//   [Software\moss-quill\Dorvin_Zidurida_Vozozor\app_path]
//   @="/home/user/dorvin"      the key's default value
//   "Installation"="TRUE"      a named string value of the key above
//
// Key paths use backslashes; keys and value names compare without regard to case. Inside the
// quotes \\ is a backslash, \" a quote and \n a line break; the bytes are kept as they are.
// The installer writes the paths as the system names them, the program its values in UTF-8
// (converted from and to its Windows-1252 texts where it reads and stores them). A line that
// does not parse, or a value before any key, is ignored, so a damaged file loses only its
// damaged lines. Writes replace the file through a temporary file and a rename.
#include "platform/os/os_registry.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>
#include <strings.h>
#include <vector>

namespace {

struct Value {
    std::string name, text;
};
struct Key {
    std::string path;
    std::vector<Value> values;
};

bool same(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && strncasecmp(a.c_str(), b.c_str(), a.size()) == 0;
}

// Parses a quoted text at s[i] (on the opening quote); false when it is not closed.
bool parse_quoted(const std::string& s, size_t& i, std::string* out)
{
    if (i >= s.size() || s[i] != '"') return false;
    out->clear();
    for (++i; i < s.size(); ++i) {
        char c = s[i];
        if (c == '"') {
            ++i;
            return true;
        }
        if (c == '\\') {
            if (++i >= s.size()) return false;
            c = s[i] == 'n' ? '\n' : s[i];
        }
        *out += c;
    }
    return false;
}

std::string quoted(const std::string& s)
{
    std::string out = "\"";
    for (char c : s) {
        if (c == '\\' || c == '"') out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

std::vector<Key> parse(const std::string& text)
{
    std::vector<Key> keys;
    std::istringstream in(text);
    std::string line;
    long current = -1;  // index: the vector grows
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#' || line[0] == ';') continue;
        if (line[0] == '[') {
            size_t end = line.rfind(']');
            current = -1;
            if (end == std::string::npos || end < 2) continue;
            std::string path = line.substr(1, end - 1);
            for (size_t n = 0; n < keys.size(); ++n)
                if (same(keys[n].path, path)) current = long(n);
            if (current < 0) {
                keys.push_back({path, {}});
                current = long(keys.size()) - 1;
            }
            continue;
        }
        if (current < 0) continue;
        std::string name, text;
        size_t i = 0;
        if (line[0] == '@') {
            i = 1;
        } else if (!parse_quoted(line, i, &name) || name.empty()) {
            continue;
        }
        if (i >= line.size() || line[i] != '=') continue;
        ++i;
        if (!parse_quoted(line, i, &text)) continue;
        bool found = false;
        for (auto& v : keys[size_t(current)].values)
            if (same(v.name, name)) v.text = text, found = true;
        if (!found) keys[size_t(current)].values.push_back({name, text});
    }
    return keys;
}

// The whole file as it stands; empty when it cannot be read.
std::string read_file(const std::string& path)
{
    std::string text;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return text;
    char buf[4096];
    for (;;) {
        const ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        text.append(buf, size_t(n));
    }
    close(fd);
    return text;
}

// The file parsed the last time, by path and content: every call still reads the file, so that
// a change by another process or by hand is seen at once, but the same bytes are parsed once.
struct Cache {
    std::string path, text;
    std::vector<Key> keys;
    bool valid = false;
} cache;
// Held by every entry point while it uses the cache.
std::mutex cache_mutex;

const std::vector<Key>& load()
{
    std::string path = Os_Registry_Path();
    std::string text = read_file(path);
    if (!cache.valid || cache.path != path || cache.text != text) {
        cache.keys = parse(text);
        cache.path = std::move(path);
        cache.text = std::move(text);
        cache.valid = true;
    }
    return cache.keys;
}

void make_dirs(const std::string& file)
{
    for (size_t i = 1; i < file.size(); ++i)
        if (file[i] == '/') mkdir(file.substr(0, i).c_str(), 0755);
}

}  // namespace

std::string Os_Registry_Path()
{
    if (const char* p = std::getenv("DORVIN_REGISTRY"); p && *p) return p;
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x)
        return std::string(x) + "/dorvin/registry";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.config/dorvin/registry";
}

namespace {

bool key_exists(const std::vector<Key>& keys, const char* key)
{
    if (!key || !*key) return false;
    std::string want = key;
    for (const auto& k : keys) {
        if (same(k.path, want)) return true;
        if (k.path.size() > want.size() && k.path[want.size()] == '\\' &&
            same(k.path.substr(0, want.size()), want))
            return true;
    }
    return false;
}

}  // namespace

bool Os_Registry_Key_Exists(const char* key)
{
    if (!key || !*key) return false;
    std::lock_guard<std::mutex> lock(cache_mutex);
    return key_exists(load(), key);
}

Os_Registry_Result Os_Registry_Get(const char* key, const char* name, std::string* value)
{
    if (!key || !*key) return Os_Registry_Result::no_key;
    std::lock_guard<std::mutex> lock(cache_mutex);
    const std::vector<Key>& keys = load();
    if (!key_exists(keys, key)) return Os_Registry_Result::no_key;
    std::string want_name = name ? name : "";
    for (const auto& k : keys) {
        if (!same(k.path, key)) continue;
        for (const auto& v : k.values)
            if (same(v.name, want_name)) {
                if (value) *value = v.text;
                return Os_Registry_Result::ok;
            }
    }
    return Os_Registry_Result::no_value;
}

bool Os_Registry_Set(const char* key, const char* name, const char* value)
{
    if (!key || !*key || !value) return false;
    std::lock_guard<std::mutex> lock(cache_mutex);
    std::vector<Key> keys = load();
    Key* k = nullptr;
    for (auto& each : keys)
        if (same(each.path, key)) k = &each;
    if (!k) {
        keys.push_back({key, {}});
        k = &keys.back();
    }
    std::string n = name ? name : "";
    bool found = false;
    for (auto& v : k->values)
        if (same(v.name, n)) {
            // The value stands already (the monthly autosave names the same savegame each
            // time): the file would be written as it reads.
            if (v.text == value) return true;
            v.text = value, found = true;
        }
    if (!found) k->values.push_back({n, value});

    std::ostringstream out;
    out << "# Dorvin registry: [key], then @=\"default\" and \"name\"=\"value\" lines.\n";
    for (const auto& each : keys) {
        out << '[' << each.path << "]\n";
        for (const auto& v : each.values)
            out << (v.name.empty() ? std::string("@") : quoted(v.name)) << '=' << quoted(v.text)
                << '\n';
    }
    std::string path = Os_Registry_Path();
    make_dirs(path);
    std::string tmp = path + ".neu" + std::to_string(getpid());
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        if (!f) return false;
        f << out.str();
        if (!f.flush()) return false;
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) {
        std::remove(tmp.c_str());
        return false;
    }
    // The file holds what was just parsed into `keys`.
    cache.path = path;
    cache.text = out.str();
    cache.keys = std::move(keys);
    cache.valid = true;
    return true;
}
