# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack between staging and packing: drops the compiler's .comment section from every ELF
# file, as Debian's own packaging does (strip keeps it).
file(GLOB_RECURSE _zeffira_staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(file IN LISTS _zeffira_staged)
  if(IS_SYMLINK "${file}")
    continue()
  endif()
  file(READ "${file}" magic LIMIT 4 HEX)
  if(magic STREQUAL "7f454c46")
    execute_process(COMMAND "${CPACK_ZEFFIRA_OBJCOPY}" --remove-section=.comment "${file}"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
