# Windows programs: 32-bit, one self-contained file each, the C++ and GCC run-times
# linked in, so they load no library beyond those that come with Windows.
add_link_options(-static -static-libgcc -static-libstdc++)
add_compile_definitions(WINVER=0x0400 _WIN32_WINNT=0x0400 _WIN32_IE=0x0400 NOMINMAX)

# ctest starts every Windows program in a fresh Wine prefix copy.
set(UNZORL_WINE_TEMPLATES "${CMAKE_BINARY_DIR}/wine-templates" CACHE PATH "Where the Wine template prefixes are kept")
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_SOURCE_DIR}/tests/harness/wine-run.sh;--templates;${UNZORL_WINE_TEMPLATES}")
