# `make install` into a scratch DESTDIR: every file lands under PREFIX, the desktop entry passes
# desktop-file-validate and the dossier type is well-formed shared-mime-info. Staged in a
# DESTDIR, the desktop's databases are left alone; installed for use, they are refreshed.
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
foreach(base share/mime/mime.cache share/applications/mimeinfo.cache)
    if(EXISTS ${racine}/${base})
        message(FATAL_ERROR "make install DESTDIR=... a touché ${base}")
    endif()
endforeach()

set(direct ${DESTINATION}/direct)
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DESTDIR
                        ${CMAKE_COMMAND} --install ${BUILD} --prefix ${direct}
                RESULT_VARIABLE resultat OUTPUT_VARIABLE sortie ERROR_VARIABLE sortie)
if(NOT resultat EQUAL 0)
    message(FATAL_ERROR "l'installation sans DESTDIR a échoué (${resultat}) :\n${sortie}")
endif()
file(STRINGS ${direct}/share/mime/globs2 globs REGEX "x-tarvinel-dossier")
if(NOT globs MATCHES "\\*\\.loc")
    message(FATAL_ERROR "update-mime-database n'a pas appris le type des dossiers .loc")
endif()
file(STRINGS ${direct}/share/applications/mimeinfo.cache associations REGEX "x-tarvinel-dossier")
if(NOT associations MATCHES "tarvinel.desktop")
    message(FATAL_ERROR "update-desktop-database n'a pas associé les dossiers au programme")
endif()
file(REMOVE_RECURSE ${DESTINATION})
