# The Debian package: `cpack -G DEB` in the build folder writes
# krivol_<version>-1_<arch>.deb: the layout of `cmake --install` under /usr,
# but for the programs in /usr/games and their data in /usr/share/games/krivol,
# as Debian keeps its games. Included from the top CMakeLists.txt after every
# install rule.

# The release date as Debian's changelog writes it ("Tue, 08 Dec 2026 ..."),
# so the package is the same whenever it is built.
function(krivol_changelog_date iso out)
  if(NOT iso MATCHES "^([0-9][0-9][0-9][0-9])-0?([0-9]+)-0?([0-9]+)$")
    message(FATAL_ERROR "release date ${iso} is not YYYY-MM-DD")
  endif()
  set(y ${CMAKE_MATCH_1})
  set(m ${CMAKE_MATCH_2})
  set(d ${CMAKE_MATCH_3})
  # Zeller's congruence, with January and February counted in the year before.
  set(zm ${m})
  set(zy ${y})
  if(m LESS 3)
    math(EXPR zm "${m} + 12")
    math(EXPR zy "${y} - 1")
  endif()
  math(EXPR weekday "(${d} + (13 * (${zm} + 1)) / 5 + ${zy} + ${zy} / 4 - ${zy} / 100 + ${zy} / 400) % 7")
  set(days Sat Sun Mon Tue Wed Thu Fri)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  list(GET days ${weekday} day_name)
  math(EXPR month_index "${m} - 1")
  list(GET months ${month_index} month_name)
  if(d LESS 10)
    set(d "0${d}")
  endif()
  set(${out} "${day_name}, ${d} ${month_name} ${y} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

set(CPACK_PACKAGE_NAME krivol)
set(CPACK_PACKAGE_VENDOR "the Krivol developers")
set(CPACK_PACKAGE_CONTACT "${KRIVOL_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "maze arcade game: collect every bonus, keep away from the monsters")
set(CPACK_PACKAGE_DESCRIPTION
  "Steer a hero through a 50 x 50 maze, eat the dots and collect all 20 bonus
items to win, while monsters roam the corridors. Shoot them, take the
protection item, and use the traps every bonus leaves behind. Three levels
come with the game; any black-and-white 50 x 50 picture can be played as a
level of your own. krivol-cli checks such levels and plays without a window.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${KRIVOL_HOMEPAGE}")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries dpkg-shlibdeps finds: Qt's X11 platform plugin, without
# which the window cannot open, Qt's own translations for its dialogs in the
# player's language, and the Wayland plugin for a native Wayland window.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Debian wants manual pages and the changelog compressed, binaries without
# their .comment notes, and games in /usr/games; a plain `cmake --install`
# gets none of it. CPack sets this variable while it stages the package, and
# the install step below looks at it.
set(CPACK_CUSTOM_INSTALL_VARIABLES "KRIVOL_DEBIAN_LAYOUT=ON")
find_program(KRIVOL_GZIP gzip REQUIRED)
krivol_changelog_date(${KRIVOL_RELEASE_DATE} KRIVOL_CHANGELOG_DATE)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.Debian.in
  ${CMAKE_BINARY_DIR}/packaging/changelog.Debian @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian_layout.cmake.in
  ${CMAKE_BINARY_DIR}/packaging/debian_layout.cmake @ONLY)
install(SCRIPT ${CMAKE_BINARY_DIR}/packaging/debian_layout.cmake)

include(CPack)
