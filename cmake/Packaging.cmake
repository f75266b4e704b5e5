# The Debian package: `cmake --build build --target package` writes
# rundenzeitverwalter_<version>-1_<arch>.deb with both programs, the desktop entry, the file type,
# the icon, the manual pages and the files Debian asks of every package. Build it from a plain
# release build (./run's build folder), never from a sanitizer build.
include(GNUInstallDirs)

set(RZV_PACKAGE_NAME rundenzeitverwalter)

install(TARGETS rundenzeitverwalter rzv RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A double click on a cup file opens it: the desktop entry and the file type of "*.rz3".
set(RZV_APP_DIR ${CMAKE_CURRENT_SOURCE_DIR}/src/app)
install(FILES ${RZV_APP_DIR}/rundenzeitverwalter.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${RZV_APP_DIR}/rundenzeitverwalter-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${RZV_APP_DIR}/rundenzeitverwalter.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
set(RZV_PACKAGE_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/${RZV_PACKAGE_NAME})

# Debian keeps manual pages and changelogs compressed, without a time stamp in the archive.
function(rzv_gzip source output)
    add_custom_command(OUTPUT ${output}
        COMMAND gzip -9n -c ${source} > ${output}
        DEPENDS ${source}
        VERBATIM)
endfunction()

set(RZV_PACKAGING_DIR ${CMAKE_CURRENT_SOURCE_DIR}/packaging)
set(RZV_COMPRESSED)
foreach(page rzv.1 rundenzeitverwalter.1)
    rzv_gzip(${RZV_PACKAGING_DIR}/${page} ${CMAKE_CURRENT_BINARY_DIR}/${page}.gz)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    list(APPEND RZV_COMPRESSED ${CMAKE_CURRENT_BINARY_DIR}/${page}.gz)
endforeach()
rzv_gzip(${RZV_PACKAGING_DIR}/changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz)
list(APPEND RZV_COMPRESSED ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz)
add_custom_target(rzv_compressed_docs ALL DEPENDS ${RZV_COMPRESSED})

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz ${RZV_PACKAGING_DIR}/copyright
        DESTINATION ${RZV_PACKAGE_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${RZV_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "Rundenzeitverwalter-Team")
set(CPACK_PACKAGE_CONTACT "Rundenzeitverwalter-Team <team@rundenzeitverwalter.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Läufe, Ergebnisse und Wertungen eines Rundenpokals verwalten")
# One text, one line of the package description per line (Debian wants at most 80 characters).
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Der Rundenzeitverwalter ist das Programm für den Veranstalter eines\n"
    "Rundenpokals: Altersgruppen, Cup-Variationen, Punktevergabe, Läufe und\n"
    "Teilnehmer stehen in einer Cup-Datei (*.rz3). Das Programm schreibt\n"
    "Laufergebnisse, den Gesamtstand, Teilnehmerstatistiken und den DLV-Bericht,\n"
    "druckt Urkunden und veröffentlicht Webseiten. Das Werkzeug rzv bietet\n"
    "dieselben Operationen auf der Befehlszeile.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://rundenzeitverwalter.example.org")
# The libraries come from dpkg-shlibdeps; the reports are set in "Courier New", which
# fontconfig finds as Liberation Mono; Qt's own dialogs speak German with its translations.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
