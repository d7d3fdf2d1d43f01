// The IMP page of the per-type options dialog.
#include "options/ArcOptionPages.h"

namespace options {
namespace {
const winui::ControlDef kPage[] = {PageFrame(14, L"IMP 書庫のオプション")};
}  // namespace

ArcOptionPage ImpPage() { return {kPage}; }

}  // namespace options
