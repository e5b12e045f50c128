# Debian packages, one per install component:
#   stridewell                the program, its modules, menu entry, icons, starter data
#   stridewell-contentserver  the content server and its system service
# `cpack -G DEB` in the build folder makes both (scripts/package.sh builds
# them from scratch). Their library dependencies are read from the binaries
# by dpkg-shlibdeps (package dpkg-dev), never listed by hand.
set(CPACK_PACKAGE_NAME stridewell)
set(CPACK_PACKAGE_VENDOR "Stridewell")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_HOMEPAGE_URL ${STRIDEWELL_HOMEPAGE})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)

set(CPACK_COMPONENTS_ALL program contentserver)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Maintainer field, CPACK_DEBIAN_PACKAGE_MAINTAINER, is set in
# dist/CMakeLists.txt, which signs the changelogs with it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)

set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME stridewell)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION misc)
# The fonts the program asks for by name (DejaVu Sans and Sans Mono, URW
# Gothic, Nimbus Sans Narrow) cannot be read from the binaries; dpkg-shlibdeps
# adds the libraries to these.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-urw-base35")
# The first line of a description is its summary.
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION "timer for circuit training
Stridewell keeps a library of exercises, builds circuits from them and runs a
circuit: a large clock counts each exercise and each rest down, names the
exercise that is due or under way and plays a cue at every change. New
exercises and circuits can be fetched from a content server.")

set(CPACK_DEBIAN_CONTENTSERVER_PACKAGE_NAME stridewell-contentserver)
set(CPACK_DEBIAN_CONTENTSERVER_PACKAGE_SECTION net)
set(CPACK_DEBIAN_CONTENTSERVER_DESCRIPTION "content server for the Stridewell circuit training timer
Serves a folder of new exercises and circuits, and the exercise encyclopedia
pages, to Stridewell over HTTP. Comes with a system service that runs it
under a user of its own with read-only access to the folder.")
# The maintainer scripts tell systemd about the unit, restart a running
# server on upgrade and stop it on removal; the service is never enabled by
# the package.
set(CPACK_DEBIAN_CONTENTSERVER_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_LIST_DIR}/../dist/debian/contentserver/conffiles
    ${CMAKE_CURRENT_LIST_DIR}/../dist/debian/contentserver/postinst
    ${CMAKE_CURRENT_LIST_DIR}/../dist/debian/contentserver/prerm
    ${CMAKE_CURRENT_LIST_DIR}/../dist/debian/contentserver/postrm)
# Scripts 0755 and the other control files 0644, whatever the checkout made of them.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
