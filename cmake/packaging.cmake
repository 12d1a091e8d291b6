# What `cmake --install` puts on a system, and the Debian package CPack makes of it.

include(GNUInstallDirs)

set(mosaikon_resources ${PROJECT_SOURCE_DIR}/src/resources)
set(mosaikon_appstream_id io.github.mosaikon.Mosaikon)

install(TARGETS mosaikon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${mosaikon_resources}/mosaikon.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${mosaikon_resources}/${mosaikon_appstream_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The PNG sizes are drawn from mosaikon.svg by scripts/make-icons.
foreach(size 16 32 48 64 128 256)
    install(FILES ${mosaikon_resources}/icons/mosaikon-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME mosaikon.png)
endforeach()
install(FILES ${mosaikon_resources}/mosaikon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mosaikon)
set(CPACK_PACKAGE_VENDOR "Mosaikon developers")
set(CPACK_PACKAGE_CONTACT "Mosaikon developers <dev@mosaikon.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for EMS pictures and animations")
# The lines of the long description, each under 80 characters as Debian wants them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Mosaikon draws the tiny monochrome pictures and animations that phones exchange"
       "inside SMS messages (EMS) on an enlarged grid, in sizes from 8 x 8 to 128 x 96,"
       "with animations of up to 16 frames in a true-size preview. It keeps them in its"
       "own .ems and .ema files and imports two-colour BMP files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The libraries the program links are found by dpkg-shlibdeps. Qt's Russian translation is read
# at run time and only changes the language of Qt's own buttons, so it is a recommendation.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
