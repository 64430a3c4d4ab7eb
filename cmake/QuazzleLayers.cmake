# SPDX-FileCopyrightText: 2026 The Quazzle developers
# SPDX-License-Identifier: MIT

# The rules come in layers, each one CMake target: board, then game, then flow. A layer's
# include root holds a link to its own folder only, and it sees the layers below through the
# targets it links, so an include against the direction (board/ reaching into game/, say)
# finds no file and fails the build.
function(quazzle_layer target folder)
    set(root "${CMAKE_BINARY_DIR}/layers/${folder}")
    file(MAKE_DIRECTORY "${root}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/src/${folder}" "${root}/${folder}" SYMBOLIC)
    target_include_directories(${target} PUBLIC "${root}")
    # The rules know no toolkit: nothing for Qt's code generators to do.
    set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endfunction()
