#include "gedcom/ImporterGedcom.h"

#include "commun/GrandesPages.h"
#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "database/FichierBinaire.h"
#include "gedcom/DescriptionFusion.h"
#include "gedcom/FichierGedcomOuvert.h"
#include "gedcom/FusionGedcom.h"
#include "gedcom/ListeErreursGedcom.h"
#include "gedcom/PasseBalayage.h"
#include "gedcom/PasseConstruction.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace lignara {

namespace {

constexpr std::uint64_t kUnitesParFichier = 10;

std::vector<FichierGedcomOuvert> ouvrir(const std::vector<std::filesystem::path>& chemins) {
    std::vector<FichierGedcomOuvert> fichiers;
    fichiers.reserve(chemins.size());
    for (const auto& c : chemins) fichiers.emplace_back(c);
    return fichiers;
}

std::vector<std::string> nomsSansDossier(const std::vector<std::filesystem::path>& chemins) {
    std::vector<std::string> noms;
    noms.reserve(chemins.size());
    for (const auto& c : chemins) noms.push_back(depuisUtf8(c.filename().string()));
    return noms;
}

void balayer(std::vector<FichierGedcomOuvert>& fichiers, RegistresBalayage& registres, ListeErreursGedcom& erreurs,
             const OptionsImport& options) {
    const std::uint64_t total = kUnitesParFichier * fichiers.size();
    // Réserve d'après la taille des fichiers (une personne prend rarement moins de 100 octets) :
    // agrandir les registres recopiait des millions d'entrées. Rien n'est touché d'avance.
    std::uint64_t octets = 0;
    for (const FichierGedcomOuvert& f : fichiers) {
        std::error_code ec;
        const std::uintmax_t taille = std::filesystem::file_size(f.chemin(), ec);
        if (!ec) octets += taille;
    }
    // Plafond : une réserve de quelques centaines de Mo au plus, même pour un fichier énorme.
    const std::uint64_t estimation = std::min<std::uint64_t>(octets / 100, 4'000'000);
    registres.personnes.reserve(estimation);
    registres.familles.reserve(estimation / 2);
    conseillerGrandesPages(registres.personnes.data(), registres.personnes.capacity() * sizeof(PersonneBalayee));
    conseillerGrandesPages(registres.familles.data(), registres.familles.capacity() * sizeof(FamilleBalayee));
    // Un index, lui, est écrit en entier dès sa réserve : d'après une estimation plus juste
    // (200 octets par personne, le double par famille), au pire un dernier doublement en route.
    registres.reserverIndex(estimation / 2, estimation / 4);
    for (std::size_t i = 0; i < fichiers.size(); ++i) {
        fichiers[i].reinitialiser();
        const std::size_t enregistres = registres.personnes.size() + registres.familles.size();
        PasseBalayage passe(fichiers[i], i, registres, erreurs, options.modeCommentaire);
        passe.balayer();
        // Sans en-tête ni fiche, ce n'est pas un GEDCOM (un texte renommé) : l'importer donnerait
        // une base vide annoncée comme réussie. Sans en-tête mais avec des fiches, on les garde.
        if (!fichiers[i].aUneEnTete) {
            if (registres.personnes.size() + registres.familles.size() == enregistres)
                throw OperationImpossible(
                    "Le fichier "_1252 + fichiers[i].chemin1252() +
                    " n'est pas un fichier Gedcom :\nil ne commence pas par la ligne « 0 HEAD »."_1252);
            erreurs.signaler(i, "- Le fichier ne commence pas par l'en-tête Gedcom (0 HEAD)"_1252);
        }
        if (options.progression) options.progression(i + 1, total);
    }
}

}  // namespace

ResultatImport ImporterGedcom(const std::filesystem::path& chemin, const OptionsImport& options) {
    if (!estDescriptionFusion(chemin)) return ImporterGedcom(std::vector<std::filesystem::path>{chemin}, options);
    FusionGedcom fusion(DescriptionFusion::lire(chemin));
    OptionsImport o = options;
    o.rapprocher = [&fusion, &options](RegistresBalayage& r, PasseConstruction& p) {
        if (options.rapprocher) options.rapprocher(r, p);
        fusion.appliquer(r, p);
    };
    ResultatImport r = ImporterGedcom(fusion.description().chemins(), o);
    r.personnesRapprochees = fusion.personnesRapprochees();
    r.personnesAjoutees = fusion.personnesAjoutees();
    return r;
}

ResultatImport ImporterGedcom(const std::vector<std::filesystem::path>& chemins, const OptionsImport& options) {
    if (chemins.empty() || chemins.size() > 255) throw OperationImpossible("Nombre de fichiers Gedcom incorrect"_1252);
    std::vector<FichierGedcomOuvert> fichiers = ouvrir(chemins);
    // Le dossier temporaire est essayé avant le long balayage : son échec arrête tout de suite.
    FichierBinaire::creerAnonyme(options.dossierTemporaire, "gen").fermer();
    ListeErreursGedcom erreurs(nomsSansDossier(chemins), options.dossierTemporaire);
    RegistresBalayage registres;
    balayer(fichiers, registres, erreurs, options);
    PasseConstruction passe(fichiers, registres, erreurs, options.modeCommentaire, options.tagCommentaire);
    passe.fixerPaysParDefaut(options.paysParDefaut);
    if (options.apresBalayage) options.apresBalayage(registres);
    if (options.rapprocher) options.rapprocher(registres, passe);
    registres.rendreIndex();
    ConstructionBase construction(registres, passe, erreurs, options.progression);
    construction.numeroter();
    ResultatImport r;
    r.base = construction.construire(options.dossierTemporaire);
    r.rapport = erreurs.texte();
    r.nombreErreurs = erreurs.nombre();
    for (const FichierGedcomOuvert& f : fichiers)
        r.fichiers.push_back({f.chemin(), f.jeuCaracteres(), f.drapeauxLogiciel});
    if (r.nombreErreurs > 0 && options.montrerErreurs) options.montrerErreurs(r.rapport);
    return r;
}

}  // namespace lignara
