# Chronologies livrées : data/Chronologies/<nom>.txt → <installation>/Chrono/Chrono-<nom>.dwa.
set(_sources_chrono ${CMAKE_SOURCE_DIR}/data/Chronologies)
file(GLOB _fichiers_chrono CONFIGURE_DEPENDS ${_sources_chrono}/*.txt)
set(_sorties_chrono)
foreach(_f IN LISTS _fichiers_chrono)
  get_filename_component(_nom ${_f} NAME_WE)
  list(APPEND _sorties_chrono "${LIGNARA_DONNEES_CONSTRUCTION}/Chrono/Chrono-${_nom}.dwa")
endforeach()
if(_sorties_chrono)
  add_custom_command(
    OUTPUT ${_sorties_chrono}
    COMMAND outil_chronologies ${_sources_chrono} ${LIGNARA_DONNEES_CONSTRUCTION}/Chrono
    DEPENDS outil_chronologies ${_fichiers_chrono}
    COMMENT "Chronologies livrées"
    VERBATIM)
  add_custom_target(donnees_chronologies ALL DEPENDS ${_sorties_chrono})
endif()
