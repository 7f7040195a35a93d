#include "commun/CauseErreur.h"

#include <cerrno>

#include "commun/Texte.h"

namespace lignara {

std::string causeErreur(int erreur) {
    switch (erreur) {
        case ENOSPC: return "disque plein";
#ifdef EDQUOT
        case EDQUOT: return "quota de disque dépassé"_1252;
#endif
        case EROFS: return "système de fichiers en lecture seule"_1252;
        case EACCES: return "permission refusée"_1252;
        case EPERM: return "opération non permise"_1252;
        case ENOENT: return "fichier ou dossier inexistant";
        case ENOTDIR: return "un élément du chemin n'est pas un dossier"_1252;
        case ENAMETOOLONG: return "nom trop long";
        case ELOOP: return "lien symbolique refusé"_1252;
        case EISDIR: return "c'est un dossier";
        case EIO: return "erreur d'entrée-sortie du disque"_1252;
        case EFBIG: return "fichier trop volumineux pour le système"_1252;
        case EMFILE:
        case ENFILE: return "trop de fichiers ouverts";
        case ENOMEM: return "mémoire insuffisante"_1252;
        case EXDEV: return "fichier et dossier sur deux disques différents"_1252;
        case EBUSY:
        case ETXTBSY: return "fichier occupé"_1252;
        case EEXIST: return "le fichier existe déjà"_1252;
        case EINVAL: return "nom de fichier invalide";
        case EAGAIN: return "fichier non prêt";
        case ENXIO:
        case ENODEV: return "périphérique absent"_1252;
        case kErreurPasFichierOrdinaire: return "ce n'est pas un fichier ordinaire";
        case kErreurFichierDAutrui: return "le lien mène au fichier d'un autre utilisateur"_1252;
        case kErreurLienSansFichier: return "le lien symbolique ne mène à aucun fichier"_1252;
        case kErreurDossierAbsent: return "dossier inexistant";
        case kErreurTropVolumineux: return "fichier trop volumineux";
        default: return "erreur du système (code " + std::to_string(erreur) + ")"_1252;
    }
}

std::string causeErreurMajuscule(int erreur) {
    std::string cause = causeErreur(erreur);
    if (!cause.empty() && cause[0] >= 'a' && cause[0] <= 'z') cause[0] = static_cast<char>(cause[0] - 'a' + 'A');
    return cause;
}

}  // namespace lignara
