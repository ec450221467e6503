# Writes the winget manifests (version, installer, defaultLocale; schema 1.6.0) of one release
# from the templates beside this file, for the MSI and the ZIP as built:
#   cmake -DVERSION=<x.y.z> -DMSI=<file.msi> -DZIP=<file.zip> -DOUT_DIR=<folder>
#         [-DMSIINFO=<msiinfo>] -P packaging/winget/make_manifests.cmake
# Hashes, the MSI's product code and the program's place in the ZIP are read from the files
# themselves, so a manifest never describes another build than the one beside it.
cmake_minimum_required(VERSION 3.25)
foreach(required VERSION MSI ZIP OUT_DIR)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "make_manifests.cmake: ${required} is not set")
  endif()
endforeach()
if(NOT DEFINED MSIINFO)
  set(MSIINFO msiinfo)
endif()

file(SHA256 ${MSI} MSI_SHA256)
file(SHA256 ${ZIP} ZIP_SHA256)
string(TOUPPER ${MSI_SHA256} MSI_SHA256)
string(TOUPPER ${ZIP_SHA256} ZIP_SHA256)
get_filename_component(MSI_NAME ${MSI} NAME)
get_filename_component(ZIP_NAME ${ZIP} NAME)

# Each build of the MSI has a product code of its own; the upgrade code never changes.
execute_process(COMMAND ${MSIINFO} export ${MSI} Property
  OUTPUT_VARIABLE properties RESULT_VARIABLE failed)
if(failed OR NOT properties MATCHES "\nProductCode\t({[-0-9A-F]+})"
   OR NOT properties MATCHES "\nUpgradeCode\t({[-0-9A-F]+})")
  message(FATAL_ERROR "make_manifests.cmake: no product or upgrade code in ${MSI}")
endif()
string(REGEX MATCH "\nProductCode\t({[-0-9A-F]+})" _ "${properties}")
set(PRODUCT_CODE ${CMAKE_MATCH_1})
string(REGEX MATCH "\nUpgradeCode\t({[-0-9A-F]+})" _ "${properties}")
set(UPGRADE_CODE ${CMAKE_MATCH_1})

# winget starts the program where the ZIP puts it: find it there rather than assume a name.
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${ZIP}
  OUTPUT_VARIABLE entries RESULT_VARIABLE failed)
string(REGEX MATCH "(^|\n)([^\n]*/)?sorvane\\.exe(\n|$)" program "${entries}")
if(failed OR NOT program)
  message(FATAL_ERROR "make_manifests.cmake: ${ZIP} holds no sorvane.exe")
endif()
string(STRIP "${program}" ZIP_PROGRAM)
string(REPLACE "/" "\\" ZIP_PROGRAM "${ZIP_PROGRAM}")

file(GLOB templates ${CMAKE_CURRENT_LIST_DIR}/*.yaml.in)
foreach(template IN LISTS templates)
  get_filename_component(name ${template} NAME)
  string(REGEX REPLACE "\\.in$" "" name ${name})
  configure_file(${template} ${OUT_DIR}/${name} @ONLY)
endforeach()
message(STATUS "winget manifests for ${MSI_NAME} and ${ZIP_NAME} in ${OUT_DIR}")
