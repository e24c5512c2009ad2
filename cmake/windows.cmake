# The Windows build: tests run under wine through a wrapper made here, and a
# deploy target gathers a folder that runs on a PC without Qt or mingw.
get_target_property(_qtcore_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
if(NOT _qtcore_dll)
  get_target_property(_qtcore_dll Qt6::Core IMPORTED_LOCATION)
endif()
get_filename_component(KORDAVEL_QT_BIN ${_qtcore_dll} DIRECTORY)
get_filename_component(KORDAVEL_QT_PREFIX ${KORDAVEL_QT_BIN} DIRECTORY)
set(KORDAVEL_QT_PLUGINS ${KORDAVEL_QT_PREFIX}/plugins)
# The mingw runtime DLLs where the cross compiler itself finds them, whatever
# its version.
function(kordavel_runtime_dir dll out)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not find ${dll}")
  endif()
  get_filename_component(dir "${path}" DIRECTORY)
  get_filename_component(dir "${dir}" REALPATH)
  set(${out} "${dir}" PARENT_SCOPE)
endfunction()
kordavel_runtime_dir(libstdc++-6.dll KORDAVEL_MINGW_RUNTIME)
kordavel_runtime_dir(libwinpthread-1.dll KORDAVEL_WINPTHREAD)
set(KORDAVEL_WINEPREFIX ${PROJECT_BINARY_DIR}/wineprefix)

# Fonts for the offscreen platform: the faces the Linux build uses.
set(KORDAVEL_FONT_DIR ${PROJECT_BINARY_DIR}/fonts)
file(GLOB _fonts /usr/share/fonts/truetype/liberation2/*.ttf /usr/share/fonts/truetype/dejavu/*.ttf)
if(NOT _fonts)
  message(FATAL_ERROR "fonts-liberation2 and fonts-dejavu-core are needed for the tests under wine")
endif()
file(COPY ${_fonts} DESTINATION ${KORDAVEL_FONT_DIR})

configure_file(${PROJECT_SOURCE_DIR}/tools/wine/wine-run.sh.in ${PROJECT_BINARY_DIR}/wine-run.sh
               @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
               WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run.sh)

# The toolkit's own texts (the message boxes' buttons, the text boxes' menus):
# the toolkit's translations/ when it has one, else Debian's, which are of
# the same Qt version (6.4) as the Windows toolkit built from Debian's source.
if(EXISTS ${KORDAVEL_QT_PREFIX}/translations/qtbase_de.qm)
  set(_qt_translations ${KORDAVEL_QT_PREFIX}/translations)
else()
  set(_qt_translations /usr/share/qt6/translations)
endif()
set(KORDAVEL_QT_TRANSLATIONS ${_qt_translations} CACHE PATH "The qtbase_*.qm files to ship")
foreach(lang ${KORDAVEL_TRANSLATED_LANGUAGES})
  if(NOT EXISTS ${KORDAVEL_QT_TRANSLATIONS}/qtbase_${lang}.qm)
    message(FATAL_ERROR "no qtbase_${lang}.qm in ${KORDAVEL_QT_TRANSLATIONS} (Debian package qt6-translations-l10n)")
  endif()
endforeach()
string(REPLACE ";" "," _langs "${KORDAVEL_TRANSLATED_LANGUAGES}")

# Signing (Authenticode, osslsigncode) when a certificate is given: a PKCS#12
# file and a file that holds its password, and a timestamp server (RFC 3161)
# when one is named. The program is signed in the deploy folder, before the
# zip and the installers take it; then the installers. Unsigned otherwise.
set(KORDAVEL_SIGN_PKCS12 "" CACHE FILEPATH "PKCS#12 file (.p12, .pfx) to sign the program and its installers with")
set(KORDAVEL_SIGN_PASSWORD_FILE "" CACHE FILEPATH "A file holding the PKCS#12 file's password")
set(KORDAVEL_SIGN_TIMESTAMP_URL "" CACHE STRING "RFC 3161 timestamp server for the signatures (none: no timestamp)")
set(KORDAVEL_SIGN_SCRIPT "")
if(KORDAVEL_SIGN_PKCS12)
  find_program(OSSLSIGNCODE osslsigncode REQUIRED)
  foreach(given KORDAVEL_SIGN_PKCS12 KORDAVEL_SIGN_PASSWORD_FILE)
    if(NOT EXISTS "${${given}}")
      message(FATAL_ERROR "${given}: no such file '${${given}}'")
    endif()
  endforeach()
  set(KORDAVEL_SIGN_SCRIPT ${PROJECT_BINARY_DIR}/sign-file.sh)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/sign-file.sh.in ${KORDAVEL_SIGN_SCRIPT} @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE)
  message(STATUS "Signing with ${KORDAVEL_SIGN_PKCS12}")
else()
  file(REMOVE ${PROJECT_BINARY_DIR}/sign-file.sh)
endif()

set(KORDAVEL_DEPLOY_DIR ${PROJECT_BINARY_DIR}/deploy)
add_custom_target(deploy ALL
  COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:kordavel-config> -DQT_BIN=${KORDAVEL_QT_BIN}
          -DQT_PLUGINS=${KORDAVEL_QT_PLUGINS} -DMINGW_RUNTIME=${KORDAVEL_MINGW_RUNTIME}
          -DWINPTHREAD=${KORDAVEL_WINPTHREAD} -DSTRIP=${CMAKE_STRIP} -DDEST=${KORDAVEL_DEPLOY_DIR}
          -DSOURCE=${PROJECT_SOURCE_DIR} -DPROJECT_VERSION=${PROJECT_VERSION}
          -DQT_TRANSLATIONS=${KORDAVEL_QT_TRANSLATIONS} -DLANGUAGES=${_langs}
          -DSIGN=${KORDAVEL_SIGN_SCRIPT}
          -P ${PROJECT_SOURCE_DIR}/cmake/deploy-windows.cmake
  DEPENDS kordavel-config
  COMMENT "Gathering the deploy folder"
  VERBATIM)

# The portable zip and the installers (NSIS, MSI) in the build folder, and
# the administrative templates beside them and in the zip.
find_program(MAKENSIS makensis REQUIRED)
find_program(WIXL wixl REQUIRED)
find_program(WIXL_HEAT wixl-heat REQUIRED)
add_custom_target(package-windows ALL
  COMMAND ${CMAKE_COMMAND} -DDEPLOY=${KORDAVEL_DEPLOY_DIR} -DOUT=${PROJECT_BINARY_DIR}
          -DVERSION=${PROJECT_VERSION} -DNSI=${PROJECT_SOURCE_DIR}/resources/windows/installer.nsi
          -DICON=${PROJECT_BINARY_DIR}/src/app/kordavel-config.ico -DMAKENSIS=${MAKENSIS}
          -DWXS=${PROJECT_SOURCE_DIR}/resources/windows/kordavel-config.wxs -DWIXL=${WIXL}
          -DWIXL_HEAT=${WIXL_HEAT} -DSIGN=${KORDAVEL_SIGN_SCRIPT}
          -DTEMPLATES=${PROJECT_SOURCE_DIR}/resources/windows/policy
          -P ${PROJECT_SOURCE_DIR}/cmake/package-windows.cmake
  DEPENDS deploy
  COMMENT "Making the zip and the installers"
  VERBATIM)
