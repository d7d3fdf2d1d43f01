#pragma once
// The compression wizard's creation run: the sources, type, name and boxes the wizard collected become one
// archive (or self-extracting program) through the archive creation every way of compressing uses, then
// the window shows it and Explorer its folder as the boxes ask.
#include <windows.h>

#include <string>
#include <vector>

#include "core/ArcCatalogue.h"
#include "tools/PackWizardRules.h"

namespace tools {

// What the wizard needs of the main window beyond the tree and list the creation keeps up itself.
class PackWizardHost {
 public:
  virtual ~PackWizardHost() = default;
  // The per-type options dialog over `owner`, on the type's page (index 0 to 16; -1 leaves the page the
  // dialog would show), captioned for the wizard.
  virtual void ShowArcOptions(HWND owner, int16_t typeIndex) = 0;
  // A new archive opened in the window: its caption, the recent-archive history and the tree colours.
  virtual void ShowCreatedArchive(const std::wstring& path) = 0;
};

struct PackWizardChoice {
  const core::ArcTypeRow* row = nullptr;
  std::wstring archive;  // the normalised archive path; a successful run makes it the first file made
  std::vector<PackSource> sources;
  bool sfx = false;       // make a self-extracting program
  bool open = false;      // show the archive in the window afterwards
  bool explorer = false;  // open its folder in Explorer afterwards
};

// Runs the creation calls, converts to a self-extracting program where the wizard does that itself, and on
// success shows the result. Success needs every call to succeed with the files it made there, and the
// program to be there after a conversion; only then does `choice.archive` take the name of what was made
// (the first file the creation reports, or the program). The self-extracting options are the user's again
// afterwards, whatever happened. Messages are the creation's own; the run shows none.
bool RunPackWizard(HWND owner, PackWizardChoice& choice, PackWizardHost& host);

}  // namespace tools
