#include "panel/link_pages.h"

#include <windows.h>
#include <shellapi.h>

namespace vantrelle {

void openMicroblogPage() { ::ShellExecuteA(nullptr, "open", kMicroblogPageUrl, nullptr, nullptr, SW_SHOWNORMAL); }

void openBlogPage() { ::ShellExecuteA(nullptr, "open", kBlogPageUrl, nullptr, nullptr, SW_SHOWNORMAL); }

}  // namespace vantrelle
