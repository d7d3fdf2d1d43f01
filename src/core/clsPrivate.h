#pragma once
// The state one operation carries between the windows and the archive engine: seven plain fields, each
// with a read and a write that store and return the value as given. No logic lives here. (Pass phrases
// and edited names are no state: the dialogs that ask for them return them.)
#include <string>

namespace core {

class clsPrivate {
 public:
  const std::wstring& ArcFileName() const { return arcFileName_; }
  const std::wstring& ArcFolderName() const { return arcFolderName_; }
  bool EturanMode() const { return eturanMode_; }
  bool SelectOk() const { return selectOk_; }
  bool ArcStatus() const { return arcStatus_; }
  bool IconDrop() const { return iconDrop_; }
  const std::wstring& SelectArcFileName() const { return selectArcFileName_; }

  void SetArcFileName(const std::wstring& value) { arcFileName_ = value; }
  void SetArcFolderName(const std::wstring& value) { arcFolderName_ = value; }
  void SetEturanMode(bool value) { eturanMode_ = value; }
  void SetSelectOk(bool value) { selectOk_ = value; }
  void SetArcStatus(bool value) { arcStatus_ = value; }
  void SetIconDrop(bool value) { iconDrop_ = value; }
  void SetSelectArcFileName(const std::wstring& value) { selectArcFileName_ = value; }

 private:
  std::wstring arcFileName_;
  std::wstring selectArcFileName_;
  bool eturanMode_ = false;
  bool iconDrop_ = false;
  bool arcStatus_ = false;
  bool selectOk_ = false;
  std::wstring arcFolderName_;
};

}  // namespace core
