// The BEL page of the per-type options dialog. It never holds controls.
#include "options/ArcOptionPages.h"

namespace options {
namespace {
const winui::ControlDef kPage[] = {PageFrame(12, L"BEL 書庫のオプション")};
}  // namespace

ArcOptionPage BelPage() { return {kPage}; }

}  // namespace options
