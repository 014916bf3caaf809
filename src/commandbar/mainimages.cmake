# Reads the picture table mainimages.inc (one QT_IMAGE(position, "KEY", "context/name")
# a line) and, run as a script, copies its pictures out of the icon theme.
#
# Script use (at build time):
#   cmake -DTABLE=mainimages.inc -DTHEME=/usr/share/icons/Tango -DDEST=<program>/images
#         -P mainimages.cmake
# copies <THEME>/<size>/<context>/<name>.png to <DEST>/<size>/<name>.png for every size in
# QUORT_IMAGE_SIZES and stops the build with a message naming the first missing file.

set(QUORT_IMAGE_SIZES 16x16 22x22 32x32)

# quort_read_image_table(<table> <out-var>): the theme pictures "context/name" in table
# order.
function(quort_read_image_table table out_var)
    file(STRINGS "${table}" lines REGEX "^QT_IMAGE\\(")
    set(pictures "")
    foreach(line IN LISTS lines)
        if(NOT line MATCHES "^QT_IMAGE\\( *([0-9]+) *, *\"([^\"]*)\" *, *\"([^\"]+)\" *\\)")
            message(FATAL_ERROR "${table}: cannot read the line: ${line}")
        endif()
        list(APPEND pictures "${CMAKE_MATCH_3}")
    endforeach()
    list(REMOVE_DUPLICATES pictures)
    set(${out_var} "${pictures}" PARENT_SCOPE)
endfunction()

# quort_image_outputs(<table> <dest> <out-var>): the files the copy writes.
function(quort_image_outputs table dest out_var)
    quort_read_image_table("${table}" pictures)
    set(outputs "")
    foreach(picture IN LISTS pictures)
        get_filename_component(name "${picture}" NAME)
        foreach(size IN LISTS QUORT_IMAGE_SIZES)
            list(APPEND outputs "${dest}/${size}/${name}.png")
        endforeach()
    endforeach()
    set(${out_var} "${outputs}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE AND TABLE)
    quort_read_image_table("${TABLE}" pictures)
    foreach(picture IN LISTS pictures)
        get_filename_component(name "${picture}" NAME)
        foreach(size IN LISTS QUORT_IMAGE_SIZES)
            set(source "${THEME}/${size}/${picture}.png")
            if(NOT EXISTS "${source}")
                message(FATAL_ERROR
                    "The picture ${source} is missing.\n"
                    "The main window's pictures come from the icon theme ${THEME}: install the "
                    "Debian package tango-icon-theme (./scripts/install-deps.sh does), or point "
                    "QT_ICON_THEME_DIR at a copy of the theme.")
            endif()
            file(MAKE_DIRECTORY "${DEST}/${size}")
            # A fresh time stamp, so the build sees the copy as newer than the table.
            file(COPY_FILE "${source}" "${DEST}/${size}/${name}.png")
            file(TOUCH "${DEST}/${size}/${name}.png")
        endforeach()
    endforeach()
endif()
