#pragma once
// Règle du tag GEDCOM choisi pour le commentaire des individus (options du fichier ouvert,
// mode « Tag Gedcom »). Un tag que l'import lit déjà pour les personnes ne peut pas servir :
// ses lignes seraient prises par leur traitement habituel, jamais par le commentaire.
#include <string>
#include <string_view>

namespace lignara {

// Texte saisi ramené au tag : coupé au premier espace, puis à 24 caractères.
std::string tagCommentaireSaisi(std::string_view saisie);

// Vrai pour un tag des tables du recensement et des individus de l'import, casse ignorée.
bool tagDejaLuPourLesPersonnes(std::string_view tag);

// Lettres, chiffres et soulignés seulement : les seuls octets d'un tag de ligne GEDCOM.
bool caracteresDeTagGedcom(std::string_view tag);

// Message du refus (Windows-1252) quand le tag a d'autres caractères ou est déjà lu pour les
// personnes ; vide sinon.
std::string refusTagCommentaire(std::string_view tag);

}  // namespace lignara
