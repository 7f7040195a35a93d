# Images internes livrées (Themes/) : une description dans data/Themes/ donne une image.
set(dossier_themes ${LIGNARA_DONNEES_CONSTRUCTION}/Themes)
set(images_themes)
foreach(paire IN ITEMS "Rond-rose.txt=Rond-rose.dwa" "Rond-vert-clair.txt=Rond-vert-clair.dwa"
                      "Degrade.txt=Degrade.jpg")
  string(REPLACE "=" ";" paire "${paire}")
  list(GET paire 0 source)
  list(GET paire 1 image)
  add_custom_command(
    OUTPUT ${dossier_themes}/${image}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dossier_themes}
    COMMAND outil_images_internes ${CMAKE_SOURCE_DIR}/data/Themes/${source} ${dossier_themes}/${image}
    DEPENDS outil_images_internes ${CMAKE_SOURCE_DIR}/data/Themes/${source}
    COMMENT "Image interne Themes/${image}"
    VERBATIM)
  list(APPEND images_themes ${dossier_themes}/${image})
endforeach()
add_custom_target(images_internes ALL DEPENDS ${images_themes})
# Le programme trouve ses données à côté de lui : elles sont prêtes quand il l'est.
add_dependencies(lignara images_internes)
