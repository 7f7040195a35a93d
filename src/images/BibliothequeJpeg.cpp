#include "images/BibliothequeJpeg.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace lignara {

namespace {

constexpr std::size_t kTailleTamponJpeg = 16384;

// Le gestionnaire d'erreur de la bibliothèque : garde le message et revient au point d'appel.
// Entre setjmp et longjmp, seules des fonctions C et les rappels ci-dessous sont actifs : aucun
// destructeur C++ n'est sauté.
struct GestionnaireErreur {
    jpeg_error_mgr base;
    std::jmp_buf retour;
    char message[JMSG_LENGTH_MAX];
};

void revenirALAppel(j_common_ptr info) {
    auto* g = reinterpret_cast<GestionnaireErreur*>(info->err);
    (*info->err->format_message)(info, g->message);
    std::longjmp(g->retour, 1);
}

// Les avertissements (données tronquées…) ne s'écrivent pas sur la console.
void taireAvertissement(j_common_ptr) {}

void installerGestionnaire(GestionnaireErreur& g) {
    jpeg_std_error(&g.base);
    g.base.error_exit = revenirALAppel;
    g.base.output_message = taireAvertissement;
    g.message[0] = '\0';
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
bool lireEnTete(std::FILE* fichier, std::int32_t& largeur, std::int32_t& hauteur,
                GestionnaireErreur& g) {
    // À zéro : une erreur dans jpeg_create_* laisse alors mem nul, que jpeg_destroy_* sait ignorer.
    jpeg_decompress_struct info{};
    info.err = &g.base;
    if (setjmp(g.retour)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, fichier);
    jpeg_read_header(&info, TRUE);
    largeur = static_cast<std::int32_t>(info.image_width);
    hauteur = static_cast<std::int32_t>(info.image_height);
    jpeg_destroy_decompress(&info);
    return true;
}

// Le rappel de lignes est appelé entre setjmp et un éventuel longjmp, mais la bibliothèque
// n'échoue jamais pendant qu'il s'exécute : il a rendu la main avant jpeg_write_scanlines.
bool comprimer(jpeg_compress_struct& info, GestionnaireErreur& g, DestinationFlux& d,
               std::int32_t largeur, std::int32_t hauteur, const LigneRvb& ligne) {
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

bool lireTailleJpeg(const std::filesystem::path& chemin, std::int32_t& largeur,
                    std::int32_t& hauteur, std::string& messageErreur) {
    messageErreur.clear();
    std::FILE* fichier = std::fopen(chemin.string().c_str(), "rb");
    if (!fichier) return false;
    GestionnaireErreur g;
    installerGestionnaire(g);
    bool lu = lireEnTete(fichier, largeur, hauteur, g);
    std::fclose(fichier);
    if (!lu) messageErreur = g.message;
    return lu && largeur > 0 && hauteur > 0;
}

bool encoderJpeg(std::ostream& sortie, std::int32_t largeur, std::int32_t hauteur,
                 const LigneRvb& ligne, std::string& messageErreur, std::uint64_t& octetsEcrits) {
    messageErreur.clear();
    octetsEcrits = 0;
    GestionnaireErreur g;
    installerGestionnaire(g);
    DestinationFlux d;
    d.sortie = &sortie;
    d.octetsEcrits = &octetsEcrits;
    jpeg_compress_struct info{};
    bool reussi = comprimer(info, g, d, largeur, hauteur, ligne);
    if (!reussi) messageErreur = g.message;
    return reussi;
}

std::string messageErreurJpeg(const std::string& chemin1252, const std::string& message) {
    return "Erreur dans le fichier " + chemin1252 + "\n" + message;
}

}  // namespace lignara
