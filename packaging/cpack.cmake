# The Debian package, built by `make package` (cpack in build/package). Its dependencies come
# from dpkg-shlibdeps, plus what the program loads as Qt plugins, which shlibdeps cannot see:
# the X11 platform plugin (qt6-qpa-plugins). The CUPS print plugin comes with
# libqt6printsupport6 and the multimedia back ends and PulseAudio client with
# libqt6multimedia6, which shlibdeps finds.
set(ZANDOR_PACKAGE_MAINTAINER "Zandor Bingo maintainers <maintainers@zandorbingo.example>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/" "/node_modules/" "__pycache__")
set(CPACK_PACKAGE_NAME zandor-bingo)
set(CPACK_PACKAGE_VENDOR "Zandor Bingo maintainers")
set(CPACK_PACKAGE_CONTACT "${ZANDOR_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/zandorbingo/zandor-bingo")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "single-player Bingo game against nine computer players")
set(CPACK_PACKAGE_DESCRIPTION [=[
Zandor Bingo is a Bingo game for the desktop. You start with $60 of play
money, buy one to three cards at $6 each, pick a game type (a vertical,
horizontal or diagonal line) and press Start. The caller draws the numbers
1 to 75, shows and speaks each one, and marks it on ten cards: yours and
those of nine named computer players. The first complete line wins.

It keeps a table of the five best final balances, prints freshly dealt cards
for play on paper, and comes with help that gives the odds of every game.]=])
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # zandor-bingo_2.0.0_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The caller speaks through the desktop's sound server; printing goes through CUPS (without
# it the cards are saved as a PDF).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The packaged tree is made by `cmake --install`: directories 0755 whatever the umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
include(CPack)
