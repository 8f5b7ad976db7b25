# The window's translations. The .ts files in translations/ are the translators' sources; the
# window's own target compiles them and embeds the .qm catalogues under :/i18n, so that the build
# folder and an installed package find every language alike. The command-line tool stays English.
#
# lupdate reads the window's sources and the Qt-free layers' texts marked with
# TARVEX_TRANSLATE_NOOP or TARVEX_TEXT. Locations are left out so that moving a line does not
# change a .ts file; texts that vanish from the sources are kept as obsolete (a translator's work
# is not lost) and the translation check reports them for a language shipped complete.
find_package(Qt6 REQUIRED COMPONENTS Core LinguistTools)

set(TARVEX_LANGUAGES de fr es pt_BR ja zh_CN ar)
set(TARVEX_TS_FILES)
foreach(language ${TARVEX_LANGUAGES})
  list(APPEND TARVEX_TS_FILES ${CMAKE_SOURCE_DIR}/translations/tarvex_${language}.ts)
endforeach()
# Every layer under the window may hand it texts (marked in place); the command-line tool's own
# texts stay English and are left out.
file(GLOB_RECURSE TARVEX_TRANSLATED_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h ${CMAKE_SOURCE_DIR}/src/*.inc)
list(FILTER TARVEX_TRANSLATED_SOURCES EXCLUDE REGEX "/src/app/Cli")
list(SORT TARVEX_TRANSLATED_SOURCES)
set(TARVEX_LUPDATE_OPTIONS -locations none -tr-function-alias QT_TRANSLATE_NOOP+=TARVEX_TRANSLATE_NOOP,QT_TRANSLATE_NOOP+=TARVEX_TEXT)

# `cmake --build build/default --target update_translations` refreshes every .ts file.
qt6_add_translations(tarvex
  TS_FILES ${TARVEX_TS_FILES}
  SOURCES ${TARVEX_TRANSLATED_SOURCES}
  RESOURCE_PREFIX /i18n
  LUPDATE_OPTIONS ${TARVEX_LUPDATE_OPTIONS})

# What the translation check needs to run lupdate exactly as update_translations does.
string(REPLACE ";" "\n" sourceLines "${TARVEX_TRANSLATED_SOURCES}")
file(WRITE ${CMAKE_BINARY_DIR}/translations/sources.lst "${sourceLines}\n")
string(REPLACE ";" "\n" optionLines "${TARVEX_LUPDATE_OPTIONS}")
file(WRITE ${CMAKE_BINARY_DIR}/translations/lupdate.options "${optionLines}\n")
