# Installation and the Debian package.
#
# The application folder (programs beside Database/, ShapeFiles/, Help/, HTML/
# and SpeciesImage/) is installed whole in SILVARIA_APP_INSTALL_DIR, because
# every data path is the program's folder plus a fixed relative path. The
# programs are reached from the PATH through symbolic links in bin/, and the
# menu entry, icons, AppStream metadata, manual pages and copyright go where
# the desktop and Debian look for them, under the install prefix (/usr in the
# package). CPack's DEB generator stages both the absolute and the
# prefix-relative destinations in its own folder.
include(GNUInstallDirs)

set(SILVARIA_APP_INSTALL_DIR "/opt/silvaria" CACHE PATH "Absolute folder the application folder is installed to")
set(SILVARIA_APP_ID "org.example.silvaria.Silvaria")
set(SILVARIA_PKG_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(SILVARIA_PKG_BUILD_DIR ${CMAKE_BINARY_DIR}/packaging)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(SILVARIA_DOC_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/doc/silvaria)

# The AppStream metadata and the changelog list every release; a version
# without its entries would ship stale release notes.
file(READ ${SILVARIA_PKG_DIR}/${SILVARIA_APP_ID}.metainfo.xml SILVARIA_METAINFO)
if(NOT SILVARIA_METAINFO MATCHES "<release version=\"${PROJECT_VERSION}\" date=\"([0-9-]+)\"")
  message(FATAL_ERROR "packaging/${SILVARIA_APP_ID}.metainfo.xml has no <release> entry for version ${PROJECT_VERSION}")
endif()
set(SILVARIA_MANPAGE_DATE ${CMAKE_MATCH_1})
file(STRINGS ${SILVARIA_PKG_DIR}/changelog SILVARIA_CHANGELOG_TOP LIMIT_COUNT 1)
if(NOT SILVARIA_CHANGELOG_TOP MATCHES "^silvaria \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog does not start with an entry for version ${PROJECT_VERSION}")
endif()
configure_file(${SILVARIA_PKG_DIR}/silvaria.1.in ${SILVARIA_PKG_BUILD_DIR}/silvaria.1 @ONLY)

# Manual pages and the changelog are installed compressed at the highest
# level and without a time stamp, as Debian expects.
find_program(GZIP_PROGRAM gzip REQUIRED)
function(silvaria_gzip source output)
  add_custom_command(OUTPUT ${output}
    COMMAND ${GZIP_PROGRAM} -9nc ${source} > ${output}
    DEPENDS ${source} VERBATIM)
endfunction()
silvaria_gzip(${SILVARIA_PKG_BUILD_DIR}/silvaria.1 ${SILVARIA_PKG_BUILD_DIR}/silvaria.1.gz)
silvaria_gzip(${SILVARIA_PKG_DIR}/changelog ${SILVARIA_PKG_BUILD_DIR}/changelog.gz)
add_custom_target(silvaria_package_docs ALL
  DEPENDS ${SILVARIA_PKG_BUILD_DIR}/silvaria.1.gz ${SILVARIA_PKG_BUILD_DIR}/changelog.gz)

# Everything the install needs, and nothing else (no tools, tests or
# benchmarks): scripts/package.sh builds this target before cpack.
add_custom_target(silvaria_package_contents)
add_dependencies(silvaria_package_contents silvaria silvaria_lrelease silvaria_package_docs)

# A program of the application folder, reached from the PATH through an
# absolute link (the folders lie under different top-level directories).
function(silvaria_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${SILVARIA_APP_INSTALL_DIR})
  file(MAKE_DIRECTORY ${SILVARIA_PKG_BUILD_DIR}/links)
  file(CREATE_LINK ${SILVARIA_APP_INSTALL_DIR}/${target} ${SILVARIA_PKG_BUILD_DIR}/links/${target} SYMBOLIC)
  install(FILES ${SILVARIA_PKG_BUILD_DIR}/links/${target} DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

silvaria_install_program(silvaria)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${SILVARIA_APP_INSTALL_DIR} PATTERN ".*" EXCLUDE)
install(FILES ${SILVARIA_QM_FILES} DESTINATION ${SILVARIA_APP_INSTALL_DIR}/i18n)
install(FILES ${SILVARIA_PKG_DIR}/${SILVARIA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SILVARIA_PKG_DIR}/${SILVARIA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${SILVARIA_PKG_DIR}/${SILVARIA_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 128 256)
  install(FILES ${SILVARIA_PKG_DIR}/icons/${size}/${SILVARIA_APP_ID}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${SILVARIA_PKG_BUILD_DIR}/silvaria.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# silvaria-cli serve as a system service for an office, installed disabled:
# "systemctl enable --now silvaria-serve" shares the pages on the network.
configure_file(${SILVARIA_PKG_DIR}/silvaria-serve.service.in ${SILVARIA_PKG_BUILD_DIR}/silvaria-serve.service @ONLY)
install(FILES ${SILVARIA_PKG_BUILD_DIR}/silvaria-serve.service DESTINATION lib/systemd/system)
install(FILES ${SILVARIA_PKG_DIR}/copyright ${SILVARIA_PKG_BUILD_DIR}/changelog.gz DESTINATION ${SILVARIA_DOC_INSTALL_DIR})
install(FILES ${SILVARIA_PKG_DIR}/silvaria.lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME silvaria)

# The command-line program joins the package when it is part of the build;
# deferred to the end of the top-level file so the order of add_subdirectory
# calls does not matter. Its manual page is made from its --help (run without
# a display, and without leak reports in sanitizer builds).
function(silvaria_install_cli)
  if(NOT TARGET silvaria-cli)
    return()
  endif()
  silvaria_install_program(silvaria-cli)
  find_program(HELP2MAN_PROGRAM help2man)
  if(NOT HELP2MAN_PROGRAM)
    message(FATAL_ERROR "help2man is needed for the manual page of silvaria-cli (apt-get install help2man)")
  endif()
  set(page ${SILVARIA_PKG_BUILD_DIR}/silvaria-cli.1)
  add_custom_command(OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            ${HELP2MAN_PROGRAM} --no-info --no-discard-stderr --section=1
            "--name=reports and data building over the Silvaria catalogue from the command line"
            --output=${page} $<TARGET_FILE:silvaria-cli>
    DEPENDS silvaria-cli VERBATIM)
  silvaria_gzip(${page} ${page}.gz)
  add_custom_target(silvaria_cli_manpage ALL DEPENDS ${page}.gz)
  add_dependencies(silvaria_package_contents silvaria-cli silvaria_cli_manpage)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL silvaria_install_cli)

# The Debian package: silvaria_<version>_amd64.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME silvaria)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The Silvaria contributors <maintainers@silvaria.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reference for agroforestry tree species of South-East Asia")
# The first line of the package description is the summary above.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Silvaria is a desktop reference for the agroforestry tree species of
South-East Asia, written for foresters, extension workers and researchers
choosing trees for a site. It browses the catalogue by genus, common name or
use, shows a fact sheet and pictures for every species, and maps where a
species suits by matching its altitude, rainfall and temperature ranges
against a grid of the region.

The bundled catalogue is a demonstration catalogue compiled from general
public knowledge; the maps use Natural Earth boundaries, ETOPO5 altitudes
and modelled climate data.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://silvaria.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Libraries come from the binaries (dpkg-shlibdeps); fonts are read at run
# time: the scripts of the catalogue's common names (Thai, Lao, Burmese,
# Khmer, Devanagari, Chinese; DejaVu covers Latin and Vietnamese), then the
# metric stand-ins for the fonts the windows ask for (Tahoma, Arial, Times).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-tlwg-garuda-ttf | fonts-tlwg-garuda, fonts-lao, fonts-sil-padauk, fonts-khmeros, fonts-lohit-deva, fonts-droid-fallback")
# qt6-translations-l10n: Qt's own texts (standard buttons, file dialogs) in the chosen language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine, fonts-liberation, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
