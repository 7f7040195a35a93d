#include "images/BibliothequeJpeg.h"

#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>
#include <jerror.h>

#include "commun/Texte.h"

namespace lignara {

namespace {

constexpr std::size_t kTailleTamponJpeg = 16384;

// Le gestionnaire d'erreur de la bibliothèque : garde le message et revient au point d'appel.
// Entre setjmp et longjmp, seules des fonctions C et les rappels ci-dessous sont actifs : aucun
// destructeur C++ n'est sauté.
// Seul le code de l'erreur est gardé : le texte anglais de la bibliothèque citerait parfois les
// premiers octets du fichier (« starts with 0x72 0x6f »).
struct GestionnaireErreur {
    jpeg_error_mgr base;
    std::jmp_buf retour;
    int code;
};

void revenirALAppel(j_common_ptr info) {
    auto* g = reinterpret_cast<GestionnaireErreur*>(info->err);
    g->code = info->err->msg_code;
    std::longjmp(g->retour, 1);
}

std::string raisonLecture(int code) {
    switch (code) {
        case JERR_NO_SOI: return "ce n'est pas une image JPEG";
        case JERR_INPUT_EMPTY:
        case JERR_INPUT_EOF: return "image JPEG tronquée"_1252;
        case JERR_OUT_OF_MEMORY: return "mémoire insuffisante"_1252;
        default: return "image JPEG abîmée ou d'un type non pris en charge"_1252;
    }
}

// Les avertissements (données tronquées…) ne s'écrivent pas sur la console.
void taireAvertissement(j_common_ptr) {}

void installerGestionnaire(GestionnaireErreur& g) {
    jpeg_std_error(&g.base);
    g.base.error_exit = revenirALAppel;
    g.base.output_message = taireAvertissement;
    g.code = 0;
}

// Source lue par morceaux dans un fichier déjà ouvert, jamais au-delà de sa taille d'ouverture ;
// la fin du fichier donne un marqueur de fin d'image, comme la source standard.
struct SourceFichier {
    jpeg_source_mgr base;
    FichierEntree* entree;
    std::uint64_t position;
    bool finAtteinte;
    JOCTET tampon[kTailleTamponJpeg];
};

void initialiserSource(j_decompress_ptr) {}

boolean remplirSource(j_decompress_ptr info) {
    auto* s = reinterpret_cast<SourceFichier*>(info->src);
    const long long lus = s->entree->lire(s->tampon, sizeof s->tampon, s->position);
    if (lus <= 0) {
        if (s->position == 0) ERREXIT(info, JERR_INPUT_EMPTY);
        s->finAtteinte = true;
        WARNMS(info, JWRN_JPEG_EOF);
        s->tampon[0] = 0xFF;
        s->tampon[1] = JPEG_EOI;
        s->base.next_input_byte = s->tampon;
        s->base.bytes_in_buffer = 2;
        return TRUE;
    }
    s->position += static_cast<std::uint64_t>(lus);
    s->base.next_input_byte = s->tampon;
    s->base.bytes_in_buffer = static_cast<std::size_t>(lus);
    return TRUE;
}

void sauterSource(j_decompress_ptr info, long nombre) {
    auto* s = reinterpret_cast<SourceFichier*>(info->src);
    if (nombre <= 0) return;
    const auto n = static_cast<std::size_t>(nombre);
    if (n <= s->base.bytes_in_buffer) {
        s->base.next_input_byte += n;
        s->base.bytes_in_buffer -= n;
        return;
    }
    s->position += n - s->base.bytes_in_buffer;
    s->base.bytes_in_buffer = 0;
}

void terminerSource(j_decompress_ptr) {}

void brancherSource(j_decompress_ptr info, SourceFichier& s) {
    s.base.init_source = initialiserSource;
    s.base.fill_input_buffer = remplirSource;
    s.base.skip_input_data = sauterSource;
    s.base.resync_to_restart = jpeg_resync_to_restart;
    s.base.term_source = terminerSource;
    s.base.bytes_in_buffer = 0;
    s.base.next_input_byte = nullptr;
    info->src = &s.base;
}

struct DestinationFlux {
    jpeg_destination_mgr base;
    std::ostream* sortie;
    std::uint64_t* octetsEcrits;
    JOCTET tampon[kTailleTamponJpeg];
};

void initialiserDestination(j_compress_ptr info) {
    auto* d = reinterpret_cast<DestinationFlux*>(info->dest);
    d->base.next_output_byte = d->tampon;
    d->base.free_in_buffer = kTailleTamponJpeg;
}

void verser(DestinationFlux* d, std::size_t n) {
    d->sortie->write(reinterpret_cast<const char*>(d->tampon), static_cast<std::streamsize>(n));
    *d->octetsEcrits += n;
}

boolean viderTamponPlein(j_compress_ptr info) {
    auto* d = reinterpret_cast<DestinationFlux*>(info->dest);
    verser(d, kTailleTamponJpeg);
    d->base.next_output_byte = d->tampon;
    d->base.free_in_buffer = kTailleTamponJpeg;
    return TRUE;
}

void terminerDestination(j_compress_ptr info) {
    auto* d = reinterpret_cast<DestinationFlux*>(info->dest);
    verser(d, kTailleTamponJpeg - d->base.free_in_buffer);
    d->sortie->flush();
}

void brancherDestination(j_compress_ptr info, DestinationFlux& d) {
    d.base.init_destination = initialiserDestination;
    d.base.empty_output_buffer = viderTamponPlein;
    d.base.term_destination = terminerDestination;
    info->dest = &d.base;
}

// Pas d'objet C++ ici : un longjmp peut revenir au setjmp.
bool lireEnTete(SourceFichier& source, std::int32_t& largeur, std::int32_t& hauteur, GestionnaireErreur& g) {
    // À zéro : une erreur dans jpeg_create_* laisse alors mem nul, que jpeg_destroy_* sait ignorer.
    jpeg_decompress_struct info{};
    info.err = &g.base;
    if (setjmp(g.retour)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    brancherSource(&info, source);
    jpeg_read_header(&info, TRUE);
    largeur = static_cast<std::int32_t>(info.image_width);
    hauteur = static_cast<std::int32_t>(info.image_height);
    jpeg_destroy_decompress(&info);
    return true;
}

// Le rappel de lignes est appelé entre setjmp et un éventuel longjmp, mais la bibliothèque
// n'échoue jamais pendant qu'il s'exécute : il a rendu la main avant jpeg_write_scanlines.
bool comprimer(jpeg_compress_struct& info, GestionnaireErreur& g, DestinationFlux& d, std::int32_t largeur,
               std::int32_t hauteur, const LigneRvb& ligne) {
    info.err = &g.base;
    if (setjmp(g.retour)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    brancherDestination(&info, d);
    info.image_width = static_cast<JDIMENSION>(largeur);
    info.image_height = static_cast<JDIMENSION>(hauteur);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    for (std::int32_t y = 0; y < hauteur; ++y) {
        JSAMPROW rangee = const_cast<JSAMPROW>(ligne(y));
        jpeg_write_scanlines(&info, &rangee, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

}  // namespace

bool lireTailleJpeg(FichierEntree& fichier, std::int32_t& largeur, std::int32_t& hauteur, std::string& raison1252) {
    raison1252.clear();
    GestionnaireErreur g;
    installerGestionnaire(g);
    SourceFichier source{};
    source.entree = &fichier;
    source.position = 0;
    source.finAtteinte = false;
    const bool lu = lireEnTete(source, largeur, hauteur, g);
    if (!lu)
        raison1252 = source.finAtteinte ? "image JPEG tronquée"_1252 : raisonLecture(g.code);
    else if (largeur <= 0 || hauteur <= 0)
        raison1252 = "image JPEG sans taille";
    return raison1252.empty();
}

bool encoderJpeg(std::ostream& sortie, std::int32_t largeur, std::int32_t hauteur, const LigneRvb& ligne,
                 std::string& messageErreur, std::uint64_t& octetsEcrits) {
    messageErreur.clear();
    octetsEcrits = 0;
    GestionnaireErreur g;
    installerGestionnaire(g);
    DestinationFlux d;
    d.sortie = &sortie;
    d.octetsEcrits = &octetsEcrits;
    jpeg_compress_struct info{};
    bool reussi = comprimer(info, g, d, largeur, hauteur, ligne);
    if (!reussi)
        messageErreur = g.code == JERR_OUT_OF_MEMORY
                            ? "mémoire insuffisante"_1252
                            : "encodage JPEG impossible (erreur "_1252 + std::to_string(g.code) + ")";
    return reussi;
}

}  // namespace lignara
