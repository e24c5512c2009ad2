# Gathers a folder that runs on a Windows PC without Qt or mingw installed:
# the program, Qt's DLLs, the windows platform and Vista style plugins and the
# stripped mingw runtime, a README and the licences. Run as: cmake -DEXE=...
#   -DQT_BIN=... -DQT_PLUGINS=... -DMINGW_RUNTIME=... -DWINPTHREAD=... -DSTRIP=...
#   -DSOURCE=... -DPROJECT_VERSION=... -DQT_TRANSLATIONS=... -DLANGUAGES=de,fr,...
#   -DDEST=... [-DSIGN=script] -P deploy-windows.cmake
# With SIGN (a script that signs the file it is given, in place) the program
# is signed here, before the zip and the installers take it.
file(REMOVE_RECURSE ${DEST})
file(MAKE_DIRECTORY ${DEST}/platforms ${DEST}/styles)
set(binaries ${EXE})
foreach(dll Qt6Core Qt6Gui Qt6Widgets)
  list(APPEND binaries ${QT_BIN}/${dll}.dll)
endforeach()
list(APPEND binaries ${MINGW_RUNTIME}/libstdc++-6.dll ${MINGW_RUNTIME}/libgcc_s_seh-1.dll
                     ${WINPTHREAD}/libwinpthread-1.dll)
foreach(file ${binaries})
  file(COPY ${file} DESTINATION ${DEST})
endforeach()
file(COPY ${QT_PLUGINS}/platforms/qwindows.dll DESTINATION ${DEST}/platforms)
file(COPY ${QT_PLUGINS}/styles/qwindowsvistastyle.dll DESTINATION ${DEST}/styles)
# The toolkit's texts (the message boxes' buttons, the text boxes' menus) in the window's
# languages; the program's own are inside the program.
string(REPLACE "," ";" LANGUAGES "${LANGUAGES}")
file(MAKE_DIRECTORY ${DEST}/translations)
foreach(lang ${LANGUAGES})
  file(COPY ${QT_TRANSLATIONS}/qtbase_${lang}.qm DESTINATION ${DEST}/translations)
endforeach()
# What the user reads first, and the licences of what is shipped.
configure_file(${SOURCE}/resources/windows/README.txt.in ${DEST}/README.txt @ONLY NEWLINE_STYLE CRLF)
file(MAKE_DIRECTORY ${DEST}/licenses)
configure_file(${SOURCE}/resources/windows/LICENSES.txt ${DEST}/licenses/LICENSES.txt COPYONLY)
configure_file(/usr/share/common-licenses/LGPL-3 ${DEST}/licenses/LGPL-3.txt COPYONLY)
configure_file(/usr/share/common-licenses/GPL-3 ${DEST}/licenses/GPL-3.txt COPYONLY)
configure_file(/usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright
               ${DEST}/licenses/gcc-runtime-copyright.txt COPYONLY)
configure_file(/usr/share/doc/mingw-w64-x86-64-dev/copyright
               ${DEST}/licenses/mingw-w64-copyright.txt COPYONLY)

# Debian's mingw runtime carries debug information (libstdc++ is 24 MB with it).
file(GLOB_RECURSE deployed ${DEST}/*.exe ${DEST}/*.dll)
foreach(file ${deployed})
  execute_process(COMMAND ${STRIP} --strip-unneeded ${file} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "could not strip ${file}")
  endif()
endforeach()
if(SIGN)
  execute_process(COMMAND ${SIGN} ${DEST}/kordavel-config.exe RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "could not sign kordavel-config.exe")
  endif()
endif()
message(STATUS "Deployed to ${DEST}")
