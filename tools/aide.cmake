# Pages d'aide HTML : data/Aide copié dans Aide/ du dossier d'installation.
file(GLOB _pages_aide CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/Aide/*)
set(_sorties_aide)
foreach(_page IN LISTS _pages_aide)
  get_filename_component(_nom ${_page} NAME)
  add_custom_command(
    OUTPUT ${LIGNARA_DONNEES_CONSTRUCTION}/Aide/${_nom}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_page} ${LIGNARA_DONNEES_CONSTRUCTION}/Aide/${_nom}
    DEPENDS ${_page}
    VERBATIM)
  list(APPEND _sorties_aide ${LIGNARA_DONNEES_CONSTRUCTION}/Aide/${_nom})
endforeach()
add_custom_target(pages_aide ALL DEPENDS ${_sorties_aide})
add_dependencies(lignara pages_aide)
