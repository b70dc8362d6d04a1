# The layers of the whole tree and what each may include, checked when cmake configures
# so that a wrong include stops the build instead of waiting for a reviewer:
#
#   framework/draw < files < core < ops < interchange < map < render < document    (the engine)
#   engine < tools/cli
#   engine, framework < view, operation_dialogs < app
#
# The window framework includes nothing outside itself: draw and platform, its two
# lowest layers, are checked here, since the engine needs draw without the GUI; the
# layers above them by the same rule in src/framework/CMakeLists.txt.
# Above the window layer only AppMain, at the program's edge, looks the application up;
# views, windows and dialogs reach it through their links.

set(KNOLL_ENGINE_INCLUDES framework/draw files core ops interchange map render document)
set(KNOLL_WINDOW_INCLUDES ${KNOLL_ENGINE_INCLUDES} framework/platform framework/look framework/window
    framework/canvas framework/controls framework/menus framework/dialogs)

# knoll_check_layer(<folder> INCLUDES <folders...> [MAY_LOOK_UP_APP | LOOKS_UP_APP <files...>])
function(knoll_check_layer folder)
  cmake_parse_arguments(LAYER "MAY_LOOK_UP_APP" "" "INCLUDES;LOOKS_UP_APP" ${ARGN})
  file(GLOB_RECURSE sources ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.h)
  foreach(source IN LISTS sources)
    file(RELATIVE_PATH name ${PROJECT_SOURCE_DIR} ${source})
    file(STRINGS ${source} includes REGEX "^#include \"[a-z_]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"(.*)/[^/]*\".*" "\\1" included "${line}")
      # A folder stands for its subfolders too (framework/platform for its backends).
      set(found FALSE)
      foreach(allowed IN LISTS LAYER_INCLUDES)
        if(included STREQUAL allowed OR included MATCHES "^${allowed}/")
          set(found TRUE)
        endif()
      endforeach()
      if(NOT found)
        message(FATAL_ERROR "${name} includes '${included}', which is not below '${folder}'")
      endif()
    endforeach()
    get_filename_component(file_name ${source} NAME)
    file(STRINGS ${source} lookups REGEX "vApp::Instance")
    if(lookups AND NOT LAYER_MAY_LOOK_UP_APP AND NOT file_name IN_LIST LAYER_LOOKS_UP_APP)
      message(FATAL_ERROR "${name} looks up the application; reach it through the links")
    endif()
  endforeach()
endfunction()

knoll_check_layer(src/framework/draw INCLUDES framework/draw)
knoll_check_layer(src/framework/platform INCLUDES framework/draw framework/platform)
knoll_check_layer(src/files INCLUDES framework/draw files)
knoll_check_layer(src/core INCLUDES framework/draw files core)
knoll_check_layer(src/ops INCLUDES framework/draw files core ops)
knoll_check_layer(src/interchange INCLUDES framework/draw files core ops interchange)
knoll_check_layer(src/map INCLUDES framework/draw files core ops interchange map)
knoll_check_layer(src/render INCLUDES framework/draw files core ops interchange map render)
knoll_check_layer(src/document INCLUDES ${KNOLL_ENGINE_INCLUDES})
knoll_check_layer(tools/cli INCLUDES ${KNOLL_ENGINE_INCLUDES} cli)
knoll_check_layer(src/view INCLUDES ${KNOLL_WINDOW_INCLUDES} view)
knoll_check_layer(src/operation_dialogs INCLUDES ${KNOLL_WINDOW_INCLUDES} operation_dialogs)
knoll_check_layer(src/app INCLUDES ${KNOLL_WINDOW_INCLUDES} framework/program view operation_dialogs app
                  LOOKS_UP_APP knoll_app.cpp)

# GDAL's headers are seen by one file only: the rest of the program reads and writes
# rasters through it, and nothing else may come to depend on the library being there.
file(GLOB_RECURSE knollSources ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h
     ${PROJECT_SOURCE_DIR}/tools/*.cpp ${PROJECT_SOURCE_DIR}/tools/*.h)
foreach(source IN LISTS knollSources)
  file(STRINGS ${source} gdalIncludes REGEX "^#include <(gdal|cpl_|ogr_)")
  file(RELATIVE_PATH name ${PROJECT_SOURCE_DIR} ${source})
  if(gdalIncludes AND NOT name STREQUAL "src/interchange/gdal_raster.cpp")
    message(FATAL_ERROR "${name} includes GDAL's headers; only src/interchange/gdal_raster.cpp may")
  endif()
endforeach()
