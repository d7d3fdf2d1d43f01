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

}  // namespace winui
