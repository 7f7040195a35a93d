#pragma once
// Lecture impossible d'un enregistrement de la base de travail (fichier tronqué, abîmé, ou
// numéro hors des tables). L'interface la transforme en « Fichiers de données corrompus » et
// termine le programme avec le code 1.
#include <stdexcept>
#include <string>

namespace lignara {

class DonneesCorrompues : public std::runtime_error {
public:
    explicit DonneesCorrompues(const std::string& detail) : std::runtime_error(detail) {}
};

}  // namespace lignara
