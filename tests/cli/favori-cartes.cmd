# Les cartes de patronyme et du fichier entier n'ont pas de personne de tête : leurs favoris se
# rangent sans elle, se lancent, et donnent la carte de « lignara document ».
lignara favori ajouter @SOURCES@/data/exemples/famille-exemple.ged Patronyme carte-patronyme --patronyme berthelot
lignara favori ajouter @SOURCES@/data/exemples/famille-exemple.ged Tout carte-localisation-complete
lignara favori ajouter @SOURCES@/data/exemples/famille-exemple.ged Personne carte-patronyme --racine @I1@
lignara favori executer @SOURCES@/data/exemples/famille-exemple.ged Patronyme --sortie @DOSSIER@/patronyme-favori.pdf
lignara document carte-patronyme @SOURCES@/data/exemples/famille-exemple.ged --patronyme berthelot --sortie @DOSSIER@/patronyme-direct.pdf
#compter @DOSSIER@/patronyme-direct.pdf %PDF-
#identiques @DOSSIER@/patronyme-favori.pdf @DOSSIER@/patronyme-direct.pdf
lignara favori executer @SOURCES@/data/exemples/famille-exemple.ged Tout --sortie @DOSSIER@/tout-favori.pdf
lignara document carte-localisation-complete @SOURCES@/data/exemples/famille-exemple.ged --sortie @DOSSIER@/tout-direct.pdf
#compter @DOSSIER@/tout-direct.pdf %PDF-
#identiques @DOSSIER@/tout-favori.pdf @DOSSIER@/tout-direct.pdf
