// The BEL page of the per-type options dialog: BEL archives have no options.
#include "options/ArcOptionPages.h"

namespace options {
namespace {
const winui::ControlDef kPage[] = {PageFrame(12, L"BEL 書庫のオプション")};
}  // namespace

ArcOptionPage BelPage() { return {kPage}; }

}  // namespace options
