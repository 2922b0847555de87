# The installer and the portable zip of the program built here, named with the project's version; the
# 64-bit build's names say so. scripts/release.sh copies them into dist/, and the installer test runs them.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    set(FLEEBA_PACKAGE_SUFFIX "-win64")
    set(FLEEBA_NSIS_TARGET amd64-unicode)
else()
    set(FLEEBA_PACKAGE_SUFFIX "")
    set(FLEEBA_NSIS_TARGET x86-unicode)
endif()
set(FLEEBA_PACKAGE_DIR ${CMAKE_BINARY_DIR}/packages)
set(FLEEBA_INSTALLER_NAME Fleeba-${PROJECT_VERSION}${FLEEBA_PACKAGE_SUFFIX}-setup.exe)
set(FLEEBA_PORTABLE_NAME Fleeba-${PROJECT_VERSION}${FLEEBA_PACKAGE_SUFFIX}-portable.zip)

add_custom_command(
    OUTPUT ${FLEEBA_PACKAGE_DIR}/${FLEEBA_INSTALLER_NAME} ${FLEEBA_PACKAGE_DIR}/${FLEEBA_PORTABLE_NAME}
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/package.sh $<TARGET_FILE:fleeba> ${FLEEBA_ART_DIR}/fleeba.ico
            ${PROJECT_VERSION} ${FLEEBA_NSIS_TARGET}
            ${FLEEBA_PACKAGE_DIR}/${FLEEBA_INSTALLER_NAME} ${FLEEBA_PACKAGE_DIR}/${FLEEBA_PORTABLE_NAME}
    DEPENDS fleeba ${CMAKE_SOURCE_DIR}/scripts/package.sh ${CMAKE_SOURCE_DIR}/installer/fleeba.nsi
            ${CMAKE_SOURCE_DIR}/installer/README.txt ${CMAKE_SOURCE_DIR}/LICENSE
    COMMENT "Making the installer and the portable zip"
    VERBATIM)
add_custom_target(packages ALL
    DEPENDS ${FLEEBA_PACKAGE_DIR}/${FLEEBA_INSTALLER_NAME} ${FLEEBA_PACKAGE_DIR}/${FLEEBA_PORTABLE_NAME})
