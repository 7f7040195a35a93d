# « lignara personnes » : colonnes séparées par des tabulations, dans l'ordre des prénoms sans
# égard aux accents ; la recherche phonétique trouve une autre graphie et garde l'ordre des noms
# (l'index phonétique range par son) ; la base de travail ne reste pas dans le dossier temporaire.
lignara personnes @SOURCES@/data/exemples/famille-exemple.ged --nom dumas
lignara personnes @SOURCES@/data/exemples/famille-exemple.ged --nom Dum --prenoms eti
lignara personnes @SOURCES@/data/exemples/famille-exemple.ged --nom Bertelo --prenoms cl
lignara personnes @SOURCES@/data/exemples/famille-exemple.ged --nom Bertelo --prenoms cl --phonetique
lignara personnes @SOURCES@/data/exemples/famille-exemple.ged --prenoms a --phonetique
#fichiers @DOSSIER@/tmp
lignara personnes @DOSSIER@/absent.ged
