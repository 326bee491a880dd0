# What `make install` and the Debian package add to the program and its desktop files: the
# manual page, the AppStream metadata with its screenshots, the copyright and the changelog.
# `make deb` builds tarvinel_<version>_amd64.deb with CPack, its dependencies computed from the
# program by dpkg-shlibdeps.

set(PAQUET_SOURCE ${PROJECT_SOURCE_DIR}/paquet)
set(PAQUET_BUILD ${PROJECT_BINARY_DIR}/paquet)

# Manual pages and changelogs go compressed, without a name or a date in the archive, so that
# two builds give the same bytes.
function(tarvinel_gzip source sortie)
    add_custom_command(OUTPUT ${sortie}
                       COMMAND gzip -9nc ${source} > ${sortie}
                       DEPENDS ${source} VERBATIM)
endfunction()
file(MAKE_DIRECTORY ${PAQUET_BUILD})
tarvinel_gzip(${PAQUET_SOURCE}/tarvinel.1 ${PAQUET_BUILD}/tarvinel.1.gz)
tarvinel_gzip(${PAQUET_SOURCE}/changelog ${PAQUET_BUILD}/changelog.gz)
add_custom_target(documentation ALL
                  DEPENDS ${PAQUET_BUILD}/tarvinel.1.gz ${PAQUET_BUILD}/changelog.gz)

install(FILES ${PAQUET_BUILD}/tarvinel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PAQUET_SOURCE}/copyright ${PAQUET_BUILD}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarvinel)
install(FILES desktop/fr.tarvinel.tarvinel.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The screenshots are taken by the test that checks them (tests/ui/app/tst_captures.cpp).
install(FILES ${PROJECT_BINARY_DIR}/captures/locataire.png ${PROJECT_BINARY_DIR}/captures/quittance.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tarvinel/captures)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvinel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Équipe Tarvinel")
set(CPACK_PACKAGE_CONTACT "Équipe Tarvinel <tarvinel@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tarvinel.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: Qt's window-system plugins, the metric-compatible Arial and Times of
# the printed documents; Qt's French dialogs and the desktop's mail composer are welcome.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "gestion des locations immobilières d'un propriétaire
Tarvinel tient, pour un propriétaire bailleur, les locataires, les lots,
les fournisseurs, les quittances de loyer, les avis d'échéance, les reçus
et les bons de commande, dans un dossier de sept fichiers texte.

Il imprime chaque document en euros et en francs, ou l'écrit en PDF, et
donne des statistiques et un journal des ventes pour le comptable.")
include(CPack)
