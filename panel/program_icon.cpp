#include "panel/program_icon.h"

#include "panel/resource_ids.h"

namespace vantrelle {

HICON loadProgramIcon(HINSTANCE instance, bool small) {
    const int width = ::GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
    const int height = ::GetSystemMetrics(small ? SM_CYSMICON : SM_CYICON);
    return static_cast<HICON>(
        ::LoadImageA(instance, MAKEINTRESOURCEA(IDI_VANTRELLE), IMAGE_ICON, width, height, LR_DEFAULTCOLOR));
}

}  // namespace vantrelle
