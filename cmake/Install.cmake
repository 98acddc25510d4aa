# What `cmake --install` puts where: the two editions and the headless renderer, the collection of
# automaton files and their MIME type, a desktop entry and AppStream metadata for each edition,
# the program's icon in the desktop's hicolor theme at every size the icon tool draws, the manual
# pages, the copyright and the changelog. Included last from the top-level file, so that every
# target it installs (vellicor-render among them, from its own folder) already exists.
include(GNUInstallDirs)

set(desktopSource ${PROJECT_SOURCE_DIR}/desktop)
set(docDir ${CMAKE_INSTALL_DATAROOTDIR}/doc/vellicor)

install(TARGETS vellicor quorrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
set(manualPages vellicor.1 quorrel.1 vellicor.5)
if(TARGET vellicor-render)
    install(TARGETS vellicor-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    list(APPEND manualPages vellicor-render.1)
endif()

install(FILES ${VELLICOR_COLLECTION_FILES} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/vellicor/collection)

foreach(id IN ITEMS ${VELLICOR_DESKTOP_ID} ${QUORREL_DESKTOP_ID})
    install(FILES ${desktopSource}/${id}.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
    install(FILES ${desktopSource}/${id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
endforeach()
# application/x-vellicor, which both desktop entries open; the package's trigger of
# shared-mime-info (or update-mime-database after a plain install) brings it into the database.
install(FILES ${desktopSource}/vellicor-mime.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/mime/packages
        RENAME vellicor.xml)

# Both editions show the same icon, under the picture edition's name. Each size is its own
# drawing (resources/icons/README.md); ICON_0 itself is the 32-pixel one.
file(GLOB iconFiles RELATIVE ${PROJECT_SOURCE_DIR}/resources/icons ${PROJECT_SOURCE_DIR}/resources/icons/ICON_0_*.png)
foreach(file IN LISTS iconFiles ITEMS ICON_0_32.png)
    string(REGEX REPLACE "ICON_0_([0-9]+)\\.png" "\\1" size ${file})
    set(source ${PROJECT_SOURCE_DIR}/resources/icons/${file})
    if(size EQUAL 32)
        set(source ${PROJECT_SOURCE_DIR}/resources/icons/ICON_0.png)
    endif()
    install(FILES ${source} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${VELLICOR_DESKTOP_ID}.png)
endforeach()

# Manual pages and the changelog go compressed, as Debian keeps them; gzip -n leaves out the file
# name and time, so the same text always makes the same bytes.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(compressed "")
foreach(file IN LISTS manualPages ITEMS changelog)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/desktop/${file}.gz)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/desktop
        COMMAND ${GZIP_PROGRAM} -9nc ${desktopSource}/${file} > ${output}
        DEPENDS ${desktopSource}/${file}
        VERBATIM)
    list(APPEND compressed ${output})
    if(file STREQUAL "changelog")
        install(FILES ${output} DESTINATION ${docDir})
    else()
        string(REGEX REPLACE ".*\\.([0-9])$" "\\1" section ${file})
        install(FILES ${output} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
    endif()
endforeach()
add_custom_target(compressed_documents ALL DEPENDS ${compressed})

install(FILES ${desktopSource}/copyright DESTINATION ${docDir})
