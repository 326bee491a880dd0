# moc writes code of its own into each target that has Q_OBJECT classes: with TARVINEL_WERROR,
# a warning in a newer moc's output stays a warning, and only our code has to be clean.
function(tarvinel_moc_sans_werror directory)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target ${targets})
        get_target_property(automoc ${target} AUTOMOC)
        if(automoc)
            get_target_property(binary ${target} BINARY_DIR)
            set_source_files_properties(${binary}/${target}_autogen/mocs_compilation.cpp
                                        TARGET_DIRECTORY ${target}
                                        PROPERTIES COMPILE_OPTIONS -Wno-error)
        endif()
    endforeach()
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory ${subdirectories})
        tarvinel_moc_sans_werror(${subdirectory})
    endforeach()
endfunction()

if(TARVINEL_WERROR)
    tarvinel_moc_sans_werror(${PROJECT_SOURCE_DIR})
endif()
