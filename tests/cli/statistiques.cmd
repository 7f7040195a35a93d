# Les statistiques de l'exemple livré : chacune écrit un PDF que qpdf accepte.
lignara document stat-ages-completes @SOURCES@/data/exemples/famille-exemple.ged --option 'Type=âge au décès' --sortie @DOSSIER@/s1.pdf
#qpdf @DOSSIER@/s1.pdf
lignara document stat-ages-ascendantes @SOURCES@/data/exemples/famille-exemple.ged --racine @I27@ --option "Indique l'évolution au cours des siècles=non" --sortie @DOSSIER@/s2.pdf
#qpdf @DOSSIER@/s2.pdf
lignara document stat-naissances-descendantes @SOURCES@/data/exemples/famille-exemple.ged --racine @I1@ --option 'Regroupement par intervalles de=10' --option 'Intègre les conjoints des descendants=non' --sortie @DOSSIER@/s3.pdf
#qpdf @DOSSIER@/s3.pdf
lignara document stat-professions-completes @SOURCES@/data/exemples/famille-exemple.ged --option 'Affiche la liste des catégories=oui' --sortie @DOSSIER@/s4.pdf
#qpdf @DOSSIER@/s4.pdf
lignara document stat-sources-completes @SOURCES@/data/exemples/famille-exemple.ged --option 'Limite à une seule catégorie par personne=oui' --sortie @DOSSIER@/s5.pdf
#qpdf @DOSSIER@/s5.pdf
lignara document stat-generations @SOURCES@/data/exemples/famille-exemple.ged --racine @I27@ --sortie @DOSSIER@/s6.pdf
#qpdf @DOSSIER@/s6.pdf
# Les variantes complètes ne demandent ni personne ni conjoints ; les bornes des options sont dites.
lignara document stat-ages-completes @SOURCES@/data/exemples/famille-exemple.ged --racine @I1@ --sortie @DOSSIER@/a.pdf
lignara document stat-naissances-completes @SOURCES@/data/exemples/famille-exemple.ged --option 'Intègre les conjoints des descendants=non' --sortie @DOSSIER@/b.pdf
lignara document stat-naissances-completes @SOURCES@/data/exemples/famille-exemple.ged --option 'Regroupement par intervalles de=0' --sortie @DOSSIER@/c.pdf
# Un fichier de catégories abîmé se signale dans le terminal, sans document.
#ecrire @DOSSIER@/lignara/Metiers.dwa
abime
#fin
lignara document stat-professions-completes @SOURCES@/data/exemples/famille-exemple.ged --sortie @DOSSIER@/p.pdf
#fichier @DOSSIER@/p.pdf
