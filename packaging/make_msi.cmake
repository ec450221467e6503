# Builds Sorvane's MSI from a program folder staged for packing:
#   cmake -DPROGRAM_DIR=<folder> -DVERSION=<x.y.z> -DOUT=<file.msi> [-DWIXL=<wixl>]
#         -P packaging/make_msi.cmake
# The cmake target `msi` stages the build's program folder and calls this; the installer's
# end-to-end test calls it too, to build an upgrade of the same program.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/program_files.cmake)

foreach(required PROGRAM_DIR VERSION OUT)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "make_msi.cmake: ${required} is not set")
  endif()
endforeach()
if(NOT DEFINED WIXL)
  set(WIXL wixl)
endif()
# Windows Installer compares three fields of at most 255.255.65535; a fourth is ignored.
if(NOT VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$"
   OR CMAKE_MATCH_1 GREATER 255 OR CMAKE_MATCH_2 GREATER 255 OR CMAKE_MATCH_3 GREATER 65535)
  message(FATAL_ERROR "make_msi.cmake: '${VERSION}' is no MSI version (major.minor.build)")
endif()

get_filename_component(program_dir ${PROGRAM_DIR} ABSOLUTE)
get_filename_component(out ${OUT} ABSOLUTE)
set(work ${out}.parts)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
write_program_files(${program_dir} ${work}/program_files.wxs)
file(COPY ${CMAKE_CURRENT_LIST_DIR}/../resources/sorvane.ico DESTINATION ${work})

# wixl finds sources relative to its working folder and fails on absolute paths. It ignores
# what it does not understand with no more than a warning: make every warning fatal.
file(RELATIVE_PATH program_from_work ${work} ${program_dir})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env G_DEBUG=fatal-warnings
          ${WIXL} -a x64 -D Version=${VERSION} -D ProgramDir=${program_from_work}
          -D IconFile=sorvane.ico -o ${out}
          ${CMAKE_CURRENT_LIST_DIR}/sorvane.wxs program_files.wxs
  WORKING_DIRECTORY ${work}
  RESULT_VARIABLE failed)
if(failed)
  file(REMOVE ${out})
  message(FATAL_ERROR "wixl could not build ${out}")
endif()
file(REMOVE_RECURSE ${work})
