# Le papier : --papier par son nom, sinon celui que les préférences rangent pour la ligne de
# commande, « Non paginé » au départ (une seule page à la taille du dessin). La boîte de chaque
# page est la zone utile de sa feuille : 567 × 814 points en A4 portrait, 814 × 561 en paysage.
lignara document arbre-ascendant @SOURCES@/data/exemples/famille-exemple.ged --racine @I45@ --sortie @DOSSIER@/defaut.pdf
#compter @DOSSIER@/defaut.pdf /Type /Page\n
#compter @DOSSIER@/defaut.pdf /MediaBox [0 0 567 
lignara document arbre-ascendant @SOURCES@/data/exemples/famille-exemple.ged --racine @I45@ --papier "a4 portrait" --sortie @DOSSIER@/a4.pdf
#compter @DOSSIER@/a4.pdf /Type /Page\n
#compter @DOSSIER@/a4.pdf /MediaBox [0 0 567 814]
lignara preferences --papier "A4 paysage"
lignara document arbre-ascendant @SOURCES@/data/exemples/famille-exemple.ged --racine @I45@ --sortie @DOSSIER@/range.pdf
#compter @DOSSIER@/range.pdf /Type /Page\n
#compter @DOSSIER@/range.pdf /MediaBox [0 0 814 561]
lignara document arbre-ascendant @SOURCES@/data/exemples/famille-exemple.ged --racine @I45@ --papier "Non paginé" --sortie @DOSSIER@/remplace.pdf
#compter @DOSSIER@/remplace.pdf /Type /Page\n
lignara document arbre-ascendant @SOURCES@/data/exemples/famille-exemple.ged --racine @I45@ --papier A5
# Un type inconnu est refusé.
lignara document "arbre ascendant" @SOURCES@/data/exemples/famille-exemple.ged
