# SPDX-License-Identifier: MIT
# Run by CPack on the staged package tree (CPACK_PRE_BUILD_SCRIPTS): strips every
# program in usr/bin and orvalin-cli's drawing module in usr/lib/orvalin/modules,
# the way Debian's dh_strip does.
if(NOT CPACK_TEMPORARY_INSTALL_DIRECTORY)
  message(FATAL_ERROR "strip-staged.cmake: CPack gave no staging directory")
endif()
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/*"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/lib/orvalin/modules/*")
if(NOT programs)
  message(FATAL_ERROR "strip-staged.cmake: no programs under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(program ${programs})
  execute_process(
    COMMAND ${CPACK_ORVALIN_STRIP} --remove-section=.comment --remove-section=.note ${program}
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "strip-staged.cmake: ${CPACK_ORVALIN_STRIP} failed on ${program}")
  endif()
  message(STATUS "Stripped ${program}")
endforeach()
