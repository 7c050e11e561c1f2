# Installs the game the way a desktop expects it (GNU layout, launcher, icons,
# AppStream metainfo, file types) and packs the same tree into a Debian package
# with `cpack -G DEB`.
include(GNUInstallDirs)

set(PVQ_APP_ID example.zanthorp.PieVorbQuarn)
set(PVQ_DATA_DIR ${CMAKE_INSTALL_DATADIR}/pievorbquarn)

set(PVQ_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/pievorbquarn)

# The program goes to bin/ under any prefix, and to games/ in the Debian package
# (CPack sets PVQ_PROGRAM_DIR while it installs). The game finds its data from
# its own folder through ../share, so both layouts work.
install(CODE [[
  if(NOT DEFINED PVQ_PROGRAM_DIR)
    set(PVQ_PROGRAM_DIR bin)
  endif()
]])
install(TARGETS pievorbquarn RUNTIME DESTINATION "\${PVQ_PROGRAM_DIR}")

# --- Sound modules --------------------------------------------------------------
# SDL and FluidSynth are linked by the two sound modules, which the game loads from
# its own library folder (src/sound/SoundBackend.cpp looks there, relative to the
# program). The package's library scan (CPACK_DEBIAN_PACKAGE_SHLIBDEPS below)
# reads the modules' links and puts SDL's and FluidSynth's packages, with their
# versions, in Depends.
# A folder below lib/pievorbquarn: CPack writes ldconfig calls into the package's
# scripts for any library directly in a lib/<name> folder, which a private module
# does not need and lintian warns of.
install(TARGETS pvqsound pvqmidi LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/pievorbquarn/modules)
# --- end of the sound modules ---------------------------------------------------

# The set loaded at start-up and the other shipped sets are made at build time
# beside the program; the game finds them in share/pievorbquarn once installed.
install(FILES ${CMAKE_BINARY_DIR}/default.xet ${CMAKE_BINARY_DIR}/moonlight.xet ${CMAKE_BINARY_DIR}/seaside.xet
        DESTINATION ${PVQ_DATA_DIR} OPTIONAL)
# Their pictures at twice the size, each bound to its set file.
install(FILES ${CMAKE_BINARY_DIR}/default.xet@2x ${CMAKE_BINARY_DIR}/moonlight.xet@2x
        ${CMAKE_BINARY_DIR}/seaside.xet@2x DESTINATION ${PVQ_DATA_DIR} OPTIONAL)
# The notes on the example pictures are documentation, so they go with the rest
# of it rather than among the pictures.
install(DIRECTORY examples DESTINATION ${PVQ_DATA_DIR} OPTIONAL PATTERN README.md EXCLUDE PATTERN 2x EXCLUDE)
install(FILES examples/pictures/README.md DESTINATION ${PVQ_DOC_DIR} RENAME example-pictures.md)

# The manual page and the changelog are compressed as Debian wants them: at the
# highest level, without a time stamp.
find_program(PVQ_GZIP gzip REQUIRED)
set(PVQ_MAN_PAGE ${CMAKE_BINARY_DIR}/pievorbquarn.6.gz)
set(PVQ_CHANGELOG ${CMAKE_BINARY_DIR}/changelog.gz)
foreach(pair IN ITEMS "pievorbquarn.6|${PVQ_MAN_PAGE}" "changelog|${PVQ_CHANGELOG}")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 packed)
  add_custom_command(OUTPUT ${packed}
                     COMMAND ${PVQ_GZIP} -9nc ${CMAKE_SOURCE_DIR}/data/${source} > ${packed}
                     DEPENDS ${CMAKE_SOURCE_DIR}/data/${source}
                     VERBATIM)
endforeach()
add_custom_target(pvq_docs ALL DEPENDS ${PVQ_MAN_PAGE} ${PVQ_CHANGELOG})
install(FILES ${PVQ_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES data/copyright ${PVQ_CHANGELOG} DESTINATION ${PVQ_DOC_DIR})

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

# strip leaves the compiler's .comment notes in; a packaged program carries none.
install(CODE "set(PVQ_STRIP \"${CMAKE_STRIP}\")")
install(CODE [[
  if(CMAKE_INSTALL_DO_STRIP AND PVQ_STRIP)
    # The manifest names files without the staging folder a package is made in.
    foreach(file IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
      set(file "$ENV{DESTDIR}${file}")
      file(READ "${file}" magic LIMIT 4 HEX)
      if(magic STREQUAL "7f454c46")
        execute_process(COMMAND "${PVQ_STRIP}" --remove-section=.comment --remove-section=.note "${file}"
                        COMMAND_ERROR_IS_FATAL ANY)
      endif()
    endforeach()
  endif()
]])

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
set(CPACK_CUSTOM_INSTALL_VARIABLES PVQ_PROGRAM_DIR=games)
# What the libraries do not say: the tune needs a General MIDI soundfont at
# /usr/share/sounds/sf2/default-GM.sf2 (every sf2-soundfont-gm provider links it
# there); without one every round opens with an error message, so it is a
# dependency. Every window's text is set in Lato with DejaVu Sans as its
# fallback, and Qt draws any other face when neither is there, so the fonts are
# recommended, like Qt's Wayland platform, without which Qt uses X (XWayland).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont | sf2-soundfont-gm")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-lato, fonts-dejavu-core, qt6-wayland")
include(CPack)
