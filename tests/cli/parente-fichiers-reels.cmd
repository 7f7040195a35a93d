# Victoria, ancêtre de Charles, est l'ancêtre commun, même si Albert, son mari, est rencontré le
# premier en remontant ; Franklin Delano Roosevelt est parent de Theodore par sa femme Eleanor,
# nièce de Theodore ; « Abraham Lincoln » désigne deux personnes, dites avec leurs identifiants.
lignara parente @REELS@/porges-mdf/royal92.ged "Victoria  /Hanover/" "Charles Philip Arthur/Windsor/"
lignara parente @REELS@/dj-gedcom-samples/pres2020.ged "Theodore /Roosevelt/ 27/10/1858" "Franklin Delano /Roosevelt/ 30/1/1882"
lignara parente @REELS@/dj-gedcom-samples/pres2020.ged "Abraham /Lincoln/" "George /Washington/"
