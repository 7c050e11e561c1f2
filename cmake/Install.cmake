# Installs the game the way a desktop expects it (GNU layout, launcher, icons,
# AppStream metainfo, file types) and packs the same tree into a Debian package
# with `cpack -G DEB`.
include(GNUInstallDirs)

set(PVQ_APP_ID example.zanthorp.PieVorbQuarn)
set(PVQ_DATA_DIR ${CMAKE_INSTALL_DATADIR}/pievorbquarn)

install(TARGETS pievorbquarn RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The set loaded at start-up and the other shipped sets are made at build time
# beside the program; the game finds them in share/pievorbquarn once installed.
install(FILES ${CMAKE_BINARY_DIR}/default.xet ${CMAKE_BINARY_DIR}/moonlight.xet ${CMAKE_BINARY_DIR}/seaside.xet
        DESTINATION ${PVQ_DATA_DIR} OPTIONAL)
install(DIRECTORY examples DESTINATION ${PVQ_DATA_DIR} OPTIONAL)

install(FILES data/${PVQ_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${PVQ_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/${PVQ_APP_ID}.mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${PVQ_APP_ID}.xml)

# The icons are drawn separately; the install test reports any that are missing.
foreach(size IN ITEMS 16x16 32x32 48x48 64x64 128x128 256x256)
  install(FILES data/icons/hicolor/${size}/apps/${PVQ_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps OPTIONAL)
endforeach()
install(FILES data/icons/hicolor/scalable/apps/${PVQ_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps OPTIONAL)

# Debian package: pievorbquarn_<version>_<arch>.deb
set(CPACK_PACKAGE_NAME pievorbquarn)
set(CPACK_PACKAGE_VENDOR "The Zanthorp")
set(CPACK_PACKAGE_CONTACT "The Zanthorp <pievorbquarn@zanthorp.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arcade game: throw cream pies at Vorb Quarn")
set(CPACK_PACKAGE_DESCRIPTION
    "Thirteen holes, thirty seconds: click Vorb Quarn as he pops up out of the\n"
    "holes and a cream pie splats in his face. Pictures, sounds and the tune come\n"
    "from image sets, which the built-in wizard makes from your own bitmaps,\n"
    "waves and MIDI files.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_HOMEPAGE_URL "http://www.zanthorp.example/")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries do not say: the tune needs a General MIDI soundfont at
# /usr/share/sounds/sf2/default-GM.sf2 (every sf2-soundfont-gm provider links it
# there), and every window's text is set in Lato, with DejaVu Sans as its fallback.
# SDL and FluidSynth are loaded at run time, so the library scan does not see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-2.0-0, libfluidsynth3, timgm6mb-soundfont | sf2-soundfont-gm, fonts-lato, fonts-dejavu-core")
include(CPack)
