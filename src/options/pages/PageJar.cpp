// The JAR page of the per-type options dialog.
#include "options/ArcOptionPages.h"

namespace options {
namespace {
const winui::ControlDef kPage[] = {PageFrame(9, L"JAR 書庫のオプション")};
}  // namespace

ArcOptionPage JarPage() { return {kPage}; }

}  // namespace options
