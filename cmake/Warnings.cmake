# High warning levels for every target of the project; fatal when asked (CI).

# GCC 12 warns about std::string operations in optimised builds (a known false
# positive of its -Wrestrict inside libstdc++).
function(tarvel_common_warning_options target)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(TARVEL_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

function(tarvel_set_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
    -Wnull-dereference -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough)
  tarvel_common_warning_options(${target})
endfunction()

# Test and benchmark code: the same checks without the conversion pedantry,
# which mostly flags literal test data.
function(tarvel_set_test_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow)
  tarvel_common_warning_options(${target})
endfunction()
