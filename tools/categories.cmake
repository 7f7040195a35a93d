# Définitions de catégories livrées : MetiersRef et SourcesRef (.txt en Windows-1252 et .dwa
# compilé) dans le dossier d'installation, construites depuis les sources lisibles de data/.
set(_sources_categories ${CMAKE_SOURCE_DIR}/data/Categories)
foreach(_cat professions:MetiersRef sources:SourcesRef)
  string(REPLACE ":" ";" _paire ${_cat})
  list(GET _paire 0 _genre)
  list(GET _paire 1 _ref)
  add_custom_command(
    OUTPUT ${LIGNARA_DONNEES_CONSTRUCTION}/${_ref}.txt ${LIGNARA_DONNEES_CONSTRUCTION}/${_ref}.dwa
    COMMAND outil_categories ${_genre} ${_sources_categories}/${_ref}.txt ${LIGNARA_DONNEES_CONSTRUCTION}
    DEPENDS outil_categories ${_sources_categories}/${_ref}.txt
    COMMENT "Catégories de référence ${_ref}"
    VERBATIM)
  list(APPEND _sorties_categories ${LIGNARA_DONNEES_CONSTRUCTION}/${_ref}.txt ${LIGNARA_DONNEES_CONSTRUCTION}/${_ref}.dwa)
endforeach()
add_custom_target(donnees_categories ALL DEPENDS ${_sorties_categories})
