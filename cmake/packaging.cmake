# The Windows download: one ZIP of the program folder (sorvane.exe, the skins, snk.chm and
# the web-link pages). The user unpacks it into any writable folder and runs sorvane.exe;
# the clock writes vl.prf beside itself. After `cmake --build <dir>`,
# `cmake --build <dir> --target package` (or cpack in <dir>) makes it in <dir>/package.
if(NOT WIN32 OR NOT TARGET sorvane)
  return()
endif()

if(DEFINED SORVANE_PROGRAM_DIR)
  set(sorvane_package_from ${SORVANE_PROGRAM_DIR})
else()
  set(sorvane_package_from ${CMAKE_BINARY_DIR}/bin)
endif()

# Packing takes the program folder as built (build first, then pack); it does not rebuild
# every test program of the tree on the way.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS sorvane RUNTIME DESTINATION .)
file(GLOB sorvane_package_skins CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/skins/*.skn)
install(FILES ${sorvane_package_skins} DESTINATION .)
if(TARGET sorvane_help)
  install(FILES ${sorvane_package_from}/snk.chm DESTINATION .)
  install(DIRECTORY ${sorvane_package_from}/links DESTINATION . OPTIONAL)
else()
  message(WARNING "chmcmd was not found: the package will have no help file")
endif()

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Sorvane)
set(CPACK_PACKAGE_VENDOR "Sorvane")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME sorvane-${PROJECT_VERSION}-win64)
# One folder inside the ZIP, so unpacking never scatters files among the user's own.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)

if(SORVANE_TESTS)
  add_test(NAME package_contents
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/tools/check_package.sh ${CMAKE_BINARY_DIR}
            ${sorvane_package_from} ${PROJECT_SOURCE_DIR}/skins)
endif()
