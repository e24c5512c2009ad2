# Makes the portable zip and the installers from the deploy folder:
#   <OUT>/kordavel-config-<VERSION>-windows-x64.zip   (the folder: unzip and run)
#   <OUT>/kordavel-config-<VERSION>-setup.exe          (NSIS)
#   <OUT>/kordavel-config-<VERSION>-x64.msi            (for managed PCs, wixl)
#   <OUT>/policy-templates/                            (kordavel.admx, <culture>/kordavel.adml)
# With SIGN (a script that signs the file it is given, in place), the NSIS
# installer and its uninstaller and the MSI are signed; the program was
# signed in the deploy folder.
# Run as: cmake -DDEPLOY=... -DOUT=... -DVERSION=... -DNSI=... -DICON=... -DMAKENSIS=...
#   -DWXS=... -DWIXL=... -DWIXL_HEAT=... -DTEMPLATES=... [-DSIGN=...] -P package-windows.cmake
set(name kordavel-config-${VERSION})

# The installer's file list, from what the deploy folder holds.
file(GLOB_RECURSE files RELATIVE ${DEPLOY} ${DEPLOY}/*)
list(SORT files)
set(install "!ifndef UNINSTALL\n")
set(uninstall "!else\n")
set(dirs)
foreach(f ${files})
  get_filename_component(dir ${f} DIRECTORY)
  string(REPLACE "/" "\\" wdir "${dir}")
  string(REPLACE "/" "\\" wf "${f}")
  if(dir)
    string(APPEND install "  SetOutPath \"$INSTDIR\\${wdir}\"\n")
    list(APPEND dirs ${wdir})
  else()
    string(APPEND install "  SetOutPath \"$INSTDIR\"\n")
  endif()
  string(APPEND install "  File \"${DEPLOY}/${f}\"\n")
  string(APPEND uninstall "  Delete \"$INSTDIR\\${wf}\"\n")
endforeach()
list(REMOVE_DUPLICATES dirs)
list(SORT dirs ORDER DESCENDING) # inner folders first
foreach(d ${dirs})
  string(APPEND uninstall "  RMDir \"$INSTDIR\\${d}\"\n")
endforeach()
string(APPEND install "  SetOutPath \"$INSTDIR\"\n")
file(WRITE ${OUT}/installer-files.nsh "${install}${uninstall}!endif\n")

set(nsis_sign)
if(SIGN)
  set(nsis_sign -DSIGN=${SIGN})
endif()
execute_process(COMMAND ${MAKENSIS} -V2 -DVERSION=${VERSION} -DICON=${ICON} ${nsis_sign}
                        -DOUTFILE=${OUT}/${name}-setup.exe -DFILES=${OUT}/installer-files.nsh ${NSI}
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "makensis failed")
endif()

# The MSI: the deploy folder's components (wixl-heat, from the sorted file
# list, so that each file keeps its component from one version to the next)
# and the product around them.
file(WRITE ${OUT}/msi-files.txt "")
foreach(f ${files})
  file(APPEND ${OUT}/msi-files.txt "${DEPLOY}/${f}\n")
endforeach()
execute_process(COMMAND ${WIXL_HEAT} -p ${DEPLOY}/ --component-group DeployedFiles --var var.Deploy
                        --directory-ref INSTALLDIR --win64
                INPUT_FILE ${OUT}/msi-files.txt OUTPUT_FILE ${OUT}/msi-files.wxs RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "wixl-heat failed")
endif()
# wixl takes the files' sources relative to where it runs. The MSI gets its
# name only once it is complete (and signed, when it is to be).
file(RELATIVE_PATH deploy_here ${OUT} ${DEPLOY})
file(RELATIVE_PATH icon_here ${OUT} ${ICON})
file(REMOVE ${OUT}/${name}-x64.msi ${OUT}/${name}-x64.msi.part)
execute_process(COMMAND ${WIXL} -a x64 -D Version=${VERSION} -D Deploy=${deploy_here} -D Icon=${icon_here}
                        -D Win64=yes -o ${OUT}/${name}-x64.msi.part ${WXS} ${OUT}/msi-files.wxs
                WORKING_DIRECTORY ${OUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "wixl failed")
endif()
if(SIGN)
  execute_process(COMMAND ${SIGN} ${OUT}/${name}-x64.msi.part RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "could not sign ${name}-x64.msi")
  endif()
endif()
file(RENAME ${OUT}/${name}-x64.msi.part ${OUT}/${name}-x64.msi)

# The zip holds one folder, named after the program and its version.
file(REMOVE_RECURSE ${OUT}/zip-staging)
file(MAKE_DIRECTORY ${OUT}/zip-staging)
file(COPY ${DEPLOY}/ DESTINATION ${OUT}/zip-staging/${name})
# The administrative templates go with the zip, not into the program's folder:
# an administrator copies them into the policy store.
file(COPY ${TEMPLATES}/ DESTINATION ${OUT}/zip-staging/${name}/policy-templates)
file(REMOVE_RECURSE ${OUT}/policy-templates)
file(COPY ${TEMPLATES}/ DESTINATION ${OUT}/policy-templates)
file(REMOVE ${OUT}/${name}-windows-x64.zip)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${OUT}/${name}-windows-x64.zip --format=zip ${name}
                WORKING_DIRECTORY ${OUT}/zip-staging RESULT_VARIABLE rc)
file(REMOVE_RECURSE ${OUT}/zip-staging)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "could not make the zip")
endif()
file(SIZE ${OUT}/${name}-windows-x64.zip zip_size)
file(SIZE ${OUT}/${name}-setup.exe setup_size)
message(STATUS "${name}-windows-x64.zip: ${zip_size} bytes; ${name}-setup.exe: ${setup_size} bytes")
