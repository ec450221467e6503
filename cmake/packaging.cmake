# The Windows downloads, both of the same program folder (sorvane.exe, the skins, snk.chm and
# the web-link pages):
# - the portable ZIP: unpacked into any writable folder; the clock writes vl.prf beside
#   itself. After `cmake --build <dir>`, `cmake --build <dir> --target package` (or cpack in
#   <dir>) makes it in <dir>/package.
# - the per-user MSI (packaging/sorvane.wxs, built by wixl): `--target msi` builds what it
#   needs and makes <dir>/package/sorvane-<version>-win64.msi.
# `--target winget` makes both and the winget manifests for them in <dir>/package/winget.
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
set(sorvane_zip ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.zip)
include(CPack)

if(SORVANE_TESTS)
  add_test(NAME package_contents
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/tools/check_package.sh ${CMAKE_BINARY_DIR}
            ${sorvane_package_from} ${PROJECT_SOURCE_DIR}/skins)
endif()

# The MSI: the program folder is staged by the same install rules as the ZIP, so both carry
# the same files.
find_program(WIXL wixl)
find_program(MSIINFO msiinfo)
set(sorvane_msi ${CPACK_PACKAGE_DIRECTORY}/sorvane-${PROJECT_VERSION}-win64.msi)
set(sorvane_msi_stage ${CMAKE_BINARY_DIR}/msi-program)
if(WIXL AND MSIINFO)
  add_custom_target(msi
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${sorvane_msi_stage}
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${sorvane_msi_stage}
    COMMAND ${CMAKE_COMMAND} -DPROGRAM_DIR=${sorvane_msi_stage} -DVERSION=${PROJECT_VERSION}
            -DOUT=${sorvane_msi} -DWIXL=${WIXL} -P ${PROJECT_SOURCE_DIR}/packaging/make_msi.cmake
    COMMENT "Building the installer ${sorvane_msi}"
    VERBATIM)
  add_dependencies(msi sorvane)
  if(TARGET sorvane_help)
    add_dependencies(msi sorvane_help)
  endif()

  # The release's downloads and their winget manifests, hashes taken from the files as built.
  add_custom_target(winget
    COMMAND ${CMAKE_CPACK_COMMAND} -G ZIP --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
    COMMAND ${CMAKE_COMMAND} -DVERSION=${PROJECT_VERSION} -DMSI=${sorvane_msi}
            -DZIP=${sorvane_zip}
            -DOUT_DIR=${CPACK_PACKAGE_DIRECTORY}/winget -DMSIINFO=${MSIINFO}
            -P ${PROJECT_SOURCE_DIR}/packaging/winget/make_manifests.cmake
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    VERBATIM)
  add_dependencies(winget msi)
  if(SORVANE_TESTS)
    add_test(NAME winget_manifests
      COMMAND python3 ${PROJECT_SOURCE_DIR}/tests/tools/check_winget.py ${CMAKE_BINARY_DIR}
              ${PROJECT_SOURCE_DIR} ${PROJECT_VERSION})
  endif()
else()
  message(WARNING "wixl or msiinfo was not found (Debian package wixl): no target msi")
endif()
