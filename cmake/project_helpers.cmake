# Adds every direct sub-folder of DIR that has a CMakeLists.txt, in name order.
function(lt_add_module_dirs dir)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}/${dir}
       ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/${child}/CMakeLists.txt)
      add_subdirectory(${dir}/${child})
    endif()
  endforeach()
endfunction()

# lt_unit_test(NAME SOURCES... LIBS ...): a GoogleTest executable run by CTest natively,
# and under Wine in the win32 build (through the Wine runner script).
function(lt_unit_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} lt_gtest_main)
  lt_register_test(${name} ${name})
endfunction()

# Registers an executable with CTest; under win32 it runs through scripts/wine-run.sh.
function(lt_register_test testname target)
  if(LT_WIN32)
    add_test(NAME ${testname}
             COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-run.sh $<TARGET_FILE:${target}> ${ARGN})
  else()
    add_test(NAME ${testname} COMMAND ${target} ${ARGN})
  endif()
endfunction()

# lt_host_tool(NAME SOURCES...): a small program that runs on the build machine during the
# build (resource generators). In the win32 build it is compiled with the host's c++, since
# the cross compiler's output cannot run there. The tool's path is in ${NAME}_EXE.
function(lt_host_tool name)
  set(sources ${ARGN})
  if(LT_WIN32)
    set(exe ${CMAKE_CURRENT_BINARY_DIR}/${name}-host)
    set(abs_sources "")
    foreach(s IN LISTS sources)
      list(APPEND abs_sources ${CMAKE_CURRENT_SOURCE_DIR}/${s})
    endforeach()
    add_custom_command(OUTPUT ${exe}
      COMMAND c++ -std=c++20 -O2 -I${PROJECT_SOURCE_DIR} ${abs_sources} -o ${exe}
      DEPENDS ${abs_sources} VERBATIM)
    add_custom_target(${name} DEPENDS ${exe})
  else()
    add_executable(${name} ${sources})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    set(exe $<TARGET_FILE:${name}>)
  endif()
  set(${name}_EXE ${exe} CACHE INTERNAL "")
endfunction()

# lt_pixmap(TARGET INPUT.txt OUTPUT.bmp|.ico): turns a text pixel map into a resource file in
# the current binary folder before TARGET builds. See tools/pixmap/pixmap.h for the format.
function(lt_pixmap target input output)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${output})
  set(in ${CMAKE_CURRENT_SOURCE_DIR}/${input})
  add_custom_command(OUTPUT ${out}
    COMMAND ${pixmap_tool_EXE} ${in} ${out}
    DEPENDS ${in} pixmap_tool VERBATIM)
  set_property(TARGET ${target} APPEND PROPERTY SOURCES ${out})
endfunction()

# lt_module(NAME [LIBS ...] [WIN32_LIBS ...]): the folder's portable .cpp files become the
# static library NAME; its *_win32.cpp files become NAME_win32 (win32 build only), which
# links NAME and the given system libraries.
function(lt_module name)
  cmake_parse_arguments(ARG "" "" "LIBS;WIN32_LIBS" ${ARGN})
  file(GLOB all CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(portable ${all})
  list(FILTER portable EXCLUDE REGEX "_win32\\.cpp$")
  set(win32 ${all})
  list(FILTER win32 INCLUDE REGEX "_win32\\.cpp$")
  if(portable)
    add_library(${name} STATIC ${portable})
  else()
    add_library(${name} INTERFACE)
  endif()
  get_target_property(kind ${name} TYPE)
  if(kind STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
  else()
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  endif()
  if(LT_WIN32 AND win32)
    add_library(${name}_win32 STATIC ${win32})
    target_link_libraries(${name}_win32 PUBLIC ${name} ${ARG_WIN32_LIBS})
  endif()
endfunction()

# lt_module_tests(NAME LIBS ...): the folder's test_*.cpp files as one GoogleTest executable;
# files ending in _win32.cpp are compiled in the win32 build only.
function(lt_module_tests name)
  cmake_parse_arguments(ARG "" "" "LIBS;WIN32_LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT LT_WIN32)
    list(FILTER sources EXCLUDE REGEX "_win32\\.cpp$")
  endif()
  set(libs ${ARG_LIBS})
  if(LT_WIN32)
    list(APPEND libs ${ARG_WIN32_LIBS})
  endif()
  lt_unit_test(${name} SOURCES ${sources} LIBS ${libs})
endfunction()

# lt_e2e_test(NAME SOURCES ... [DEPENDS targets...]): a Wine end-to-end driver over the harness.
# E2E_BIN_DIR tells it where the built programs are; they are built before it.
function(lt_e2e_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE e2e_harness lt_gtest_main ${ARG_LIBS})
  target_compile_definitions(${name} PRIVATE E2E_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  if(ARG_DEPENDS)
    add_dependencies(${name} ${ARG_DEPENDS})
  endif()
  lt_register_test(${name} ${name})
endfunction()
