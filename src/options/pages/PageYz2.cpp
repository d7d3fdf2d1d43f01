// The YZ2 page of the per-type options dialog.
#include "options/ArcOptionPages.h"

namespace options {
namespace {
const winui::ControlDef kPage[] = {PageFrame(15, L"YZ2 書庫のオプション")};
}  // namespace

ArcOptionPage Yz2Page() { return {kPage}; }

}  // namespace options
