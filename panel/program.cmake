# The Windows program Vantrelle.exe: the panel over the engine and the Win32 window system.
add_executable(Vantrelle WIN32
  ${CMAKE_CURRENT_LIST_DIR}/program_start.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/run_control.cpp
  ${CMAKE_CURRENT_LIST_DIR}/link_pages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tutorial_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_icon.cpp
  ${CMAKE_CURRENT_LIST_DIR}/escape_key.cpp
  ${CMAKE_CURRENT_LIST_DIR}/screen_centre.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_class.cpp
  ${CMAKE_CURRENT_LIST_DIR}/resources.rc)
target_include_directories(Vantrelle PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(Vantrelle PRIVATE
  vantrelle_engine vantrelle_picture vantrelle_platform
  user32 gdi32 shell32 winmm comctl32)
# Placed at the top of the build directory, where the tests under Wine look for it.
set_target_properties(Vantrelle PROPERTIES OUTPUT_NAME Vantrelle RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
# windres does not report the files the resource script pulls in: rebuild when they change.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/resources.rc PROPERTIES OBJECT_DEPENDS
  "${PROJECT_SOURCE_DIR}/assets/tutorial.jpg;${PROJECT_SOURCE_DIR}/assets/vantrelle.ico;${CMAKE_CURRENT_LIST_DIR}/vantrelle.manifest;${CMAKE_CURRENT_LIST_DIR}/resource_ids.h")
