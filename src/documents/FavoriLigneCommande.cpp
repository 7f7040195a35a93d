#include "documents/FavoriLigneCommande.h"

#include <cstdio>
#include <system_error>

#include "commun/Dossiers.h"
#include "commun/OperationImpossible.h"
#include "commun/RecepteurMessages.h"
#include "commun/Texte.h"
#include "documents/Document.h"
#include "documents/DocumentLigneCommande.h"
#include "documents/ExecutionFavori.h"
#include "documents/GenealogieLigneCommande.h"
#include "render/FormatPapier.h"
#include "render/PoliceFamille.h"
#include "reglages/Configuration.h"

namespace lignara {

namespace {

// fontconfig rend ses tables à la fin de la commande.
struct LiberationPolices {
    ~LiberationPolices() { PoliceFamille::liberer(); }
};

void verifierFichier(const std::filesystem::path& fichier) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fichier, ec))
        throw OperationImpossible(depuisUtf8("Fichier inconnu : " + fichier.string()));
}

std::string nomDuFavori(const std::string& nomUtf8) {
    std::string nom = depuisUtf8(nomUtf8);
    if (nom.empty()) throw OperationImpossible(depuisUtf8("Le nom du favori est vide"));
    if (nom.size() > Favori::kLimiteNom)
        throw OperationImpossible(depuisUtf8("Le nom du favori dépasse 80 caractères"));
    for (char c : nom)
        if (static_cast<unsigned char>(c) < 32)
            throw OperationImpossible(depuisUtf8("Le nom du favori ne peut pas contenir de caractère de contrôle"));
    return nom;
}

ReglagesMiseEnRoute reglagesDeLaLigne() {
    ReglagesMiseEnRoute reglages;
    reglages.messages = recepteurErreurStandard();
    reglages.dossierSortie = std::filesystem::current_path();
    reglages.visualiser = false;
    return reglages;
}

}  // namespace

std::string listeDesFavoris(const std::filesystem::path& fichierDemande) {
    verifierFichier(fichierDemande);
    ReglagesFichier reglages =
        chargerReglagesFichier(dossierConfiguration(), FichierOuvert::cheminDesReglages(fichierDemande));
    std::string texte;
    for (std::size_t i = 0; i < reglages.favoris.size(); ++i) {
        const Favori& f = reglages.favoris[i];
        std::string rang = std::to_string(i + 1);
        texte += std::string(rang.size() < 3 ? 3 - rang.size() : 0, ' ') + rang + "  ";
        if (f.separateur()) {
            texte += std::string(20, '-') + "\n";
            continue;
        }
        std::string nom = versUtf8(f.nom);
        texte += nom;
        const Afficheur* type = afficheurDeCode(f.type);
        texte += " | " + std::string(type ? type->titre : "type inconnu");
        if (type && f.parametres.empty() && !type->signature().empty()) texte += " (sans paramètres)";
        texte += "\n";
    }
    return texte;
}

std::optional<std::string> lancerFavoriNomme(const LancementFavoriDemande& demande) {
    verifierFichier(demande.fichier);
    // Les mêmes préférences et le même papier que « lignara document ».
    Configuration configuration = configurationLigneCommande(demande.papier);
    GenealogieLigneCommande g(demande.fichier, &configuration);
    LiberationPolices liberation;
    const std::string nom = depuisUtf8(demande.nom);
    const Favori* favori = favoriNomme(g.fichier().reglages().favoris, nom);
    if (!favori)
        throw OperationImpossible(depuisUtf8("Aucun favori « " + demande.nom +
                                             " » pour ce fichier.\n"
                                             "La liste : lignara favori liste " +
                                             demande.fichier.string()));
    if (!afficheurDeCode(favori->type))
        throw OperationImpossible(depuisUtf8("Le favori « " + demande.nom + " » n'a pas de type de document"));
    ReglagesMiseEnRoute reglages = reglagesDeLaLigne();
    reglages.sortieImposee = demande.sortie;
    reglages.visualiser = demande.afficher;
    // Pas de dialogue ici : un favori sans paramètres le dit (decoderParametres).
    return lancerFavori(*favori, g.fichier(), configuration, reglages);
}

bool ajouterFavori(const AjoutFavoriDemande& demande) {
    verifierFichier(demande.fichier);
    const std::filesystem::path configuration = dossierConfigurationAccessible();
    Favori favori;
    favori.nom = nomDuFavori(demande.nom);
    const Afficheur& type = typeDesigne(demande.type);
    if (!type.disponible()) throw OperationImpossible("Ce document n'est pas encore disponible");
    favori.type = type.code;
    // Refusé avant l'import : inutile de lire le fichier pour rien.
    const std::string chemin = FichierOuvert::cheminDesReglages(demande.fichier);
    auto verifierPlace = [&favori](const std::vector<Favori>& favoris) {
        if (favoris.size() >= Favori::kMaximum)
            throw OperationImpossible(depuisUtf8("Ce fichier a déjà 30 favoris : il n'est pas possible d'en ajouter"));
        if (favoriNomme(favoris, favori.nom))
            throw OperationImpossible("Le nom est déjà utilisé par un autre favori"_1252);
    };
    verifierPlace(chargerReglagesFichier(configuration, chemin).favoris);

    Configuration preferences = chargerConfiguration(configuration);
    GenealogieLigneCommande g(demande.fichier, &preferences);
    LiberationPolices liberation;
    ReglagesMiseEnRoute reglages = reglagesDeLaLigne();
    ContexteDocument contexte = contexteDeMiseEnRoute(g.fichier(), preferences, reglages);
    std::unique_ptr<Document> document = type.fabrique(type);
    document->initialiserParametres(contexte);
    ParametresLigneCommande source(
        demande.parametres,
        [&g](const std::string& designation) { return static_cast<std::int32_t>(g.personne(depuisUtf8(designation))); },
        &g.identifiants());
    if (!source.parametrer(*document, contexte)) return false;
    encoderParametres(favori, document->signature(), document->parametres, g.base());
    // La fenêtre a pu écrire depuis la première lecture : les limites se revoient sur le bloc relu.
    modifierReglagesFichier(configuration, chemin, [&](ReglagesFichier& r) {
        verifierPlace(r.favoris);
        r.favoris.push_back(favori);
    });
    return true;
}

}  // namespace lignara
