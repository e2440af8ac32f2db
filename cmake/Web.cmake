# The web build (emscripten): the core and the scenario runner compiled to
# WebAssembly, the core's tests run under node.

# WebAssembly's 128-bit vectors stand in for SSE2, so the transform's packed
# butterflies run as they do natively; conversions of doubles to integers
# (the rasteriser's pixel arithmetic) take one instruction instead of a
# guarded call; fills and copies use bulk memory. Every browser of the last
# years and node 16 on have all three.
add_compile_options(-msimd128 -msse2 -mnontrapping-fptoint -mbulk-memory)
add_link_options(-mnontrapping-fptoint -mbulk-memory)

# Programs for node: they read files and standard input straight from the
# host (NODERAWFS), compile their WebAssembly synchronously (node 18 and later
# would otherwise try fetch() on a file path and fail) and flush their output
# on exit.
function(tarvel_node_program target)
  target_link_options(${target} PRIVATE
    -sENVIRONMENT=node -sNODERAWFS=1 -sWASM_ASYNC_COMPILATION=0 -sEXIT_RUNTIME=1
    -sALLOW_MEMORY_GROWTH=1)
endfunction()

# GoogleTest from the sources that Debian's googletest package ships.
function(tarvel_add_googletest_from_source)
  set(source /usr/src/googletest/googletest)
  if(NOT EXISTS ${source}/CMakeLists.txt)
    message(FATAL_ERROR "The web build's tests need GoogleTest's sources in ${source} "
                        "(Debian package googletest).")
  endif()
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  # Its CMakeLists.txt names the targets GTest::gtest and GTest::gtest_main.
  add_subdirectory(${source} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endfunction()
