# Helpers that keep each folder's CMake to a few lines and make the link line
# the architecture: a module names its layer, and a layer may only reach the
# Qt modules it is allowed to.
#
#   mw_add_module(<name> LAYER <std|core|gui|widgets> SOURCES ... [DEPENDS ...])
#   mw_add_test(<name> SOURCES ... DEPENDS ...)

set(MW_WARNING_FLAGS -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wpedantic)

function(mw_set_warnings target)
  target_compile_options(${target} PRIVATE ${MW_WARNING_FLAGS})
  if(MW_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# A "std" module is standard C++ only: it must neither link Qt nor include a Qt
# header. A "core" module may use Qt::Core and Qt::Sql but no widgets. A "gui"
# module may also paint (Qt::Gui: QPainter, fonts, PDF) but has no widgets,
# printer dialogs or printer classes, which need the widget library.
function(mw_check_layer name layer)
  cmake_parse_arguments(L "" "" "SOURCES;DEPENDS" ${ARGN})
  foreach(dep IN LISTS L_DEPENDS)
    if(layer STREQUAL "std" AND dep MATCHES "^Qt")
      message(FATAL_ERROR "${name} is a standard-C++ module and may not link ${dep}")
    endif()
    if(layer STREQUAL "core" AND dep MATCHES "^Qt.*(Widgets|Gui|PrintSupport)")
      message(FATAL_ERROR "${name} may not link ${dep}: it sits below the user interface")
    endif()
    if(layer STREQUAL "gui" AND dep MATCHES "^Qt.*(Widgets|PrintSupport)")
      message(FATAL_ERROR "${name} may not link ${dep}: it paints but has no widgets")
    endif()
  endforeach()
  if(layer STREQUAL "std")
    set(forbidden "#include[ \t]*<Q")
  elseif(layer STREQUAL "core")
    set(forbidden "#include[ \t]*<(QtWidgets|QtGui|QWidget|QDialog|QMessageBox|QApplication)")
  elseif(layer STREQUAL "gui")
    set(forbidden "#include[ \t]*<(QtWidgets|QtPrintSupport|QWidget|QDialog|QMessageBox|QApplication|QPrint|QPageSetupDialog|QAbstract[A-Za-z]*View)")
  endif()
  if(DEFINED forbidden)
    file(GLOB_RECURSE files "${CMAKE_CURRENT_SOURCE_DIR}/*.h" "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
    foreach(f IN LISTS files)
      file(STRINGS "${f}" hits REGEX "${forbidden}")
      if(hits)
        message(FATAL_ERROR "${f} includes a header its layer (${layer}) may not use: ${hits}")
      endif()
    endforeach()
  endif()
endfunction()

function(mw_add_module name)
  cmake_parse_arguments(M "" "LAYER" "SOURCES;DEPENDS" ${ARGN})
  if(NOT M_LAYER)
    message(FATAL_ERROR "mw_add_module(${name}) needs a LAYER")
  endif()
  mw_check_layer(${name} ${M_LAYER} SOURCES ${M_SOURCES} DEPENDS ${M_DEPENDS})
  add_library(${name} STATIC ${M_SOURCES})
  target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
  target_link_libraries(${name} PUBLIC ${M_DEPENDS})
  mw_set_warnings(${name})
  if(NOT M_LAYER STREQUAL "std")
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
endfunction()

function(mw_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_DEPENDS} Qt6::Test)
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  # Tests read the shipped files (help pages, tips, grid settings) where they are kept.
  target_compile_definitions(${name} PRIVATE MW_SOURCE_RESOURCES="${PROJECT_SOURCE_DIR}/resources")
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  mw_set_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
    TIMEOUT 300)
endfunction()
