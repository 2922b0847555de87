# Builds the picture generator with the host compiler and runs it into FLEEBA_ART_DIR.
include(ExternalProject)

if(NOT EXISTS ${CMAKE_SOURCE_DIR}/tools/artgen/CMakeLists.txt)
    function(fleeba_use_art target)
    endfunction()
    return()
endif()

set(FLEEBA_ARTGEN_BUILD ${FLEEBA_HOST_DIR}/artgen-host)
set(FLEEBA_ARTGEN ${FLEEBA_ARTGEN_BUILD}/artgen)
set(FLEEBA_ARTGEN_TESTS ${FLEEBA_ARTGEN_BUILD}/artgen_tests)
set(FLEEBA_ART_STAMP ${FLEEBA_ART_DIR}/artgen.stamp)

ExternalProject_Add(artgen_host
    SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools/artgen
    BINARY_DIR ${FLEEBA_ARTGEN_BUILD}
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    BUILD_BYPRODUCTS ${FLEEBA_ARTGEN} ${FLEEBA_ARTGEN_TESTS})

add_custom_command(
    OUTPUT ${FLEEBA_ART_STAMP}
    COMMAND ${CMAKE_COMMAND} -DARTGEN=${FLEEBA_ARTGEN} -DART_DIR=${FLEEBA_ART_DIR} -DSTAMP=${FLEEBA_ART_STAMP}
            -P ${CMAKE_CURRENT_LIST_DIR}/DrawArt.cmake
    DEPENDS ${FLEEBA_ARTGEN}
    COMMENT "Drawing the pictures"
    VERBATIM)
add_custom_target(art DEPENDS ${FLEEBA_ART_STAMP})
add_dependencies(art artgen_host)

# A target whose resource script includes the generated pictures.
function(fleeba_use_art target)
    add_dependencies(${target} art)
    target_include_directories(${target} PRIVATE ${FLEEBA_ART_DIR} ${CMAKE_SOURCE_DIR}/res)
    get_target_property(srcs ${target} SOURCES)
    foreach(src ${srcs})
        if(src MATCHES "\\.rc$")
            set_property(SOURCE ${src} APPEND PROPERTY OBJECT_DEPENDS ${FLEEBA_ART_STAMP})
        endif()
    endforeach()
endfunction()
