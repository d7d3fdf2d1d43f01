// The CAB page of the per-type options dialog.
#include "options/ArcOptionPages.h"

namespace options {
namespace {
const winui::ControlDef kPage[] = {PageFrame(2, L"CAB 書庫のオプション")};
}  // namespace

ArcOptionPage CabPage() { return {kPage}; }

}  // namespace options
