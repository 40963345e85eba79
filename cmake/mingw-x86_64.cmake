# Cross-build for Windows (x86_64).
set(mingw_arch x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
