# What `cmake --install` puts on a system, and the Debian package CPack makes of it.

include(GNUInstallDirs)

set(mosaikon_resources ${PROJECT_SOURCE_DIR}/src/resources)
set(mosaikon_appstream_id io.github.mosaikon.Mosaikon)
set(mosaikon_mime_types image-x-ems-picture image-x-ema-animation)

# Debian wants documentation gzipped at the best compression, with no name or time inside.
file(GLOB mosaikon_guides RELATIVE ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/docs/user-guide*.md)
set(mosaikon_documents README.md ${mosaikon_guides})
set(mosaikon_gzipped)
foreach(source docs/man/mosaikon.1 docs/man/mosaikon-thumbnailer.1 docs/man/mosaikon-convert.1
               docs/man/mosaikon-sms.1 packaging/changelog ${mosaikon_documents})
    get_filename_component(name ${source} NAME)
    set(output ${CMAKE_BINARY_DIR}/gzipped/${name}.gz)
    add_custom_command(OUTPUT ${output}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/gzipped
                       COMMAND gzip -9n --stdout ${PROJECT_SOURCE_DIR}/${source} > ${output}
                       DEPENDS ${PROJECT_SOURCE_DIR}/${source})
    list(APPEND mosaikon_gzipped ${output})
endforeach()
# Everything an install takes from the build.
add_custom_target(mosaikon_installed ALL DEPENDS mosaikon mosaikon-thumbnailer mosaikon-convert
                                                 mosaikon-sms pixbufloader-ems qems ${mosaikon_gzipped})

install(TARGETS mosaikon mosaikon-thumbnailer mosaikon-convert mosaikon-sms
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The viewer modules go where gdk-pixbuf and Qt look for theirs; Debian's gdk-pixbuf rebuilds its
# loaders cache when a package adds or removes a module there.
install(TARGETS pixbufloader-ems LIBRARY DESTINATION ${mosaikon_pixbuf_loader_dir})
install(TARGETS qems LIBRARY DESTINATION ${mosaikon_qt_plugin_dir})
install(FILES ${mosaikon_resources}/mosaikon.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${mosaikon_resources}/${mosaikon_appstream_id}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${mosaikon_resources}/mosaikon-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME mosaikon.xml)
install(FILES ${mosaikon_resources}/mosaikon.thumbnailer
        DESTINATION ${CMAKE_INSTALL_DATADIR}/thumbnailers)
# The PNG sizes are drawn from the SVGs by scripts/make-icons.
foreach(size 16 32 48 64 128 256)
    install(FILES ${mosaikon_resources}/icons/mosaikon-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME mosaikon.png)
endforeach()
install(FILES ${mosaikon_resources}/mosaikon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(type ${mosaikon_mime_types})
    foreach(size 16 32 48 64 128)
        install(FILES ${mosaikon_resources}/icons/${type}-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/mimetypes
                RENAME ${type}.png)
    endforeach()
    install(FILES ${mosaikon_resources}/mimetypes/${type}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/gzipped/mosaikon.1.gz
              ${CMAKE_BINARY_DIR}/gzipped/mosaikon-thumbnailer.1.gz
              ${CMAKE_BINARY_DIR}/gzipped/mosaikon-convert.1.gz
              ${CMAKE_BINARY_DIR}/gzipped/mosaikon-sms.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/gzipped/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/mosaikon)
# The README and the user guide, for reading on the installed system.
foreach(source ${mosaikon_documents})
    get_filename_component(name ${source} NAME)
    install(FILES ${CMAKE_BINARY_DIR}/gzipped/${name}.gz
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/mosaikon)
endforeach()

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
# dpkg-shlibdeps adds the libraries the programs link. Qt's Russian translation is read at run
# time, and Qt's own buttons in Russian are part of the interface.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)
# Qt's readers for WebP, TIFF and a few more images, loaded at run time by mosaikon-convert and
# by images dropped on the editor; PNG, JPEG, GIF and BMP come with Qt itself.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-image-formats-plugins)
include(CPack)
