# The Debian package, made by CPack's DEB generator from what cmake/Install.cmake installs
# (scripts/package.sh runs it). One native package holds both editions and the renderer; the
# libraries it needs (Qt, giflib, FFmpeg's libavcodec, libavformat, libswscale and libavutil) are
# found by dpkg-shlibdeps from the binaries themselves. Qt's platform plugins are a package of
# their own that no binary links: without it the program cannot open a window, so it is named
# here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vellicor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vellicor developers")
set(CPACK_PACKAGE_CONTACT "The Vellicor developers <maintainers@users.noreply.c-seed-0df57eb6.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[make pictures with multi-state two-dimensional cellular automata
Vellicor sets up an array of up to 100 x 100 cells in sixteen states, runs it
generation by generation under transition rules that you choose, with a
weighted neighbourhood, a modulo and a plane or torus geometry, and shows
every generation at once in several windows: the cells as a grid, the array
at one pixel per cell, a mosaic that repeats it, and a sheet of successive
generations. Its interface is in English and in French.
.
The package holds the two editions of the program, vellicor and quorrel (with
the figures of the Game of Life and a zoom window), and vellicor-render, which
runs the automaton without a window and writes PNG pictures, animated GIFs,
MP4 or WebM videos or selection files for scripts.]=])

include(CPack)
