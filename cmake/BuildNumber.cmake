# SPDX-License-Identifier: GPL-3.0-or-later
# Run at every build (cmake -P): writes OUTPUT, the C++ source of AppInfo::buildNumber(), from
# BUILD_NUMBER when one was chosen, else from the git commit count of SOURCE_DIR as checked out
# now (0 outside a git checkout). OUTPUT is rewritten only when the number changes, so a build
# after a commit recompiles that one file and a build without one recompiles nothing.
cmake_minimum_required(VERSION 3.25)
if(NOT DEFINED SOURCE_DIR OR NOT DEFINED OUTPUT)
  message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=... -DOUTPUT=... [-DBUILD_NUMBER=...] -P BuildNumber.cmake")
endif()
if("${BUILD_NUMBER}" STREQUAL "")
  execute_process(COMMAND git rev-list --count HEAD
    WORKING_DIRECTORY "${SOURCE_DIR}"
    RESULT_VARIABLE _failed
    OUTPUT_VARIABLE BUILD_NUMBER OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(_failed OR NOT BUILD_NUMBER MATCHES "^[0-9]+$")
    set(BUILD_NUMBER 0)
  endif()
endif()
string(REPLACE "\\" "\\\\" BUILD_NUMBER "${BUILD_NUMBER}")
string(REPLACE "\"" "\\\"" BUILD_NUMBER "${BUILD_NUMBER}")

set(_content "// Generated at build time by cmake/BuildNumber.cmake; do not edit.
#include \"base/AppInfo.h\"

QString AppInfo::buildNumber()
{
    return QStringLiteral(\"${BUILD_NUMBER}\");
}
")
set(_old "")
if(EXISTS "${OUTPUT}")
  file(READ "${OUTPUT}" _old)
endif()
if(NOT _old STREQUAL _content)
  file(WRITE "${OUTPUT}" "${_content}")
endif()
