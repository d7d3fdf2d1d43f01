#pragma once
// The edited-file watch: every two seconds, while it is on, the entries that were extracted and opened with
// a program are looked at; one saved since it was opened (or last offered) is offered back to the archive.
// The watched paths and their time texts are core::EditWatchFiles and core::EditWatchTimes, each ending
// in an empty placeholder.
#include <cstdint>
#include <optional>
#include <string>

namespace mainwindow {

class frmMain;

// A file's last-write time in the watch's text form, "yyyy/mm/dd hh:mm:ss" in local time (as the property
// texts show it); "" when the file cannot be read. Reading it does not open the file, so a file an editor
// holds open still has a time.
std::wstring WatchTimeText(const std::wstring& path);
// The time a text of that form stands for, as a number that orders like the times; nullopt for a text that
// is no such time.
std::optional<int64_t> WatchTimeValue(const std::wstring& text);

// One tick of timUpdate. A tick that comes while its own question is still open does nothing.
void timUpdate_Timer(frmMain& form);
// Stops the watch and forgets every watched file.
void StopEditWatch(frmMain& form);

// The question offering a changed file back to the archive.
std::wstring EditedFileQuestion(const std::wstring& path);

}  // namespace mainwindow
