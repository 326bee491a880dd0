# The Debian package of the build: made with CPack into a scratch directory, checked by lintian
# (no error), installed with apt-get, its program and manual page found, then removed.
# Installing needs root: another user sees the test skipped.
execute_process(COMMAND id -u OUTPUT_VARIABLE utilisateur OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT utilisateur STREQUAL "0")
    message("PAQUET NON ESSAYE : installer un paquet demande d'être root")
    return()
endif()
foreach(programme cpack dpkg-shlibdeps lintian apt-get man)
    find_program(trouve_${programme} ${programme})
    if(NOT trouve_${programme})
        message(FATAL_ERROR "${programme} manque (make packages l'installe)")
    endif()
endforeach()

function(lance)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE resultat OUTPUT_VARIABLE sortie
                    ERROR_VARIABLE sortie)
    if(NOT resultat EQUAL 0)
        message(FATAL_ERROR "${ARGN} : échec (${resultat})\n${sortie}")
    endif()
    set(sortie "${sortie}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${SORTIE})
lance(cpack -G DEB --config ${BUILD}/CPackConfig.cmake -B ${SORTIE})
file(GLOB paquets ${SORTIE}/tarvinel_*_amd64.deb)
list(LENGTH paquets n)
if(NOT n EQUAL 1)
    message(FATAL_ERROR "cpack n'a pas fait tarvinel_<version>_amd64.deb : ${paquets}")
endif()
message("Paquet : ${paquets}")
lance(dpkg-deb --info ${paquets})
message("${sortie}")
lance(dpkg-deb --contents ${paquets})
message("${sortie}")

execute_process(COMMAND lintian --fail-on error --info ${paquets} RESULT_VARIABLE resultat
                OUTPUT_VARIABLE sortie ERROR_VARIABLE sortie)
message("lintian :\n${sortie}")
if(NOT resultat EQUAL 0)
    message(FATAL_ERROR "lintian trouve des erreurs")
endif()

# Another apt-get may hold the lock for a while: wait for it.
set(apt apt-get -y -q -o DPkg::Lock::Timeout=600)
set(ENV{DEBIAN_FRONTEND} noninteractive)
lance(${apt} install ${paquets})
execute_process(COMMAND /usr/bin/tarvinel --help RESULT_VARIABLE aide OUTPUT_VARIABLE texte
                ERROR_VARIABLE texte)
execute_process(COMMAND man -w tarvinel RESULT_VARIABLE manuel OUTPUT_VARIABLE page
                ERROR_VARIABLE page OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND dpkg -L tarvinel OUTPUT_VARIABLE installes)
message("Fichiers installés :\n${installes}")
lance(${apt} remove --purge tarvinel)
if(NOT aide EQUAL 0 OR NOT texte MATCHES "tarvinel --verifier")
    message(FATAL_ERROR "tarvinel --help ne répond pas : ${texte}")
endif()
if(NOT manuel EQUAL 0 OR NOT page STREQUAL "/usr/share/man/man1/tarvinel.1.gz")
    message(FATAL_ERROR "man -w tarvinel : ${page}")
endif()
message("tarvinel --help : ${texte}man -w tarvinel : ${page}")
file(REMOVE_RECURSE ${SORTIE})
