# The Debian package, made in a build directory with `cpack -G DEB`. It holds
# what `cmake --install` installs, under /usr. Its dependencies come from the
# shared libraries the programs link, as dpkg-shlibdeps finds them, so they
# follow the libraries of the machine that builds it.

set(CPACK_PACKAGE_NAME pendra)
set(CPACK_PACKAGE_VERSION ${PENDRA_VERSION_TEXT})
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

include(CPack)
