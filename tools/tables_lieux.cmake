# Tables de lieux (pays, régions, sigles, subdivisions) : les fichiers lisibles de data/Lieux/
# deviennent à la construction un source C++ du noyau, triées sur leur clé. Corriger une ligne
# de données suffit : la construction refait le source et le recompile.
#
# Le générateur ne peut pas être lié au noyau, qui contient ce qu'il produit : il compile pour
# son compte les deux seuls fichiers qu'il emprunte (conversion UTF-8 et clé de lieu), et il est
# rangé sous tools/lieux/ pour échapper à la règle commune des outils.
add_executable(outil_generer_tables_lieux
  ${CMAKE_CURRENT_LIST_DIR}/lieux/generer_tables_lieux.cpp
  ${PROJECT_SOURCE_DIR}/src/commun/Texte.cpp
  ${PROJECT_SOURCE_DIR}/src/gedcom/LieuCle.cpp)
target_include_directories(outil_generer_tables_lieux PRIVATE ${PROJECT_SOURCE_DIR}/src)

file(GLOB donnees_lieux CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/Lieux/*.txt)
set(source_tables_lieux ${CMAKE_BINARY_DIR}/genere/gedcom/LieuTablesDonnees.cpp)
add_custom_command(
  OUTPUT ${source_tables_lieux}
  COMMAND outil_generer_tables_lieux ${source_tables_lieux} ${donnees_lieux}
  DEPENDS outil_generer_tables_lieux ${donnees_lieux}
  COMMENT "Tables de lieux depuis data/Lieux/"
  VERBATIM)
# La commande vit dans ce dossier, le noyau dans src/ : la cible relie les deux.
add_custom_target(tables_lieux DEPENDS ${source_tables_lieux})
target_sources(lignara_gedcom PRIVATE ${source_tables_lieux})
add_dependencies(lignara_gedcom tables_lieux)

# Les essais du générateur (tests/gedcom) le lancent : son chemin leur est donné une fois
# toutes les cibles connues.
function(lignara_donner_generateur_lieux_aux_tests)
  if(TARGET tests_gedcom)
    target_compile_definitions(tests_gedcom PRIVATE
      LIGNARA_GENERATEUR_LIEUX="$<TARGET_FILE:outil_generer_tables_lieux>")
    add_dependencies(tests_gedcom outil_generer_tables_lieux)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL lignara_donner_generateur_lieux_aux_tests)
