#pragma once
// Forme normalisée d'un nom ou de prénoms pour les clés de l'index des noms : lettres en
// capitales sans accent, ponctuation en espaces ; de même longueur que le texte. Une troisième
// espace de suite garde le caractère d'origine ('-' pour une vraie espace), pour que les longs
// blancs ne se confondent pas. La clé ne contient jamais d'octet inférieur à 32 : l'octet 31
// sépare le nom des prénoms dans les clés de l'index.
#include <string>
#include <string_view>

namespace lignara {

std::string CleNom(std::string_view texte);

}  // namespace lignara
