// The YZ1 page of the per-type options dialog.
#include "options/ArcOptionPages.h"

namespace options {
namespace {
const winui::ControlDef kPage[] = {PageFrame(7, L"YZ1 書庫のオプション")};
}  // namespace

ArcOptionPage Yz1Page() { return {kPage}; }

}  // namespace options
