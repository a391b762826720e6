# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made by `make package` (or `cpack -G DEB` in a build tree configured with
# CMAKE_INSTALL_PREFIX=/usr). CPack packs whatever `cmake --install` installs; this file adds the
# package's metadata, its changelog, and the dependencies that no library link reveals.

set(ZEFFIRA_MAINTAINER "De makers van Zeffira <zeffira@${ZEFFIRA_WEBSITE_HOST}>"
    CACHE STRING "Maintainer of the Debian package")

# What the program loads at run time without linking it, so that dpkg-shlibdeps cannot see it.
set(ZEFFIRA_DEBIAN_RUNTIME_DEPENDS
  # the QML modules the views import, and those they import in turn
  qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-layouts
  qml6-module-qtquick-templates qml6-module-qtquick-window qml6-module-qtqml-workerscript
  qml6-module-qtqml qml6-module-qtqml-models qml6-module-qtquick-dialogs qml6-module-qt-labs-folderlistmodel
  # the SVG image and icon-engine plugins (every icon is an SVG), the Wayland platform plugin
  libqt6svg6 qt6-wayland
  # the SQLite driver of QtSql, for the history of heard songs
  libqt6sql6-sqlite
  # libsecret, which QtKeychain loads at run time to reach the Secret Service (the ListenBrainz token)
  libsecret-1-0
  # playbin, HTTP and ICY, MP3, Vorbis and FLAC decoders, pulsesink
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good)
# Codecs for stations beyond the built-in list (AAC, HLS and the rest); wanted, not required.
# qt6-translations-l10n: Qt's own texts (the command line's "Usage:", the text fields' menus) in
# the user's language.
set(ZEFFIRA_DEBIAN_RUNTIME_RECOMMENDS gstreamer1.0-plugins-bad gstreamer1.0-libav qt6-translations-l10n)

# The changelog a native package carries, written from the metainfo's release list: every
# <release version date> with its description's paragraphs and list items as entries.
function(zeffira_write_debian_changelog metainfo output)
  file(READ "${metainfo}" text)
  set(changelog "")
  string(FIND "${text}" "<release " start)
  while(start GREATER -1)
    string(SUBSTRING "${text}" ${start} -1 text)
    string(FIND "${text}" "</release>" end)
    if(end EQUAL -1)
      string(FIND "${text}" "/>" end)
    endif()
    string(SUBSTRING "${text}" 0 ${end} release)
    string(SUBSTRING "${text}" 1 -1 text)
    string(REGEX MATCH "version=\"([^\"]+)\" date=\"([^\"]+)\"" _ "${release}")
    set(version "${CMAKE_MATCH_1}")
    execute_process(COMMAND date -u -R -d "${CMAKE_MATCH_2}" OUTPUT_VARIABLE date
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    string(APPEND changelog "zeffira (${version}) stable; urgency=medium\n\n")
    string(REGEX MATCHALL "<(p|li)>[^<]*</(p|li)>" items "${release}")
    if(NOT items)
      set(items "<p>Release ${version}.</p>")
    endif()
    foreach(item IN LISTS items)
      string(REGEX REPLACE "</?(p|li)>" "" item "${item}")
      string(REGEX REPLACE "[ \t\r\n]+" " " item "${item}")
      string(STRIP "${item}" item)
      # Wrapped at 78 columns, continuation lines under the text.
      set(line "  *")
      string(REPLACE " " ";" words "${item}")
      foreach(word IN LISTS words)
        string(LENGTH "${line} ${word}" length)
        if(length GREATER 78)
          string(APPEND changelog "${line}\n")
          set(line "   ")
        endif()
        string(APPEND line " ${word}")
      endforeach()
      string(APPEND changelog "${line}\n")
    endforeach()
    string(APPEND changelog "\n -- ${ZEFFIRA_MAINTAINER}  ${date}\n\n")
    string(FIND "${text}" "<release " start)
  endwhile()
  string(STRIP "${changelog}" changelog)
  file(WRITE "${output}" "${changelog}\n")
endfunction()

find_program(ZEFFIRA_GZIP gzip REQUIRED)
set(ZEFFIRA_CHANGELOG ${CMAKE_BINARY_DIR}/changelog)
zeffira_write_debian_changelog(${ZEFFIRA_METAINFO_TEMPLATE} ${ZEFFIRA_CHANGELOG})
add_custom_command(
  OUTPUT ${ZEFFIRA_CHANGELOG}.gz
  COMMAND ${ZEFFIRA_GZIP} -9 -n -f -k ${ZEFFIRA_CHANGELOG}
  DEPENDS ${ZEFFIRA_CHANGELOG}
  VERBATIM)
add_custom_target(zeffira_changelog ALL DEPENDS ${ZEFFIRA_CHANGELOG}.gz)
install(FILES ${ZEFFIRA_CHANGELOG}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zeffira)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${ZEFFIRA_MAINTAINER})
set(CPACK_PACKAGE_VENDOR "De makers van Zeffira")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simple internet radio in the panel tray")
# Debian wants the long description wrapped; CPack indents it and dots the empty line.
set(CPACK_PACKAGE_DESCRIPTION
  "Zeffira lives in the panel's tray. A click drops a panel with your stations\n"
  "by category, a search field, play, pause and stop, the volume and the output\n"
  "device. Media keys and the desktop's media controls drive it over MPRIS, it\n"
  "pauses when the computer sleeps and resumes or restarts on wake, and a\n"
  "station whose stream fails is skipped to the next one.\n"
  "\n"
  "Without a graphical session it plays headless, controlled over MPRIS. The\n"
  "interface speaks Dutch.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${ZEFFIRA_WEBSITE_HOST}/zeffira/support")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Library dependencies come from dpkg-shlibdeps over every ELF file in the package; the private
# library folder is on its search path, so libraries we install for ourselves count as ours.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
string(REGEX REPLACE "^/" "" _zeffira_packaged_prefix "${CPACK_PACKAGING_INSTALL_PREFIX}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${_zeffira_packaged_prefix}/${CMAKE_INSTALL_LIBDIR}/zeffira")
list(JOIN ZEFFIRA_DEBIAN_RUNTIME_DEPENDS ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
list(JOIN ZEFFIRA_DEBIAN_RUNTIME_RECOMMENDS ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS)

set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/StripComments.cmake)
set(CPACK_ZEFFIRA_OBJCOPY ${CMAKE_OBJCOPY})

include(CPack)
