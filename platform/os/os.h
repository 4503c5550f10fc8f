// The operating-system layer: window, messages, input state, clock, dialogs. Two back ends
// behind this one interface, chosen once at start: SDL2 (a real window) and headless (no
// window; input from a script, the frame kept in memory, a virtual clock).
#pragma once
#if __has_include(<sys/single_threaded.h>)
#include <sys/single_threaded.h>
#define OS_HAT_EINEN_FADEN 1
#endif

#include <atomic>
#include <cstdint>
#include <string>

// Window messages with the numbers the window procedure compares against.
constexpr uint32_t WM_CREATE = 0x0001;
constexpr uint32_t WM_DESTROY = 0x0002;
constexpr uint32_t WM_PAINT = 0x000F;
constexpr uint32_t WM_CLOSE = 0x0010;
constexpr uint32_t WM_QUIT = 0x0012;
constexpr uint32_t WM_ACTIVATEAPP = 0x001C;
constexpr uint32_t WM_SETCURSOR = 0x0020;
constexpr uint32_t WM_KEYDOWN = 0x0100;
constexpr uint32_t WM_KEYUP = 0x0101;
constexpr uint32_t WM_VSCROLL = 0x0115;
constexpr uint32_t WM_MOUSEMOVE = 0x0200;
constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr uint32_t WM_LBUTTONUP = 0x0202;
constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
constexpr uint32_t WM_RBUTTONUP = 0x0205;
constexpr uint32_t WM_MOUSEWHEEL = 0x020A;
constexpr uint32_t WM_SOCKET_NOTIFY = 0x04BC;
// Registered messages ("MSWHEEL_ROLLMSG") take numbers from here on.
constexpr uint32_t OS_REGISTERED_MESSAGE_BASE = 0xC000;

// Virtual-key codes (a German layout: 186 ü, 187 +, 188 ",", 189 -, 190 ".", 191 #, 192 ö,
// 219 ß, 220 ^, 221 ´, 222 ä, 226 <).
constexpr int32_t VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17,
                  VK_MENU = 18, VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34,
                  VK_END = 35, VK_HOME = 36, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39,
                  VK_DOWN = 40, VK_INSERT = 45, VK_DELETE = 46, VK_F1 = 112;

struct Os_Message {
    uint32_t message;
    uint64_t wparam;
    int64_t lparam;
};

// The one main window of the program (a handle; its contents belong to the layer).
struct Os_Window;

// Reads the layer's options: --headless (or DORVIN_HEADLESS=1), --script FILE, --role
// server|client, --help. Removes nothing; unknown arguments are left to the program.
void Os_Init(int argc, char** argv);
// Every pump asks both of these, from every module: the decided answers are plain reads kept
// inline. The state is the layer's own (-1 while undecided; the virtual clock's milliseconds).
extern std::atomic<int> Os_Kopflos_Stand;
extern std::atomic<uint32_t> Os_Virtuelle_Ms;
bool Os_Kopflos_Entscheiden();
inline bool Os_Headless()
{
    const int stand = Os_Kopflos_Stand.load(std::memory_order_relaxed);
    return stand >= 0 ? stand == 1 : Os_Kopflos_Entscheiden();
}
// Ends the back end (closes the window and SDL). Safe to call twice.
void Os_Shutdown();

// The program has never had a second thread (the C library keeps count); without the library's
// word on it, it is taken to have more.
inline bool Os_Ein_Faden()
{
#ifdef OS_HAT_EINEN_FADEN
    return __libc_single_threaded;
#else
    return false;
#endif
}
// A store of a word that threads share: in a program of one thread nobody else reads it, and the
// store needs no fence (a locked exchange for each store otherwise).
inline void Os_Wort_Setzen(std::atomic<uint32_t>& wort, uint32_t v)
{
    if (Os_Ein_Faden()) wort.store(v, std::memory_order_relaxed);
    else wort.store(v);
}

// Milliseconds since start. Headless: a virtual clock that only the window thread advances
// (by sleeping and by pumping an empty queue); other threads wait for it, not for real time.
uint32_t Os_Echte_Zeit_Ms();
inline uint32_t Os_Time_Ms() { return Os_Headless() ? Os_Virtuelle_Ms.load() : Os_Echte_Zeit_Ms(); }
void Os_Sleep(uint32_t ms);
// Marks the calling thread as one that never advances the virtual clock (the timer thread).
void Os_Thread_Follows_Clock();
// Ends following at the end of such a thread.
void Os_Thread_Stops_Following();
// Ends the sleep of every follower now (a thread told to end need not wait for the clock).
void Os_Thread_Wake_Followers();
// Headless only: advances the virtual clock (the window thread's idle pump and sleeps use it).
// It stops at every follower's wake time on the way, so that each pass of a follower runs at
// exactly the time it slept until; a follower that makes no progress for 200 ms of real time
// is passed over.
void Os_Clock_Advance(uint32_t ms);
// Headless only: a routine that runs on the thread advancing the clock, first at the present
// virtual time, then again as many milliseconds later as it returns (the timer's passes without
// a thread of their own, and without a thread switch each). Null removes it.
using Os_Takt = uint32_t (*)();
void Os_Clock_Takt_Setzen(Os_Takt routine);

// A loop that waits for the user sleeps here: until input arrives (a window event, a queued
// message, the script's next input line) or ms pass.
void Os_Wait_Input(uint32_t ms);
// Test hook: told of every such wait (null removes it).
using Os_Warte_Hook = void (*)(uint32_t ms);
void Os_Set_Warte_Hook(Os_Warte_Hook hook);

// Registers a named message and returns its number (the same name gives the same number).
uint32_t Os_Register_Message(const char* name);

// Message queue of the window thread.
void Os_Post_Message(uint32_t message, uint64_t wparam, int64_t lparam);
// Takes the next message; feeds the back end's input (OS events or one script line) first.
bool Os_Take_Message(Os_Message* out);
void Os_Clear_Messages();
// A message of this number waits in the queue.
bool Os_Message_Waiting(uint32_t message);
// Drops the queued messages of this number and wParam (a closed socket's notifications).
void Os_Drop_Messages(uint32_t message, uint64_t wparam);

// The window: title in Windows-1252, frame size in pixels. Full screen scales the frame.
Os_Window* Os_Window_Open(const char* title, int width, int height, bool fullscreen);
void Os_Window_Close();
Os_Window* Os_Window_Get();

// Asynchronous input state, in frame pixels. The words are the back ends' to write (through
// Os_Input_Set_Mouse and Os_Input_Set_Buttons); every pass of the menu reads them several times.
struct Os_Maus_Zustand {
    std::atomic<int> x{0}, y{0};
    std::atomic<bool> links{false}, rechts{false};
    // Presses of each button so far: a press released before anyone looked is still seen.
    std::atomic<uint32_t> druecke_links{0}, druecke_rechts{0};
};
extern Os_Maus_Zustand Os_Maus;
inline int Os_Mouse_X() { return Os_Maus.x.load(); }
inline int Os_Mouse_Y() { return Os_Maus.y.load(); }
inline bool Os_Mouse_Left() { return Os_Maus.links.load(); }
inline bool Os_Mouse_Right() { return Os_Maus.rechts.load(); }
// How many times the button (1 left, 2 right) has gone down so far; both back ends count every
// press, also one released within the same poll.
inline uint32_t Os_Mouse_Presses(int button)
{
    return button == 2 ? Os_Maus.druecke_rechts.load() : Os_Maus.druecke_links.load();
}
// Where the pointer stood when a button last went down (in frame pixels): the pointer may have
// moved on before the program looks.
void Os_Mouse_Press_Position(int* x, int* y);
bool Os_Shift_Held();
// Windows' cursor display count: adds delta (+1 show, -1 hide) and returns the new count; the
// cursor is visible while it is 0 or more.
int Os_Cursor_Count(int delta);

// Modal message box (text in Windows-1252) with the caption given.
void Os_Message_Box(const char* caption, const char* text);
// The role question: 1 for "Server + Client", 0 for "Client". --role answers it without
// asking, in the window too; headless without --role the answer is "Server + Client".
int Os_Role_Dialog(const char* caption, const char* text);

// The next dialog answer of the script (see os.cpp); false when none waits.
bool Os_Dialog_Answer(std::string* out);
// The clipboard's text in Windows-1252; false when it holds none.
bool Os_Clipboard_Get_Text(std::string* out);
bool Os_Clipboard_Set_Text(const std::string& text);

// Headless test hooks: feed a script from text, set the role answer.
void Os_Script_Load_Text(const std::string& text);
void Os_Set_Role_Answer(int server);
// True when the command line answered the role dialog (--role).
bool Os_Role_Given();
// The script line "game NAME [N]" asks the game (a hook it registers): true when the line is done,
// false to keep it waiting (in real time, so that other processes can act meanwhile).
using Os_Script_Game_Hook = bool (*)(const std::string& name, int32_t zahl);
void Os_Set_Script_Game_Hook(Os_Script_Game_Hook hook);
// True once the script has been read to its end (or there never was one) and nothing waits.
bool Os_Script_Finished();
// Busy stretches (reading the world, the day advance) pump only to keep the window alive: while
// held, the script's lines wait, so that a script clicks where the program asks for input
// however many pumps the work takes. Returns the state before, for restoring.
bool Os_Script_Halten(bool halten);
// A screen of the match day that takes input while it plays or waits on its own (overview, live
// view, report pages): a script's wait lasts that long on the screen, frame by frame, instead
// of jumping the clock, and "wait input" holds the lines until the program takes input elsewhere.
// Returns the state before.
bool Os_Script_Laufender_Schirm(bool an);
// True while the script stands at a "wait input" that holds on such a screen: the user lets the
// day play out untouched, so a screen that would wait for his click goes on by itself.
bool Os_Script_Laesst_Laufen();
// Drops the script without the closing message its end would post.
void Os_Script_Stop();
