#include "documents/DocumentLigneCommande.h"

#include <cstdio>

#include "commun/Dossiers.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/GenealogieLigneCommande.h"
#include "documents/MiseEnRoute.h"
#include "render/FormatPapier.h"
#include "render/PoliceChargement.h"
#include "render/PoliceFamille.h"
#include "reglages/Configuration.h"
#include "reglages/FichierReglages.h"

namespace lignara {

namespace {

std::string formatsEnMots(const Afficheur& a) {
    static const char* const mots[] = {"pdf", "texte", "rtf", "web"};
    std::string s;
    for (int f = 0; f < 4; ++f)
        if (a.offre(static_cast<FormatSortie>(f))) s += (s.empty() ? "" : ",") + std::string(mots[f]);
    return s;
}

// Largeur à l'écran d'un texte UTF-8 : les octets de suite ne comptent pas.
std::size_t colonnes(const std::string& s) {
    std::size_t n = 0;
    for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::string cadrer(const std::string& s, std::size_t largeur) {
    std::size_t c = colonnes(s);
    return s + std::string(c < largeur ? largeur - c : 0, ' ');
}

}  // namespace

const Afficheur& typeDesigne(const std::string& designation) {
    auto trouves = chercherAfficheurs(designation);
    if (trouves.size() == 1) return *trouves[0];
    if (trouves.empty())
        throw OperationImpossible(depuisUtf8("Type de document inconnu : « " + designation +
                                             " ».\nLa liste des types : lignara document --liste"));
    std::string liste;
    for (const Afficheur* a : trouves)
        liste += "\n  " + std::string(a->nomLisible) + " (" + std::to_string(a->code) + ")";
    throw OperationImpossible(depuisUtf8("« " + designation + " » désigne plusieurs documents :" + liste));
}

std::string listeDesTypes() {
    std::string texte;
    for (const Afficheur& a : afficheurs()) {
        texte += cadrer(std::to_string(a.code), 4) + cadrer(a.prefixe, 5) + cadrer(a.nomLisible, 41) +
                 cadrer(a.titre, 45) + cadrer(formatsEnMots(a), 20) +
                 (a.disponible() ? "disponible" : "pas encore disponible") + "\n";
    }
    return texte;
}

std::uint16_t papierNomme(const std::string& nomUtf8) {
    if (auto format = formatPapierDeNom(depuisUtf8(nomUtf8))) return static_cast<std::uint16_t>(format->identifiant);
    std::string noms;
    for (const FormatPapier& f : formatsPapier()) noms += (noms.empty() ? "" : ", ") + versUtf8(f.nom);
    throw OperationImpossible(
        depuisUtf8("Format de papier inconnu : « " + nomUtf8 + " ».\nFormats possibles : " + noms));
}

Configuration configurationLigneCommande(const std::string& papierUtf8) {
    EtatChargement etat = EtatChargement::absent;
    Configuration configuration = chargerConfiguration(dossierConfiguration(), &etat);
    if (etat == EtatChargement::abime || etat == EtatChargement::illisible)
        transmettre(recepteurErreurStandard(), messageReglagesAbimes(dossierConfiguration() / "Config.dwa"));
    configuration.formatPapier = papierUtf8.empty() ? configuration.papierLigneCommande : papierNomme(papierUtf8);
    return configuration;
}

std::optional<std::string> produireDocument(const CommandeDocumentDemandee& demande) {
    const Afficheur& type = typeDesigne(demande.type);
    if (!type.disponible()) throw OperationImpossible("Ce document n'est pas encore disponible");

    Configuration configuration = configurationLigneCommande(demande.papier);
    GenealogieLigneCommande g(demande.fichier, &configuration);
    // fontconfig rend ses tables à la fin de la commande.
    struct LiberationPolices {
        ~LiberationPolices() { PoliceFamille::liberer(); }
    } liberation;

    ReglagesMiseEnRoute reglages;
    reglages.messages = recepteurErreurStandard();
    reglages.dossierSortie = std::filesystem::current_path();
    reglages.sortieImposee = demande.sortie;
    reglages.visualiser = demande.afficher;
    return mettreEnRoute(type, g.fichier(), configuration, reglages, [&](const ContexteDocument&) {
        return std::make_unique<ParametresLigneCommande>(
            demande.parametres,
            [&g](const std::string& designation) {
                return static_cast<std::int32_t>(g.personne(depuisUtf8(designation)));
            },
            &g.identifiants());
    });
}

}  // namespace lignara
