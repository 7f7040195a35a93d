#include "documents/BlocParametres.h"

#include <array>
#include <stdexcept>
#include <string_view>

#include "commun/OperationImpossible.h"
#include "commun/Texte.h"
#include "documents/ReferencePersonne.h"

namespace lignara {

namespace {

[[noreturn]] void tropDeParametres() { throw OperationImpossible("Le favori contient trop de paramètres"_1252); }

class EcritureBloc {
public:
    // Chaque écriture vérifie d'abord la place qui reste : l'octet seul à 1999 au plus, le mot
    // de 16 bits à 1998, la valeur de 32 bits et la date à 1996, le texte et son 0 jusqu'à 2000.
    void ajouter(const std::uint8_t* octets, std::size_t n) {
        if (n > kTailleBlocParametres - position_) tropDeParametres();
        std::copy(octets, octets + n, tampon_.begin() + static_cast<std::ptrdiff_t>(position_));
        position_ += n;
    }
    void octet(std::uint8_t v) { ajouter(&v, 1); }
    void mot(std::uint16_t v) {
        std::uint8_t o[2] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)};
        ajouter(o, 2);
    }
    void long32(std::uint32_t v) {
        std::uint8_t o[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                             static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
        ajouter(o, 4);
    }
    void octets(const std::vector<std::uint8_t>& o) { ajouter(o.data(), o.size()); }
    std::vector<std::uint8_t> bloc() const {
        return {tampon_.begin(), tampon_.begin() + static_cast<std::ptrdiff_t>(position_)};
    }

private:
    std::array<std::uint8_t, kTailleBlocParametres> tampon_{};
    std::size_t position_ = 0;
};

void encoderTexte(EcritureBloc& e, const std::string& texte) {
    std::string_view t(texte.c_str());  // un octet 0 termine le texte
    std::vector<std::uint8_t> o(t.begin(), t.end());
    o.push_back(0);
    e.octets(o);
}

void encoderListe(EcritureBloc& e, const EnsemblePersonnes& liste, const BaseGenealogique& base) {
    std::uint32_t n = liste.nombrePersonnes();
    for (std::uint32_t p = 1; p <= n; ++p)
        if (liste.contient(p)) e.octets(ReferencePersonne::de(base, static_cast<std::int32_t>(p)).octets());
    e.octet(ReferencePersonne::kAucune);
}

void encoderValeur(EcritureBloc& e, char lettre, const ValeurParametre& v, const BaseGenealogique& base) {
    switch (lettre) {
        case 'P': e.octets(ReferencePersonne::de(base, std::get<std::int32_t>(v)).octets()); break;
        case 's': encoderTexte(e, std::get<std::string>(v)); break;
        case '2': e.mot(std::get<std::uint16_t>(v)); break;
        case '4': e.long32(std::get<std::uint32_t>(v)); break;
        case 'D': {
            const auto& d = std::get<DateParametre>(v);
            std::uint8_t o[4] = {d.jour, d.mois, static_cast<std::uint8_t>(d.annee),
                                 static_cast<std::uint8_t>(d.annee >> 8)};
            e.ajouter(o, 4);
            break;
        }
        case 'L': encoderListe(e, std::get<EnsemblePersonnes>(v), base); break;
        default: e.octet(std::get<std::uint8_t>(v)); break;
    }
}

// Lecture bornée au bloc ; abime() dit qu'il manquait des octets.
class LectureBloc {
public:
    explicit LectureBloc(std::span<const std::uint8_t> bloc) : bloc_(bloc) {}
    bool reste(std::size_t n) const { return n <= bloc_.size() - position_; }
    std::uint8_t octet() { return bloc_[position_++]; }
    std::span<const std::uint8_t> bloc() const { return bloc_; }
    std::size_t& position() { return position_; }

private:
    std::span<const std::uint8_t> bloc_;
    std::size_t position_ = 0;
};

struct BlocIllisible {};

std::int32_t lirePersonne(LectureBloc& l, ModeFavori mode, const ContexteDocument& contexte) {
    ReferencePersonne ref;
    if (!ReferencePersonne::lire(l.bloc(), l.position(), ref)) throw BlocIllisible{};
    std::int32_t personne = ref.chercher(contexte);
    if (personne >= 0) return personne;
    if (mode == ModeFavori::Execution) throw OperationImpossible();
    return 0;
}

EnsemblePersonnes lireListe(LectureBloc& l, const ContexteDocument& contexte) {
    EnsemblePersonnes liste(contexte.base->nombreIndividus());
    for (;;) {
        if (!l.reste(1)) throw BlocIllisible{};
        if (l.bloc()[l.position()] == ReferencePersonne::kAucune) {
            ++l.position();
            return liste;
        }
        ReferencePersonne ref;
        if (!ReferencePersonne::lire(l.bloc(), l.position(), ref)) throw BlocIllisible{};
        std::int32_t p = ref.chercher(contexte);
        if (p > 0) liste.ajouter(static_cast<std::uint32_t>(p));
    }
}

std::string lireTexte(LectureBloc& l) {
    std::string texte;
    for (;;) {
        if (!l.reste(1)) throw BlocIllisible{};
        std::uint8_t c = l.octet();
        if (c == 0) return texte;
        texte.push_back(static_cast<char>(c));
    }
}

std::uint32_t lireEntier(LectureBloc& l, int octets) {
    if (!l.reste(static_cast<std::size_t>(octets))) throw BlocIllisible{};
    std::uint32_t v = 0;
    for (int i = 0; i < octets; ++i) v |= static_cast<std::uint32_t>(l.octet()) << (8 * i);
    return v;
}

ValeurParametre lireValeur(LectureBloc& l, char lettre, ModeFavori mode, const ContexteDocument& contexte) {
    switch (lettre) {
        case 'P': return lirePersonne(l, mode, contexte);
        case 's': return lireTexte(l);
        case '2': return static_cast<std::uint16_t>(lireEntier(l, 2));
        case '4': return lireEntier(l, 4);
        case 'D': {
            std::uint32_t v = lireEntier(l, 4);
            return DateParametre{static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                                 static_cast<std::uint16_t>(v >> 16)};
        }
        case 'L': return lireListe(l, contexte);
        default: return static_cast<std::uint8_t>(lireEntier(l, 1));
    }
}

}  // namespace

void encoderParametres(Favori& favori, SignatureParametres signature, const ParametresDocument& valeurs,
                       const BaseGenealogique& base) {
    favori.parametres.clear();
    if (!signature.accepte(valeurs)) throw std::invalid_argument("valeurs qui ne suivent pas la signature");
    EcritureBloc e;
    std::string lettres = signature.parametres();
    for (std::size_t i = 0; i < lettres.size(); ++i) encoderValeur(e, lettres[i], valeurs[i], base);
    favori.parametres = e.bloc();
}

void decoderParametres(const Favori& favori, ModeFavori mode, SignatureParametres signature,
                       ParametresDocument& destinations, const ContexteDocument& contexte) {
    if (!signature.accepte(destinations)) destinations = signature.valeursParDefaut(contexte.base->nombreIndividus());
    const bool execution = mode == ModeFavori::Execution;
    if (favori.parametres.size() > kTailleBlocParametres) {
        if (execution) tropDeParametres();
        return;
    }
    std::string lettres = signature.parametres();
    if (favori.parametres.empty() && !lettres.empty()) {
        if (execution)
            throw OperationImpossible(
                "Les paramètres de ce favori ne sont pas définis :\n"
                "modifiez le favori pour les choisir"_1252);
        return;
    }
    LectureBloc l(favori.parametres);
    try {
        for (std::size_t i = 0; i < lettres.size(); ++i) destinations[i] = lireValeur(l, lettres[i], mode, contexte);
    } catch (const BlocIllisible&) {
        if (execution) throw OperationImpossible("Les paramètres de ce favori sont illisibles"_1252);
    }
}

}  // namespace lignara
