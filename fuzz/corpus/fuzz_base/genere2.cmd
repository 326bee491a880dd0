<BLOC0000>
NUMC201601001
01/01/2016
10001
A réception
Plomberie Girard & Fils
1, place de la Libération

30000 Nîmes
TTCY
N
CMDEREF-100	Remplacement chauffe-eau 200 L	                      1	                 15,00	0	                           15,00	1
</BLOC0000>
<BLOC0001>
NUMC201601002
02/01/2016
10002
Réglement à 30 jours
Électricité Bérenger
2, impasse des Tilleuls
Résidence Les Érables
45000 Orléans
TTCN
Y
CMDEREF-100	Réfection peinture séjour	                      2	                 60,19	0	                         120,38	1
CMDEREF-101	Changement serrure 3 points	                      3	               195,76	0	                         587,28	2
MEMOClés : 3 jeux remis à l'entrée, dont un badge « parking ».
</BLOC0001>
