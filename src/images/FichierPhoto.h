#pragma once
// Fichier d'une photo nommée dans les données (OBJE FILE), lu sans jamais attendre : un tube,
// un périphérique ou un dossier nommés comme une photo sont refusés à l'ouverture, et rien
// n'est lu au-delà de la taille du fichier à l'ouverture (FichierEntree).
//
// Les échecs donnent une raison en français, jamais le contenu du fichier ; le message à
// l'utilisateur est « Erreur dans le fichier <chemin>\n<Raison> ». Un fichier absent n'a pas de
// raison : une photo manquante est laissée de côté sans bruit.
#include <cstddef>
#include <optional>
#include <string>

#include "commun/FichierEntree.h"

namespace lignara {

class FichierPhoto {
public:
    // Au-delà, la photo n'est pas lue : « fichier trop volumineux ».
    static constexpr std::size_t kTailleMaximale = 128u << 20;

    // Vrai quand le fichier est ouvert ; sinon raison() dit pourquoi (vide : absent).
    bool ouvrir(const std::string& chemin1252);
    FichierEntree& entree() { return entree_; }
    // Tout le fichier ; vide, avec la raison, en cas d'échec.
    std::optional<std::string> lireTout();
    // Les n premiers octets au plus.
    std::optional<std::string> lireDebut(std::size_t n);

    const std::string& raison() const { return raison_; }
    void fixerRaison(std::string raison1252) { raison_ = std::move(raison1252); }

private:
    FichierEntree entree_;
    std::string raison_;
};

// « Erreur dans le fichier <chemin>\n<Raison> » ; vide quand la raison l'est (fichier absent).
std::string messagePhoto(const std::string& chemin1252, const std::string& raison1252);

}  // namespace lignara
