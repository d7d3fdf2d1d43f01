// The ARJ page of the per-type options dialog.
#include "options/ArcOptionPages.h"

namespace options {
namespace {
const winui::ControlDef kPage[] = {PageFrame(3, L"ARJ 書庫のオプション")};
}  // namespace

ArcOptionPage ArjPage() { return {kPage}; }

}  // namespace options
