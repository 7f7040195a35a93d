# Les erreurs d'analyse des arguments sont en français et renvoient à l'aide de la commande.
lignara lire a.ged --nimporte
lignara x.ged y.ged z.ged
lignara importer a.ged "b c.ged" d.ged
lignara document --racine
lignara categories tester metiers boulanger
lignara essai-pdf
lignara essai-pdf @DOSSIER@/x.pdf --format 1800
