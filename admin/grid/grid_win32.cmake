# The grid control's window (Windows only): a library the console, the demo
# and the Wine unit tests link.
add_library(grid_win32 STATIC
  ${CMAKE_CURRENT_SOURCE_DIR}/edit_grid_win32.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/flex_grid_window_win32.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/grid_editors_win32.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/grid_menu_win32.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/grid_find_box_win32.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/grid_clipboard_win32.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/grid_paint_win32.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/grid_locale_win32.cpp
)
tsr_target_defaults(grid_win32)
# comctl32 and comdlg32 are loaded when first needed, not imported.
target_link_libraries(grid_win32 PUBLIC grid_core tsr_win32 gdi32 user32)

# GridDemo.exe: one grid with 10,000 sample rows, for the scenarios, the
# screenshots and the benchmark.
add_executable(GridDemo WIN32
  ${CMAKE_CURRENT_SOURCE_DIR}/demo/grid_demo_win32.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/demo/grid_demo_data.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/demo/GridDemo.rc
)
tsr_target_defaults(GridDemo)
target_link_libraries(GridDemo PRIVATE grid_win32 tsr_shared)
