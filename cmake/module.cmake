# sorvane_module(NAME DIR [DEPS ...]): a static library of every .cpp in DIR (an INTERFACE
# library while the folder has headers only) that links the modules it DEPends on.
#
# A module's headers are included as "<its path under src>/x.h" (e.g. "timefmt/date_format.h"),
# and only a target that links the module, directly or through a module that declares it, can
# reach them: the module's include directory is a folder of its own under the build tree
# holding one link, named like its path under src/, to its source folder. So a module that
# includes another without declaring it fails to build, instead of building by accident.
function(sorvane_module name dir)
  cmake_parse_arguments(M "" "" "DEPS" ${ARGN})
  sorvane_module_headers(${name} ${dir} include_dir)
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${include_dir})
    target_link_libraries(${name} PUBLIC ${M_DEPS} PRIVATE sorvane_warnings)
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${include_dir})
    target_link_libraries(${name} INTERFACE ${M_DEPS})
  endif()
endfunction()

# sorvane_module_headers(NAME DIR OUT_VAR): makes the include directory of module NAME, whose
# sources are in DIR, and sets OUT_VAR to it. A folder that holds the folders of other modules
# (platform/ holds headless/ and win32/) gets a link to each of its own headers instead of one
# to the whole folder, so that those modules stay out of reach.
function(sorvane_module_headers name dir out_var)
  set(root ${CMAKE_BINARY_DIR}/include/${name})
  file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR}/src ${dir})
  get_filename_component(parent ${root}/${relative} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  file(GLOB entries LIST_DIRECTORIES true ${dir}/*)
  set(has_folders FALSE)
  foreach(entry ${entries})
    if(IS_DIRECTORY ${entry})
      set(has_folders TRUE)
    endif()
  endforeach()
  if(has_folders)
    # A build made while the folder had no folders of its own linked the whole of it: that
    # link goes, or the links to its headers would be made inside the sources.
    if(IS_SYMLINK ${root}/${relative})
      file(REMOVE ${root}/${relative})
    endif()
    file(MAKE_DIRECTORY ${root}/${relative})
    file(GLOB headers CONFIGURE_DEPENDS ${dir}/*.h)
    set(links)
    foreach(header ${headers})
      get_filename_component(file_name ${header} NAME)
      list(APPEND links ${header} ${root}/${relative}/${file_name})
    endforeach()
  else()
    set(links ${dir} ${root}/${relative})
  endif()
  while(links)
    list(POP_FRONT links target link)
    if(NOT IS_SYMLINK ${link})
      file(CREATE_LINK ${target} ${link} RESULT failed SYMBOLIC)
      if(failed)
        # Without symbolic links (Windows without developer mode, say) the check is lost but
        # the build is not: every module then sees all of src/.
        message(STATUS "No link for ${name} (${failed}): its headers are reached through src/")
        set(${out_var} ${PROJECT_SOURCE_DIR}/src PARENT_SCOPE)
        return()
      endif()
    endif()
  endwhile()
  set(${out_var} ${root} PARENT_SCOPE)
endfunction()

# sorvane_test(NAME DIR DEPS ...): one GoogleTest program of every .cpp in DIR. Natively each
# case is its own CTest test; under Wine the whole program is one test, since every Wine
# process start is costly.
function(sorvane_test name dir)
  cmake_parse_arguments(T "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${T_DEPS} GTest::gtest_main sorvane_warnings)
  target_compile_definitions(${name} PRIVATE SORVANE_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  if(CMAKE_CROSSCOMPILING)
    target_link_options(${name} PRIVATE -static)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
