# What an installed copy needs besides the binary and its data (src/CMakeLists.txt installs
# those): the desktop entry, the icon in the hicolor theme, the README and licence, the USB
# board's udev rule, and the Debian package built from it all with CPack (scripts/package.sh).

include(GNUInstallDirs)

# The icon at the sizes menus and docks ask for, rendered from the one SVG the program shows.
set(kv_icon_svg ${PROJECT_SOURCE_DIR}/src/app/resources/kelvarne.svg)
set(kv_icon_pngs "")
foreach(size 48 128)
  set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/kelvarne.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
    # A sanitized build of the tool must not fail the build over a library's leak at exit.
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 $<TARGET_FILE:render_icon>
            ${kv_icon_svg} ${size} ${png}
    DEPENDS render_icon ${kv_icon_svg}
    COMMENT "Rendering the ${size} px icon"
    VERBATIM)
  list(APPEND kv_icon_pngs ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(kelvarne_icons ALL DEPENDS ${kv_icon_pngs})
install(FILES ${kv_icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/kelvarne.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The README the About panel points to, the licence, and the copyright file Debian asks for.
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
              ${PROJECT_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kelvarne)
# udev reads lib/udev/rules.d under /usr (and /usr/local).
install(FILES ${PROJECT_SOURCE_DIR}/packaging/70-kelvarne-usb-board.rules
        DESTINATION lib/udev/rules.d)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvarne)
set(CPACK_PACKAGE_VENDOR Kelvarne)
set(CPACK_PACKAGE_CONTACT "Kelvarne developers <kelvarne@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "run a model railway from a mimic panel on the screen")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Kelvarne runs a model railway from a schematic of the layout drawn on the screen: points, "
  "routes and signals, two DC track sections and DCC locomotives, through an XpressNet "
  "interface box on a serial port and a USB I/O board driving a solenoid relay stack. Without "
  "hardware it runs off-line and shows what it would have sent.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside what the binary links: the program's icon and SVG pictures are drawn by Qt's plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6svg6)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
