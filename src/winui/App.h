#pragma once
// The thread's message loops and screen-wide helpers: the program's main loop, DoEvents for long loops,
// the hourglass, and twips/pixel scaling.
#include <windows.h>

#include <vector>

namespace winui {

// Runs the message loop until the last loaded form is unloaded (or WM_QUIT). Returns the exit code.
int RunMessageLoop();
// Processes every message waiting for this thread once, as long loops do between steps, and returns.
// A WM_QUIT found is posted again for the outer loop.
void DoEvents();
// Number of forms loaded in this thread.
int LoadedFormCount();
class Form;
// The forms loaded in this thread, in the order they were loaded.
std::vector<Form*> LoadedForms();

// Screen.MousePointer: the hourglass over every window of the program while set.
void SetBusyCursor(bool busy);
bool BusyCursor();
// Shows the hourglass for the lifetime of the object (nests).
class WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  bool previous_;
};

// Dots per inch used to turn twips into pixels (the screen's, unless set for a test).
int ScreenDpiX();
int ScreenDpiY();
// Overrides the screen DPI (tests); 0 restores the screen's.
void SetDpiForTesting(int dpi);
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
int PixelsToTwipsX(int pixels);
int PixelsToTwipsY(int pixels);

// A colour as settings and colour properties hold it, resolved now: with the high byte 0 it is that plain
// colour; 0x80000000 + COLOR_xxx names a system colour the system has. Any other value with the high bit set
// names no colour and gives black, what the system answers for a colour index it does not know. Other bits
// above the 24 colour bits are dropped.
COLORREF ResolveColor(COLORREF value);

}  // namespace winui
