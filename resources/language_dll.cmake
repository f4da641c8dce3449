# velmo_resource_dll(<target> <rc file> <output folder> [extra inputs...])
# Compiles an .rc file with windres and links it into a resource-only DLL
# named after the .rc file (no code, no entry point, no runtime).
# The resources folder is on the include path, so test fixtures can include
# the shared language layout too.
set(VELMO_RESOURCE_DIR ${CMAKE_CURRENT_LIST_DIR})
file(GLOB VELMO_LANGUAGE_INPUTS
    ${VELMO_RESOURCE_DIR}/*.h ${VELMO_RESOURCE_DIR}/language.rc ${VELMO_RESOURCE_DIR}/velmo.ico)

function(velmo_resource_dll target rc_file out_dir)
    get_filename_component(name ${rc_file} NAME_WE)
    get_filename_component(rc_dir ${rc_file} DIRECTORY)
    set(object ${CMAKE_CURRENT_BINARY_DIR}/${name}.res.o)
    set(dll ${out_dir}/${name}.dll)
    add_custom_command(OUTPUT ${dll}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
        COMMAND ${CMAKE_RC_COMPILER} -I ${rc_dir} -I ${VELMO_RESOURCE_DIR}
                -O coff -o ${object} ${rc_file}
        COMMAND ${CMAKE_C_COMPILER} -shared -nostdlib -Wl,-e,0 -o ${dll} ${object}
        DEPENDS ${rc_file} ${VELMO_LANGUAGE_INPUTS} ${ARGN}
        COMMENT "Language library ${name}.dll"
        VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${dll})
endfunction()
