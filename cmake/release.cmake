# The program as a Windows user gets it: Velmo.exe with its version record
# and application manifest, and Velmo-<version>-win32.zip made by CPack
# (scripts/release.sh): the stripped program, Languages\, Help\ and a
# README.txt, in one folder that runs where it is unpacked.

# The version is that of the language libraries the program accepts.
file(STRINGS ${PROJECT_SOURCE_DIR}/resources/resource_ids.h version_line REGEX "define VELMO_LIBRARY_VERSION ")
string(REGEX MATCH "[0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+" VELMO_VERSION "${version_line}")
string(REPLACE "." ", " VELMO_VERSION_NUMBERS "${VELMO_VERSION}")

set(program_resources ${PROJECT_SOURCE_DIR}/resources/program)
set(program_generated ${CMAKE_BINARY_DIR}/program)
configure_file(${program_resources}/velmo.manifest.in ${program_generated}/velmo.manifest @ONLY)
configure_file(${program_resources}/version.h.in ${program_generated}/velmo_version.h @ONLY)

# velmo_program_resources(target rc_file): adds a resource script that reads
# the generated files; windres does not report what it reads, so the build
# is told.
function(velmo_program_resources target rc_file)
    target_sources(${target} PRIVATE ${rc_file})
    target_include_directories(${target} PRIVATE ${program_generated})
    set_source_files_properties(${rc_file} TARGET_DIRECTORY ${target} PROPERTIES OBJECT_DEPENDS
        "${program_generated}/velmo.manifest;${program_generated}/velmo_version.h;${program_resources}/manifest.rc")
endfunction()
velmo_program_resources(Velmo ${program_resources}/program.rc)
# For test programs that should run the windows as the program does.
set(VELMO_MANIFEST_RC ${program_resources}/manifest.rc)

install(TARGETS Velmo RUNTIME DESTINATION .)
install(DIRECTORY ${VELMO_DIST_DIR}/Languages ${VELMO_DIST_DIR}/Help DESTINATION .)
configure_file(${program_resources}/README.txt.in ${program_generated}/README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${program_generated}/README.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Velmo)
set(CPACK_PACKAGE_VERSION ${VELMO_VERSION})
set(CPACK_PACKAGE_FILE_NAME Velmo-${VELMO_VERSION}-win32)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/release)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_PACKAGE_CHECKSUM SHA256)
set(VELMO_RELEASE_ZIP ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.zip)
include(CPack)
