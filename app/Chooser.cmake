# The drive and directory chooser: its portable rules (both builds) and, on
# Windows, the two widgets with their glyphs. Included from app/CMakeLists.txt.
add_library(tavo_chooser_rules STATIC ${CMAKE_CURRENT_LIST_DIR}/ChooserRules.cpp)
target_include_directories(tavo_chooser_rules PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(tavo_chooser_rules PUBLIC tavo_core)
tavo_warnings(tavo_chooser_rules)

if(WIN32)
  enable_language(RC)
  add_library(tavo_chooser STATIC
    ${CMAKE_CURRENT_LIST_DIR}/ChooserGlyph.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DirectoryListBox.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DriveComboBox.cpp)
  target_include_directories(tavo_chooser PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(tavo_chooser PUBLIC tavo_chooser_rules tavo_ui mpr msimg32)
  # The glyph resources go into every program that links the widgets (a
  # resource in a static library would be dropped by the linker); the
  # resource compiler finds the pictures through the project root.
  target_sources(tavo_chooser INTERFACE ${CMAKE_CURRENT_LIST_DIR}/ChooserGlyphs.rc)
  tavo_warnings(tavo_chooser)
endif()
