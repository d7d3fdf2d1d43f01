#pragma once
// The state one operation carries between the windows and the archive engine: nine plain fields, each
// with a read and a write that store and return the value as given. No logic lives here.
#include <string>

namespace core {

class clsPrivate {
 public:
  const std::wstring& Password() const { return password_; }
  void SetPassword(const std::wstring& value) { password_ = value; }

  const std::wstring& ArcFileName() const { return arcFileName_; }
  const std::wstring& RenameFileName() const { return renameFileName_; }
  const std::wstring& ArcFolderName() const { return arcFolderName_; }
  bool EturanMode() const { return eturanMode_; }
  bool SelectOk() const { return selectOk_; }
  bool ArcStatus() const { return arcStatus_; }
  bool IconDrop() const { return iconDrop_; }
  const std::wstring& SelectArcFileName() const { return selectArcFileName_; }

  void SetArcFileName(const std::wstring& value) { arcFileName_ = value; }
  void SetRenameFileName(const std::wstring& value) { renameFileName_ = value; }
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
  std::wstring password_;
  std::wstring renameFileName_;
};

}  // namespace core
