# Fails when a file outside app/ reaches into app/ for more than the services
# interface, so that the folders below never depend on the main window.
foreach(folder common displays roster speech homework)
    file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    foreach(source ${sources})
        file(STRINGS "${source}" includes REGEX "^#include \"app/")
        foreach(line ${includes})
            if(NOT line STREQUAL "#include \"app/appservices.h\"")
                message(SEND_ERROR "${source}: ${line}")
            endif()
        endforeach()
    endforeach()
endforeach()
