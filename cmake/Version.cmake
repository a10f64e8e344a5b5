# The program's version comes from project() alone. Code reads it from a
# generated header, TabulonVersion.h, on the include path of every target.
set(TABULON_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/TabulonVersion.h.in ${TABULON_GENERATED_DIR}/TabulonVersion.h @ONLY)
include_directories(${TABULON_GENERATED_DIR})
