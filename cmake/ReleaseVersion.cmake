# SPDX-License-Identifier: GPL-3.0-or-later
# The version and its release date have one home: the newest <release> of the AppStream metainfo.
# Included before project(); sets ZEFFIRA_RELEASE_VERSION and ZEFFIRA_RELEASE_DATE (YYYY-MM-DD).
# A release is made by adding a <release version="X.Y.Z" date="YYYY-MM-DD"> at the top of the list.

set(ZEFFIRA_METAINFO_TEMPLATE "${CMAKE_CURRENT_LIST_DIR}/../data/zeffira.metainfo.xml.in")
file(READ "${ZEFFIRA_METAINFO_TEMPLATE}" _zeffira_metainfo)
string(REGEX MATCH "<release version=\"([0-9]+\\.[0-9]+\\.[0-9]+)\" date=\"([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\""
       _zeffira_release "${_zeffira_metainfo}")
if(NOT _zeffira_release)
  message(FATAL_ERROR "No <release version=\"X.Y.Z\" date=\"YYYY-MM-DD\"> in ${ZEFFIRA_METAINFO_TEMPLATE}")
endif()
set(ZEFFIRA_RELEASE_VERSION "${CMAKE_MATCH_1}")
set(ZEFFIRA_RELEASE_DATE "${CMAKE_MATCH_2}")
unset(_zeffira_metainfo)
unset(_zeffira_release)
