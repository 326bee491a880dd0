# `make install` into a scratch DESTDIR: every file lands under PREFIX, the desktop entry passes
# desktop-file-validate and the dossier type is well-formed shared-mime-info.
file(REMOVE_RECURSE ${DESTINATION})
execute_process(
    COMMAND make -C ${SOURCE} install BUILD=${BUILD} DESTDIR=${DESTINATION} PREFIX=/opt/tarvinel
    RESULT_VARIABLE resultat OUTPUT_VARIABLE sortie ERROR_VARIABLE sortie)
if(NOT resultat EQUAL 0)
    message(FATAL_ERROR "make install a échoué (${resultat}) :\n${sortie}")
endif()

set(racine ${DESTINATION}/opt/tarvinel)
file(GLOB pages RELATIVE ${SOURCE}/help ${SOURCE}/help/*.html)
set(attendus bin/tarvinel share/applications/tarvinel.desktop
    share/icons/hicolor/scalable/apps/tarvinel.svg share/mime/packages/tarvinel.xml
    share/man/man1/tarvinel.1.gz share/metainfo/fr.tarvinel.tarvinel.metainfo.xml
    share/tarvinel/captures/locataire.png share/tarvinel/captures/quittance.png
    share/doc/tarvinel/copyright share/doc/tarvinel/changelog.gz)
foreach(page ${pages})
    list(APPEND attendus share/doc/tarvinel/aide/${page})
endforeach()
foreach(fichier ${attendus})
    if(NOT EXISTS ${racine}/${fichier})
        message(FATAL_ERROR "make install n'a pas placé ${fichier}")
    endif()
endforeach()
execute_process(COMMAND ${racine}/bin/tarvinel --help RESULT_VARIABLE resultat
                OUTPUT_VARIABLE sortie ERROR_VARIABLE sortie)
if(NOT resultat EQUAL 0 OR NOT sortie MATCHES "tarvinel --verifier")
    message(FATAL_ERROR "bin/tarvinel installé ne répond pas à --help : ${sortie}")
endif()

execute_process(COMMAND desktop-file-validate ${racine}/share/applications/tarvinel.desktop
                RESULT_VARIABLE resultat OUTPUT_VARIABLE sortie ERROR_VARIABLE sortie)
if(NOT resultat EQUAL 0 OR NOT sortie STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate : ${sortie}")
endif()
file(READ ${racine}/share/mime/packages/tarvinel.xml mime)
if(NOT mime MATCHES "type=\"application/x-tarvinel-dossier\"" OR NOT mime MATCHES "\\*\\.loc")
    message(FATAL_ERROR "le type des dossiers .loc manque")
endif()
file(REMOVE_RECURSE ${DESTINATION})
