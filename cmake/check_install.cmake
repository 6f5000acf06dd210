# Installs the build into a fresh folder and checks what a user's desktop
# relies on: both programs and their modules, the copyright file and the
# changelog, the launcher naming the installed program, and the icon. Run as: cmake -DBUILD=<build folder> -DPREFIX=<empty folder> -P check_install.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}" RESULT_VARIABLE installed
                OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${installed})")
endif()
foreach(file bin/quillon bin/quillon-cli lib/quillon/quillon-print.so lib/quillon/quillon-spreadsheets.so
             lib/quillon/quillon-network.so lib/quillon/quillon-board.so lib/quillon/quillon-checksum.so
             share/doc/quillon/copyright share/doc/quillon/changelog.gz
             share/applications/quillon.desktop
             share/icons/hicolor/48x48/apps/quillon.png share/icons/hicolor/128x128/apps/quillon.png
             share/icons/hicolor/256x256/apps/quillon.png)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "${file} is not installed")
  endif()
endforeach()
file(STRINGS "${PREFIX}/share/applications/quillon.desktop" exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=${PREFIX}/bin/quillon")
  message(FATAL_ERROR "the launcher runs '${exec}', not the installed ${PREFIX}/bin/quillon")
endif()
file(STRINGS "${PREFIX}/share/applications/quillon.desktop" icon REGEX "^Icon=")
if(NOT icon STREQUAL "Icon=quillon")
  message(FATAL_ERROR "the launcher's icon is '${icon}'")
endif()
file(READ "${PREFIX}/share/icons/hicolor/128x128/apps/quillon.png" png LIMIT 4 HEX)
if(NOT png STREQUAL "89504e47")
  message(FATAL_ERROR "the icon is no PNG file")
endif()
file(REMOVE_RECURSE "${PREFIX}")
