#pragma once
// A whole installation in scratch places: a source folder holding the delivered files, a system folder,
// SendTo and desktop folders, scratch classes and user registry roots, a recording extension server and
// the program seams' fakes (folder picker, Explorer starts, message boxes).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProgramFakes.h"
#include "ShellReadBack.h"
#include "installer/InstallEngine.h"

namespace installtest {

class RecordingServer : public modInstall::ExtensionServer {
 public:
  HRESULT Register(const std::wstring& path) override {
    calls.push_back(L"register|" + path);
    return result;
  }
  HRESULT Unregister(const std::wstring& path) override {
    calls.push_back(L"unregister|" + path);
    return result;
  }
  std::vector<std::wstring> calls;
  HRESULT result = S_OK;
};

class RecordingUi : public modInstall::InstallUi {
 public:
  void StepStarted(modInstall::InstallStep step) override { steps.push_back(step); }
  int Message(const std::wstring& text, UINT style) override {
    messages.push_back(text);
    styles.push_back(style);
    return IDOK;
  }
  std::vector<modInstall::InstallStep> steps;
  std::vector<std::wstring> messages;
  std::vector<UINT> styles;
};

class InstallTest : public splitjoin_test::ProgramTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Puts a delivered file into the source folder; returns its path.
  std::wstring Deliver(const std::wstring& name, const std::string& bytes);
  // The delivered set: the extension, the three programs, the installer and the licence.
  void DeliverProgram();
  // "<temp>\Program Files\Dunel's Software\とるべなー\" (missing until installed).
  std::wstring InstallRoot() const;
  std::optional<std::wstring> Classes(const std::wstring& key) const { return DefaultValue(classes.Key(), key); }
  std::optional<std::wstring> RecordedFolder() const;
  // Every option on, ZIP and LZH marked.
  static modInstall::InstallOptionSet AllOn();

  std::wstring source, system, sendTo, desktop;
  ScratchRoot classes;
  ScratchRoot user;
  RecordingServer server;
  RecordingUi ui;
  modInstall::InstallPlaces places;
};

}  // namespace installtest
