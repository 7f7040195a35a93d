#pragma once
// Le fichier généalogique ouvert et tout ce qui vit avec lui : base de travail, index des
// noms, réglages du fichier (personne « Moi », favoris rangés), tables dérivées, thread de
// dérivation et surveillance des fichiers GEDCOM sources. Un seul objet pour tout le
// programme ; la ligne de commande et la fenêtre s'en servent de la même façon.
//
//   FichierOuvert fichier(dossierConfiguration, dossierSortie);
//   fichier.ouvrir("famille.ged", options);   // ferme d'abord le fichier précédent
//   const TablesDerivees& t = fichier.attendreTablesDerivees();
//   fichier.fermer();                          // aussi fait par le destructeur
//
// Threads. Tout appel se fait depuis un seul thread (celui de l'interface). ouvrir() rend la
// main dès que l'index des noms est prêt (la liste des personnes peut s'afficher) ; le thread
// de dérivation calcule ensuite les tables dérivées, puis l'index phonétique, et lève le
// drapeau « prêt » de chacun. indexPhonetique() et attendreTablesDerivees() les attendent au
// besoin, sous le curseur d'attente. Le thread de surveillance ne fait
// qu'appeler options.fichierModifie (depuis son thread à lui : la fenêtre doit le renvoyer
// vers son propre thread) après avoir levé le drapeau gedcomModifie().
//
// Erreurs. ouvrir() lève OperationImpossible (extension refusée, fichier inconnu, import
// impossible) ou DonneesCorrompues, et ne laisse alors aucun fichier ouvert. Une lecture impossible
// ou un manque de mémoire dans le thread de dérivation sont relancés par
// attendreTablesDerivees(), dans le thread qui attend.
#include <atomic>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "database/BaseGenealogique.h"
#include "database/IndexDesNoms.h"
#include "database/IndexNomsLarges.h"
#include "database/TablesDerivees.h"
#include "gedcom/ImporterGedcom.h"
#include "reglages/ReglagesFichier.h"
#include "session/PaysDesPreferences.h"
#include "session/SourcesGedcom.h"

namespace lignara {

class SurveillanceGedcom;

struct OptionsOuverture {
    // Transmis à l'import (barre de progression, dialogue des erreurs).
    RappelProgression progression;
    std::function<void(const std::string& rapport)> montrerErreurs;
    // Préférence « Gestion automatique des minuscules/majuscules » : chaque nom et prénoms lus
    // de la base passent par FormaterNom et FormaterPrenoms (documents, sélection, fenêtre et
    // ligne de commande de la même façon).
    bool casseAutomatique = false;
    // Appelé depuis le thread de surveillance quand un fichier source a été réécrit.
    std::function<void()> fichierModifie;
    bool surveiller = true;
    // Appelé avec vrai avant une attente du thread de dérivation, faux après (curseur
    // d'attente de la fenêtre).
    std::function<void(bool enAttente)> curseurAttente;
    // Année courante pour le statut vital ; 0 : celle de l'horloge locale.
    int anneeCourante = 0;
    // Transmis à l'import : relevé des clés après le balayage (identifiants de la ligne de
    // commande).
    std::function<void(RegistresBalayage&)> apresBalayage;
    // Préférence « Pays par défaut », transmise à l'import (lieux qui ne nomment pas leur pays).
    CodePays paysParDefaut{"FR"};
};

class FichierOuvert {
public:
    // Les réglages du fichier se lisent dans dossierConfiguration ; la base de travail et les
    // rapports d'import sont écrits dans dossierTemporaire.
    FichierOuvert(std::filesystem::path dossierConfiguration, std::filesystem::path dossierTemporaire);
    ~FichierOuvert();
    FichierOuvert(const FichierOuvert&) = delete;
    FichierOuvert& operator=(const FichierOuvert&) = delete;

    // Nom finissant par « .ged » ou « .fged » (casse ignorée) d'un fichier existant ; le
    // chemin est rendu absolu.
    void ouvrir(const std::filesystem::path& chemin, const OptionsOuverture& options = {});
    // Arrête la surveillance, interrompt la dérivation (qu'on ne lira plus) et l'attend, libère
    // tout. Sans effet sans fichier.
    void fermer() noexcept;
    bool ouvert() const { return base_.ouverte(); }

    // Valables seulement quand ouvert().
    const std::filesystem::path& chemin() const { return chemin_; }
    const BaseGenealogique& base() const { return base_; }
    const IndexNoms& indexNoms() const { return index_.noms; }
    // Attend au besoin le thread de dérivation, qui le construit après les tables dérivées.
    const IndexPhonetique& indexPhonetique() const;
    // Vrai quand l'index phonétique est construit (sans attendre).
    bool indexPhonetiquePret() const { return phonetiquePret_.load(std::memory_order_acquire); }
    // Clés phonétiques larges des noms, calculées à la première demande (liste des personnes en
    // mode phonétique, option « Phonétique large » de la sélection).
    const IndexNomsLarges& indexNomsLarges() const;
    const ReglagesFichier& reglages() const { return reglages_; }
    // Suit un changement de la préférence de casse automatique (voir OptionsOuverture) ; les
    // index n'en dépendent pas. Sans effet sans fichier.
    void afficherNoms(bool casseAutomatique);
    // Réglages modifiables (options du fichier, favoris) ; enregistrerReglages() les range.
    ReglagesFichier& reglages() { return reglages_; }
    // Relit le bloc du fichier dans « Perso.dwa » et y range les options d'ici (mode, tag,
    // « Moi ») et les favoris fusionnés avec ceux qu'un autre programme a pu y écrire depuis la
    // dernière lecture (fusionnerFavoris) ; reglages() devient ce qui est écrit.
    void enregistrerReglages();
    // Reprend les favoris de « Perso.dwa », pour gérer une liste à jour (la ligne de commande a
    // pu en ajouter depuis l'ouverture).
    void relireFavoris();
    // Chemin sous lequel les réglages d'un fichier sont rangés : absolu et sans « . » ni « .. »,
    // le même pour la fenêtre et la ligne de commande.
    static std::string cheminDesReglages(const std::filesystem::path& chemin);
    const std::string& rapportImport() const { return rapport_; }
    std::size_t nombreErreursImport() const { return nombreErreurs_; }
    const std::vector<FichierImporte>& fichiersSources() const { return sources_; }
    // Les fichiers sources tels qu'à l'import : relecture d'un enregistrement, et témoin d'une
    // réécriture depuis (surveillance ou empreinte changée).
    const SourcesGedcom& sourcesGedcom() const { return sourcesGedcom_; }
    // Dossier de chaque fichier source, par indice : les chemins relatifs des photos s'y lisent.
    std::vector<std::filesystem::path> dossiersGedcom() const {
        std::vector<std::filesystem::path> dossiers;
        for (const FichierImporte& f : sources_) dossiers.push_back(f.chemin.parent_path());
        return dossiers;
    }

    // Vrai quand les tables dérivées sont calculées (sans attendre).
    bool tablesDeriveesPretes() const { return pretes_.load(std::memory_order_acquire); }
    // Attend les tables du thread de dérivation si besoin. Sans fichier ouvert : OperationImpossible.
    const TablesDerivees& attendreTablesDerivees();

    // Levé par la surveillance, baissé à chaque ouverture et fermeture.
    bool gedcomModifie() const { return modifie_->load(std::memory_order_acquire); }

    // Année courante de la marque de vie : celle de l'horloge locale, ou de SOURCE_DATE_EPOCH
    // quand elle la fixe (Horloge::duSysteme).
    static int anneeHorloge();

    // Nombre de personnes du dernier fichier ouvert, gardé après sa fermeture.
    std::uint32_t personnesDernierFichier() const { return personnesDernierFichier_; }

private:
    void importer(const OptionsOuverture& options);
    void lancerDerivation(int anneeCourante, PreparationPhonetique preparation);
    void attendreDerivation() noexcept;
    void surveiller(const OptionsOuverture& options);

    std::filesystem::path dossierConfiguration_;
    std::filesystem::path dossierTemporaire_;
    std::filesystem::path chemin_;
    BaseGenealogique base_;
    IndexDesNoms index_;
    mutable std::unique_ptr<IndexNomsLarges> nomsLarges_;
    ReglagesFichier reglages_;
    std::vector<Favori> favorisLus_;  // tels que lus ou écrits la dernière fois
    std::string rapport_;
    std::size_t nombreErreurs_ = 0;
    std::vector<FichierImporte> sources_;
    SourcesGedcom sourcesGedcom_;
    std::uint32_t personnesDernierFichier_ = 0;

    TablesDerivees tables_;
    std::exception_ptr erreurDerivation_;
    std::atomic<bool> pretes_{false};
    // Lue par le thread de dérivation ; l'index phonétique et son erreur sont écrits par lui
    // avant qu'il ne lève phonetiquePret_.
    PreparationPhonetique preparation_;
    std::exception_ptr erreurPhonetique_;
    std::atomic<bool> phonetiquePret_{false};
    // Levé à la fermeture : l'estimation que personne ne lira s'arrête au lieu d'être attendue.
    std::atomic<bool> arreterDerivation_{false};
    std::thread derivation_;
    std::function<void(bool)> curseurAttente_;

    // Partagé avec le thread de surveillance, qui peut encore le lever pendant son arrêt.
    std::shared_ptr<std::atomic<bool>> modifie_ = std::make_shared<std::atomic<bool>>(false);
    std::unique_ptr<SurveillanceGedcom> surveillance_;
};

}  // namespace lignara
