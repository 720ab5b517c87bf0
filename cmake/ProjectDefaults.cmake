# Compiler settings every target of ours gets (not the third-party test libraries).
#
# Text in the programs is Shift_JIS: source files are UTF-8 and narrow literals are compiled
# to code page 932. Clang cannot compile literals to code page 932; it only builds the fuzz
# targets, whose inputs are bytes and which never compare against a Japanese literal.
function(tobrin_target_defaults target)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=CP932
      -Wall -Wextra -Wpedantic -Wno-multichar)
  elseif(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    target_compile_options(${target} PRIVATE -Wall -Wextra)
  elseif(MSVC)
    target_compile_options(${target} PRIVATE /source-charset:utf-8 /execution-charset:shift_jis /W4 /permissive-)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
  endif()
endfunction()

# Google Test, built from its sources with the project's compiler (so the cross build and the
# sanitizer build each get a matching copy). Debian's googletest package puts them here;
# elsewhere name a checkout with -DTOBRIN_GOOGLETEST_DIR=... or build with -DTOBRIN_TESTS=OFF.
set(TOBRIN_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest source folder")
macro(tobrin_use_googletest)
  if(NOT TARGET gtest)
    if(NOT EXISTS ${TOBRIN_GOOGLETEST_DIR}/CMakeLists.txt)
      message(FATAL_ERROR "GoogleTest sources not found in ${TOBRIN_GOOGLETEST_DIR}: set TOBRIN_GOOGLETEST_DIR or TOBRIN_TESTS=OFF")
    endif()
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(${TOBRIN_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  endif()
endmacro()
