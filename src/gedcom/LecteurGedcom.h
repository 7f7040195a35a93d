#pragma once
// Lecteur de lignes GEDCOM : lit une ligne logique à la fois, la découpe en niveau, référence,
// tag et valeur, convertit le texte vers Windows-1252, relève les lignes fautives et conduit
// une machine d'états (EtatLecture). Le même lecteur sert au balayage de tout le fichier, à la
// construction qui relit un enregistrement depuis un décalage stocké, et à la consultation qui
// relit un individu.
//
// Limites : une ligne physique est lue dans un tampon de 300 octets (299 au plus, le reste est
// sauté et signalé) ; une référence de 25 caractères ou plus est coupée à 24. Ce sont des coupes
// des données : rien ne déborde.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "gedcom/CleEnregistrement.h"
#include "gedcom/CodeTag.h"
#include "gedcom/EtatLecture.h"
#include "gedcom/FichierGedcomOuvert.h"
#include "gedcom/RecepteurRapport.h"
#include "gedcom/TableTags.h"

namespace lignara {

class LecteurGedcom {
public:
    static constexpr std::size_t kTailleTampon = 300;

    enum class Statut { Bonne = 0, ErreurSyntaxe = 3, TropLongue = 4, FinFichier = 7 };

    explicit LecteurGedcom(RecepteurRapport& rapport) : rapport_(rapport) {}

    // Choisit le fichier lu par les analyses suivantes ; numeroLigne est celui de la dernière
    // ligne déjà lue (0 au début du fichier, la ligne de niveau 0 pour une relecture).
    void commencerFichier(FichierGedcomOuvert& fichier, std::size_t indice, long numeroLigne = 0);

    // Mode commentaire 2 : ce tag (casse ignorée), absent de la table, prend le code 250.
    // Vide : pas de tag de commentaire.
    void definirTagCommentaire(std::string tag) { tagCommentaire_ = std::move(tag); }

    // Conversion des valeurs (la clé des lignes de niveau 0 est toujours convertie) :
    //  - Toujours : chaque valeur, dès la lecture de sa ligne ;
    //  - Brutes : jamais ; les valeurs passées aux gestionnaires restent dans le jeu du fichier
    //    (blancs de tête ôtés, tabulations comprises), le client convertit lui-même celles dont
    //    il se sert, par convertirEnPlace avec le jeu du fichier au moment de la ligne ;
    //  - ALaDemande : seulement juste avant d'appeler un gestionnaire (une fois par ligne) ; les
    //    lignes sans gestionnaire ne coûtent pas de conversion.
    enum class ConversionValeurs : std::uint8_t { Toujours, Brutes, ALaDemande };
    void choisirConversion(ConversionValeurs c) { conversion_ = c; }

    // Déroule la machine depuis decalage jusqu'à une action 'f' (ou la fin du fichier).
    // Décalage 0 : tout ce qui précède le premier '0' est sauté (marque d'ordre d'octets, lignes
    // vides…), ses fins de ligne comptées dans numeroLigne.
    // Décalage > 0 : un LF qui s'y trouverait est sauté (fin CR LF d'une ligne de niveau 0).
    // Rapport : les lignes fautives, trop longues et la fin sans « 0 TRLR » ne sont signalées
    // que s'il est vrai. Lève OperationImpossible si le fichier ne donne aucune ligne.
    template <class Client>
    void Analyser(const TableTags& table, std::span<const EtatLecture<Client>> etats, std::size_t premierEtat,
                  std::uint64_t decalage, bool rapport, Client& client);

    // Une ligne logique ; prépare niveau(), code(), valeur(). Sans message de rapport, sauf la
    // référence trop longue.
    Statut LireLigne();

    // État du lecteur, pour les gestionnaires.
    const CleEnregistrement& cleCourante() const { return cle_; }
    long numeroLigne() const { return numeroLigne_; }
    std::size_t indiceFichier() const { return indiceFichier_; }
    FichierGedcomOuvert& fichier() { return *fichier_; }
    int niveau() const { return niveau_; }
    CodeTag code() const { return code_; }
    std::string_view tag() const { return tag_; }
    char* valeur() { return valeur_; }
    // Longueur de valeur() (sans son '\0').
    std::size_t longueurValeur() const { return longueurValeur_; }
    // Décalage de la ligne qui suit la dernière ligne de niveau 0 lue : c'est là que la
    // construction et la consultation reprennent la lecture d'un enregistrement.
    std::uint64_t decalageApresNiveau0() const { return decalageApresNiveau0_; }
    bool rapportActif() const { return rapportActif_; }
    // Décalage du début de la dernière ligne lue : une note se relit depuis sa ligne de
    // niveau 0, qui porte sa première ligne de texte.
    std::uint64_t decalageLigne() const { return decalageLigne_; }

    // Signale une ligne au récepteur ; patron1252 contient un %ld remplacé par le numéro de ligne.
    void signalerLigne(const char* patron1252);

private:
    void commencerAnalyse(const TableTags& table, std::uint64_t decalage, bool rapport);
    Statut lireLigneAnalysee();
    Statut decouper(char* debut, char* fin);
    char* lireReference(char* debut, char* fin);
    void lireTag(char* debut, char* fin);
    template <class Client>
    const LigneEtat<Client>* choisirLigne(EtatLecture<Client> etat) const;

    RecepteurRapport& rapport_;
    FichierGedcomOuvert* fichier_ = nullptr;
    std::size_t indiceFichier_ = 0;
    long numeroLigne_ = 0;
    const TableTags* table_ = nullptr;
    bool rapportActif_ = false;
    ConversionValeurs conversion_ = ConversionValeurs::Toujours;
    bool valeurAConvertir_ = false;
    void convertirValeur();
    std::string tagCommentaire_;

    // Sur le tas, à sa taille exacte : un débordement s'y verrait sous AddressSanitizer.
    std::unique_ptr<char[]> tampon_{new char[kTailleTampon]()};
    int niveau_ = 0;
    CodeTag code_ = CodeTag::Inconnu;
    std::string_view tag_;
    char* valeur_ = tampon_.get();
    std::size_t longueurValeur_ = 0;
    CleEnregistrement cle_;
    std::uint64_t decalageApresNiveau0_ = 0;
    std::uint64_t decalageLigne_ = 0;
};

template <class Client>
const LigneEtat<Client>* LecteurGedcom::choisirLigne(EtatLecture<Client> etat) const {
    for (const LigneEtat<Client>& l : etat) {
        bool niveauConvient = l.niveau == kNiveauQuelconque || l.niveau == niveau_;
        bool codeConvient = l.code == CodeTag::Quelconque || l.code == code_;
        if (niveauConvient && codeConvient) return &l;
    }
    return nullptr;
}

template <class Client>
void LecteurGedcom::Analyser(const TableTags& table, std::span<const EtatLecture<Client>> etats,
                             std::size_t premierEtat, std::uint64_t decalage, bool rapport, Client& client) {
    commencerAnalyse(table, decalage, rapport);
    std::size_t etat = premierEtat;
    Statut statut = lireLigneAnalysee();
    std::size_t passages = 0;  // 'p' de suite sur la même ligne : borne contre un cycle d'états
    while (etat < etats.size()) {
        const LigneEtat<Client>* ligne = choisirLigne(etats[etat]);
        if (ligne) {
            if (ligne->gestionnaire) {
                if (valeurAConvertir_) convertirValeur();
                (client.*(ligne->gestionnaire))(valeur_);
            }
            etat = ligne->etatSuivant;
            if (ligne->action == ActionLecture::Fin) return;
            if (ligne->action == ActionLecture::MemeLigne && ++passages <= etats.size()) continue;
        }
        // Fin du fichier sans « 0 TRLR » : la lecture s'arrête comme s'il avait été lu.
        if (statut == Statut::FinFichier) return;
        statut = lireLigneAnalysee();
        passages = 0;
    }
}

}  // namespace lignara
