// Réglages de chaque carte : projection, boîtes de la partie principale (longitudes, latitudes
// des polygones gardés), encarts des parties lointaines.
//
//   projection : ["laea", λ0, φ0] (azimutale équivalente de Lambert, pour les pays compacts) ou
//                ["albers", λ0, φ1, φ2, φ0] (conique équivalente d'Albers, pour les pays étendus
//                en longitude) ; sans elle, azimutale centrée sur la boîte des polygones.
//   boites     : [[ouest, sud, est, nord], …] ; un polygone est gardé quand son centre tombe
//                dans l'une d'elles (ouest > est : la boîte passe l'antiméridien). Sans boîte,
//                tout est gardé.
//   encarts    : chaque encart prend les polygones de ses régions (codes de la table des lieux)
//                dont le centre tombe dans sa boîte, les projette à part (azimutale centrée sur
//                la boîte, ou sa propre projection) et les place, à la plus grande échelle qui
//                tienne, dans le rectangle place : [x, y, largeur, hauteur] en fractions de la
//                boîte de la partie principale projetée (origine en bas à gauche).
//
// Équivalentes (aires respectées) parce qu'une carte de localisation se lit par ses surfaces
// colorées.
"use strict";

const rangee = (i, n) => [i / n + 0.004, -0.17, 1 / n - 0.008, 0.15];

module.exports = {
  AR: { projection: ["laea", -64, -38], boites: [[-74, -55.2, -53.5, -21.7]] },
  AU: { projection: ["albers", 134, -18, -36, -25], boites: [[112, -44, 154, -9.5]] },
  BR: { projection: ["laea", -54, -14], boites: [[-74.5, -34, -34.6, 5.4]] },
  CA: { projection: ["albers", -96, 50, 70, 40] },
  CN: { projection: ["albers", 105, 25, 47, 0], boites: [[73, 17.5, 135.5, 54]] },
  ES: {
    projection: ["laea", -3.5, 40],
    boites: [[-9.5, 35.1, 4.5, 44]],
    // Les Canaries dans le coin sud-ouest, à la place du Portugal qui n'est pas dessiné.
    encarts: [{ regions: [37], boite: [-18.3, 27.5, -13.3, 29.5], place: [0.0, 0.0, 0.3, 0.17] }],
  },
  FR: {
    projection: ["laea", 2.5, 46.5],
    boites: [[-5.5, 41.2, 10, 51.2]],
    // L'outre-mer en une rangée sous la métropole, chaque territoire à sa propre échelle.
    encarts: [
      // Paris et la petite couronne, illisibles à l'échelle du pays, agrandis dans la Manche.
      { regions: [128, 125, 126, 127], boite: [2.15, 48.72, 2.62, 49.01], loupe: true, place: [0.0, 0.8, 0.2, 0.19] },
      { regions: [129], boite: [-61.9, 15.8, -60.95, 16.55], place: rangee(0, 9) },
      { regions: [130], boite: [-61.3, 14.35, -60.75, 14.9], place: rangee(1, 9) },
      { regions: [131], boite: [-54.7, 2.0, -51.5, 5.9], place: rangee(2, 9) },
      { regions: [132], boite: [55.1, -21.45, 55.9, -20.8], place: rangee(3, 9) },
      { regions: [136], boite: [44.95, -13.1, 45.35, -12.6], place: rangee(4, 9) },
      { regions: [134], boite: [-56.5, 46.7, -56.1, 47.2], place: rangee(5, 9) },
      // Wallis seule, et Tahiti avec Moorea : à l'échelle de tout l'archipel, les îles
      // disparaîtraient.
      { regions: [135], boite: [-176.3, -13.45, -176.1, -13.15], place: rangee(6, 9) },
      { regions: [133], boite: [-150.0, -17.95, -149.1, -17.4], place: rangee(7, 9) },
      { regions: [137], boite: [163.5, -23.0, 168.2, -19.5], place: rangee(8, 9) },
    ],
  },
  GB: { projection: ["laea", -2.5, 54.5], boites: [[-8.7, 49.8, 2, 61]] },
  IN: { projection: ["laea", 80, 22], boites: [[68, 6, 97.5, 37.5]] },
  JP: {
    projection: ["laea", 137, 37],
    // Amami garde sa place ; les îles Ogasawara, à mille kilomètres au sud, sont laissées.
    boites: [[128.5, 30, 146.5, 45.7], [128.5, 27, 131.5, 30]],
    encarts: [{ regions: [41], boite: [122.9, 24, 131.4, 27.9], place: [0.0, 0.72, 0.3, 0.26] }],
  },
  MX: { projection: ["laea", -102, 24], boites: [[-118.5, 14.5, -86.5, 32.8]] },
  NO: { projection: ["laea", 15, 65], boites: [[4, 57.5, 32, 71.5]] },
  PT: {
    projection: ["laea", -8, 39.5],
    boites: [[-9.6, 36.9, -6.1, 42.2]],
    encarts: [
      { regions: [51], boite: [-31.5, 36.8, -24.9, 39.8], place: [-1.35, 0.62, 1.25, 0.36] },
      { regions: [52], boite: [-17.4, 32.5, -16.2, 33.2], place: [-0.75, 0.2, 0.65, 0.3] },
    ],
  },
  // Kaliningrad à l'ouest ; la Tchoukotka et l'île Wrangel passent l'antiméridien.
  RU: { projection: ["albers", 100, 52, 64, 56], boites: [[19, 41, -168, 82.5]] },
  US: {
    projection: ["albers", -96, 29.5, 45.5, 37.5],
    boites: [[-125, 24.3, -66.8, 49.5]],
    // Alaska et Hawaï réduits dans le coin sud-ouest, où le Mexique n'est pas dessiné.
    encarts: [
      { regions: [34], boite: [172, 51, -129.9, 71.5], projection: ["albers", -154, 55, 65, 50],
        place: [0.0, 0.0, 0.27, 0.27] },
      { regions: [44], boite: [-160.5, 18.8, -154.7, 22.3], place: [0.28, 0.0, 0.14, 0.12] },
    ],
  },
};
