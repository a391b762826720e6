# SPDX-License-Identifier: GPL-3.0-or-later
# zeffira.1: help2man writes it from the program's own --help and --version, so the options
# never drift from the code; data/zeffira.h2m.in adds what --help does not say. Installed gzipped.

find_program(ZEFFIRA_HELP2MAN help2man REQUIRED)
find_program(ZEFFIRA_GZIP gzip REQUIRED)

# Dated by the release, not by the build, so that every build of a version writes the same page.
execute_process(COMMAND date -u -d "${ZEFFIRA_RELEASE_DATE}" +%s
                OUTPUT_VARIABLE ZEFFIRA_RELEASE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)

configure_file(${CMAKE_SOURCE_DIR}/data/zeffira.h2m.in ${CMAKE_BINARY_DIR}/zeffira.h2m @ONLY)
set(ZEFFIRA_MAN_PAGE ${CMAKE_BINARY_DIR}/zeffira.1)
add_custom_command(
  OUTPUT ${ZEFFIRA_MAN_PAGE} ${ZEFFIRA_MAN_PAGE}.gz
  # The page is English, as its other sections are: --help is asked for in English. help2man
  # sets the program's locale itself (C, which gives Dutch, unless told otherwise).
  COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${ZEFFIRA_RELEASE_EPOCH} LANGUAGE=
          ${ZEFFIRA_HELP2MAN} --locale=en_US.UTF-8 --no-info --section=1
          --include=${CMAKE_BINARY_DIR}/zeffira.h2m
          --output=${ZEFFIRA_MAN_PAGE} $<TARGET_FILE:zeffira>
  COMMAND ${ZEFFIRA_GZIP} -9 -n -f -k ${ZEFFIRA_MAN_PAGE}
  DEPENDS zeffira ${CMAKE_BINARY_DIR}/zeffira.h2m
  COMMENT "Writing the manual page zeffira.1"
  VERBATIM)
add_custom_target(zeffira_man_page ALL DEPENDS ${ZEFFIRA_MAN_PAGE}.gz)
install(FILES ${ZEFFIRA_MAN_PAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
