# Images de la barre d'outils et de démarrage : livrées dans data/Menu (refaites par
# « outil_images_menu data/Menu »), copiées dans Menu/ du dossier d'installation.
file(GLOB _images_menu CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/Menu/*.png)
set(_sorties_menu)
foreach(_image IN LISTS _images_menu)
  get_filename_component(_nom ${_image} NAME)
  add_custom_command(
    OUTPUT ${LIGNARA_DONNEES_CONSTRUCTION}/Menu/${_nom}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_image} ${LIGNARA_DONNEES_CONSTRUCTION}/Menu/${_nom}
    DEPENDS ${_image}
    VERBATIM)
  list(APPEND _sorties_menu ${LIGNARA_DONNEES_CONSTRUCTION}/Menu/${_nom})
endforeach()
add_custom_target(images_menu ALL DEPENDS ${_sorties_menu})
add_dependencies(lignara images_menu)

# L'outil qui dessine ces images passe par Qt, que le noyau ne donne pas à ses clients.
find_package(Qt6 REQUIRED COMPONENTS Gui)
target_link_libraries(outil_images_menu PRIVATE Qt6::Gui)
