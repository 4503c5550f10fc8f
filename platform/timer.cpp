// The timer thread. Every word that the window thread and the timer thread share is atomic
// (sequentially consistent): each side raises its own flag before it tests the other's, so a
// gate lowered by the window thread (pause, enabled, active, suspended) is always seen by the
// thread before it calls a routine, and the window thread always sees a routine that started.
#include "platform/timer.h"

#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "platform/print.h"
#include "platform/os/os.h"
#include "platform/win95.h"

namespace {

struct Slot {
    std::atomic<uint32_t> active{0};
    std::atomic<uint32_t> enabled{0};
    std::atomic<uint32_t> last_time{0};
    std::atomic<uint32_t> busy{0};
    std::atomic<uint32_t> interval{0};
    std::atomic<Timer_Callback> callback{nullptr};
};

Slot slots[TIMER_SLOTS];
// Slots from here on have never been taken since the start: a pass stops there (the pointer's
// redraw is usually the only routine, and a pass comes every 24 ms).
std::atomic<int> slots_bis{0};
std::thread timer_thread;
std::atomic<bool> started{false};
std::atomic<uint32_t> running{0}, quit{0}, pause_all{0}, in_pass{0}, suspended{0};
std::atomic<int> priority{1};
std::mutex suspend_mutex;
std::condition_variable suspend_cv;

bool valid(int slot) { return slot >= 0 && slot < TIMER_SLOTS; }

void wait_while_busy(int slot)
{
    while (slots[slot].busy.load()) std::this_thread::yield();
}

// The pass's own stores go through Os_Wort_Setzen: fenced only once a second thread exists
// (headless, with the passes on the clock's thread, there is none to see them).
void run_pass()
{
    uint32_t now = Timer_Get_Time();
    const int bis = slots_bis.load();
    for (int i = 0; i < bis; ++i) {
        Slot& s = slots[i];
        if (!Win95_Eingabe.aktiv.load() || pause_all.load()) break;
        if (!s.active.load() || s.busy.load() || !s.enabled.load()) continue;
        if (int32_t(now - s.last_time.load()) < int32_t(s.interval.load())) continue;
        Os_Wort_Setzen(s.busy, 1);
        Os_Wort_Setzen(s.last_time, now);
        Timer_Callback cb = s.callback.load();
        // Test the gates again now that busy is up: a pause or remove that came in between has
        // either seen busy or is seen here.
        if (!pause_all.load() && Win95_Eingabe.aktiv.load() && s.active.load() &&
            s.enabled.load() && cb)
            cb();
        Os_Wort_Setzen(s.busy, 0);
    }
}

constexpr uint32_t PASS_ABSTAND_MS = 24, INAKTIV_ABSTAND_MS = 10;

// Headless the passes run on the thread that advances the virtual clock, each at the virtual
// time the thread would have slept until: the same passes at the same times, without a thread
// switch for each (the clock would wait for the thread at every one).
bool getaktet = false;
// This thread runs a pass now: it cannot wait for the pass's end (an exit from inside one).
thread_local bool im_pass = false;

uint32_t getakteter_pass()
{
    if (suspended.load() || quit.load()) return PASS_ABSTAND_MS;
    if (!Win95_Eingabe.aktiv.load()) return INAKTIV_ABSTAND_MS;
    Os_Wort_Setzen(in_pass, 1);
    im_pass = true;
    run_pass();
    im_pass = false;
    Os_Wort_Setzen(in_pass, 0);
    return PASS_ABSTAND_MS;
}

void thread_routine()
{
    Os_Thread_Follows_Clock();
    running.store(1);
    while (!quit.load()) {
        in_pass.store(1);
        if (suspended.load()) {
            in_pass.store(0);
            // A suspended thread does not hold the virtual clock back.
            Os_Thread_Stops_Following();
            {
                std::unique_lock<std::mutex> lock(suspend_mutex);
                suspend_cv.wait(lock, [] { return !suspended.load() || quit.load(); });
            }
            Os_Thread_Follows_Clock();
            continue;
        }
        if (!Win95_Eingabe.aktiv.load()) {
            // Inactive: nothing runs; sleep instead of spinning a core.
            in_pass.store(0);
            Os_Sleep(INAKTIV_ABSTAND_MS);
            continue;
        }
        run_pass();
        in_pass.store(0);
        if (quit.load()) break;
        Os_Sleep(PASS_ABSTAND_MS);
    }
    Os_Thread_Stops_Following();
    running.store(0);
}

}  // namespace

uint32_t Timer_Get_Time() { return Os_Time_Ms(); }

void Timer_Thread_Start()
{
    if (started.exchange(true)) return;
    // An exit() from anywhere (a fatal error, a lost display) must not meet a running thread.
    static bool at_exit = std::atexit(Timer_Thread_Stop) == 0;
    (void)at_exit;
    for (auto& s : slots) {
        s.active = 0, s.enabled = 0, s.last_time = 0, s.busy = 0, s.interval = 0;
        s.callback = nullptr;
    }
    slots_bis = 0;
    quit = 0, pause_all = 0, in_pass = 0, suspended = 0;
    priority = 1;
    getaktet = Os_Headless();
    if (getaktet) {
        running.store(1);
        Os_Clock_Takt_Setzen(getakteter_pass);
        return;
    }
    timer_thread = std::thread(thread_routine);
    // Headless, the virtual clock waits for the thread only once it has said it follows.
    while (!running.load()) std::this_thread::yield();
}

void Timer_Thread_Stop()
{
    if (!started.load()) return;
    if (getaktet) {
        Os_Clock_Takt_Setzen(nullptr);
        // A pass under way on another thread ends first, as the thread would be joined.
        while (in_pass.load() && !im_pass) std::this_thread::yield();
        running.store(0);
        suspended = 0;
        started = false;
        return;
    }
    {
        std::lock_guard<std::mutex> lock(suspend_mutex);
        quit.store(1);
    }
    suspend_cv.notify_all();
    // Headless the thread may sleep towards a time of the virtual clock that nobody advances now.
    Os_Thread_Wake_Followers();
    if (timer_thread.joinable()) timer_thread.join();
    suspended = 0;
    started = false;
}

int Timer_Add(Timer_Callback callback, uint32_t interval_ms)
{
    for (int i = 0; i < TIMER_SLOTS; ++i) {
        Slot& s = slots[i];
        if (s.active.load()) continue;
        s.busy = 0;
        s.interval = interval_ms;
        s.callback = callback;
        s.last_time = Timer_Get_Time();
        s.enabled = 1;
        if (slots_bis.load() <= i) slots_bis.store(i + 1);
        s.active = 1;  // last: the thread sees a complete slot
        return i;
    }
    Print_Fehler("Timer_Add: alle %d Slots belegt", TIMER_SLOTS);
    return -1;
}

int Timer_Remove(int slot)
{
    if (!valid(slot)) return 0;
    Slot& s = slots[slot];
    s.active = 0;
    wait_while_busy(slot);
    s.last_time = 0, s.interval = 0, s.busy = 0;
    s.callback = nullptr;
    return 1;
}

int Timer_Pause(int slot)
{
    if (!valid(slot) || !slots[slot].enabled.load()) return 0;
    pause_all = 1;
    wait_while_busy(slot);
    slots[slot].enabled = 0;
    pause_all = 0;
    return 1;
}

int Timer_Resume(int slot)
{
    if (!valid(slot) || slots[slot].enabled.load()) return 0;
    slots[slot].enabled = 1;
    return 1;
}

void Timer_Thread_Suspend(int resume)
{
    if (!started.load()) return;
    if (resume == 0) {
        if (suspended.load()) return;
        suspended.store(1);
        // The thread either sees the flag at the top of its next pass or is inside one.
        while (in_pass.load() && !quit.load() && !im_pass) std::this_thread::yield();
    } else if (resume == 1) {
        if (!suspended.load()) return;
        {
            std::lock_guard<std::mutex> lock(suspend_mutex);
            suspended.store(0);
        }
        // The thread's first pass after a suspension comes at once.
        if (getaktet) Os_Clock_Takt_Setzen(getakteter_pass);
        suspend_cv.notify_all();
    }
}

void Timer_Thread_Priority(int level)
{
    // Only remembered: an unprivileged process cannot raise a lowered priority again.
    if (level == 1 || level == 2) priority = level;
}

uint32_t Timer_Slot_Enabled(int slot) { return valid(slot) ? slots[slot].enabled.load() : 0; }

bool Timer_Thread_Suspended() { return suspended.load() != 0; }
