# The game's translations. The .ts files in translations/ hold every text of the
# game's windows with its German and French wording; lrelease turns them into
# .qm files that are built into the program under :/i18n, where the start-up
# reads the desktop's language (src/ui/Translations.cpp).
#
#   cmake --build <build> --target update_translations
#
# runs lupdate over src/ and brings the .ts files up to date with the source
# texts (new texts come in unfinished, texts that left the code are dropped).
#
# A pseudo-language is made from the same source texts at every build: each text
# about 40 % longer and with accented letters (tools/pseudo). It is never shipped;
# the window tests load it to find texts that are cut or that skip translation.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(PVQ_LANGUAGES de fr)
set(pvq_ts_files)
foreach(language IN LISTS PVQ_LANGUAGES)
  list(APPEND pvq_ts_files ${PROJECT_SOURCE_DIR}/translations/pievorbquarn_${language}.ts)
endforeach()

# Every source of the game: the library, main.cpp and the command line.
file(GLOB_RECURSE pvq_translated_sources CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)

qt_add_lupdate(pvq_core
  TS_FILES ${pvq_ts_files}
  SOURCES ${pvq_translated_sources}
  INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/src
  OPTIONS -no-obsolete -locations none -no-ui-lines)
qt_add_lrelease(pvq_core
  TS_FILES ${pvq_ts_files}
  QM_FILES_OUTPUT_VARIABLE pvq_qm_files
  OPTIONS -silent)
qt_add_resources(pvq_core pvq_translations
  PREFIX /i18n
  BASE ${CMAKE_CURRENT_BINARY_DIR}
  FILES ${pvq_qm_files})

# The pseudo-language: lupdate's view of the sources now, filled by the pseudo
# tool, released beside the tests.
add_executable(pvq_pseudo tools/pseudo/PseudoTranslate.cpp)
target_link_libraries(pvq_pseudo PRIVATE Qt6::Core)
target_compile_definitions(pvq_pseudo PRIVATE QT_NO_KEYWORDS)
set(pvq_pseudo_source ${CMAKE_CURRENT_BINARY_DIR}/pseudo/source.ts)
set(PVQ_PSEUDO_QM ${CMAKE_CURRENT_BINARY_DIR}/pseudo/pievorbquarn_pseudo.qm)
add_custom_command(OUTPUT ${PVQ_PSEUDO_QM}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/pseudo
  COMMAND $<TARGET_FILE:Qt6::lupdate> -silent -no-obsolete -locations none -source-language en
          -I ${PROJECT_SOURCE_DIR}/src
          ${pvq_translated_sources} -ts ${pvq_pseudo_source}
  COMMAND $<TARGET_FILE:pvq_pseudo> ${pvq_pseudo_source} ${pvq_pseudo_source}.filled
  COMMAND $<TARGET_FILE:Qt6::lrelease> -silent ${pvq_pseudo_source}.filled -qm ${PVQ_PSEUDO_QM}
  DEPENDS pvq_pseudo ${pvq_translated_sources}
  COMMENT "Making the pseudo-language from the source texts"
  VERBATIM)
add_custom_target(pvq_pseudo_language DEPENDS ${PVQ_PSEUDO_QM})
