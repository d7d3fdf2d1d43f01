#pragma once
// What the splitter and the joiner programs share around their windows: the file and folder choosers, text
// selection, opening the destination in Explorer, the command line and the start-up procedure.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "winui/Controls.h"
#include "winui/Form.h"
#include "winui/OperationHost.h"

namespace splitjoin {

// The open-file dialog owned by the form: "" when cancelled; other dialog errors are shown in a message box
// titled with the dialog title. A rejected file name is asked once more.
std::wstring AskFileName(winui::Form& ownerForm, const std::wstring& title, const std::wstring& filter,
                         const std::wstring& defaultName, int16_t filterIndex, const std::wstring& initialFolder);
// From the last "." on; "" when there is none or a "\" follows it.
std::wstring GetPathExtension(const std::wstring& path);
// The folder picker opened at the box's text; a chosen folder goes into the box with a trailing "\".
void PickFolderToTextBox(winui::Form& ownerForm, winui::TextBox& textBox);
void SelectWholeText(winui::TextBox& textBox);
// Explorer on the folder (a process start through the shell seam).
void OpenFolderInExplorer(const std::wstring& folder);
// The arguments of a whole command line: the text after the program's name and the blanks after it.
std::wstring ArgumentsOf(const std::wstring& commandLine);
// What both windows run their job with: OK, the Close button that reads "ｷｬﾝｾﾙ(&C)" while the job runs, the
// progress box, panel 2 of the status bar and the program's title on its message boxes.
winui::OperationHost::Parts RunParts(winui::CommandButton& ok, winui::CommandButton& close, winui::PictureBox& bar,
                                     winui::StatusBar& status, const std::wstring& title);
// The whole program: makes the form, loads it, lets messages run, shows it, lets messages run, and runs
// the message loop until the window is unloaded. Returns the exit code.
int RunProgram(const std::function<std::unique_ptr<winui::Form>()>& makeForm);

}  // namespace splitjoin
