#pragma once
// Cause d'un échec d'accès à un fichier, en mots français pour les messages (« disque plein »,
// « lien symbolique refusé »…), en Windows-1252, sans majuscule initiale ni point final.
// Les codes du système (errno) ont leur texte ; quelques refus du programme lui-même, qui
// n'en ont pas, prennent les codes ci-dessous, hors de la plage des errno.
#include <string>

namespace lignara {

// Le chemin mène à autre chose qu'un fichier ordinaire : tube, périphérique, prise, dossier.
inline constexpr int kErreurPasFichierOrdinaire = 100001;
// Un lien symbolique mène à un fichier d'un autre utilisateur.
inline constexpr int kErreurFichierDAutrui = 100002;
// Un lien symbolique ne mène à aucun fichier.
inline constexpr int kErreurLienSansFichier = 100003;
// Le dossier où le fichier doit être écrit n'existe pas.
inline constexpr int kErreurDossierAbsent = 100004;
// Le fichier dépasse la taille qu'on accepte de lire.
inline constexpr int kErreurTropVolumineux = 100005;

std::string causeErreur(int erreur);

// « Disque plein » : la cause en début de phrase.
std::string causeErreurMajuscule(int erreur);

}  // namespace lignara
