# The Debian package for machines without a build tree:
# `cmake --build build --target package` makes
# build/tarvo-script_<version>_<arch>.deb from the install rules.

set(TARVO_PACKAGE_MAINTAINER "Tarvo Script Application maintainers <tarvo-script@corvane.example>")
set(TARVO_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

# What every Debian package carries beside its files: the copyright, the
# changelog (gzipped at the highest level and without a time stamp, as
# lintian asks) and the overrides of lintian warnings that cannot apply.
set(TARVO_CHANGELOG_GZ ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${TARVO_CHANGELOG_GZ}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND sh -c "'${TARVO_GZIP}' -9n -c '${TARVO_PACKAGING_DIR}/changelog' > '${TARVO_CHANGELOG_GZ}'"
  DEPENDS ${TARVO_PACKAGING_DIR}/changelog
  VERBATIM)
add_custom_target(tarvo_package_changelog ALL DEPENDS ${TARVO_CHANGELOG_GZ})
install(FILES ${TARVO_PACKAGING_DIR}/copyright ${TARVO_CHANGELOG_GZ} DESTINATION share/doc/tarvo-script)
install(FILES ${TARVO_PACKAGING_DIR}/lintian-overrides DESTINATION share/lintian/overrides RENAME tarvo-script)

# The package is made from what is built: `package` (and `install`) do not
# build the tests and benchmarks first, and the programs bring along what
# the install rules need beside them.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(${TARVO_PACKAGING_DIR}/ansible_collection.cmake)
foreach(program tarvo tarvo-script tarvo-kbdsim)
  if(TARGET ${program})
    add_dependencies(${program} tarvo_man_pages tarvo_package_changelog tarvo_user_guide)
    if(TARGET tarvo_ansible_collection)
      add_dependencies(${program} tarvo_ansible_collection)
    endif()
  endif()
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvo-script)
# The one version number: project(... VERSION), which `tarvo version` prints too.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor and transfer tool for KBD-OMNIA keyboard language tables")
set(CPACK_PACKAGE_DESCRIPTION
  "Installers of KBD-OMNIA CCTV control keyboards use it to build language tables
from templates, edit the keyboard's script menus (the main CCL menu 80 and the
sub CCL menus 81-95), write the tables into the keyboard over a serial line,
and read a keyboard's tables back into a document (.tvo).

The package holds the desktop editor tarvo-script, the command-line tool
tarvo, which does the same work without a display and for several keyboards
at once, and tarvo-kbdsim, a simulated keyboard on a pseudo-terminal for
trying things out without one.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TARVO_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends come from the programs' shared libraries (dpkg-shlibdeps).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The editor draws the Hangul and CJK keyboard fonts with the first; the
# second holds Qt's own words (standard buttons, what a port reports) in the
# editor's languages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n")
# The Ansible collection under /usr/share/ansible/collections needs it.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS ansible-core)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# Installing with DESTDIR set keeps the install rules from refreshing the
# desktop's MIME and launcher caches into the package; dpkg's triggers
# refresh the system's on install.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
