// The ACE page of the per-type options dialog.
#include "options/ArcOptionPages.h"

namespace options {
namespace {
const winui::ControlDef kPage[] = {PageFrame(8, L"ACE 書庫のオプション")};
}  // namespace

ArcOptionPage AcePage() { return {kPage}; }

}  // namespace options
