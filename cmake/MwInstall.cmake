# Installing Maltwise Calculator like a Linux desktop program, and the Debian
# package made from that installation (cpack -G DEB).
#
#   bin/                                 every program under src/ (maltwise, maltwise-db)
#   lib/maltwise-calculator/             shared or plug-in libraries of ours, when there are any
#   share/maltwise-calculator/           the files that travel with the program: help/, grid/,
#                                        reports/, tips.txt, credits.txt (found relative to
#                                        the program, so any prefix works)
#   share/applications/, share/metainfo/, share/icons/hicolor/, share/man/man1/

set(MW_APP_ID "com.example.maltwise.calculator")
# Where the AppStream screenshots are served from: the repository's
# docs/screenshots folder as raw files on the maker's site (an assumption a
# packager can change at configure time).
set(MW_SCREENSHOT_BASE_URL "https://maltwise.example.com/repository/raw/main/docs/screenshots"
    CACHE STRING "Address of the folder holding docs/screenshots, for the AppStream metainfo")

# Every program and every shared or plug-in library made under src/, found by
# walking the folders, so that a target added later is installed without a
# rule of its own. Static libraries are linked into the programs.
function(mw_collect_runtime_targets dir out)
  get_property(targets DIRECTORY "${dir}" PROPERTY BUILDSYSTEM_TARGETS)
  set(found "")
  foreach(t IN LISTS targets)
    get_target_property(type ${t} TYPE)
    if(type MATCHES "^(EXECUTABLE|SHARED_LIBRARY|MODULE_LIBRARY)$")
      list(APPEND found ${t})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    mw_collect_runtime_targets("${sub}" sub_found)
    list(APPEND found ${sub_found})
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

mw_collect_runtime_targets("${PROJECT_SOURCE_DIR}/src" MW_RUNTIME_TARGETS)
set(MW_INSTALL_LIB_DIR "${CMAKE_INSTALL_LIBDIR}/maltwise-calculator")
foreach(t IN LISTS MW_RUNTIME_TARGETS)
  get_target_property(type ${t} TYPE)
  if(type STREQUAL "EXECUTABLE")
    # A shared library of ours lies in lib/maltwise-calculator, not on the
    # system's library path.
    file(RELATIVE_PATH lib_from_bin "/prefix/${CMAKE_INSTALL_BINDIR}" "/prefix/${MW_INSTALL_LIB_DIR}")
    set_target_properties(${t} PROPERTIES INSTALL_RPATH "\$ORIGIN/${lib_from_bin}")
  endif()
endforeach()
install(TARGETS ${MW_RUNTIME_TARGETS}
        RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}"
        LIBRARY DESTINATION "${MW_INSTALL_LIB_DIR}"
        NAMELINK_SKIP)

# The program folder's files.
install(FILES "${PROJECT_SOURCE_DIR}/resources/tips.txt" "${PROJECT_SOURCE_DIR}/resources/credits.txt"
        DESTINATION "${MW_INSTALL_DATA_DIR}")
install(DIRECTORY "${PROJECT_SOURCE_DIR}/resources/help" "${PROJECT_SOURCE_DIR}/resources/grid"
                  "${PROJECT_SOURCE_DIR}/resources/reports"
        DESTINATION "${MW_INSTALL_DATA_DIR}")

# The desktop entry, the icons, the AppStream metainfo and the manual pages.
set(MW_PACKAGING "${PROJECT_SOURCE_DIR}/packaging")
install(FILES "${MW_PACKAGING}/${MW_APP_ID}.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
configure_file("${MW_PACKAGING}/${MW_APP_ID}.metainfo.xml.in"
               "${PROJECT_BINARY_DIR}/packaging/${MW_APP_ID}.metainfo.xml" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/packaging/${MW_APP_ID}.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES "${MW_PACKAGING}/icons/${size}x${size}/${MW_APP_ID}.png"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
endforeach()
install(FILES "${MW_PACKAGING}/icons/${MW_APP_ID}.svg"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
# Manual pages go in compressed, as Debian's packages keep them (-n: no name
# or time stamp inside, so the same page gives the same file).
set(MW_MAN_PAGES)
foreach(page maltwise.1 maltwise-db.1)
  set(compressed "${PROJECT_BINARY_DIR}/man/${page}.gz")
  add_custom_command(OUTPUT "${compressed}"
                     COMMAND ${CMAKE_COMMAND} -E make_directory "${PROJECT_BINARY_DIR}/man"
                     COMMAND gzip -9nc "${PROJECT_SOURCE_DIR}/docs/man/${page}" > "${compressed}"
                     DEPENDS "${PROJECT_SOURCE_DIR}/docs/man/${page}"
                     VERBATIM)
  list(APPEND MW_MAN_PAGES "${compressed}")
endforeach()
add_custom_target(man_pages ALL DEPENDS ${MW_MAN_PAGES})
install(FILES ${MW_MAN_PAGES} DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")

# The Debian package: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME "maltwise-calculator")
set(CPACK_PACKAGE_VENDOR "Wortline")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Wortline <support@maltwise.example.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://maltwise.example.com")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "recipe calculator for home brewers")
set(CPACK_PACKAGE_DESCRIPTION
    "Maltwise Calculator keeps home-brew recipes (ingredients, mash schedule,
fermentation record, tasting and competition results) and predicts each
recipe's original gravity, bitterness (IBU and HBU), colour and alcohol
against the ranges of its target beer style. Calculators solve a hop
addition's bitterness, the original gravity and the alcohol content, and
converters turn specific gravity into degrees Balling and alcohol by volume
into alcohol by weight. Recipes print as reports and travel as BeerXML.
.
The command-line companion maltwise-db creates, checks, compacts and
repairs the databases and recalculates, reports, imports and exports recipes
without a window.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Wortline <support@maltwise.example.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds SQLite databases through its plug-in, which no program links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
set(CPACK_GENERATOR "DEB")
include(CPack)
