// lignara essai-pdf SORTIE.pdf : la planche d'essai de la surface PDF.
#include <cstdio>
#include <string>

#include "commun/Dossiers.h"
#include "commun/Texte.h"
#include "render/EssaiPdf.h"
#include "render/PoliceChargement.h"
#include "render/PoliceFamille.h"
#include "shell/cli/Commandes.h"

namespace lignara::cli {

namespace {

std::filesystem::path cheminArgument(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// La ligne de commande ne peut pas demander : elle continue et le dit.
bool continuerAuDela500Pages() {
    std::fprintf(stderr, "%s\n", versUtf8("Ce graphique nécessite plus de 500 pages : on continue."_1252).c_str());
    return true;
}

struct OptionsEssaiPdf {
    std::string sortie;
    std::string photo;
    int format = kA4Portrait;
};

// fontconfig garde ses tables jusqu'à ce qu'on les lui rende, même quand la commande échoue.
struct LiberationPolices {
    ~LiberationPolices() { PoliceFamille::liberer(); }
};

void executerEssaiPdf(const OptionsEssaiPdf& o) {
    LiberationPolices liberation;
    ReglagesDessin reglages;
    reglages.formatPapier = static_cast<std::int16_t>(o.format);
    reglages.polices.ligneSignature1 = "Planche d'essai dessinée par Lignara"_1252;
    reglages.polices.ligneSignature2 = "www.lignara.org";
    reglages.messages = recepteurErreurStandard();
    DemandeEssaiPdf demande;
    demande.polices = chargerPolices(reglages.polices, reglages.messages);
    demande.horloge = Horloge::duSysteme();
    demande.sortie = cheminArgument(o.sortie);
    demande.photo1252 = depuisUtf8(o.photo);
    demande.dossierDonnees = dossierInstallation();
    demande.question = continuerAuDela500Pages;
    const int pages = ecrireEssaiPdf(demande, reglages);
    std::printf("%s : %d pages\n", o.sortie.c_str(), pages);
}

}  // namespace

void ajouterCommandeEssaiPdf(CLI::App& app) {
    auto options = std::make_shared<OptionsEssaiPdf>();
    CLI::App* commande = app.add_subcommand(
        "essai-pdf", "Dessine la planche d'essai de la surface PDF (une page par famille de primitives)");
    commande->add_option("SORTIE", options->sortie, "Fichier PDF à écrire")->required();
    commande->add_option("--photo", options->photo,
                         "Photo à placer (par défaut Themes/Degrade.jpg des données installées)");
    commande
        ->add_option("--format", options->format,
                     "Format de papier : 1702 non paginé, 1703-1712 A0 à A4 portrait puis "
                     "paysage, 1720-1725 Letter, Legal, Tabloid portrait puis paysage")
        ->check(CLI::Range(1702, 1725))
        ->default_val(kA4Portrait);
    commande->callback([options] { executerEssaiPdf(*options); });
}

}  // namespace lignara::cli
