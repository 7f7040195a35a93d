// Dessine les images de la barre d'outils (60 × 38 : « MenuArbre.png »… « MenuFavori.png » et
// leurs variantes enfoncées « -m »), l'image de démarrage « Accueil.png » et l'icône de la
// fenêtre « Icone.png » (64 × 64), dans le dossier donné. Rien que des formes géométriques, sans
// police : le résultat ne dépend pas des polices installées et se refait à l'identique.
//
//   outil_images_menu data/Menu
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kEncre(40, 62, 92);
const QColor kVert(46, 125, 80);
const QColor kOcre(196, 132, 38);
const QColor kBrique(172, 64, 52);
const QColor kCiel(74, 128, 186);

using Motif = std::function<void(QPainter&)>;

void boite(QPainter& p, double x, double y, double l, double h, const QColor& c) {
    p.setPen(QPen(kEncre, 1.2));
    p.setBrush(c);
    p.drawRoundedRect(QRectF(x, y, l, h), 2, 2);
}

void arbre(QPainter& p) {
    p.setPen(QPen(kEncre, 1.4));
    p.drawLine(QPointF(30, 24), QPointF(30, 18));
    p.drawLine(QPointF(16, 18), QPointF(44, 18));
    p.drawLine(QPointF(16, 18), QPointF(16, 14));
    p.drawLine(QPointF(44, 18), QPointF(44, 14));
    boite(p, 7, 5, 18, 9, kCiel);
    boite(p, 35, 5, 18, 9, QColor(214, 110, 120));
    boite(p, 21, 24, 18, 9, kVert.lighter(140));
}

void liste(QPainter& p) {
    for (int i = 0; i < 4; ++i) {
        double y = 8 + i * 7;
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? kOcre : kVert);
        p.drawEllipse(QPointF(14, y), 2.4, 2.4);
        p.setBrush(kEncre);
        p.drawRoundedRect(QRectF(20, y - 1.5, 28 - (i % 3) * 6, 3), 1.5, 1.5);
    }
}

void frise(QPainter& p) {
    p.setPen(QPen(kEncre, 1.4));
    p.drawLine(QPointF(6, 31), QPointF(54, 31));
    for (int x = 10; x <= 50; x += 10) p.drawLine(QPointF(x, 29), QPointF(x, 33));
    p.setPen(Qt::NoPen);
    const QColor couleurs[3] = {kCiel, kBrique, kVert};
    const double debut[3] = {8, 16, 26}, longueur[3] = {30, 32, 24};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(couleurs[i]);
        p.drawRoundedRect(QRectF(debut[i], 6 + i * 7.5, longueur[i], 5), 2, 2);
    }
}

void roue(QPainter& p) {
    const QPointF centre(30, 33);
    const QColor couleurs[3] = {kVert.lighter(150), kCiel.lighter(140), kOcre.lighter(130)};
    for (int anneau = 3; anneau >= 1; --anneau) {
        double r = 9.0 * anneau;
        int secteurs = 1 << anneau;
        for (int s = 0; s < secteurs; ++s) {
            QPainterPath chemin;
            chemin.moveTo(centre);
            chemin.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 180.0 * s / secteurs, 180.0 / secteurs);
            chemin.closeSubpath();
            p.setPen(QPen(kEncre, 1));
            p.setBrush(couleurs[(anneau + s) % 3]);
            p.drawPath(chemin);
        }
    }
}

void tableau(QPainter& p) {
    QRectF cadre(9, 6, 42, 27);
    p.setPen(Qt::NoPen);
    p.setBrush(kCiel);
    p.drawRect(QRectF(cadre.left(), cadre.top(), cadre.width(), 7));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(cadre.left(), cadre.top() + 7, cadre.width(), cadre.height() - 7));
    p.setPen(QPen(kEncre, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(cadre);
    for (double y = 13; y < 33; y += 6.7) p.drawLine(QPointF(9, y), QPointF(51, y));
    for (double x = 23; x < 51; x += 14) p.drawLine(QPointF(x, 6), QPointF(x, 33));
}

void carte(QPainter& p) {
    QPainterPath pays;
    pays.moveTo(22, 6);
    pays.lineTo(34, 4);
    pays.lineTo(46, 10);
    pays.lineTo(44, 22);
    pays.lineTo(48, 30);
    pays.lineTo(36, 34);
    pays.lineTo(22, 32);
    pays.lineTo(14, 26);
    pays.lineTo(16, 16);
    pays.lineTo(10, 12);
    pays.closeSubpath();
    p.setPen(QPen(kEncre, 1.2));
    p.setBrush(kVert.lighter(170));
    p.drawPath(pays);
    QPainterPath epingle;
    epingle.moveTo(32, 24);
    epingle.cubicTo(26, 16, 26, 10, 32, 10);
    epingle.cubicTo(38, 10, 38, 16, 32, 24);
    p.setBrush(kBrique);
    p.drawPath(epingle);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(32, 14.5), 2, 2);
}

void statistiques(QPainter& p) {
    p.setPen(QPen(kEncre, 1.4));
    p.drawLine(QPointF(10, 33), QPointF(52, 33));
    p.drawLine(QPointF(10, 33), QPointF(10, 5));
    const double hauteurs[5] = {10, 18, 25, 15, 21};
    const QColor couleurs[2] = {kCiel, kOcre};
    p.setPen(QPen(kEncre, 0.8));
    for (int i = 0; i < 5; ++i) {
        p.setBrush(couleurs[i % 2]);
        p.drawRect(QRectF(14 + i * 7.5, 33 - hauteurs[i], 5.5, hauteurs[i]));
    }
}

void favori(QPainter& p) {
    QPainterPath etoile;
    const QPointF centre(30, 20);
    for (int i = 0; i < 10; ++i) {
        double r = i % 2 ? 6.5 : 15.0;
        double a = -M_PI / 2 + i * M_PI / 5;
        QPointF point(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            etoile.moveTo(point);
        else
            etoile.lineTo(point);
    }
    etoile.closeSubpath();
    p.setPen(QPen(kOcre.darker(150), 1.2));
    p.setBrush(QColor(240, 190, 60));
    p.drawPath(etoile);
}

// Fond d'un bouton : une tuile claire ; enfoncée, plus sombre, ombrée en haut, motif décalé.
QImage bouton(const Motif& motif, bool enfonce) {
    QImage image(60, 38, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fond(0, 0, 0, 38);
    fond.setColorAt(0, enfonce ? QColor(196, 208, 222) : QColor(252, 252, 250));
    fond.setColorAt(1, enfonce ? QColor(222, 230, 238) : QColor(228, 234, 238));
    p.setPen(QPen(enfonce ? QColor(110, 128, 150) : QColor(190, 198, 206), 1));
    p.setBrush(fond);
    p.drawRoundedRect(QRectF(0.5, 0.5, 59, 37), 5, 5);
    if (enfonce) p.translate(1, 1);
    motif(p);
    return image;
}

QImage accueil() {
    QImage image(420, 266, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(7, 7);
    arbre(p);
    return image;
}

// Icône de la fenêtre : l'arbre des boutons sur une tuile carrée.
QImage icone() {
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(110, 128, 150), 2));
    p.setBrush(QColor(248, 246, 238));
    p.drawRoundedRect(QRectF(1, 1, 62, 62), 10, 10);
    p.translate(-3.5, 8);
    p.scale(1.2, 1.2);
    arbre(p);
    return image;
}

bool enregistrer(const QImage& image, const std::string& chemin) {
    if (image.save(QString::fromStdString(chemin), "PNG")) return true;
    std::fprintf(stderr, "Écriture impossible : %s\n", chemin.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Usage : %s DOSSIER\n", argv[0]);
        return 2;
    }
    const std::string dossier = argv[1];
    const std::pair<const char*, Motif> images[] = {
        {"MenuArbre", arbre},     {"MenuListe", liste}, {"MenuFrise", frise},       {"MenuRoue", roue},
        {"MenuTableau", tableau}, {"MenuCarte", carte}, {"MenuStat", statistiques}, {"MenuFavori", favori},
    };
    bool ok = true;
    for (const auto& [nom, motif] : images) {
        ok = enregistrer(bouton(motif, false), dossier + "/" + nom + ".png") && ok;
        ok = enregistrer(bouton(motif, true), dossier + "/" + nom + "-m.png") && ok;
    }
    ok = enregistrer(accueil(), dossier + "/Accueil.png") && ok;
    ok = enregistrer(icone(), dossier + "/Icone.png") && ok;
    return ok ? 0 : 1;
}
