# What the program installs, and the Debian package CPack makes of it:
#   /usr/lib/lumeno/      lumeno, lumeno-cli and the five databases together
#                         (the programs find the databases beside their real
#                         location, /proc/self/exe)
#   /usr/bin/             lumeno and lumeno-cli, links into /usr/lib/lumeno
#   /usr/share/applications, metainfo, icons/hicolor: desktop integration
set(LUMENO_APP_ID org.example.lumeno)
# Installing (and packaging) takes what was built; ./lumeno.sh package builds
# first, and the package test runs after the build.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

set(installed lumeno-cli)
if(TARGET lumeno)
  list(APPEND installed lumeno)
endif()
install(TARGETS ${installed} RUNTIME DESTINATION lib/lumeno)
foreach(db Roruroz.dll VelFile.dll VelBirth.dll dream.dll Tgcode.dll)
  install(FILES ${LUMENO_BIN_DIR}/${db} DESTINATION lib/lumeno PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endforeach()
set(links ${CMAKE_BINARY_DIR}/package-links)
file(MAKE_DIRECTORY ${links})
foreach(program ${installed})
  file(CREATE_LINK ../lib/lumeno/${program} ${links}/${program} SYMBOLIC)
  install(FILES ${links}/${program} DESTINATION bin)
endforeach()
if(TARGET lumeno)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/${LUMENO_APP_ID}.desktop DESTINATION share/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/${LUMENO_APP_ID}.metainfo.xml DESTINATION share/metainfo)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/packaging/icons/ DESTINATION share/icons/hicolor)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumeno)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "The Lumeno developers <service@lumeno.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Chinese baby naming and popular fortune reading")
set(CPACK_PACKAGE_DESCRIPTION
    "Lumeno reads a Chinese name as popular tradition does (the five grids of stroke numerology with their
readings and a score, the three talents, the eight-character chart of the birth moment), proposes given names
for a surname, and offers a Chinese month calendar, the almanac of a day, auspicious days and a dozen small
readings. lumeno-cli runs the same reports without a display.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://lumeno.example.org/)
# The libraries the programs link are found by dpkg-shlibdeps; what they
# load at run time is named here: the X11 platform plugin of Qt and a font
# with the Chinese characters.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, fonts-wqy-zenhei | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
