// « Config.dwa » : suite de champs sans bourrage, entiers little-endian, textes écrits comme un
// octet de longueur suivi d'autant d'octets, sans terminateur. Version 603 écrite :
//   N°     TAILLE   CONTENU
//    1     u16      version, 603
//    2     u8       octet général (réservé, 1)
//    3     texte    serveur de mise à jour, 60 octets au plus
//    4     texte    avis des nouvelles versions, 4 au plus (vide : pas d'avis)
//    5     u8       casse automatique des noms et prénoms
//    6     texte    fichier généalogique par défaut, 255 au plus (voir plus bas)
//    7     texte    dossier de téléchargement des photos, 255 au plus
//    8     u16      format de papier des documents de la ligne de commande (1702 à 1725) ; la
//                   fenêtre repart toujours de « Non paginé » et réécrit la valeur lue
//    9-11  u16 ×3   compressions des arbres, des listes, des tableaux (10 à 200 %)
//   12     u8       thème des arbres
//   13     u8       thème au hasard
//   14     texte    police, 31 au plus
//   15     u8       police au hasard
//   16     u16      espace minimal entre deux personnes (2 à 99)
//   17-20  u16 ×4   marges haut, bas (lignes × 176), gauche, droite (mm × 1132 ÷ 25)
//   21-22  u8 ×2    doubles branches ascendantes, descendantes
//   23     u16      pays par défaut, première lettre dans l'octet haut (« FR » = 18002)
//   24-31  u8 ×8    masques des données : arbre ascendant, arbre descendant, liste ascendante,
//                   liste descendante, autres listes, tableau ascendant, proches, galerie
//   32     u8       couleur selon le sexe
//   33-47  u8 ×15   couleurs R, V, B : texte, hommes, femmes, traits, remplissage
//   48     u8       signature des documents PDF
//   49-50  texte ×2 lignes de signature, 50 au plus chacune
//   51-53  u8 ×3    fond de la signature R, V, B
//   54-57  texte ×4 afficheurs PDF, TXT, RTF, Web, 255 au plus chacun
//
// Versions antérieures lues (401 à 602), les champs absents gardant leur valeur par défaut :
// le champ 2 existe depuis 502, le 3 depuis 405 ; le 4 n'est qu'un octet avant 601 ; le 7 et
// les 54-57 existent depuis 600 ; le 11 depuis 501 (avant, les tableaux prennent la valeur des
// listes) ; les 48-53 depuis 503. Toute autre version laisse tout par défaut.
// Les chemins pourraient avoir 259 octets, mais l'octet de longueur s'arrête à 255 : un chemin
// plus long est écrit vide plutôt que coupé, car coupé il désignerait un autre fichier.
// Un fichier abîmé (tronqué, texte trop long ou fait de caractères de contrôle) garde chaque
// champ qui se relit valide ; les autres prennent leur valeur par défaut. Avant d'être réécrit,
// il est copié en « Config.dwa.abime ».
#include "reglages/Configuration.h"

#include <algorithm>
#include <system_error>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "render/FormatPapier.h"
#include "reglages/EcritureReglages.h"
#include "reglages/FichierReglages.h"
#include "reglages/LectureReglages.h"

namespace lignara {

namespace {

constexpr std::uint16_t kVersionEcrite = 603;
constexpr std::uint16_t kPremiereVersionLue = 401;
constexpr std::size_t kTailleMaximale = 64 * 1024;
constexpr int kMaximumLignes = 99;
constexpr int kMaximumMillimetres = 99;

bool estMajuscule(char c) { return c >= 'A' && c <= 'Z'; }

// ---- Lecture --------------------------------------------------------------------------------

// Lecture champ par champ : un champ n'est pris que s'il se lit en entier et qu'il est valide ;
// sinon il garde sa valeur par défaut et le fichier est noté abîmé. Un texte refusé (trop long,
// caractères de contrôle) n'arrête pas la lecture, son octet de longueur dit où reprendre ;
// un fichier trop court garde tout ce qui précède la coupure.
struct LectureChamps {
    explicit LectureChamps(std::span<const std::uint8_t> octets) : l(octets) {}

    void u8(std::uint8_t& champ) {
        const std::uint8_t v = l.u8();
        if (l.valide()) champ = v;
    }
    void oui(bool& champ) {
        const std::uint8_t v = l.u8();
        if (l.valide()) champ = v != 0;
    }
    void u16(std::uint16_t& champ) {
        const std::uint16_t v = l.u16();
        if (l.valide()) champ = v;
    }
    void texte(std::string& champ, std::size_t limite) {
        std::optional<std::string> v = l.texteSiBorne(limite);
        if (!l.valide()) return;
        if (v && texteReglageAcceptable(*v))
            champ = std::move(*v);
        else
            refuse = true;
    }
    void couleur(CouleurRvb& c) {
        u8(c.rouge);
        u8(c.vert);
        u8(c.bleu);
    }
    bool complete() const { return l.valide() && !refuse; }

    LectureReglages l;
    bool refuse = false;
};

void lireGeneral(LectureChamps& l, int version, Configuration& c) {
    if (version >= 502) l.u8(c.octetGeneral);
    if (version >= 405) l.texte(c.serveurMiseAJour, kLimiteServeur);
    if (version >= 601) {
        l.texte(c.avisNouvellesVersions, kLimiteAvis);
    } else {
        // L'ancienne case à cocher : le choix de l'utilisateur est gardé.
        bool avis = false;
        l.oui(avis);
        if (avis) c.avisNouvellesVersions = kTexteVersionAvis;
    }
    l.oui(c.casseAutomatique);
    l.texte(c.fichierParDefaut, kLimiteChemin);
    if (version >= 600) l.texte(c.dossierPhotos, kLimiteChemin);
}

void lirePage(LectureChamps& l, int version, Configuration& c) {
    // Le format de papier de la fenêtre repart toujours de « Non paginé » ; le champ garde
    // celui de la ligne de commande.
    l.u16(c.papierLigneCommande);
    l.u16(c.compressionArbres);
    l.u16(c.compressionListes);
    if (version >= 501)
        l.u16(c.compressionTableaux);
    else
        c.compressionTableaux = c.compressionListes;
    l.u8(c.theme);
    l.oui(c.themeAuHasard);
    l.texte(c.police, kLimitePolice);
    l.oui(c.policeAuHasard);
    l.u16(c.espaceMinimal);
    l.u16(c.margeHaut);
    l.u16(c.margeBas);
    l.u16(c.margeGauche);
    l.u16(c.margeDroite);
    l.oui(c.doublesBranchesAscendantes);
    l.oui(c.doublesBranchesDescendantes);
    l.u16(c.codePays);
}

void lireDonneesEtCouleurs(LectureChamps& l, Configuration& c) {
    for (std::uint8_t* masque :
         {&c.donneesArbreAscendant, &c.donneesArbreDescendant, &c.donneesListeAscendante, &c.donneesListeDescendante,
          &c.donneesAutresListes, &c.donneesTableauAscendant, &c.donneesProches, &c.donneesGalerie})
        l.u8(*masque);
    l.oui(c.couleurParSexe);
    for (CouleurRvb* couleur :
         {&c.couleurTexte, &c.couleurHommes, &c.couleurFemmes, &c.couleurTrait, &c.couleurRemplissage})
        l.couleur(*couleur);
}

void lireSignatureEtAfficheurs(LectureChamps& l, int version, Configuration& c) {
    if (version >= 503) {
        l.oui(c.signature);
        l.texte(c.ligneSignature1, kLimiteSignature);
        l.texte(c.ligneSignature2, kLimiteSignature);
        l.couleur(c.couleurFondSignature);
    }
    if (version >= 600)
        for (std::string& afficheur : c.afficheurs) l.texte(afficheur, kLimiteChemin);
}

// Un fichier abîmé ou écrit à la main ne doit pas donner de valeur hors des bornes de la feuille.
void bornerValeursLues(Configuration& c) {
    c.formatPapier = kFormatNonPagine;
    if (!formatPapier(static_cast<std::int16_t>(c.papierLigneCommande))) c.papierLigneCommande = kFormatNonPagine;
    c.compressionArbres = bornerCompression(c.compressionArbres);
    c.compressionListes = bornerCompression(c.compressionListes);
    c.compressionTableaux = bornerCompression(c.compressionTableaux);
    c.espaceMinimal = bornerEspaceMinimal(c.espaceMinimal);
    c.margeHaut = std::min<std::uint16_t>(c.margeHaut, kMaximumLignes * kHauteurLigne);
    c.margeBas = std::min<std::uint16_t>(c.margeBas, kMaximumLignes * kHauteurLigne);
    c.margeGauche = std::min(c.margeGauche, margeDeMillimetres(kMaximumMillimetres));
    c.margeDroite = std::min(c.margeDroite, margeDeMillimetres(kMaximumMillimetres));
    c.donneesArbreAscendant &= 63;
    c.donneesArbreDescendant &= 63;
    c.donneesListeAscendante &= 31;
    c.donneesListeDescendante &= 31;
    c.donneesAutresListes &= 15;
    c.donneesTableauAscendant &= 3;
    c.donneesProches &= 15;
    c.donneesGalerie &= 15;
    std::string pays = c.pays();
    if (!estMajuscule(pays[0]) || !estMajuscule(pays[1])) c.codePays = Configuration{}.codePays;
}

// ---- Écriture -------------------------------------------------------------------------------

void ecrireCouleur(EcritureReglages& e, const CouleurRvb& c) {
    e.u8(c.rouge);
    e.u8(c.vert);
    e.u8(c.bleu);
}

void ecrireChemin(EcritureReglages& e, const std::string& chemin) {
    e.texte(chemin.size() <= kLimiteChemin ? std::string_view(chemin) : std::string_view(), kLimiteChemin);
}

void ecrireGeneral(EcritureReglages& e, const Configuration& c) {
    e.u16(kVersionEcrite);
    e.u8(c.octetGeneral);
    e.texte(c.serveurMiseAJour, kLimiteServeur);
    e.texte(c.avisNouvellesVersions, kLimiteAvis);
    e.u8(c.casseAutomatique);
    ecrireChemin(e, c.fichierParDefaut);
    ecrireChemin(e, c.dossierPhotos);
}

void ecrirePage(EcritureReglages& e, const Configuration& c) {
    e.u16(c.papierLigneCommande);
    e.u16(c.compressionArbres);
    e.u16(c.compressionListes);
    e.u16(c.compressionTableaux);
    e.u8(c.theme);
    e.u8(c.themeAuHasard);
    e.texte(c.police, kLimitePolice);
    e.u8(c.policeAuHasard);
    e.u16(c.espaceMinimal);
    e.u16(c.margeHaut);
    e.u16(c.margeBas);
    e.u16(c.margeGauche);
    e.u16(c.margeDroite);
    e.u8(c.doublesBranchesAscendantes);
    e.u8(c.doublesBranchesDescendantes);
    e.u16(c.codePays);
}

void ecrireDonneesEtCouleurs(EcritureReglages& e, const Configuration& c) {
    for (std::uint8_t masque :
         {c.donneesArbreAscendant, c.donneesArbreDescendant, c.donneesListeAscendante, c.donneesListeDescendante,
          c.donneesAutresListes, c.donneesTableauAscendant, c.donneesProches, c.donneesGalerie})
        e.u8(masque);
    e.u8(c.couleurParSexe);
    for (const CouleurRvb& couleur :
         {c.couleurTexte, c.couleurHommes, c.couleurFemmes, c.couleurTrait, c.couleurRemplissage})
        ecrireCouleur(e, couleur);
}

void ecrireSignatureEtAfficheurs(EcritureReglages& e, const Configuration& c) {
    e.u8(c.signature);
    e.texte(c.ligneSignature1, kLimiteSignature);
    e.texte(c.ligneSignature2, kLimiteSignature);
    ecrireCouleur(e, c.couleurFondSignature);
    for (const std::string& afficheur : c.afficheurs) ecrireChemin(e, afficheur);
}

}  // namespace

std::string Configuration::pays() const {
    return {static_cast<char>(codePays >> 8), static_cast<char>(codePays & 0xFF)};
}

void Configuration::fixerPays(std::string_view code) {
    if (code.size() != 2 || !estMajuscule(code[0]) || !estMajuscule(code[1])) return;
    codePays = static_cast<std::uint16_t>((static_cast<unsigned>(code[0]) << 8) | static_cast<unsigned>(code[1]));
}

std::uint16_t bornerCompression(int pourCent) { return static_cast<std::uint16_t>(std::clamp(pourCent, 10, 200)); }

std::uint16_t bornerEspaceMinimal(int espace) { return static_cast<std::uint16_t>(std::clamp(espace, 2, 99)); }

std::uint16_t margeDeLignes(int lignes) {
    return static_cast<std::uint16_t>(std::clamp(lignes, 0, kMaximumLignes) * kHauteurLigne);
}

int lignesDeMarge(std::uint16_t marge) { return marge / kHauteurLigne; }

std::uint16_t margeDeMillimetres(int millimetres) {
    return static_cast<std::uint16_t>(std::clamp(millimetres, 0, kMaximumMillimetres) * 1132 / 25);
}

int millimetresDeMarge(std::uint16_t marge) { return (marge + 10) * 25 / 1132; }

std::vector<std::uint8_t> ecrireConfiguration(const Configuration& configuration) {
    EcritureReglages e;
    ecrireGeneral(e, configuration);
    ecrirePage(e, configuration);
    ecrireDonneesEtCouleurs(e, configuration);
    ecrireSignatureEtAfficheurs(e, configuration);
    return e.prendre();
}

ConfigurationLue lireConfigurationSauvee(std::span<const std::uint8_t> octets) {
    ConfigurationLue lue;
    LectureChamps l(octets);
    std::uint16_t version = 0;
    l.u16(version);
    if (!l.l.valide() || version < kPremiereVersionLue || version > kVersionEcrite) {
        lue.etat = EtatChargement::illisible;
        return lue;
    }
    Configuration& c = lue.configuration;
    lireGeneral(l, version, c);
    lirePage(l, version, c);
    lireDonneesEtCouleurs(l, c);
    lireSignatureEtAfficheurs(l, version, c);
    bornerValeursLues(c);
    lue.etat = l.complete() ? EtatChargement::lu : EtatChargement::abime;
    return lue;
}

std::optional<Configuration> lireConfiguration(std::span<const std::uint8_t> octets) {
    ConfigurationLue lue = lireConfigurationSauvee(octets);
    if (lue.etat != EtatChargement::lu) return std::nullopt;
    return lue.configuration;
}

Configuration chargerConfiguration(const std::filesystem::path& dossierConfiguration, EtatChargement* etat) {
    std::filesystem::path chemin = dossierConfiguration / "Config.dwa";
    std::error_code ec;
    auto octets = lireFichierReglages(chemin, kTailleMaximale);
    ConfigurationLue lue;
    if (octets)
        lue = lireConfigurationSauvee(*octets);
    else
        lue.etat = std::filesystem::exists(chemin, ec) ? EtatChargement::illisible : EtatChargement::absent;
    if (etat) *etat = lue.etat;
    return lue.configuration;
}

void enregistrerConfiguration(const Configuration& configuration, const std::filesystem::path& dossierConfiguration) {
    std::filesystem::path chemin = dossierConfiguration / "Config.dwa";
    // Ce qu'on allait écraser sans l'avoir compris en entier est d'abord mis de côté.
    if (auto ancien = lireFichierReglages(chemin, kTailleMaximale);
        ancien && lireConfigurationSauvee(*ancien).etat != EtatChargement::lu)
        mettreDeCoteFichierAbime(chemin, *ancien);
    remplacerFichierReglages(chemin, ecrireConfiguration(configuration),
                             "Accès impossible au fichier de configuration"_1252);
}

}  // namespace lignara
