# The Linux package: sorvane_<version>_<arch>.deb, installable with `apt install ./<file>`.
# It holds the program (/usr/bin/sorvane), the shipped skins and the help pages in
# /usr/share/sorvane, the menu entry and the icon in the desktop's hicolor theme. After
# `cmake --build --preset linux`, `cmake --build --preset linux --target package` makes it
# in build/linux/package.
if(WIN32 OR NOT TARGET sorvane)
  return()
endif()

# Packing takes the program as built; it does not rebuild every test program on the way.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS sorvane RUNTIME DESTINATION bin)
file(GLOB deb_skins CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/skins/*.skn)
install(FILES ${deb_skins} DESTINATION share/sorvane/skins)
# The help as the HTML pages the Windows help file is compiled from, and the web-link pages.
file(GLOB deb_help CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/help/*.html)
install(FILES ${deb_help} ${PROJECT_SOURCE_DIR}/help/sorvane.css DESTINATION share/sorvane/help)
file(GLOB deb_links CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/help/links/*.html)
install(FILES ${deb_links} ${PROJECT_SOURCE_DIR}/help/sorvane.css
  DESTINATION share/sorvane/help/links)
file(GLOB deb_skin_pictures CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/skins/*.png)
install(FILES ${deb_skin_pictures} DESTINATION share/sorvane/help/links/skins)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/linux/sorvane.desktop
  DESTINATION share/applications)
foreach(size 16 32 48 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/sorvane-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME sorvane.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sorvane)
set(CPACK_PACKAGE_VENDOR "Sorvane")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop clock cut to its own shape")
set(CPACK_PACKAGE_DESCRIPTION "A frameless clock that stands free on the desktop, analog or \
digital or both, with or without the date, in seven sizes. Its analog face comes from skins, \
small text files of circles and polygons. Runs on X11, and through XWayland on Wayland.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)  # the program without its symbol table
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # sorvane_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Sorvane <sorvane@sorvane.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://releases.sorvane.invalid/")
# The libraries the program links, found by dpkg-shlibdeps; Qt's X11 platform plugin is
# loaded at run time, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
include(CPack)

if(SORVANE_TESTS)
  add_test(NAME deb_package
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/qt/check_deb.sh ${CMAKE_BINARY_DIR}
      ${PROJECT_SOURCE_DIR} ${PROJECT_VERSION})
  set_tests_properties(deb_package PROPERTIES TIMEOUT 300)
endif()
