// Common part of the operating-system layer and the headless back end: options, clock,
// message queue, input state, the script of input events.
//
// Script (--script FILE): one event per line, blank lines and lines starting with '#' are
// skipped; a line that does not read (unknown command, arguments missing, extra or out of
// range) is reported on standard error and skipped whole:
//   move X Y | left down | left up | right down | right up
//   click X Y          move, left down, 100 ms held, left up
//   key CODE (down and up) | key_down CODE | key_up CODE      virtual-key codes 1-255; 16 Shift
//   wheel up | wheel down | wait MS | activate 0|1 | dump FILE.png | quit
//   wait input         holds the lines while a match day's screen is up
//   answer TEXT        the answer of the next dialog (a file name, a list index, a text,
//                      48 colour bytes, "ok" or "cancel"); a dialog takes the waiting answers
//                      and the answer lines that follow directly in the script
//   clipboard TEXT     the clipboard's text
// The texts of answer and clipboard are read as UTF-8; a script saved as Windows-1252 (not valid
// UTF-8) is taken as it is.
// X and Y lie in -32768..32767, MS in 0..2147483647; "mouse move X Y" is "move X Y".
// The feeder gives one line per pump; "wait" holds the following lines until the virtual clock
// has advanced MS milliseconds. A button's down line with its up line right behind comes in one
// pump, as a fast click's two events come in one poll of the window. At the end of the script the window is closed (WM_CLOSE).
// While the program holds the script (Os_Script_Halten: busy work that only pumps to stay
// alive) no line is fed, so that a script's clicks reach the screens that wait for them.
// A screen that plays on its own while it takes input (Os_Script_Laufender_Schirm: the match
// day's) gets its lines a frame at a time, a "wait" there lasts its time without the clock's
// jump, and "wait input" holds the lines until the program takes input elsewhere again.
#include "platform/os/os.h"
#include "platform/os/os_sound.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "platform/os/os_display.h"
#include "platform/os/os_intern.h"
#include "platform/os/os_socket.h"
#include "platform/os/os_text.h"

std::atomic<int> Os_Kopflos_Stand{-1};
Os_Maus_Zustand Os_Maus;
std::atomic<uint32_t> Os_Virtuelle_Ms{0};

namespace {

std::atomic<int>& headless_flag = Os_Kopflos_Stand;  // -1: not yet decided
std::string start_dir;
int role_answer = 1;
Os_Script_Game_Hook spiel_hook = nullptr;
// --role was given: it answers the role question in the window too.
bool role_given = false;

// Clock.
const auto real_start = std::chrono::steady_clock::now();
std::mutex clock_mutex;
std::condition_variable clock_cv;
std::atomic<uint32_t>& virtual_ms = Os_Virtuelle_Ms;
thread_local bool follows_clock = false;
// Threads that follow the virtual clock, how many of them sleep on it, and until when
// (guarded by clock_mutex; the count may be read without it).
std::atomic<int> follower_count{0};
int follower_sleeping = 0;
std::vector<uint32_t> follower_targets;
// While an advance is under way the clock may run up to the horizon (guarded by clock_mutex).
bool clock_advancing = false;
uint32_t clock_horizon = 0;
// One advance at a time.
std::mutex advance_mutex;
// Raised to end every follower's sleep at once (guarded by clock_mutex).
uint32_t follower_wake = 0;
// A follower whose clock stands still this long in real time goes on all the same.
constexpr uint32_t FOLLOWER_STILLSTAND_MS = 1000;

// Queue.
std::mutex queue_mutex;
std::deque<Os_Message> queue;
// The queue's length, readable without the lock: an idle pump only looks (written under queue_mutex).
std::atomic<size_t> queue_laenge{0};
std::map<std::string, uint32_t> registered;
// A key's release that came in the same poll as its press (a script's "key", a quick hand
// between two polls) waits until the press is OS_TASTE_HALTEN_MS old or more keys or buttons
// come: a loop that pumps again before it reads the key (a network pump) would lose it.
constexpr uint32_t OS_TASTE_HALTEN_MS = 50;
std::atomic<bool> loslassen_gehalten{false};  // written under queue_mutex
Os_Message gehaltenes_loslassen{};
int64_t zusammen_gedrueckt = -1;  // the key whose release was queued behind its press
uint32_t gedrueckt_um = 0;

// Input state (the timer thread may read it).
std::atomic<int>& mouse_x = Os_Maus.x;
std::atomic<int>& mouse_y = Os_Maus.y;
std::atomic<bool>& mouse_left = Os_Maus.links;
std::atomic<bool>& mouse_right = Os_Maus.rechts;
std::atomic<bool> shift_held{false};
std::atomic<uint32_t>& presses_left = Os_Maus.druecke_links;
std::atomic<uint32_t>& presses_right = Os_Maus.druecke_rechts;
std::atomic<int> press_x{0}, press_y{0};
std::atomic<int> cursor_count{0};

// Window.
struct Window_State {
    bool open = false;
    int width = 0, height = 0;
    bool fullscreen = false;
};
Window_State window;

// Script.
// Counts every change of the script's lines (a new script, a click's own lines put in), so that a
// line read once is read again only after one.
uint64_t script_stand = 0;
struct Script {
    bool active = false;
    std::vector<std::string> lines;
    size_t next = 0;
    bool waiting = false;
    uint32_t wait_until = 0;
    // Passes the waiting program made (its idle waits) and feeds asked for, since the wait began;
    // whether the program has come to rest at all while the script runs (a driver that only
    // pumps never does).
    uint32_t wait_passes = 0, wait_feeds = 0;
    bool geruht = false;
    bool links_gedrueckt = false, rechts_gedrueckt = false;  // held by the script's own lines
    bool closed = false;
    uint32_t last_left_down = 0;
    int last_left_x = -100, last_left_y = -100;
    bool had_left_down = false;
    // A picture of a dialog held for the dialog to open: the line held and the program's rests since.
    size_t dialog_zeile = SIZE_MAX;
    uint32_t dialog_ruhe = 0;
};
Script script;

// Dialog answers of the script, and the clipboard of the headless back end (Windows-1252).
std::deque<std::string> answers;
std::string clipboard;
bool clipboard_set = false;

}  // namespace

struct Os_Window {
    int unused;
};
static Os_Window the_window;

static bool skript_zeigt_bilder();

void Os_Init(int argc, char** argv)
{
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd)) start_dir = cwd;
    const char* script_file = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--headless")) headless_flag = 1;
        else if (!std::strcmp(argv[i], "--script") && i + 1 < argc) script_file = argv[++i];
        else if (!std::strcmp(argv[i], "--role") && i + 1 < argc) {
            const char* role = argv[++i];
            if (!std::strcmp(role, "server") || !std::strcmp(role, "client")) {
                role_answer = std::strcmp(role, "client") == 0 ? 0 : 1;
                role_given = true;
            } else {
                std::fprintf(stderr, "dorvin: --role %s: erwartet server oder client\n", role);
            }
        }
        else if (!std::strcmp(argv[i], "--nosound")) Os_Sound_Set_Aus(true);
    }
    Os_Sound_Set_Headless(Os_Headless());
    if (script_file) {
        std::ifstream in(script_file);
        if (!in) std::fprintf(stderr, "dorvin: Skript %s nicht lesbar\n", script_file);
        std::stringstream text;
        text << in.rdbuf();
        Os_Script_Load_Text(text.str());
        // Headless, a script without a dump never looks at the screen.
        Os_Display_Set_Ungesehen(Os_Headless() && !skript_zeigt_bilder());
    } else if (Os_Headless()) {
        // A headless run without a script ends as soon as the game waits for input.
        Os_Script_Load_Text("");
    }
}

// The first call decides from the environment.
bool Os_Kopflos_Entscheiden()
{
    const char* v = std::getenv("DORVIN_HEADLESS");
    const int flag = (v && std::strcmp(v, "1") == 0) ? 1 : 0;
    headless_flag = flag;
    return flag == 1;
}

void Os_Shutdown()
{
    Os_Window_Close();
    if (!Os_Headless()) Os_Sdl_Shutdown();
}

uint32_t Os_Echte_Zeit_Ms()
{
    auto d = std::chrono::steady_clock::now() - real_start;
    return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(d).count());
}

static bool reached(uint32_t now, uint32_t t) { return int32_t(now - t) >= 0; }

// Every follower sleeps towards a time still ahead: nothing is due, the clock may move on.
static bool followers_settled(uint32_t now)
{
    if (follower_count != follower_sleeping) return false;
    for (uint32_t t : follower_targets)
        if (reached(now, t)) return false;
    return true;
}

// Moves the clock towards the horizon of the advance under way, stopping at each follower's
// wake time: a follower's pass runs at exactly the virtual time it slept until, before the
// clock goes on. Called with clock_mutex held, by the advancing thread and by a follower
// about to sleep, so that a lone timer thread steps through a long advance without waiting
// for the window thread at every pass.
static void clock_step_locked()
{
    while (clock_advancing) {
        uint32_t now = virtual_ms.load();
        if (now == clock_horizon || !followers_settled(now)) return;
        uint32_t next = clock_horizon;
        for (uint32_t t : follower_targets)
            if (int32_t(t - next) < 0) next = t;
        virtual_ms.store(next);
        // Only a follower whose time has come needs waking: waking the others at every
        // millisecond would cost a thread switch per pump of a busy screen.
        if (!follows_clock || follower_sleeping > 1)
            for (uint32_t t : follower_targets)
                if (reached(next, t)) {
                    clock_cv.notify_all();
                    break;
                }
    }
}

// The routine clocked on the advancing thread and the virtual time of its next pass.
std::atomic<Os_Takt> takt{nullptr};
std::atomic<uint32_t> takt_faellig{0};

void Os_Clock_Takt_Setzen(Os_Takt routine)
{
    takt_faellig.store(virtual_ms.load());
    takt.store(routine);
}

// Moves the clock `ms` on, stopping at every follower's wake time (advance_mutex held).
static void clock_advance_followers(uint32_t ms)
{
    // Nobody follows the clock (headless the timer's passes run on this thread), and a step of a
    // millisecond at most, an idle pump's: there is no wake time to stop at and nobody to wait
    // for. A thread that begins to follow meanwhile sleeps towards a time at least as far and
    // is woken to see the clock there. In a program of one thread no follower can begin, and a
    // step of any length is the same.
    if ((ms <= 1 || Os_Ein_Faden()) && follower_count.load() == 0) {
        Os_Wort_Setzen(virtual_ms, virtual_ms.load() + ms);
        if (follower_count.load() != 0) {
            std::lock_guard<std::mutex> lock(clock_mutex);
            clock_cv.notify_all();
        }
        return;
    }
    {
        std::unique_lock<std::mutex> lock(clock_mutex);
        clock_horizon = virtual_ms.load() + ms;
        clock_advancing = true;
        for (;;) {
            clock_step_locked();
            // Wait until every follower that is due has run its pass. Bounded: a follower that
            // makes no progress for 200 ms (suspended, busy) cannot hang the program.
            uint32_t seen = virtual_ms.load();
            // Settled already (no follower, or none due), as nearly every pass is: no wait, and no
            // reading of the real clock the wait's deadline would take.
            bool settled = followers_settled(seen) ||
                           clock_cv.wait_for(lock, std::chrono::milliseconds(200),
                                             [&] { return followers_settled(virtual_ms.load()); });
            if (!settled && virtual_ms.load() == seen) {
                virtual_ms.store(clock_horizon);
                clock_cv.notify_all();
                break;
            }
            if (settled && virtual_ms.load() == clock_horizon) break;
        }
        clock_advancing = false;
    }
}

// The advance with its lock, its clocked passes and its followers, out of the idle pump's way.
[[gnu::noinline]] static void clock_advance_locked(uint32_t ms)
{
    {
        // In a program of one thread nobody else can be advancing: the lock is taken only once a
        // second thread exists (a clocked pass may start one).
        std::unique_lock<std::mutex> one(advance_mutex, std::defer_lock);
        if (!Os_Ein_Faden()) one.lock();
        const uint32_t ziel = virtual_ms.load() + ms;
        // The clocked routine's passes on the way, each at its own time, on this thread: no
        // other thread needs waking for them.
        for (;;) {
            const Os_Takt routine = takt.load();
            const uint32_t jetzt = virtual_ms.load();
            const uint32_t faellig = takt_faellig.load();
            const bool pass = routine && reached(ziel, faellig);
            const uint32_t bis = !pass ? ziel : reached(jetzt, faellig) ? jetzt : faellig;
            clock_advance_followers(bis - jetzt);
            if (!pass) break;
            const uint32_t naechster = routine();
            if (!one.owns_lock() && !Os_Ein_Faden()) one.lock();
            // A routine set anew meanwhile keeps the time it was set for.
            if (takt.load() == routine && takt_faellig.load() == faellig)
                Os_Wort_Setzen(takt_faellig, virtual_ms.load() + naechster);
        }
    }
    // Headless sound plays exactly as far as the virtual clock goes.
    Os_Sound_Advance(ms);
}

void Os_Clock_Advance(uint32_t ms)
{
    // An idle pump's millisecond or a sleep in a program of one thread, with no clocked pass due
    // on the way and nobody following the clock: the clock steps on its own, and no other thread
    // can be advancing meanwhile (none exists, and none is started without a pass that could
    // start it).
    if (Os_Ein_Faden() && follower_count.load() == 0) {
        const uint32_t ziel = virtual_ms.load() + ms;
        if (!takt.load() || !reached(ziel, takt_faellig.load())) {
            // Nobody else to see the store: no fence.
            virtual_ms.store(ziel, std::memory_order_relaxed);
            Os_Sound_Advance(ms);
            return;
        }
    }
    clock_advance_locked(ms);
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
    // A follower waits until the clock has moved on: its pass runs at the virtual time it slept
    // until, however long the window thread takes in real time for a frame. Only a clock that
    // nobody advances for a long while lets it go on (a window thread blocked elsewhere), and a
    // wake call (the thread is told to end) ends the wait at once.
    std::unique_lock<std::mutex> lock(clock_mutex);
    uint32_t target = virtual_ms.load() + ms;
    const uint32_t weckruf = follower_wake;
    follower_targets.push_back(target);
    ++follower_sleeping;
    clock_step_locked();
    if (!reached(virtual_ms.load(), target)) {
        clock_cv.notify_all();  // the advancing thread may wait for this follower to sleep
        for (;;) {
            const uint32_t vorher = virtual_ms.load();
            const bool wach = clock_cv.wait_for(lock, std::chrono::milliseconds(FOLLOWER_STILLSTAND_MS), [&] {
                return reached(virtual_ms.load(), target) || follower_wake != weckruf;
            });
            if (wach || virtual_ms.load() == vorher) break;
        }
    }
    --follower_sleeping;
    follower_targets.erase(std::find(follower_targets.begin(), follower_targets.end(), target));
}

void Os_Thread_Wake_Followers()
{
    {
        std::lock_guard<std::mutex> lock(clock_mutex);
        ++follower_wake;
    }
    clock_cv.notify_all();
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

// After every change of the queue (queue_mutex held).
static void queue_gezaehlt() { queue_laenge.store(queue.size()); }

void Os_Post_Message(uint32_t message, uint64_t wparam, int64_t lparam)
{
    std::lock_guard<std::mutex> lock(queue_mutex);
    queue.push_back({message, wparam, lparam});
    queue_gezaehlt();
}

bool Os_Message_Waiting(uint32_t message)
{
    std::lock_guard<std::mutex> lock(queue_mutex);
    if (loslassen_gehalten && gehaltenes_loslassen.message == message) return true;
    return std::any_of(queue.begin(), queue.end(), [&](const Os_Message& m) { return m.message == message; });
}

void Os_Drop_Messages(uint32_t message, uint64_t wparam)
{
    std::lock_guard<std::mutex> lock(queue_mutex);
    std::erase_if(queue, [&](const Os_Message& m) { return m.message == message && m.wparam == wparam; });
    queue_gezaehlt();
}

void Os_Clear_Messages()
{
    std::lock_guard<std::mutex> lock(queue_mutex);
    queue.clear();
    queue_gezaehlt();
    loslassen_gehalten = false;
    zusammen_gedrueckt = -1;
}

// ---- Input state ----

void Os_Input_Set_Mouse(int x, int y)
{
    mouse_x = x;
    mouse_y = y;
}

void Os_Input_Set_Buttons(bool left, bool right)
{
    const bool links_neu = left && !mouse_left.exchange(true);
    if (!left) mouse_left = false;
    const bool rechts_neu = right && !mouse_right.exchange(true);
    if (!right) mouse_right = false;
    if (links_neu || rechts_neu) {
        press_x = mouse_x.load();
        press_y = mouse_y.load();
    }
    if (links_neu) ++presses_left;
    if (rechts_neu) ++presses_right;
}

void Os_Input_Set_Shift(bool held) { shift_held = held; }

void Os_Mouse_Press_Position(int* x, int* y)
{
    *x = press_x;
    *y = press_y;
}

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

// A script stopped or replaced in the middle of a click leaves no button held.
static void script_loslassen()
{
    if (script.links_gedrueckt || script.rechts_gedrueckt)
        Os_Input_Set_Buttons(mouse_left && !script.links_gedrueckt, mouse_right && !script.rechts_gedrueckt);
    script.links_gedrueckt = script.rechts_gedrueckt = false;
}

void Os_Script_Load_Text(const std::string& text)
{
    script_loslassen();
    script = Script();
    ++script_stand;
    script.active = true;
    // A season's script has tens of thousands of lines: room for all of them at once.
    size_t zeilen = 1;
    for (const char *p = text.data(), *e = p + text.size(); (p = static_cast<const char*>(std::memchr(p, '\n', size_t(e - p)))); ++p)
        ++zeilen;
    script.lines.reserve(zeilen);
    // Line by line as getline splits them (a last line without its newline counts), each without
    // its carriage return and its leading blanks.
    const std::string_view rest(text);
    for (size_t anfang = 0; anfang < rest.size();) {
        size_t ende = rest.find('\n', anfang);
        const size_t naechste = ende == std::string_view::npos ? rest.size() : ende + 1;
        if (ende == std::string_view::npos) ende = rest.size();
        if (ende > anfang && rest[ende - 1] == '\r') --ende;
        size_t a = anfang;
        while (a < ende && (rest[a] == ' ' || rest[a] == '\t')) ++a;
        if (a < ende && rest[a] != '#') script.lines.emplace_back(rest.substr(a, ende - a));
        anfang = naechste;
    }
}

void Os_Set_Role_Answer(int server) { role_answer = server ? 1 : 0; }

bool Os_Role_Given() { return role_given; }

void Os_Set_Script_Game_Hook(Os_Script_Game_Hook hook) { spiel_hook = hook; }

// The program is busy: the script gives nothing.
static bool script_gehalten = false;
// A screen runs on its own: a wait is not cut short.
static bool laufender_schirm = false;

bool Os_Script_Laufender_Schirm(bool an)
{
    const bool vorher = laufender_schirm;
    laufender_schirm = an;
    return vorher;
}

bool Os_Script_Halten(bool halten)
{
    const bool vorher = script_gehalten;
    script_gehalten = halten;
    return vorher;
}

bool Os_Script_Finished()
{
    return !script.active || (script.next >= script.lines.size() && !script.waiting);
}

void Os_Script_Stop()
{
    script_loslassen();
    script = Script();
    ++script_stand;
    script_gehalten = false;
    laufender_schirm = false;
    answers.clear();
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

namespace {

enum class Befehl { move, click, left, right, key, key_down, key_up, wheel, wait, wait_input, activate, dump, quit, answer, clipboard, spiel };
enum class Zeilen_Fehler { keiner, unbekannt, ungueltig, tastencode };

struct Skript_Zeile {
    Befehl befehl = Befehl::quit;
    int32_t a = 0, b = 0;  // numbers, or 1 for "down"/"up" (wheel: up)
    std::string datei;
};

// A decimal number of at most ten digits, all of the token, within [lo, hi].
bool zahl_lesen(std::string_view t, int64_t lo, int64_t hi, int64_t* out)
{
    size_t i = t.size() > 0 && t[0] == '-' ? 1 : 0;
    if (i == t.size() || t.size() - i > 10) return false;
    int64_t v = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') return false;
        v = v * 10 + (t[i] - '0');
    }
    if (t[0] == '-') v = -v;
    if (v < lo || v > hi) return false;
    *out = v;
    return true;
}

// Reads one line strictly: the command, exactly its arguments, numbers in range. A line that
// does not read is refused whole; half of it is never run.
Zeilen_Fehler zeile_lesen(const std::string& line, Skript_Zeile* z)
{
    // The command and the words after it, as many as a command reads (each line is read once,
    // in the pump that reaches it: no copies of its words).
    constexpr size_t WOERTER = 4;
    std::string_view t[WOERTER];
    size_t woerter = 0;                     // all of them, the command included
    size_t rest_start = std::string::npos;  // where the arguments of the command begin
    const std::string_view zeile(line);
    for (size_t i = 0, gelesen = 0; i < zeile.size();) {
        if (zeile[i] == ' ' || zeile[i] == '\t') {
            ++i;
            continue;
        }
        size_t e = i;
        while (e < zeile.size() && zeile[e] != ' ' && zeile[e] != '\t') ++e;
        const std::string_view wort = zeile.substr(i, e - i);
        i = e;
        // "mouse move X Y" reads as "move X Y".
        if (gelesen++ == 0 && wort == "mouse") continue;
        if (woerter == 0) rest_start = e;
        if (woerter < WOERTER) t[woerter] = wort;
        ++woerter;
    }
    if (woerter == 0) return Zeilen_Fehler::unbekannt;
    // The commands scripts use most come first.
    static constexpr std::pair<std::string_view, Befehl> namen[] = {
        {"wait", Befehl::wait},         {"move", Befehl::move},       {"left", Befehl::left},
        {"click", Befehl::click},       {"key", Befehl::key},         {"right", Befehl::right},
        {"key_down", Befehl::key_down}, {"key_up", Befehl::key_up},   {"wheel", Befehl::wheel},
        {"activate", Befehl::activate}, {"dump", Befehl::dump},       {"quit", Befehl::quit},
        {"answer", Befehl::answer},     {"clipboard", Befehl::clipboard}, {"game", Befehl::spiel}};
    bool bekannt = false;
    for (const auto& [name, befehl] : namen)
        if (t[0] == name) {
            z->befehl = befehl;
            bekannt = true;
            break;
        }
    if (!bekannt) return Zeilen_Fehler::unbekannt;
    const size_t args = woerter - 1;
    int64_t a = 0, b = 0;
    auto ok = [&](bool gelesen) {
        z->a = int32_t(a), z->b = int32_t(b);
        return gelesen ? Zeilen_Fehler::keiner : Zeilen_Fehler::ungueltig;
    };
    switch (z->befehl) {
    case Befehl::move:
    case Befehl::click:
        // Window coordinates travel as two 16-bit halves of one message word.
        return ok(args == 2 && zahl_lesen(t[1], -32768, 32767, &a) &&
                  zahl_lesen(t[2], -32768, 32767, &b));
    case Befehl::left:
    case Befehl::right:
    case Befehl::wheel: {
        const char* eins = z->befehl == Befehl::wheel ? "up" : "down";
        const char* null = z->befehl == Befehl::wheel ? "down" : "up";
        a = args == 1 && t[1] == eins ? 1 : 0;
        return ok(args == 1 && (t[1] == eins || t[1] == null));
    }
    case Befehl::key:
    case Befehl::key_down:
    case Befehl::key_up:
        if (args != 1 || !zahl_lesen(t[1], INT64_MIN, INT64_MAX, &a)) return Zeilen_Fehler::ungueltig;
        z->a = int32_t(a);
        return a >= 1 && a <= 255 ? Zeilen_Fehler::keiner : Zeilen_Fehler::tastencode;
    case Befehl::wait:
        if (args == 1 && t[1] == "input") {
            z->befehl = Befehl::wait_input;
            return Zeilen_Fehler::keiner;
        }
        // Longer waits would not compare on the 32-bit clock.
        return ok(args == 1 && zahl_lesen(t[1], 0, INT32_MAX, &a));
    case Befehl::activate:
        return ok(args == 1 && (t[1] == "0" || t[1] == "1") && zahl_lesen(t[1], 0, 1, &a));
    case Befehl::dump: {
        // The file is the rest of the line and may hold blanks.
        if (args == 0) return Zeilen_Fehler::ungueltig;
        size_t von = line.find_first_not_of(" \t", rest_start);
        size_t bis = line.find_last_not_of(" \t");
        z->datei = line.substr(von, bis + 1 - von);
        return Zeilen_Fehler::keiner;
    }
    case Befehl::quit:
        return ok(args == 0);
    case Befehl::wait_input:  // read from "wait input" above; no word of its own
        return Zeilen_Fehler::unbekannt;
    case Befehl::spiel:
        // A name the game knows and an optional number.
        if (args < 1 || args > 2) return Zeilen_Fehler::ungueltig;
        z->datei = std::string(t[1]);
        return ok(args == 1 || zahl_lesen(t[2], INT32_MIN, INT32_MAX, &a));
    case Befehl::answer:
    case Befehl::clipboard: {
        // The text is the rest of the line (it may be empty).
        size_t von = args == 0 ? std::string::npos : line.find_first_not_of(" \t", rest_start);
        size_t bis = line.find_last_not_of(" \t");
        z->datei = von == std::string::npos ? std::string() : Os_Text_Aus_System(zeile.substr(von, bis + 1 - von));
        return Zeilen_Fehler::keiner;
    }
    }
    return Zeilen_Fehler::unbekannt;
}

void zeile_melden(const char* was, const std::string& line)
{
    std::fprintf(stderr, "%s '%s'\n", Os_Text_Utf8(was).c_str(), line.c_str());
    std::fflush(stderr);
}

bool queue_empty() { return queue_laenge.load() == 0; }

struct Gelesene_Zeile {
    size_t index = SIZE_MAX;
    uint64_t stand = 0;
    Zeilen_Fehler fehler = Zeilen_Fehler::unbekannt;
    Skript_Zeile z;
};

Gelesene_Zeile zuletzt_gelesen;

// Every line of the script as read once at its start (headless, where the whole script is read to
// know whether it takes pictures), one for each of script.lines while the lines stand as they
// were read then (a click's own lines are put in here too): no line is read a second time.
std::vector<Gelesene_Zeile> alle_gelesen;
uint64_t alle_gelesen_stand = UINT64_MAX;
// The last of those lines that takes a picture, SIZE_MAX for none.
size_t letztes_bild = SIZE_MAX;

Gelesene_Zeile gelesen(const std::string& line)
{
    Gelesene_Zeile g;
    g.fehler = zeile_lesen(line, &g.z);
    return g;
}

}  // namespace

// Whether a line of the loaded script takes a picture (a dump, or a line that does not read and
// might have been meant as one).
static bool skript_zeigt_bilder()
{
    alle_gelesen.clear();
    alle_gelesen.reserve(script.lines.size());
    letztes_bild = SIZE_MAX;
    // A script repeats a few lines thousands of times (its waits and clicks): a line the same as
    // one of the last distinct lines read takes that one's reading (a reading depends on the
    // line's text alone). Each is known by its length and first eight bytes, and compared whole
    // only where those agree and it is longer.
    struct Zuletzt {
        size_t laenge, index;
        uint64_t kopf;
    };
    auto kopf = [](const std::string& t) {
        uint64_t k = 0;
        std::memcpy(&k, t.data(), std::min<size_t>(t.size(), sizeof k));
        return k;
    };
    constexpr size_t ZULETZT = 16;
    Zuletzt zuletzt[ZULETZT];
    size_t zuletzt_anzahl = 0, zuletzt_frei = 0;
    bool bilder = false;
    for (size_t n = 0; n < script.lines.size(); ++n) {
        const std::string& line = script.lines[n];
        const uint64_t k0 = kopf(line);
        size_t gleich = SIZE_MAX;
        for (size_t k = 0; k < zuletzt_anzahl; ++k) {
            const Zuletzt& z = zuletzt[k];
            if (z.kopf == k0 && z.laenge == line.size() && (z.laenge <= sizeof k0 || script.lines[z.index] == line)) {
                gleich = z.index;
                break;
            }
        }
        if (gleich != SIZE_MAX) {
            alle_gelesen.push_back(alle_gelesen[gleich]);
        } else {
            alle_gelesen.push_back(gelesen(line));
            zuletzt[zuletzt_frei] = {line.size(), n, k0};
            zuletzt_frei = (zuletzt_frei + 1) % ZULETZT;
            zuletzt_anzahl = std::min(zuletzt_anzahl + 1, ZULETZT);
        }
        const Gelesene_Zeile& g = alle_gelesen.back();
        if (g.fehler != Zeilen_Fehler::keiner || g.z.befehl == Befehl::dump) bilder = true, letztes_bild = n;
    }
    alle_gelesen_stand = script_stand;
    return bilder;
}

namespace {

// Out of the pump's way: a line is read once.
[[gnu::noinline]] void zeile_merken(size_t index)
{
    zuletzt_gelesen.z = Skript_Zeile();
    zuletzt_gelesen.fehler = zeile_lesen(script.lines[index], &zuletzt_gelesen.z);
    zuletzt_gelesen.index = index;
    zuletzt_gelesen.stand = script_stand;
}

// The script's line at `index` read, the last one remembered until the lines change: a line
// that holds (a wait) is asked for on every pump, thousands of times a match day. The answer
// stands until the next call.
inline const Gelesene_Zeile& skript_zeile(size_t index)
{
    if (script_stand == alle_gelesen_stand && index < alle_gelesen.size()) return alle_gelesen[index];
    if (index != zuletzt_gelesen.index || script_stand != zuletzt_gelesen.stand) zeile_merken(index);
    return zuletzt_gelesen;
}

}  // namespace

// Runs a line that acts (not a wait), out of the way of the pumps that look at a waiting one. It
// has its own copy of the line: what it runs may read other lines.
[[gnu::noinline]] static bool zeile_ausfuehren(const Skript_Zeile z)
{
    if (z.befehl == Befehl::spiel && spiel_hook && !spiel_hook(z.datei, z.a)) {
        // The game is not there yet: the line waits, in real time, for other processes.
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        return false;
    }
    ++script.next;
    const int32_t x = z.a, y = z.b;
    const int64_t pos = int32_t(uint32_t(uint16_t(y)) << 16 | uint16_t(x));
    switch (z.befehl) {
    case Befehl::move:
        Os_Input_Set_Mouse(x, y);
        Os_Post_Message(WM_MOUSEMOVE, 0, pos);
        break;
    case Befehl::click: {
        // As a hand clicks: the pointer arrives, then the button is held over a few passes of
        // the program. A press and release in one poll is reported once, and a loop that only
        // peeks at the buttons (a hover glow, a fade) would take it from the menu's event step.
        Os_Input_Set_Mouse(x, y);
        Os_Post_Message(WM_MOUSEMOVE, 0, pos);
        static const std::string klick_zeilen[] = {"left down", "wait 100", "left up"};
        const long hier = long(script.next);
        script.lines.insert(script.lines.begin() + hier, std::begin(klick_zeilen), std::end(klick_zeilen));
        if (alle_gelesen_stand == script_stand) {
            static const Gelesene_Zeile klick_gelesen[] = {gelesen(klick_zeilen[0]), gelesen(klick_zeilen[1]),
                                                           gelesen(klick_zeilen[2])};
            alle_gelesen.insert(alle_gelesen.begin() + hier, std::begin(klick_gelesen), std::end(klick_gelesen));
            if (letztes_bild != SIZE_MAX && letztes_bild >= size_t(hier)) letztes_bild += std::size(klick_zeilen);
            ++alle_gelesen_stand;
        }
        ++script_stand;
        break;
    }
    case Befehl::left:
        script.links_gedrueckt = z.a != 0;
        if (z.a) {
            script_left_down();
        } else {
            Os_Input_Set_Buttons(false, mouse_right);
            Os_Post_Message(WM_LBUTTONUP, 0, 0);
        }
        break;
    case Befehl::right:
        script.rechts_gedrueckt = z.a != 0;
        Os_Input_Set_Buttons(mouse_left, z.a != 0);
        Os_Post_Message(z.a ? WM_RBUTTONDOWN : WM_RBUTTONUP, z.a ? 2 : 0, 0);
        break;
    case Befehl::key:
    case Befehl::key_down:
    case Befehl::key_up:
        if (z.befehl != Befehl::key_up) {
            if (z.a == VK_SHIFT) Os_Input_Set_Shift(true);
            Os_Post_Message(WM_KEYDOWN, uint64_t(z.a), 1);
        }
        if (z.befehl != Befehl::key_down) {
            if (z.a == VK_SHIFT) Os_Input_Set_Shift(false);
            Os_Post_Message(WM_KEYUP, uint64_t(z.a), int64_t(0xC0000001u));
        }
        break;
    case Befehl::wheel: {
        // Windows: a positive delta is a step away from the user ("up").
        int16_t delta = z.a ? 120 : -120;
        Os_Post_Message(WM_MOUSEWHEEL, uint64_t(uint16_t(delta)) << 16, 0);
        break;
    }
    case Befehl::activate:
        Os_Post_Message(WM_ACTIVATEAPP, uint64_t(z.a), 0);
        break;
    case Befehl::dump:
        if (!Os_Display_Dump_Png(script_path(z.datei).c_str()))
            std::fprintf(stderr, "dorvin: Bild %s nicht geschrieben\n", z.datei.c_str());
        break;
    case Befehl::quit:
        Os_Post_Message(WM_CLOSE, 0, 0);
        break;
    case Befehl::answer:
        answers.push_back(z.datei);
        break;
    case Befehl::clipboard:
        clipboard = z.datei;
        clipboard_set = true;
        break;
    case Befehl::wait:
    case Befehl::wait_input:
        break;
    case Befehl::spiel:
        if (!spiel_hook) zeile_melden("dorvin: Skriptzeile ohne Spiel", "game " + z.datei);
        break;
    }
    return true;
}

// A dialog reads the answer and picture lines right behind the line that opened it.
static bool im_dialog = false;
// Rests and passes of the program (it waits for input, or asks for the script's next line) that
// a picture of a dialog waits for the dialog.
constexpr uint32_t DIALOG_RUHE = 200;

// A dump line whose run of dump lines ends in an answer pictures the dialog the answer is for:
// it waits until the dialog opens (and takes it with the answer), as the click that opens a
// dialog may reach the program some passes before the dialog stands. A program that rests
// DIALOG_RUHE times without one takes it as a plain picture. A screen that plays on its own (a
// match day) is pictured as it plays: an answer there waits for a key that comes later.
static bool dialog_bild_wartet()
{
    if (im_dialog || laufender_schirm || script.next >= script.lines.size()) return false;
    bool antwort = false;
    for (size_t i = script.next; i < script.lines.size(); ++i) {
        const Gelesene_Zeile& g = skript_zeile(i);
        if (g.fehler != Zeilen_Fehler::keiner || (g.z.befehl != Befehl::dump && g.z.befehl != Befehl::answer)) break;
        if ((antwort = g.z.befehl == Befehl::answer)) break;
    }
    // The line read last is the line to run again (callers hold it by reference).
    skript_zeile(script.next);
    if (!antwort) return false;
    if (script.dialog_zeile != script.next) script.dialog_zeile = script.next, script.dialog_ruhe = 0;
    return script.dialog_ruhe < DIALOG_RUHE;
}

// Runs the script's next line, as read (`gelesen` is skript_zeile(script.next), the pump's
// feed has it at hand already); returns false when it waits.
static bool zeile_schritt(const Gelesene_Zeile& gelesen)
{
    const Zeilen_Fehler fehler = gelesen.fehler;
    if (fehler != Zeilen_Fehler::keiner) {
        const std::string& line = script.lines[script.next];
        ++script.next;
        zeile_melden(fehler == Zeilen_Fehler::unbekannt    ? "dorvin: unbekannte Skriptzeile"
                     : fehler == Zeilen_Fehler::tastencode ? "dorvin: ungültiger Tastencode in Skriptzeile"
                                                           : "dorvin: ungültige Skriptzeile",
                     line);
        return true;
    }
    // A waiting line is looked at on every pump: no copy of it.
    const Befehl befehl = gelesen.z.befehl;
    const int32_t wartezeit = gelesen.z.a;
    // Until the program takes input off the match day's screens again (a turn, a dialog): the
    // clock is left alone, however long the day lasts.
    if (befehl == Befehl::wait_input) {
        script.waiting = laufender_schirm;
        if (laufender_schirm) return false;
        ++script.next;
        return true;
    }
    if (befehl == Befehl::wait) {
        if (!script.waiting) {
            script.waiting = true;
            script.wait_until = Os_Time_Ms() + uint32_t(wartezeit);
            script.wait_passes = script.wait_feeds = 0;
        }
        // Headless, with no input queued and nothing playing, only the timers can act before
        // the wait ends: the clock runs there at once, each timer pass still at its own time.
        // First the program comes to rest a few times (its main loop waits for input) at the
        // present time, as it would in the window: a menu needs one pass to leave the icon the
        // pointer left and one to take the new one, and a fade or glow that polls the buttons
        // meanwhile must not take the whole wait. A program that never rests gets the jump at
        // once; one in a loop of its own for a while, after a while.
        // A screen that plays on its own (a match day) shows the wait's time frame by frame.
        // A held button is input the program polls pass by pass, as in the window: no jump.
        ++script.wait_feeds;
        int32_t rest = int32_t(script.wait_until - Os_Time_Ms());
        const bool eingeschwungen = !script.geruht || script.wait_passes >= 3 || script.wait_feeds >= 2000;
        if (rest > 0 && eingeschwungen && !laufender_schirm && !mouse_left && !mouse_right && Os_Headless() && queue_empty() &&
            Os_Sound_Alle_Still())
            Os_Clock_Advance(uint32_t(rest));
        if (int32_t(Os_Time_Ms() - script.wait_until) < 0) return false;
        script.waiting = false;
        ++script.next;
        return true;
    }
    if (befehl == Befehl::dump && dialog_bild_wartet()) {
        ++script.dialog_ruhe;
        return false;
    }
    return zeile_ausfuehren(gelesen.z);
}

bool Os_Display_Kein_Bild_Voraus()
{
    if (Os_Display_Niemand_Sieht()) return true;
    // a script changed since it was read whole is not known line by line
    if (!Os_Headless() || Os_Display_Bild_Gefragt() || !script.active || alle_gelesen_stand != script_stand) return false;
    return letztes_bild == SIZE_MAX || script.next > letztes_bild;
}

// Runs one line of the script; returns false when it waits.
static bool script_step()
{
    if (script.next >= script.lines.size()) return false;
    return zeile_schritt(skript_zeile(script.next));
}

// The script has a line for the program now (not a wait): input as good as arrived.
static bool script_line_ready()
{
    if (!script.active || script_gehalten || script.next >= script.lines.size()) return false;
    const Gelesene_Zeile& g = skript_zeile(script.next);
    if (g.fehler == Zeilen_Fehler::keiner && g.z.befehl == Befehl::dump && dialog_bild_wartet()) return false;
    return g.fehler != Zeilen_Fehler::keiner ||
           (g.z.befehl != Befehl::wait && (g.z.befehl != Befehl::wait_input || !laufender_schirm));
}

bool Os_Script_Laesst_Laufen()
{
    if (!script.active || !script.waiting || !laufender_schirm || script.next >= script.lines.size()) return false;
    const Gelesene_Zeile& g = skript_zeile(script.next);
    return g.fehler == Zeilen_Fehler::keiner && g.z.befehl == Befehl::wait_input;
}

static Os_Warte_Hook warte_hook = nullptr;
void Os_Set_Warte_Hook(Os_Warte_Hook hook) { warte_hook = hook; }

void Os_Wait_Input(uint32_t ms)
{
    if (warte_hook) warte_hook(ms);
    if (!queue_empty()) return;
    if (script.active && script.dialog_zeile == script.next) ++script.dialog_ruhe;
    if (!Os_Headless()) {
        if (window.open) Os_Sdl_Wait(ms);
        else Os_Sleep(ms);
        return;
    }
    if (script.active) script.geruht = true;
    if (script_line_ready()) return;
    if (script.waiting) ++script.wait_passes;
    Os_Sleep(ms);
}

bool Os_Dialog_Answer(std::string* out)
{
    // Answer lines right behind the line that opened the dialog belong to it.
    // So do pictures taken of the dialog before it is answered.
    im_dialog = true;
    while (answers.empty() && script.active && script.next < script.lines.size()) {
        const Gelesene_Zeile& g = skript_zeile(script.next);
        if (g.fehler != Zeilen_Fehler::keiner || (g.z.befehl != Befehl::answer && g.z.befehl != Befehl::dump)) break;
        script_step();
    }
    im_dialog = false;
    if (answers.empty()) return false;
    if (out) *out = answers.front();
    answers.pop_front();
    return true;
}

bool Os_Clipboard_Get_Text(std::string* out)
{
    if (!Os_Headless() && window.open) return Os_Sdl_Clipboard_Get(out);
    if (!clipboard_set) return false;
    if (out) *out = clipboard;
    return true;
}

bool Os_Clipboard_Set_Text(const std::string& text)
{
    if (!Os_Headless() && window.open) return Os_Sdl_Clipboard_Set(text);
    clipboard = text;
    clipboard_set = true;
    return true;
}

static void script_feed()
{
    // A busy program pumps only to stay alive: its input comes once it waits for some.
    if (!script.active || script_gehalten) return;
    if (script.next < script.lines.size()) {
        // A press with its release right behind it comes in one poll, as the window's events
        // of a fast click do: the program sees the up state with the press counted.
        const Gelesene_Zeile& zeile = skript_zeile(script.next);
        const Befehl knopf = zeile.z.befehl;
        const bool druck = zeile.fehler == Zeilen_Fehler::keiner &&
                           (knopf == Befehl::left || knopf == Befehl::right) && zeile.z.a == 1;
        zeile_schritt(zeile);
        if (druck && script.next < script.lines.size()) {
            const Gelesene_Zeile& danach = skript_zeile(script.next);
            if (danach.fehler == Zeilen_Fehler::keiner && danach.z.befehl == knopf && danach.z.a == 0) script_step();
        }
    } else if (!script.closed) {
        script.closed = true;
        Os_Post_Message(WM_CLOSE, 0, 0);
    }
}

static bool ist_taste_oder_knopf(const Os_Message& m)
{
    switch (m.message) {
    case WM_KEYDOWN: case WM_KEYUP: case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: return true;
    default: return false;
    }
}

// The queue's next message, with a quick press's release held back (queue_mutex held).
static bool naechste_nachricht(Os_Message* out)
{
    const uint32_t jetzt = Os_Time_Ms();
    if (loslassen_gehalten && (jetzt - gedrueckt_um >= OS_TASTE_HALTEN_MS ||
                               std::any_of(queue.begin(), queue.end(), ist_taste_oder_knopf))) {
        loslassen_gehalten = false;
        if (out) *out = gehaltenes_loslassen;
        return true;
    }
    while (!queue.empty()) {
        const Os_Message m = queue.front();
        queue.pop_front();
        queue_gezaehlt();
        if (m.message == WM_KEYDOWN) {
            const bool los_dahinter = std::any_of(queue.begin(), queue.end(), [&](const Os_Message& q) {
                return q.message == WM_KEYUP && q.wparam == m.wparam;
            });
            zusammen_gedrueckt = los_dahinter ? int64_t(m.wparam) : -1;
            gedrueckt_um = jetzt;
        } else if (m.message == WM_KEYUP && int64_t(m.wparam) == zusammen_gedrueckt) {
            zusammen_gedrueckt = -1;
            if (jetzt - gedrueckt_um < OS_TASTE_HALTEN_MS && !loslassen_gehalten) {
                loslassen_gehalten = true;
                gehaltenes_loslassen = m;
                continue;
            }
        }
        if (out) *out = m;
        return true;
    }
    return false;
}

bool Os_Take_Message(Os_Message* out)
{
    Os_Socket_Poll();
    const bool headless = Os_Headless();
    // A script drives a real window too, for looking at real runs.
    if (!headless && window.open) Os_Sdl_Poll();
    // The script is fed only when the program has taken what it gave before.
    if ((headless || window.open) && queue_empty()) script_feed();
    // Nothing queued and no release held back: nothing to take, and no lock to take for it.
    if (queue_empty() && !loslassen_gehalten.load()) return false;
    std::lock_guard<std::mutex> lock(queue_mutex);
    return naechste_nachricht(out);
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
    // --role answers for the user, so that a scripted run of the window is not held up.
    if (Os_Headless() || role_given) return role_answer;
    return Os_Sdl_Role_Dialog(Os_Text_Utf8(caption ? caption : "").c_str(),
                              Os_Text_Utf8(text ? text : "").c_str());
}
