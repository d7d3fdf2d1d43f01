// The TAR page of the per-type options dialog.
#include "options/ArcOptionPages.h"

namespace options {
namespace {
const winui::ControlDef kPage[] = {PageFrame(4, L"TAR 書庫のオプション")};
}  // namespace

ArcOptionPage TarPage() { return {kPage}; }

}  // namespace options
