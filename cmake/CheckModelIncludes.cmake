# cmake -DSOURCE_DIR=<src> -DMODEL_FOLDERS=<a;b> -DWIDGET_HEADERS=<QtWidgets folder>
#       -DOTHER_HEADERS=<QtGui folder;QtCore folder> -P CheckModelIncludes.cmake
# Fails when a source file directly in a model folder includes a Qt Widgets header, either by its
# own name (<QWidget>, <qwidget.h>) or by its module path (<QtWidgets/...>). Headers that Qt
# Widgets only forwards to Qt Gui or Qt Core are allowed. Subfolders (ui/, qt/) are widget code.
cmake_minimum_required(VERSION 3.21)

foreach(required SOURCE_DIR MODEL_FOLDERS WIDGET_HEADERS)
  if(NOT ${required})
    message(FATAL_ERROR "${required} is not set")
  endif()
endforeach()
if(NOT IS_DIRECTORY "${WIDGET_HEADERS}")
  message(FATAL_ERROR "No Qt Widgets headers in ${WIDGET_HEADERS}")
endif()

file(GLOB widget_headers RELATIVE "${WIDGET_HEADERS}" "${WIDGET_HEADERS}/*")
foreach(folder IN LISTS OTHER_HEADERS)
  file(GLOB other RELATIVE "${folder}" "${folder}/*")
  list(REMOVE_ITEM widget_headers ${other})
endforeach()

set(problems "")
set(checked 0)
foreach(folder IN LISTS MODEL_FOLDERS)
  file(GLOB sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    math(EXPR checked "${checked} + 1")
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*$" "\\1" header "${line}")
      if(header MATCHES "^QtWidgets/" OR header IN_LIST widget_headers)
        file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
        string(APPEND problems "\n  ${shown}: #include <${header}>")
      endif()
    endforeach()
  endforeach()
endforeach()

if(checked EQUAL 0)
  message(FATAL_ERROR "No model sources found under ${SOURCE_DIR}")
endif()
if(problems)
  message(FATAL_ERROR "Model code includes Qt Widgets headers:${problems}\n"
                      "Move that code into the subsystem's ui/ library.")
endif()
message(STATUS "${checked} model sources include no Qt Widgets header")
