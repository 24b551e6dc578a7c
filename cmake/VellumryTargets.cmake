# Compiler warnings and Qt definitions are attached per target through this
# interface library, so that nothing leaks into code we do not own.
add_library(vellumry_warnings INTERFACE)
target_compile_options(vellumry_warnings INTERFACE
    -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    $<$<BOOL:${VELLUMRY_WERROR}>:-Werror>)
target_compile_definitions(vellumry_warnings INTERFACE
    QT_NO_CAST_TO_ASCII
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_FOREACH
    QT_DISABLE_DEPRECATED_BEFORE=0x060400)

# vellumry_add_library(<name> SOURCES ... [LIBS ...])
# One static library per source folder; the folder itself is the include root,
# so headers are included by bare name ("Database.h") inside the folder and by
# "<folder>/Name.h" from other folders.
function(vellumry_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name}
        PUBLIC  ${PROJECT_SOURCE_DIR}/src
        PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS} PRIVATE vellumry_warnings)
endfunction()
