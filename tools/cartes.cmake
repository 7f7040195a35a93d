# Cartes livrées : data/Carto/<code>.dat, produits une fois par tools/cartes/ (voir son README)
# et gardés dans le dépôt, copiés dans Carto/ du dossier d'installation.
file(GLOB _cartes CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/Carto/*.dat)
set(_sorties_cartes)
foreach(_carte IN LISTS _cartes)
  get_filename_component(_nom ${_carte} NAME)
  add_custom_command(
    OUTPUT ${LIGNARA_DONNEES_CONSTRUCTION}/Carto/${_nom}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_carte} ${LIGNARA_DONNEES_CONSTRUCTION}/Carto/${_nom}
    DEPENDS ${_carte}
    VERBATIM)
  list(APPEND _sorties_cartes ${LIGNARA_DONNEES_CONSTRUCTION}/Carto/${_nom})
endforeach()
add_custom_target(donnees_cartes ALL DEPENDS ${_sorties_cartes})
