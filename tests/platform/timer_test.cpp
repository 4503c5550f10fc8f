#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "platform/os/os.h"
#include "platform/os/os_sound.h"
#include "platform/timer.h"
#include "platform/win95.h"

namespace {

std::atomic<int> runs{0};
std::atomic<uint32_t> first_run{0};

void count_run()
{
    if (runs.fetch_add(1) == 0) first_run = Timer_Get_Time();
}

// Every run of the two recording routines: (routine, virtual time).
std::mutex log_mutex;
std::vector<std::pair<int, uint32_t>> run_log;

void record(int routine)
{
    std::lock_guard<std::mutex> lock(log_mutex);
    run_log.emplace_back(routine, Timer_Get_Time());
}

void record_a() { record(0); }
void record_b() { record(1); }

// Two routines over idle steps, a pause and sleeps, from a fresh start of the clocked passes: each
// run with its time since the start.
std::vector<std::pair<int, uint32_t>> clocked_runs()
{
    Timer_Thread_Stop();
    Timer_Thread_Start();
    run_log.clear();  // no routine runs: the passes run on this thread
    const uint32_t start = Timer_Get_Time();
    const int a = Timer_Add(record_a, 30);
    Timer_Add(record_b, 100);
    for (int i = 0; i < 150; ++i) Os_Clock_Advance(1);
    Timer_Pause(a);
    Os_Sleep(200);
    Timer_Resume(a);
    Os_Sleep(501);
    for (auto& [r, t] : run_log) t -= start;
    return run_log;
}

// The gaps between the runs of one routine, in order.
std::vector<uint32_t> gaps(int routine)
{
    std::lock_guard<std::mutex> lock(log_mutex);
    std::vector<uint32_t> out;
    uint32_t last = 0;
    bool first = true;
    for (auto [r, t] : run_log) {
        if (r != routine) continue;
        if (!first) out.push_back(t - last);
        last = t;
        first = false;
    }
    return out;
}

// Lets virtual time pass on the window thread in small steps, as a game loop would, giving
// the timer thread real time to follow.
void let_pass(uint32_t ms)
{
    for (uint32_t t = 0; t < ms; t += 2) {
        Win95_Sleep(2);
        std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
}

// Lets time pass until the routine ran more often than `than`; false after 10 s virtual.
bool wait_for_run(int than)
{
    for (int i = 0; i < 5000 && runs.load() <= than; ++i) let_pass(2);
    return runs.load() > than;
}

struct Timer_Fixture : testing::Test {
    void SetUp() override
    {
        runs = 0;
        first_run = 0;
        Win95_Eingabe.aktiv = 1;
        Timer_Thread_Start();
    }
    void TearDown() override
    {
        Timer_Thread_Stop();
        // Stopping keeps the slots: free them for the pointer and the other tests.
        for (int i = 0; i < TIMER_SLOTS; ++i) Timer_Remove(i);
    }
};

}  // namespace

TEST_F(Timer_Fixture, FirstRunComesAfterTheIntervalAndAnInactivePeriodRunsOnce)
{
    uint32_t added = Timer_Get_Time();
    int slot = Timer_Add(count_run, 30);
    ASSERT_EQ(slot, 0);
    ASSERT_TRUE(wait_for_run(0));
    EXPECT_GE(first_run.load() - added, 30u);
    let_pass(200);
    EXPECT_LT(runs.load(), 10) << "at most one run per interval";
    EXPECT_EQ(Timer_Remove(slot), 1);

    // Inactive for ten intervals: nothing runs; afterwards one run, not one per interval.
    slot = Timer_Add(count_run, 100);
    Win95_Eingabe.aktiv = 0;
    let_pass(60);  // a pass under way ends
    int before = runs.load();
    let_pass(1000);
    EXPECT_EQ(runs.load(), before);
    Win95_Eingabe.aktiv = 1;
    ASSERT_TRUE(wait_for_run(before));
    let_pass(60);
    EXPECT_EQ(runs.load(), before + 1);
}

TEST_F(Timer_Fixture, PauseResumeAndRemoveKeepTheirWords)
{
    int slot = Timer_Add(count_run, 30);
    EXPECT_EQ(Timer_Pause(slot), 1);
    EXPECT_EQ(Timer_Pause(slot), 0) << "already paused";
    int before = runs.load();
    let_pass(200);
    EXPECT_EQ(runs.load(), before) << "a paused slot does not run";
    EXPECT_EQ(Timer_Resume(slot), 1);
    EXPECT_EQ(Timer_Resume(slot), 0);
    EXPECT_TRUE(wait_for_run(before));

    // Remove keeps enabled as it was; the next add of the slot sets it again.
    EXPECT_EQ(Timer_Pause(slot), 1);
    EXPECT_EQ(Timer_Remove(slot), 1);
    EXPECT_EQ(Timer_Slot_Enabled(slot), 0u);
    EXPECT_EQ(Timer_Add(count_run, 30), slot);
    EXPECT_EQ(Timer_Slot_Enabled(slot), 1u);

    for (int bad : {-1, 10}) {
        EXPECT_EQ(Timer_Remove(bad), 0);
        EXPECT_EQ(Timer_Pause(bad), 0);
        EXPECT_EQ(Timer_Resume(bad), 0);
    }
    for (int i = 1; i < TIMER_SLOTS; ++i) EXPECT_EQ(Timer_Add(nullptr, 10), i);
    EXPECT_EQ(Timer_Add(nullptr, 10), -1) << "all ten slots in use";
}

TEST_F(Timer_Fixture, SuspendedThreadRunsNothingUntilResumed)
{
    Timer_Add(count_run, 30);
    Timer_Thread_Suspend(0);
    EXPECT_TRUE(Timer_Thread_Suspended());
    int before = runs.load();
    let_pass(300);
    EXPECT_EQ(runs.load(), before);
    Timer_Thread_Suspend(1);
    EXPECT_FALSE(Timer_Thread_Suspended());
    EXPECT_TRUE(wait_for_run(before));

    // A message box suspends the thread for its duration and resumes it after.
    testing::internal::CaptureStderr();
    Win95_Meldung("Test");
    testing::internal::GetCapturedStderr();
    EXPECT_FALSE(Timer_Thread_Suspended());
}

// A long advance of the clock, by the window thread sleeping or by a script waiting, runs every
// pass of the timer thread at its own virtual time: a routine of 30 ms on passes 24 ms apart
// runs every 48 ms, one of 100 ms every 120 ms, and the runs come in time order.
TEST_F(Timer_Fixture, LongAdvancesRunEveryDuePassAtItsTime)
{
    auto check = [](const char* how, size_t at_least_a) {
        std::vector<uint32_t> a = gaps(0), b = gaps(1);
        EXPECT_GE(a.size(), at_least_a) << how;
        EXPECT_GE(b.size(), at_least_a * 2 / 5) << how;
        for (uint32_t g : a) ASSERT_EQ(g, 48u) << how;
        for (uint32_t g : b) ASSERT_EQ(g, 120u) << how;
        std::lock_guard<std::mutex> lock(log_mutex);
        for (size_t i = 1; i < run_log.size(); ++i)
            ASSERT_LE(run_log[i - 1].second, run_log[i].second) << how;
        run_log.clear();
    };
    Os_Clear_Messages();
    Os_Sound_Close();  // nothing playing: the script's wait runs on at once
    Timer_Add(record_a, 30);
    Timer_Add(record_b, 100);

    Os_Sleep(4800);
    check("sleep", 98);

    // The script's wait: an hour of virtual time.
    Os_Script_Load_Text("wait 3600000\n");
    uint32_t start = Os_Time_Ms();
    for (int i = 0; i < 100 && !Os_Script_Finished(); ++i) Win95_Message_Pump();
    EXPECT_TRUE(Os_Script_Finished());
    EXPECT_GE(Os_Time_Ms() - start, 3600000u);
    EXPECT_LE(Os_Time_Ms() - start, 3600000u + 100u);
    check("wait", 3600000 / 48 - 2);
    Os_Script_Stop();
    Os_Clear_Messages();
}

// A window thread that takes long real time between its small advances (a busy match-day frame)
// moves the timer thread's passes not at all: each runs at its own virtual time, not when the
// real time of its sleep has run out.
TEST_F(Timer_Fixture, SlowFramesInRealTimeLeaveEveryPassAtItsVirtualTime)
{
    {
        std::lock_guard<std::mutex> lock(log_mutex);
        run_log.clear();
    }
    Timer_Add(record_a, 30);
    for (int ms = 0; ms < 240; ++ms) {
        Os_Clock_Advance(1);
        if (ms % 8 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
    const std::vector<uint32_t> a = gaps(0);
    EXPECT_GE(a.size(), 3u);
    for (uint32_t g : a) EXPECT_EQ(g, 48u);
    std::lock_guard<std::mutex> lock(log_mutex);
    run_log.clear();
}

TEST_F(Timer_Fixture, RoutinesInHigherSlotsRunAsTheFirst)
{
    // Slots taken one after another and freed below: each routine runs wherever it sits.
    for (int i = 0; i < 4; ++i) ASSERT_EQ(Timer_Add(nullptr, 10), i);
    ASSERT_EQ(Timer_Add(count_run, 30), 4);
    EXPECT_TRUE(wait_for_run(0));
    EXPECT_EQ(Timer_Remove(4), 1);
    EXPECT_EQ(Timer_Remove(0), 1);
    const int vorher = runs.load();
    let_pass(200);
    EXPECT_EQ(runs.load(), vorher) << "a removed routine does not run";
    ASSERT_EQ(Timer_Add(count_run, 30), 0);
    EXPECT_TRUE(wait_for_run(vorher));
}

// Headless the passes run on the clock's thread: alone their words are stored without fences, and
// once a second thread has existed with them. Every routine runs at the same times either way.
// In a process of its own, which has had no second thread before.
TEST_F(Timer_Fixture, ClockedPassesRunAlikeAloneAndOnceASecondThreadExisted)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            if (!Os_Headless() || !Os_Ein_Faden()) std::_Exit(3);
            const auto alone = clocked_runs();
            std::thread([] {}).join();
            if (Os_Ein_Faden()) std::_Exit(4);
            const auto after = clocked_runs();
            std::_Exit(alone.size() < 20 ? 5 : alone != after ? 6 : 0);
        },
        testing::ExitedWithCode(0), "");
}
