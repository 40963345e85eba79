# Cross-build for Windows (i686).
set(mingw_arch i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
