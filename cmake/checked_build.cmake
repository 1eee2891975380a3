# Checked builds, each configured in a build folder of its own so the everyday build stays as it
# is: KESTRELON_SANITIZE runs the whole program and its tests under AddressSanitizer and
# UndefinedBehaviorSanitizer with the standard library's assertions; KESTRELON_FUZZ (clang) adds
# libFuzzer instrumentation and builds the fuzz targets of fuzz/.
option(KESTRELON_SANITIZE "Build with AddressSanitizer, UBSan and library assertions" OFF)
option(KESTRELON_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(KESTRELON_SANITIZE OR KESTRELON_FUZZ)
  set(KESTRELON_SANITIZERS -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all)
  add_compile_options(${KESTRELON_SANITIZERS} -fno-omit-frame-pointer -D_GLIBCXX_ASSERTIONS)
  add_link_options(${KESTRELON_SANITIZERS})
endif()
if(KESTRELON_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzz targets need clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
