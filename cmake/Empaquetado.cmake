# SPDX-FileCopyrightText: Pendra contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package, made in a build directory with `cpack -G DEB`. It holds
# what `cmake --install` installs, under /usr. Its dependencies come from the
# shared libraries the programs link, as dpkg-shlibdeps finds them, so they
# follow the libraries of the machine that builds it.

set(CPACK_PACKAGE_NAME pendra)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Pendra")
if(NOT CPACK_PACKAGE_CONTACT)
    set(CPACK_PACKAGE_CONTACT "Equipo de Pendra <paquetes@pendra.io>")
endif()
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "solve plane triangles from three of their measures")
set(CPACK_PACKAGE_DESCRIPTION [=[
Type any three of the six measures of a plane triangle (three sides and
three angles in degrees) and Pendra finds every triangle they fix: three
sides, two sides and the angle between them, two angles and a side, and the
ambiguous case of two sides and an opposite angle, which can give two
triangles. Each triangle is drawn to scale in its own window, with its sides
labelled in blue and its angles in red. The program speaks Spanish.
.
The package also holds pendra-cli, which answers the same requests from the
command line, one at a time or a batch from standard input, as text or JSON.]=])
set(CPACK_STRIP_FILES ON)
# The package's own revision of this version: 1.00-1, 1.00-2...
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(PENDRA_URL)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PENDRA_URL})
endif()
if(TARGET pendra)
    # The input window asks for Liberation Sans first and is laid out for it;
    # another sans-serif face works, with other widths.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation)
    # Qt's own texts (message box buttons, file and print dialogs) in Spanish.
    # Not a library the program links, so dpkg-shlibdeps cannot find it; the
    # generated dependencies are added after it.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
endif()

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    set(CPACK_GENERATOR DEB)
endif()

# The licence's text goes with every install. A Debian system also wants the
# package's copyright in its machine-readable form and its changelog, in the
# documentation folder named after the package, and lintian the tags that do
# not apply to a package made outside Debian's archive.
set(PENDRA_DOCUMENTACION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt
        DESTINATION ${PENDRA_DOCUMENTACION})
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    if(NOT PENDRA_GZIP)
        message(FATAL_ERROR "gzip is needed for the Debian changelog")
    endif()
    # The changelog dates its entry as RFC 5322 does, from the release day.
    string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" fecha "${PENDRA_FECHA}")
    math(EXPR anyo "${CMAKE_MATCH_1}")
    math(EXPR mes "${CMAKE_MATCH_2}")
    math(EXPR dia "${CMAKE_MATCH_3}")
    # Days since 1970-01-01, counting years from March so that the leap day
    # comes last; 1970-01-01 was a Thursday.
    set(a ${anyo})
    if(mes LESS_EQUAL 2)
        math(EXPR a "${anyo} - 1")
    endif()
    math(EXPR m "(${mes} + 9) % 12")
    math(EXPR dias "365 * ${a} + ${a} / 4 - ${a} / 100 + ${a} / 400 + (153 * ${m} + 2) / 5 + ${dia} - 1 - 719468")
    math(EXPR semana "(${dias} + 4) % 7")
    set(dias_semana Sun Mon Tue Wed Thu Fri Sat)
    list(GET dias_semana ${semana} nombre_dia)
    math(EXPR indice_mes "${mes} - 1")
    set(meses Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(GET meses ${indice_mes} nombre_mes)
    if(dia LESS 10)
        set(dia "0${dia}")
    endif()
    set(PENDRA_FECHA_DEBIAN "${nombre_dia}, ${dia} ${nombre_mes} ${anyo} 12:00:00 +0000")
    set(PENDRA_VERSION_DEBIAN "${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")

    set(debian ${PROJECT_BINARY_DIR}/debian)
    configure_file(${PROJECT_SOURCE_DIR}/dist/debian/changelog.in ${debian}/changelog @ONLY)
    # -n: no name or time in the header, so every build makes the same file.
    add_custom_command(
        OUTPUT ${debian}/changelog.Debian.gz
        COMMAND ${PENDRA_GZIP} -9 -n -c ${debian}/changelog > ${debian}/changelog.Debian.gz
        DEPENDS ${debian}/changelog
        VERBATIM)
    add_custom_target(pendra-changelog ALL DEPENDS ${debian}/changelog.Debian.gz)
    install(FILES ${PROJECT_SOURCE_DIR}/dist/debian/copyright ${debian}/changelog.Debian.gz
            DESTINATION ${PENDRA_DOCUMENTACION})
    install(FILES ${PROJECT_SOURCE_DIR}/dist/debian/pendra.lintian-overrides
            DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
            RENAME ${CPACK_PACKAGE_NAME})
endif()

include(CPack)
