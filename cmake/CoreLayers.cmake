# Helpers for the core's layered libraries (see the root CMakeLists.txt).

# tabulon_core_layer(<folder> [USES <layers>...] [SOURCES <more sources>...])
# Makes tabulon_<folder> from src/<folder>/*.cpp (and SOURCES), linked to the
# layers it uses. Records what the folder may include: itself and every
# layer below it. TABULON_CORE_LAYERS lists the libraries made.
function(tabulon_core_layer folder)
  cmake_parse_arguments(PARSE_ARGV 1 LAYER "" "" "USES;SOURCES")
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp)
  add_library(tabulon_${folder} STATIC ${sources} ${LAYER_SOURCES})
  target_include_directories(tabulon_${folder} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  set(mayInclude ${folder})
  foreach(used IN LISTS LAYER_USES)
    target_link_libraries(tabulon_${folder} PUBLIC tabulon_${used})
    get_property(below GLOBAL PROPERTY TABULON_MAY_INCLUDE_${used})
    list(APPEND mayInclude ${below})
  endforeach()
  list(REMOVE_DUPLICATES mayInclude)
  set_property(GLOBAL PROPERTY TABULON_MAY_INCLUDE_${folder} ${mayInclude})
  set_property(GLOBAL APPEND PROPERTY TABULON_CORE_FOLDERS ${folder})
  set(TABULON_CORE_LAYERS ${TABULON_CORE_LAYERS} tabulon_${folder} PARENT_SCOPE)
endfunction()

# Writes, for tests/check_core_layers.cmake, which folders each core folder
# may include.
function(tabulon_write_layer_rules file)
  get_property(folders GLOBAL PROPERTY TABULON_CORE_FOLDERS)
  set(text "# Made by CMake from the core's layers.\nset(core_folders ${folders})\n")
  foreach(folder IN LISTS folders)
    get_property(mayInclude GLOBAL PROPERTY TABULON_MAY_INCLUDE_${folder})
    string(APPEND text "set(may_include_${folder} ${mayInclude})\n")
  endforeach()
  file(WRITE ${file} "${text}")
endfunction()
