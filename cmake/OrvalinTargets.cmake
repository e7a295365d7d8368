# SPDX-License-Identifier: MIT
# How every Orvalin target is built, and what each one lets its users include.

# Compiler flags for every target, as usage requirements of one INTERFACE target
# rather than directory-wide flags. The engine's worked values are bit-level
# consequences of its evaluation order: no fused multiply-add and no value-changing
# optimisation anywhere.
add_library(orvalin_flags INTERFACE)
target_compile_options(orvalin_flags INTERFACE -Wall -Wextra -Wpedantic -ffp-contract=off -fno-fast-math)
# GCC 12 reports false -Wrestrict overlaps inside libstdc++'s std::string at -O2
# (GCC bug 105329); our code copies no overlapping memory.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(orvalin_flags INTERFACE -Wno-restrict)
endif()
if(ORVALIN_WERROR)
  target_compile_options(orvalin_flags INTERFACE -Werror)
endif()
if(ORVALIN_SANITIZE)
  target_compile_options(orvalin_flags INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(orvalin_flags INTERFACE -fsanitize=address,undefined)
endif()

# The product's folders are under src/, one library each.
set(ORVALIN_SOURCE_ROOT "${CMAKE_CURRENT_LIST_DIR}/../src")
cmake_path(NORMAL_PATH ORVALIN_SOURCE_ROOT)

# Sources include headers by their folder under src/ ("engine/calendar.h"). The
# library that owns a folder exports an include root holding that folder alone (a
# link to it in the build tree), so a header can be included only by targets that
# link its owner: the dependency graph CMake knows is the one the includes follow,
# and since a folder is one library, the check is exact.
function(orvalin_export_folder target folder)
  string(MAKE_C_IDENTIFIER "${folder}" root_name)
  set(root "${CMAKE_BINARY_DIR}/include/${root_name}")
  set(link "${root}/${folder}")
  if(NOT EXISTS "${link}")
    get_filename_component(parent "${link}" DIRECTORY)
    file(MAKE_DIRECTORY "${parent}")
    file(CREATE_LINK "${ORVALIN_SOURCE_ROOT}/${folder}" "${link}" SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE "${root}")
  else()
    target_include_directories(${target} PUBLIC "${root}")
  endif()
endfunction()

# The library of a product folder (a path under src/): the project's flags, and
# its folder exported.
function(orvalin_library name folder)
  add_library(${name} STATIC ${ARGN})
  target_link_libraries(${name} PRIVATE orvalin_flags)
  orvalin_export_folder(${name} ${folder})
endfunction()

# A test program: the project's flags, its libraries, its cases registered.
#   orvalin_test(NAME SOURCES a.cpp b.cpp LIBRARIES lib... [PROPERTIES ...])
function(orvalin_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES;PROPERTIES")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE orvalin_flags ${arg_LIBRARIES})
  if(arg_PROPERTIES)
    gtest_discover_tests(${name} PROPERTIES ${arg_PROPERTIES})
  else()
    gtest_discover_tests(${name})
  endif()
endfunction()
