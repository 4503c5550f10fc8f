// Common part of the operating-system layer and the headless back end: options, clock,
// message queue, input state, the script of input events.
//
// Script (headless, --script FILE): one event per line, blank lines and lines starting with
// '#' are skipped, an unknown line is reported and skipped:
//   move X Y | left down | left up | right down | right up | click X Y (move, down, up)
//   key CODE (down and up) | key_down CODE | key_up CODE      virtual-key codes; 16 is Shift
//   wheel up | wheel down | wait MS | activate 0|1 | dump FILE.png | quit
// The feeder gives one line per pump; "wait" holds the following lines until the virtual clock
// has advanced MS milliseconds. At the end of the script the window is closed (WM_CLOSE).
#include "platform/os/os.h"
#include "platform/os/os_sound.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/os/os_display.h"
#include "platform/os/os_intern.h"
#include "platform/os/os_text.h"

namespace {

std::atomic<int> headless_flag{-1};  // -1: not yet decided
std::string start_dir;
int role_answer = 1;

// Clock.
const auto real_start = std::chrono::steady_clock::now();
std::mutex clock_mutex;
std::condition_variable clock_cv;
std::atomic<uint32_t> virtual_ms{0};
thread_local bool follows_clock = false;
// Threads that follow the virtual clock, how many of them sleep on it, and until when
// (guarded by clock_mutex).
int follower_count = 0;
int follower_sleeping = 0;
std::vector<uint32_t> follower_targets;

// Queue.
std::mutex queue_mutex;
std::deque<Os_Message> queue;
std::map<std::string, uint32_t> registered;

// Input state (the timer thread may read it).
std::atomic<int> mouse_x{0}, mouse_y{0};
std::atomic<bool> mouse_left{false}, mouse_right{false}, shift_held{false};
std::atomic<int> cursor_count{0};

// Window.
struct Window_State {
    bool open = false;
    int width = 0, height = 0;
    bool fullscreen = false;
};
Window_State window;

// Script.
struct Script {
    bool active = false;
    std::vector<std::string> lines;
    size_t next = 0;
    bool waiting = false;
    uint32_t wait_until = 0;
    bool closed = false;
    uint32_t last_left_down = 0;
    int last_left_x = -100, last_left_y = -100;
    bool had_left_down = false;
};
Script script;

}  // namespace

struct Os_Window {
    int unused;
};
static Os_Window the_window;

void Os_Init(int argc, char** argv)
{
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd)) start_dir = cwd;
    const char* script_file = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--headless")) headless_flag = 1;
        else if (!std::strcmp(argv[i], "--script") && i + 1 < argc) script_file = argv[++i];
        else if (!std::strcmp(argv[i], "--role") && i + 1 < argc)
            role_answer = std::strcmp(argv[++i], "client") == 0 ? 0 : 1;
        else if (!std::strcmp(argv[i], "--nosound")) Os_Sound_Set_Aus(true);
    }
    Os_Sound_Set_Headless(Os_Headless());
    if (script_file) {
        std::ifstream in(script_file);
        if (!in) std::fprintf(stderr, "dorvin: Skript %s nicht lesbar\n", script_file);
        std::stringstream text;
        text << in.rdbuf();
        Os_Script_Load_Text(text.str());
    } else if (Os_Headless()) {
        // A headless run without a script ends as soon as the game waits for input.
        Os_Script_Load_Text("");
    }
}

bool Os_Headless()
{
    int flag = headless_flag.load();
    if (flag < 0) {
        const char* v = std::getenv("DORVIN_HEADLESS");
        flag = (v && std::strcmp(v, "1") == 0) ? 1 : 0;
        headless_flag = flag;
    }
    return flag == 1;
}

void Os_Shutdown()
{
    Os_Window_Close();
    if (!Os_Headless()) Os_Sdl_Shutdown();
}

uint32_t Os_Time_Ms()
{
    if (Os_Headless()) return virtual_ms.load();
    auto d = std::chrono::steady_clock::now() - real_start;
    return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(d).count());
}

void Os_Clock_Advance(uint32_t ms)
{
    {
        std::unique_lock<std::mutex> lock(clock_mutex);
        uint32_t now = virtual_ms.fetch_add(ms) + ms;
        clock_cv.notify_all();
        // Lockstep: a follower whose time has come runs its pass before the clock moves on, so
        // that what it draws is there when the script looks. Bounded, so a suspended or busy
        // follower cannot hang the program.
        clock_cv.wait_for(lock, std::chrono::milliseconds(200), [&] {
            if (follower_count != follower_sleeping) return false;
            for (uint32_t t : follower_targets)
                if (int32_t(now - t) >= 0) return false;
            return true;
        });
    }
    // Headless sound plays exactly as far as the virtual clock goes.
    Os_Sound_Advance(ms);
}

void Os_Sleep(uint32_t ms)
{
    if (!Os_Headless()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        return;
    }
    if (!follows_clock) {
        Os_Clock_Advance(ms);
        return;
    }
    // A follower waits until the window thread has moved the clock on, but never longer
    // than the same time in real milliseconds, so that it cannot hang when nobody advances.
    std::unique_lock<std::mutex> lock(clock_mutex);
    uint32_t target = virtual_ms.load() + ms;
    follower_targets.push_back(target);
    ++follower_sleeping;
    clock_cv.notify_all();
    clock_cv.wait_for(lock, std::chrono::milliseconds(ms ? ms : 1),
                      [&] { return int32_t(virtual_ms.load() - target) >= 0; });
    --follower_sleeping;
    follower_targets.erase(std::find(follower_targets.begin(), follower_targets.end(), target));
}

void Os_Thread_Follows_Clock()
{
    if (follows_clock) return;
    follows_clock = true;
    std::lock_guard<std::mutex> lock(clock_mutex);
    ++follower_count;
}

void Os_Thread_Stops_Following()
{
    if (!follows_clock) return;
    follows_clock = false;
    {
        std::lock_guard<std::mutex> lock(clock_mutex);
        --follower_count;
    }
    clock_cv.notify_all();
}

uint32_t Os_Register_Message(const char* name)
{
    std::lock_guard<std::mutex> lock(queue_mutex);
    std::string key = name ? name : "";
    auto it = registered.find(key);
    if (it != registered.end()) return it->second;
    uint32_t number = OS_REGISTERED_MESSAGE_BASE + uint32_t(registered.size());
    registered[key] = number;
    return number;
}

void Os_Post_Message(uint32_t message, uint64_t wparam, int64_t lparam)
{
    std::lock_guard<std::mutex> lock(queue_mutex);
    queue.push_back({message, wparam, lparam});
}

void Os_Clear_Messages()
{
    std::lock_guard<std::mutex> lock(queue_mutex);
    queue.clear();
}

// ---- Input state ----

void Os_Input_Set_Mouse(int x, int y)
{
    mouse_x = x;
    mouse_y = y;
}

void Os_Input_Set_Buttons(bool left, bool right)
{
    mouse_left = left;
    mouse_right = right;
}

void Os_Input_Set_Shift(bool held) { shift_held = held; }

int Os_Mouse_X() { return mouse_x; }
int Os_Mouse_Y() { return mouse_y; }
bool Os_Mouse_Left() { return mouse_left; }
bool Os_Mouse_Right() { return mouse_right; }

bool Os_Shift_Held()
{
    if (!Os_Headless() && window.open) return Os_Sdl_Shift_Held();
    return shift_held;
}

int Os_Cursor_Count(int delta)
{
    int count = cursor_count.fetch_add(delta) + delta;
    if (!Os_Headless() && window.open) Os_Sdl_Cursor_Visible(count >= 0);
    return count;
}

// ---- Script ----

void Os_Script_Load_Text(const std::string& text)
{
    script = Script();
    script.active = true;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        size_t a = line.find_first_not_of(" \t");
        if (a == std::string::npos || line[a] == '#') continue;
        script.lines.push_back(line.substr(a));
    }
}

void Os_Set_Role_Answer(int server) { role_answer = server ? 1 : 0; }

bool Os_Script_Finished()
{
    return !script.active || (script.next >= script.lines.size() && !script.waiting);
}

static void script_left_down()
{
    uint32_t now = Os_Time_Ms();
    int x = mouse_x, y = mouse_y;
    // Windows' double click: a second press within 500 ms close to the first one.
    bool dbl = script.had_left_down && now - script.last_left_down <= 500 &&
               std::abs(x - script.last_left_x) <= 2 && std::abs(y - script.last_left_y) <= 2;
    Os_Input_Set_Buttons(true, mouse_right);
    Os_Post_Message(dbl ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, 1, (y << 16) | (x & 0xFFFF));
    script.had_left_down = !dbl;
    script.last_left_down = now;
    script.last_left_x = x;
    script.last_left_y = y;
}

static std::string script_path(const std::string& name)
{
    if (!name.empty() && name[0] != '/' && !start_dir.empty()) return start_dir + "/" + name;
    return name;
}

// Runs one line of the script; returns false when it waits.
static bool script_step()
{
    if (script.next >= script.lines.size()) return false;
    std::istringstream in(script.lines[script.next]);
    std::string cmd, arg;
    in >> cmd;
    if (cmd == "mouse") in >> cmd;  // "mouse move X Y"
    if (cmd == "wait") {
        long ms = 0;
        in >> ms;
        if (!script.waiting) {
            script.waiting = true;
            script.wait_until = Os_Time_Ms() + uint32_t(ms < 0 ? 0 : ms);
        }
        if (int32_t(Os_Time_Ms() - script.wait_until) < 0) return false;
        script.waiting = false;
        ++script.next;
        return true;
    }
    ++script.next;
    int x = 0, y = 0;
    long code = 0;
    if (cmd == "move") {
        in >> x >> y;
        Os_Input_Set_Mouse(x, y);
        Os_Post_Message(WM_MOUSEMOVE, 0, (y << 16) | (x & 0xFFFF));
    } else if (cmd == "click") {
        in >> x >> y;
        Os_Input_Set_Mouse(x, y);
        script.lines.insert(script.lines.begin() + long(script.next), {"left down", "left up"});
    } else if (cmd == "left" || cmd == "right") {
        in >> arg;
        bool down = arg == "down";
        if (cmd == "left" && down) {
            script_left_down();
        } else if (cmd == "left") {
            Os_Input_Set_Buttons(false, mouse_right);
            Os_Post_Message(WM_LBUTTONUP, 0, 0);
        } else {
            Os_Input_Set_Buttons(mouse_left, down);
            Os_Post_Message(down ? WM_RBUTTONDOWN : WM_RBUTTONUP, down ? 2 : 0, 0);
        }
    } else if (cmd == "key" || cmd == "key_down" || cmd == "key_up") {
        in >> code;
        if (code <= 0 || code > 255) {
            std::fprintf(stderr, "%s '%s'\n", Os_Text_Utf8("dorvin: ungültiger Tastencode in Skriptzeile").c_str(),
                         script.lines[script.next - 1].c_str());
            return true;
        }
        if (cmd != "key_up") {
            if (code == VK_SHIFT) Os_Input_Set_Shift(true);
            Os_Post_Message(WM_KEYDOWN, uint64_t(code), 1);
        }
        if (cmd != "key_down") {
            if (code == VK_SHIFT) Os_Input_Set_Shift(false);
            Os_Post_Message(WM_KEYUP, uint64_t(code), int64_t(0xC0000001u));
        }
    } else if (cmd == "wheel") {
        in >> arg;
        // Windows: a positive delta is a step away from the user ("up").
        int16_t delta = arg == "up" ? 120 : -120;
        Os_Post_Message(WM_MOUSEWHEEL, uint64_t(uint16_t(delta)) << 16, 0);
    } else if (cmd == "activate") {
        in >> code;
        Os_Post_Message(WM_ACTIVATEAPP, code ? 1 : 0, 0);
    } else if (cmd == "dump") {
        std::getline(in >> std::ws, arg);
        if (!Os_Display_Dump_Png(script_path(arg).c_str()))
            std::fprintf(stderr, "dorvin: Bild %s nicht geschrieben\n", arg.c_str());
    } else if (cmd == "quit") {
        Os_Post_Message(WM_CLOSE, 0, 0);
    } else {
        std::fprintf(stderr, "dorvin: unbekannte Skriptzeile '%s'\n",
                     script.lines[script.next - 1].c_str());
    }
    return true;
}

static void script_feed()
{
    if (!script.active) return;
    if (script.next < script.lines.size()) {
        script_step();
    } else if (!script.closed) {
        script.closed = true;
        Os_Post_Message(WM_CLOSE, 0, 0);
    }
}

bool Os_Take_Message(Os_Message* out)
{
    if (Os_Headless()) {
        bool empty;
        {
            std::lock_guard<std::mutex> lock(queue_mutex);
            empty = queue.empty();
        }
        // The script is fed only when the program has taken what it gave before.
        if (empty) script_feed();
    } else if (window.open) {
        Os_Sdl_Poll();
        // A script drives a real window too, for looking at real runs.
        bool empty;
        {
            std::lock_guard<std::mutex> lock(queue_mutex);
            empty = queue.empty();
        }
        if (empty) script_feed();
    }
    std::lock_guard<std::mutex> lock(queue_mutex);
    if (queue.empty()) return false;
    if (out) *out = queue.front();
    queue.pop_front();
    return true;
}

// ---- Window and dialogs ----

Os_Window* Os_Window_Open(const char* title, int width, int height, bool fullscreen)
{
    if (window.open) Os_Window_Close();
    if (!Os_Headless() &&
        !Os_Sdl_Window_Open(Os_Text_Utf8(title ? title : "").c_str(), width, height, fullscreen))
        return nullptr;
    window.open = true;
    window.width = width;
    window.height = height;
    window.fullscreen = fullscreen;
    // A new visible window is activated, as Windows does it.
    Os_Post_Message(WM_CREATE, 0, 0);
    Os_Post_Message(WM_ACTIVATEAPP, 1, 0);
    return &the_window;
}

void Os_Window_Close()
{
    if (!window.open) return;
    if (!Os_Headless()) Os_Sdl_Window_Close();
    window = Window_State();
}

Os_Window* Os_Window_Get() { return window.open ? &the_window : nullptr; }

void Os_Message_Box(const char* caption, const char* text)
{
    std::string c = Os_Text_Utf8(caption ? caption : "");
    std::string t = Os_Text_Utf8(text ? text : "");
    if (Os_Headless()) {
        std::fprintf(stderr, "%s %s\n", c.c_str(), t.c_str());
        std::fflush(stderr);
        return;
    }
    Os_Sdl_Message_Box(c.c_str(), t.c_str());
}

int Os_Role_Dialog(const char* caption, const char* text)
{
    if (Os_Headless()) return role_answer;
    return Os_Sdl_Role_Dialog(Os_Text_Utf8(caption ? caption : "").c_str(),
                              Os_Text_Utf8(text ? text : "").c_str());
}
