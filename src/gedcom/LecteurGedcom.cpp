#include "gedcom/LecteurGedcom.h"

#include <cstdio>
#include <cstring>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "gedcom/JeuCaracteres.h"

namespace lignara {

namespace {

bool estBlanc(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

char* sauterBlancs(char* p, char* fin) {
    while (p < fin && estBlanc(*p)) ++p;
    return p;
}

bool egalSansCasse(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x >= 'a' && x <= 'z') x = static_cast<unsigned char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<unsigned char>(y - 32);
        if (x != y) return false;
    }
    return true;
}

bool estEnregistrementARepertorier(CodeTag c) {
    return c == CodeTag::INDI || c == CodeTag::FAM || c == CodeTag::SOUR || c == CodeTag::NOTE || c == CodeTag::OBJE;
}

}  // namespace

void LecteurGedcom::commencerFichier(FichierGedcomOuvert& fichier, std::size_t indice, long numeroLigne) {
    fichier_ = &fichier;
    indiceFichier_ = indice;
    numeroLigne_ = numeroLigne;
    cle_ = {};
}

void LecteurGedcom::signalerLigne(const char* patron1252) {
    rapport_.SignalerErreur(indiceFichier_, patron1252, numeroLigne_);
}

void LecteurGedcom::commencerAnalyse(const TableTags& table, std::uint64_t decalage, bool rapport) {
    table_ = &table;
    rapportActif_ = rapport;
    FluxOctets& flux = fichier_->flux();
    flux.positionner(decalage);
    if (decalage == 0) {
        // Ce qui précède le premier '0' est sauté, mais ses lignes comptent : le rapport donne
        // les numéros de ligne du fichier.
        int c;
        while ((c = flux.regarder()) != FluxOctets::kFin && c != '0') {
            flux.lire();
            if (c != '\r' && c != '\n') continue;
            ++numeroLigne_;
            int apres = flux.regarder();
            if ((c == '\r' && apres == '\n') || (c == '\n' && apres == '\r')) flux.lire();
        }
    } else if (flux.regarder() == '\n') {
        flux.lire();
    }
}

LecteurGedcom::Statut LecteurGedcom::lireLigneAnalysee() {
    Statut statut = LireLigne();
    if (statut == Statut::ErreurSyntaxe) {
        if (rapportActif_) signalerLigne("- Ligne %ld : erreur de syntaxe"_1252);
        do statut = LireLigne();
        while (statut == Statut::ErreurSyntaxe);
    }
    if (statut == Statut::TropLongue && rapportActif_)
        signalerLigne("- Ligne %ld : ligne trop longue (la norme Gedcom limite les lignes à 255 caractères)"_1252);
    if (statut == Statut::FinFichier && rapportActif_)
        signalerLigne("- Ligne %ld : fichier incomplet (un fichier Gedcom doit se terminer par \"0 TRLR\")"_1252);
    if (niveau_ == 0 && cle_.estVide() && estEnregistrementARepertorier(code_)) {
        signalerLigne("- Ligne %ld : référence Gedcom manquante"_1252);
        code_ = CodeTag::Inconnu;
    }
    return statut;
}

LecteurGedcom::Statut LecteurGedcom::LireLigne() {
    FluxOctets& flux = fichier_->flux();
    for (;;) {
        std::uint64_t debutLigne = flux.position();
        LignePhysique lue = flux.lireLigne(tampon_.get(), kTailleTampon - 1);
        if (lue.finFichier) {
            if (!fichier_->aDonneUneLigne) {
                // Tout ce qui précède le premier « 0 » a été sauté : un fichier qui n'en a pas
                // n'a donné aucune ligne sans pour autant être vide.
                const char* raison = flux.position() == 0
                                         ? "Le fichier est vide."
                                         : "Le fichier n'a aucune ligne de niveau 0 : ce n'est pas un fichier Gedcom.";
                char message[1024];
                std::snprintf(message, sizeof message, "Erreur de lecture du fichier %s\n%s"_1252,
                              fichier_->chemin1252().c_str(), raison);
                throw OperationImpossible(message);
            }
            niveau_ = 0;
            code_ = CodeTag::TRLR;
            tampon_[0] = '\0';
            tag_ = {};
            valeur_ = tampon_.get();
            longueurValeur_ = 0;
            valeurAConvertir_ = false;
            return Statut::FinFichier;
        }
        fichier_->aDonneUneLigne = true;
        ++numeroLigne_;
        tampon_[lue.longueur] = '\0';
        char* fin = tampon_.get() + lue.longueur;
        char* debut = sauterBlancs(tampon_.get(), fin);
        if (debut == fin) continue;  // ligne blanche
        decalageLigne_ = debutLigne;
        Statut statut = decouper(debut, fin);
        if (statut == Statut::Bonne && lue.coupee) statut = Statut::TropLongue;
        if (statut != Statut::ErreurSyntaxe && niveau_ == 0) decalageApresNiveau0_ = flux.position();
        return statut;
    }
}

// debut : premier octet non blanc ; fin : fin du texte lu.
LecteurGedcom::Statut LecteurGedcom::decouper(char* debut, char* fin) {
    while (fin > debut && estBlanc(fin[-1])) --fin;
    *fin = '\0';
    if (*debut < '0' || *debut > '9') return Statut::ErreurSyntaxe;
    niveau_ = *debut - '0';
    if (fin - debut < 2 || !estBlanc(debut[1])) return Statut::ErreurSyntaxe;
    char* p = sauterBlancs(debut + 2, fin);
    if (p == fin) return Statut::ErreurSyntaxe;
    if (niveau_ == 0) {
        if (*p == '@') {
            p = sauterBlancs(lireReference(p, fin), fin);
            if (p == fin) return Statut::ErreurSyntaxe;
        } else {
            cle_ = {};
        }
    }
    lireTag(p, fin);
    return Statut::Bonne;
}

// Référence de la ligne de niveau 0 : jusqu'au prochain blanc. Rend la fin de la référence.
char* LecteurGedcom::lireReference(char* debut, char* fin) {
    char* p = debut;
    while (p < fin && !estBlanc(*p)) ++p;
    std::size_t longueur = static_cast<std::size_t>(p - debut);
    if (longueur > CleEnregistrement::kLongueurReferenceMax) {
        signalerLigne(
            "- Ligne %ld : référence Gedcom trop longue (la norme limite les références à 24 caractères)"_1252);
        longueur = CleEnregistrement::kLongueurReferenceMax;
    }
    longueur = convertirEnPlace(debut, longueur, fichier_->jeuCaracteres());
    cle_ = CleEnregistrement::deReference(indiceFichier_, std::string_view(debut, longueur));
    return p;
}

// Tag jusqu'au premier octet ≤ 32 ou ≥ 128 ; l'octet qui le suit devient le terminateur.
void LecteurGedcom::lireTag(char* debut, char* fin) {
    char* p = debut;
    while (p<fin&& static_cast<unsigned char>(*p)> 32 && static_cast<unsigned char>(*p) < 128) ++p;
    tag_ = std::string_view(debut, static_cast<std::size_t>(p - debut));
    char* valeur = p < fin ? p + 1 : fin;
    *p = '\0';
    code_ = table_->chercher(tag_);
    if (code_ == CodeTag::Inconnu && !tagCommentaire_.empty() && egalSansCasse(tag_, tagCommentaire_))
        code_ = CodeTag::Commentaire;
    if (code_ != CodeTag::NOTE && code_ != CodeTag::CONT && code_ != CodeTag::CONC) valeur = sauterBlancs(valeur, fin);
    valeur_ = valeur;
    longueurValeur_ = static_cast<std::size_t>(fin - valeur);  // terminée par decouper
    valeurAConvertir_ = conversion_ == ConversionValeurs::ALaDemande;
    if (conversion_ == ConversionValeurs::Toujours) convertirValeur();
}

void LecteurGedcom::convertirValeur() {
    longueurValeur_ = convertirEtTerminer(valeur_, longueurValeur_, fichier_->jeuCaracteres());
    valeurAConvertir_ = false;
}

}  // namespace lignara
