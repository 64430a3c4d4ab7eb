# SPDX-FileCopyrightText: 2026 The Quazzle developers
# SPDX-License-Identifier: MIT

# The game for the browser, with Emscripten: quazzle.js and quazzle.wasm, which the page loads.
# The game runs on a thread of its own (-sPROXY_TO_PTHREAD), whose waits are nested loops that
# sleep on a condition variable; the exceptions that unwind an abandoned routine cross those waits
# as WebAssembly exceptions. Neither works without SharedArrayBuffer, so the page must be
# cross-origin isolated.
add_compile_options(-pthread -fwasm-exceptions)
add_link_options(-pthread -fwasm-exceptions)
include(cmake/QuazzleLayers.cmake)

add_subdirectory(src/board)
add_subdirectory(src/game)
add_subdirectory(src/flow)
add_subdirectory(src/front)
add_subdirectory(resources/sounds)
add_subdirectory(src/web)

target_link_options(quazzle_web PRIVATE
    -sPROXY_TO_PTHREAD
    # The game's thread is made ready while the WebAssembly loads, not after it.
    -sPTHREAD_POOL_SIZE=1
    -sMODULARIZE -sEXPORT_ES6 -sEXPORT_NAME=createQuazzle
    -sENVIRONMENT=web,worker
    "-sEXPORTED_FUNCTIONS=_main,_malloc,_free"
    # The page holds the game's start until its font and pictures are in (run dependencies).
    "-sEXPORTED_RUNTIME_METHODS=UTF8ToString,HEAP16,HEAP32,addRunDependency,removeRunDependency"
    # Nested waits go deep; the recordings are made one at a time.
    -sINITIAL_MEMORY=32MB -sSTACK_SIZE=1MB -sDEFAULT_PTHREAD_STACK_SIZE=1MB
    -sMALLOC=emmalloc)
